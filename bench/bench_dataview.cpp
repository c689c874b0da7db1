// The data view: its 99 rows created, then a full data set of 99 print texts
// rendered into them. Peers measured in the same run: the same rendering
// without rows (the layer rendering and the row picture only), and Qt
// creating as many plain labels as the rows hold widgets.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchGroup.h"
#include "bench/support/Measure.h"
#include "bench/support/QuietDataView.h"
#include "rendering/LayerRendering.h"
#include "rendering/RowPainting.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/Thread_Daten.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int CountWidgets(const QWidget* w) {
  int n = 0;
  for (const QObject* o : w->children())
    if (const auto* c = qobject_cast<const QWidget*>(o)) n += 1 + CountWidgets(c);
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int rounds = 7;
  bench::QuietDataViewHost host;
  DataViewEditor noEditor;

  // The peer's print texts; rendering them once warms the font cache, as
  // the program's start does.
  const auto group = bench::MakeGroup();
  {
    printdata::PrintText work;
    editor::PreviewImages images;
    for (const auto& t : group->Texts) editor::LoadAndRender(&t, work, images);
  }

  std::vector<double> createMs, renderMs;
  int rowWidgets = 0;
  for (int r = 0; r < rounds; ++r) {
    QWidget main;
    main.resize(892, 673);
    TFrameDaten* view = bench::AddDataView(main, host, noEditor);
    const int before = CountWidgets(view);

    auto start = Clock::now();
    view->CreateRows();
    createMs.push_back(Ms(Clock::now() - start));
    view->Refresher->Terminate();
    rowWidgets = CountWidgets(view) - before;

    // The program's event loop runs between start-up and loading data.
    QApplication::processEvents();
    bench::FillGroup(view->Group);
    start = Clock::now();
    view->Count = printdata::kMaxPrintTexts;
    for (int i = 0; i < printdata::kMaxPrintTexts; ++i) view->RenderRow(i);
    view->Repaint();
    renderMs.push_back(Ms(Clock::now() - start));
  }
  const double createMedian = bench::Median(createMs), renderMedian = bench::Median(renderMs);

  // Peer 1: the same rendering without rows.
  printdata::PrintText work;
  editor::PreviewImages images;
  std::vector<double> bare;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (const auto& t : group->Texts) {
      editor::LoadAndRender(&t, work, images);
      volatile int keep = editor::ComposeRowImage(images, work).Width();
      (void)keep;
    }
    bare.push_back(Ms(Clock::now() - start));
  }
  const double bareMs = bench::Median(bare);

  // Peer 2: Qt creating as many labels as the rows hold widgets.
  std::vector<double> labels;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    QWidget parent;
    for (int i = 0; i < rowWidgets; ++i) {
      auto* l = new QLabel(QStringLiteral("Ebene 1:"), &parent);
      l->setGeometry(0, i, 56, 16);
      l->hide();
    }
    labels.push_back(Ms(Clock::now() - start));
  }
  const double labelsMs = bench::Median(labels);

  std::printf("the data view on Qt's offscreen platform, medians of %d rounds; times depend on the\n", rounds);
  std::printf("machine and its load, the ratios less (%s)\n", bench::MachineLoad().c_str());
  std::printf("create 99 rows (%d widgets):       %8.2f ms\n", rowWidgets, createMedian);
  std::printf("render 99 print texts into rows:    %8.2f ms\n", renderMedian);
  std::printf("both:                               %8.2f ms\n", createMedian + renderMedian);
  std::printf("peer: same rendering without rows:  %8.2f ms  (rows / bare %.2f)\n", bareMs, renderMedian / bareMs);
  std::printf("peer: Qt creates %d hidden labels: %8.2f ms  (rows / labels %.2f)\n", rowWidgets, labelsMs,
              createMedian / labelsMs);
  return 0;
}
