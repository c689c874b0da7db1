// Rendering and the printer file set: all five layers of 99 print texts
// rendered, then the whole DOWNLOAD tree built from them. The peer is Qt's
// own text drawing putting the same strings into pictures of the same size,
// measured in the same run.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchGroup.h"
#include "bench/support/Measure.h"
#include "rendering/LayerRendering.h"
#include "editor/WorkCopyRenderer.h"
#include "printdata/DownloadSet.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  const auto group = bench::MakeGroup();
  const std::string tmp = (std::filesystem::temp_directory_path() / "tarvik23-bench-render").string();
  std::filesystem::create_directories(tmp);

  printdata::PrintText work;
  editor::PreviewImages images;
  editor::WorkCopyRenderer renderer(work, images);
  const int turns = 7;

  // Warm the font cache once, as the program's first load does.
  for (const auto& t : group->Texts) editor::LoadAndRender(&t, work, images);

  bool built = true;
  auto render = [&] {
    for (const auto& t : group->Texts) editor::LoadAndRender(&t, work, images);
  };
  auto buildSet = [&] {
    built = built && printdata::BuildDownloadSet(*group, printdata::kMaxPrintTexts, "Bench", tmp, renderer) ==
                         printdata::kBuildDone;
  };
  // Peer: Qt draws the same five strings per print text into pictures of the
  // same size (monochrome, no anti-aliasing).
  QFont font("Arial");
  font.setPixelSize(16);
  font.setStyleStrategy(QFont::NoAntialias);
  auto qtDraw = [&] {
    for (const auto& t : group->Texts) {
      for (int n = 0; n < 5; ++n) {
        QImage image(t.Parameters.X1.Drucklaenge / 10 * 6, 25, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        const auto& l = t.Layers[static_cast<std::size_t>(n)];
        const std::string& s = n == 0 ? l.Text : n == 2 ? l.TimePreview : l.DatePreview;
        painter.drawText(l.PosX, 12, QString::fromLatin1(s.data(), static_cast<int>(s.size())));
      }
    }
  };
  const std::vector<double> t = bench::MedianOfTurns(turns, {{nullptr, render}, {nullptr, buildSet}, {nullptr, qtDraw}});
  if (!built) {
    std::fprintf(stderr, "building the printer file set failed\n");
    return 1;
  }
  const double renderMs = t[0] * 1000, setMs = t[1] * 1000, qtMs = t[2] * 1000;
  std::filesystem::remove_all(tmp);

  const int n = printdata::kMaxPrintTexts;
  std::printf("99 print texts, medians of %d turns taken in turns; times depend on the machine and its\n", turns);
  std::printf("load, the ratio much less (%s).\n", bench::MachineLoad().c_str());
  std::printf("ours: the program's renderer, 96 dpi, monochrome, five layers per print text\n");
  std::printf("peer: Qt's QPainter::drawText, \"Arial\" 16 px without anti-aliasing, the same strings\n");
  std::printf("      into 32-bit pictures of the rows' sizes\n");
  std::printf("render 5 layers:        %8.3f ms per print text, %8.2f ms for 99\n", renderMs / n, renderMs);
  std::printf("printer file set:       %8.3f ms per print text, %8.2f ms for 99\n", setMs / n, setMs);
  std::printf("Qt drawText (peer):     %8.3f ms per print text, %8.2f ms for 99\n", qtMs / n, qtMs);
  std::printf("ratio render / Qt:      %8.2f\n", renderMs / qtMs);
  return 0;
}
