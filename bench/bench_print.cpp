// Printing to a PDF file at 300 dpi: the report of 99 print texts with
// every block and the info page, and the printer-settings hard copy of 24
// windows. Ours: the print services (page bitmap, bitmap file in memory,
// the print engine's tiles through QPrinter). Peer in the same run: the
// same page bitmaps drawn, then each put on its page by Qt's own image
// printing (one QPainter::drawImage per page). Both write images without
// loss; the closing half-second pause of the print jobs is not counted.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include "bench/support/BenchGroup.h"
#include "bench/support/Measure.h"
#include "bench/support/QuietDataView.h"
#include "platform/Clock.h"
#include "platform/qt/Hardcopy.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/Thread_Daten.h"
#include "printing/DibHeader.h"
#include "printing/SettingsHardcopy.h"
#include "printing/ui/PageCanvas.h"
#include "printing/ui/PrintService.h"
#include "printing/ui/PrinterDevice.h"
#include "printing/ui/ReportPage.h"
#include "printing/ui/WindowPage.h"

namespace {

constexpr int kRounds = 3;
constexpr int kDpi = 300;

// The job's closing pause shows the 100 % to the operator; it is no work.
class NoWait final : public platform::TimeSource {
 public:
  std::uint32_t TickCount() override { return 0; }
  void Sleep(std::uint32_t) override {}
};

class PdfHost final : public printing::ui::PrintHost {
 public:
  QString file;
  bool ChoosePrinter(QPrinter& printer) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
  }
  void ShowBusy(const QString&) override {}
  void CloseBusy() override {}
  QString RunningText() const override { return QStringLiteral("Wird ausgeführt..."); }
  void ShowFailure() override { std::fprintf(stderr, "print failed\n"); }
  int LanguageId() const override { return 0; }
  void ShowErrorSize() override {}
  printing::ui::WindowPageTexts TextsFor(QWidget* window) const override {
    return {QStringLiteral("Printer"), window->windowTitle()};
  }
};

// Takes every tile and draws nothing.
class TileSink final : public printing::PrintDevice {
 public:
  explicit TileSink(const printing::DeviceCaps& caps) : caps_(caps) {}
  printing::DeviceCaps Caps() const override { return caps_; }
  int StretchDib(const printing::DeviceRect&, const printing::DibView& dib) override {
    return static_cast<int>(printing::ReadInfoHeader(dib.header).height);
  }
  bool BltDib(const printing::DeviceRect&, const printing::DibView&) override { return true; }

 private:
  printing::DeviceCaps caps_;
};

struct Figure {
  double seconds = 0;     // median wall time
  double cpuSeconds = 0;  // median process time
  qint64 bytes = 0;
};

double ProcessSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

Figure Measure(const QString& file, const std::function<void()>& run) {
  std::vector<double> wall, cpu;
  for (int r = 0; r < kRounds; ++r) {
    const double cpuStart = ProcessSeconds();
    wall.push_back(bench::Seconds(run));
    cpu.push_back(ProcessSeconds() - cpuStart);
  }
  return {bench::Median(wall), bench::Median(cpu), QFileInfo(file).size()};
}

// The peer: every page bitmap drawn as ours are, then printed whole with
// QPainter::drawImage at the page's margins.
void PrintWholePages(const QString& file, int pages, const std::function<void(printing::ui::PageCanvas&, int)>& draw,
                     bool lossless = true) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setResolution(kDpi);
  auto canvas = printing::ui::PageCanvas::Create(printing::ui::CapsOf(printer));
  QPainter painter(&printer);
  painter.setRenderHint(QPainter::LosslessImageRendering, lossless);
  const printing::DeviceRect d = canvas->Geometry().Destination();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) printer.newPage();
    draw(*canvas, page);
    painter.drawImage(QRect(d.left, d.top, d.Width(), d.Height()), canvas->Image());
  }
}

void Report(const char* what, int pages, const Figure& ours, const Figure& peer) {
  std::printf("%s, %d pages:\n", what, pages);
  std::printf("  ours (tiles):   %6.2f s  %5.1f pages/s  cpu %6.2f s  %8.1f kB\n", ours.seconds, pages / ours.seconds,
              ours.cpuSeconds, ours.bytes / 1024.0);
  std::printf("  peer (drawImage): %4.2f s  %5.1f pages/s  cpu %6.2f s  %8.1f kB\n", peer.seconds,
              pages / peer.seconds, peer.cpuSeconds, peer.bytes / 1024.0);
  std::printf("  ours / peer: time %.2f, size %.2f\n", ours.seconds / peer.seconds,
              static_cast<double>(ours.bytes) / static_cast<double>(peer.bytes));
}

// A stand-in for a setting form: a few captions and values.
std::unique_ptr<QWidget> SettingForm(const char* name, int index) {
  auto form = std::make_unique<QWidget>();
  form->setObjectName(QString::fromLatin1(name));
  form->setWindowTitle(QStringLiteral(" Einstellung %1").arg(index));
  form->resize(480, 360);
  for (int row = 0; row < 8; ++row) {
    auto* label = new QLabel(QStringLiteral("Wert %1: %2 mm").arg(row + 1).arg(row * 37 + index), form.get());
    label->setGeometry(16, 16 + 40 * row, 300, 24);
  }
  return form;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  NoWait noWait;
  platform::SetTimeSource(&noWait);
  QTemporaryDir folder;

  // The data view with its 99 rows and every column, as the program shows it.
  QWidget main;
  main.setObjectName(QStringLiteral("Form_Main"));
  main.setWindowTitle(QStringLiteral(" Tarvik23 - Osmek AG"));
  main.resize(892, 673);
  bench::QuietDataViewHost host;
  DataViewEditor noEditor;
  TFrameDaten* view = bench::AddDataView(main, host, noEditor);
  view->CreateRows();
  view->Refresher->Terminate();
  bench::FillGroup(view->Group);
  view->Count = printdata::kMaxPrintTexts;
  view->PanelTitel->SetCaption(QStringLiteral("Eier"));
  for (int i = 0; i < printdata::kMaxPrintTexts; ++i) view->RenderRow(i);
  view->Repaint();
  main.show();
  QApplication::processEvents();
  QWidget info;
  info.setObjectName(QStringLiteral("FormInfo"));
  info.setWindowTitle(QStringLiteral("Info"));
  info.resize(388, 320);

  PdfHost pdf;
  printing::ui::PrintService service(pdf);
  const printing::ReportSections all;

  // The report.
  pdf.file = folder.filePath(QStringLiteral("report.pdf"));
  const Figure ours = Measure(pdf.file, [&] { service.PrintReport(*view, all, &info); });
  auto canvas = printing::ui::PageCanvas::Create(printing::ui::CapsOf(service.Printer()));
  const int rowPages = printing::CountReportPages(canvas->Geometry(), all, view->Count,
                                                  printing::ui::DataViewRowSizes(*view));
  const QString peerFile = folder.filePath(QStringLiteral("report-peer.pdf"));
  const auto reportPages = [&](bool lossless) {
    int start = 0;
    PrintWholePages(
        peerFile, rowPages + 1,
        [&](printing::ui::PageCanvas& c, int page) {
          const QString caption = QStringLiteral("Seite %1 von %2").arg(page + 1).arg(rowPages + 1);
          if (page < rowPages)
            printing::ui::DrawReportPage(c, *view, caption, start, all, &start);
          else
            printing::ui::DrawFormPage(c, caption, &info, {QStringLiteral("Hilfe"), QStringLiteral("Info")}, true,
                                       {});
        },
        lossless);
  };
  const Figure peer = Measure(peerFile, [&] { reportPages(true); });
  std::printf("page bitmaps %d x %d at %d dpi (A4), tiles %d x %d\n", canvas->Geometry().width,
              canvas->Geometry().height, kDpi, printing::ui::ScreenEngineOptions().tileWidth,
              printing::ui::ScreenEngineOptions().tileHeight);
  Report("report of 99 print texts (all blocks, info page)", rowPages + 1, ours, peer);

  // The drawing alone, which both sides share.
  const Figure drawing = Measure(QString(), [&] {
    int start = 0;
    for (int page = 0; page < rowPages; ++page)
      printing::ui::DrawReportPage(*canvas, *view, QStringLiteral("Seite"), start, all, &start);
  });
  std::printf("  of it drawing the %d row pages: %.2f s\n", rowPages, drawing.seconds);

  // Our pages without the PDF: drawn, made a bitmap file in memory and cut
  // into the engine's tiles for a device that takes them and does nothing.
  const Figure engine = Measure(QString(), [&] {
    TileSink device(printing::ui::CapsOf(service.Printer()));
    const printing::EngineOptions tiles = printing::ui::ScreenEngineOptions();
    int start = 0;
    for (int page = 0; page < rowPages; ++page)
      printing::ui::PrintReportPage(*canvas, device, *view, QStringLiteral("Seite"), start, all, &start, tiles);
  });
  std::printf("  our row pages drawn, converted and cut into tiles, no PDF: %.2f s\n", engine.seconds);
  // What the lossless images cost: the peer with Qt's default, JPEG.
  const Figure jpeg = Measure(peerFile, [&] { reportPages(false); });
  std::printf("  peer with Qt's default JPEG images (lossy): %.2f s, %.1f kB\n", jpeg.seconds, jpeg.bytes / 1024.0);

  // The printer-settings hard copy of 24 windows.
  std::vector<std::unique_ptr<QWidget>> forms;
  for (std::size_t i = 1; i + 1 < printing::kSettingsHardcopyWindows.size(); ++i) {
    forms.push_back(SettingForm(printing::kSettingsHardcopyWindows[i], static_cast<int>(i)));
    platform::RegisterSettingsPage(forms.back().get());
  }
  pdf.file = folder.filePath(QStringLiteral("settings.pdf"));
  const Figure settings = Measure(pdf.file, [&] { service.PrintPrinterSettings(&main, &info); });
  const QString settingsPeerFile = folder.filePath(QStringLiteral("settings-peer.pdf"));
  const Figure settingsPeer = Measure(settingsPeerFile, [&] {
    PrintWholePages(settingsPeerFile, 24, [&](printing::ui::PageCanvas& c, int page) {
      QWidget* window = page == 0 ? &main : page == 23 ? &info : forms[static_cast<std::size_t>(page - 1)].get();
      printing::ui::DrawFormPage(c, QStringLiteral("Seite %1 von 24").arg(page + 1), window,
                                 {QStringLiteral("Printer"), window->windowTitle()}, true, {});
    });
  });
  Report("printer-settings hard copy", 24, settings, settingsPeer);
  platform::SetTimeSource(nullptr);
  return 0;
}
