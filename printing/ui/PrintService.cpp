#include "printing/ui/PrintService.h"

#include <QCoreApplication>
#include <optional>
#include <vector>

#include "platform/qt/Hardcopy.h"
#include "platform/qt/InputBlocker.h"
#include "platform/qt/TextCodec.h"
#include "printdata/ui/TFrameDaten.h"
#include "printing/SettingsHardcopy.h"
#include "printing/ui/PageCanvas.h"
#include "printing/ui/PrinterDocument.h"
#include "printing/ui/ReportPage.h"
#include "printing/ui/TAbortDialog.h"
#include "printing/ui/TextPage.h"

namespace printing::ui {
namespace {

// A PDF file is written at 300 pixels per inch.
constexpr int kPdfResolution = 300;

PrintService* installed = nullptr;

}  // namespace

// What every page of a running job shares: its page bitmap, the engine's
// settings and the way to the abort dialog.
class PrintService::JobRun {
 public:
  JobRun(PrintService& service, PrinterDocument& document, PageCanvas::GeometryAt geometry)
      : service_(service), document_(document), canvas_(PageCanvas::Create(CapsOf(service.Printer()), geometry)) {}

  // Lets the abort dialog take its click; true once Cancel was pressed.
  bool Stopped() const {
    QCoreApplication::processEvents();
    return service_.abortDialog_ && service_.abortDialog_->Aborted;
  }

  const std::optional<PageCanvas>& Canvas() const { return canvas_; }

  int WindowPage(const std::string& caption, QWidget* window, bool mayShow) {
    if (!canvas_ || !document_.Device() || !window) return -1;
    return PrintFormPage(*canvas_, *document_.Device(), platform::ToQt(caption), window,
                         service_.host_.TextsFor(window), mayShow, [this] { service_.host_.ShowErrorSize(); },
                         options_, Tiles());
  }

  int TextLines(const QStringList& lines, const TextPage& page) {
    if (!canvas_ || !document_.Device()) return -1;
    return PrintTextPage(*canvas_, *document_.Device(), lines, page, options_, Tiles());
  }

  int ReportRows(TFrameDaten& data, const ReportSections& sections, const std::string& caption, int start,
                 int* next) {
    if (!canvas_ || !document_.Device()) return -1;
    return PrintReportPage(*canvas_, *document_.Device(), data, platform::ToQt(caption), start, sections, next,
                           options_, Tiles());
  }

 private:
  TileProgress Tiles() const {
    return [this](int, int) { return Stopped() ? 0 : 1; };
  }

  PrintService& service_;
  PrinterDocument& document_;
  std::optional<PageCanvas> canvas_;
  EngineOptions options_ = ScreenEngineOptions();
};

PrintService::PrintService(PrintHost& host)
    : host_(host), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  installed = this;
}

PrintService::~PrintService() {
  if (installed == this) installed = nullptr;
}

PrintService* PrintService::Installed() { return installed; }

template <class Job>
void PrintService::Run(const Job& job, const JobSetup& setup) {
  if (running_) return;
  running_ = true;
  printer_->setPrintRange(setup.offerSelection ? QPrinter::Selection : QPrinter::AllPages);
  if (!host_.ChoosePrinter(*printer_)) {
    host_.CloseBusy();
    running_ = false;
    return;
  }
  if (printer_->outputFormat() == QPrinter::PdfFormat) printer_->setResolution(kPdfResolution);
  // The jobs print the copies themselves (a printer gets a document per
  // copy, a file all of them in its one document), so Qt must not repeat
  // them.
  const int dialogCopies = printer_->copyCount();
  const int copies = CopiesToPrint(dialogCopies);
  printer_->setCopyCount(1);
  const QString running = host_.RunningText();
  host_.ShowBusy(running);
  abortDialog_ = AbortDialog;
  if (abortDialog_) {
    // Modal without waiting: it alone takes the operator's input (the busy
    // message lets a modal window through) while the job goes on.
    abortDialog_->Aborted = 0;
    abortDialog_->setWindowModality(Qt::ApplicationModal);
    abortDialog_->show();
    abortDialog_->raise();
  }
  {
    // Only the abort dialog takes input while the pages are drawn.
    const platform::InputBlocker blocker(abortDialog_);
    PrinterDocument document(*printer_, setup.title);
    JobRun run(*this, document, setup.geometry);
    JobHooks hooks;
    hooks.progress = [&](int percent) {
      host_.ShowBusy(running + QStringLiteral(" ") + QString::number(percent) + QStringLiteral(" %"));
    };
    hooks.cancelled = [&run] { return run.Stopped(); };
    lastOutcome_ = job(document, run, copies, hooks);
  }
  if (abortDialog_) abortDialog_->hide();
  abortDialog_ = nullptr;
  printer_->setCopyCount(dialogCopies);
  host_.CloseBusy();
  if (lastOutcome_ == JobOutcome::Failed && setup.reportFailure) host_.ShowFailure();
  running_ = false;
}

void PrintService::PrintFormHardcopy(QWidget* window) {
  if (!window) return;
  Run([&](PrinterDocument& document, JobRun& run, int copies, const JobHooks& hooks) {
    return RunHardcopyJob(
        document, copies, host_.LanguageId(),
        [&](const std::string& caption) { return run.WindowPage(caption, window, true); }, hooks);
  });
}

void PrintService::PrintReport(TFrameDaten& data, const ReportSections& sections, QWidget* infoWindow) {
  Run([&](PrinterDocument& document, JobRun& run, int copies, const JobHooks& hooks) {
    ReportJob job;
    job.count = data.Count;
    // The pages are counted as they will be laid out, so that no caption
    // names a page beyond the last.
    job.pages = run.Canvas() ? CountReportPages(run.Canvas()->Geometry(), sections, data.Count, DataViewRowSizes(data))
                             : 1;
    if (infoWindow) ++job.pages;
    job.rows = [&](const std::string& caption, int start, int* next) {
      return run.ReportRows(data, sections, caption, start, next);
    };
    if (infoWindow)
      job.info = [&](const std::string& caption) { return run.WindowPage(caption, infoWindow, true); };
    return RunReportJob(document, copies, host_.LanguageId(), job, hooks);
  });
}

void PrintService::PrintPrinterSettings(QWidget* mainWindow, QWidget* infoWindow) {
  Run([&](PrinterDocument& document, JobRun& run, int copies, const JobHooks& hooks) {
    std::vector<SettingsPage> pages;
    const int last = static_cast<int>(kSettingsHardcopyWindows.size());
    for (int number = 1; number <= last; ++number) {
      QWidget* window = nullptr;
      platform::SettingsPageHooks page;
      if (number == 1) {
        window = mainWindow;
      } else if (number == last) {
        window = infoWindow;
      } else {
        const platform::SettingsPage registered =
            platform::FindSettingsPage(QString::fromLatin1(kSettingsHardcopyWindows[static_cast<std::size_t>(number - 1)]));
        window = registered.window;
        page = registered.hooks;
      }
      if (!window) continue;
      pages.push_back({number, [&run, window, page](const std::string& caption) {
                         if (page.beforePrint) page.beforePrint();
                         const bool mayShow = !(page.changePending && page.changePending());
                         return run.WindowPage(caption, window, mayShow);
                       }});
    }
    return RunSettingsJob(document, copies, host_.LanguageId(), pages, hooks);
  });
}

void PrintService::PrintTextLines(const QString& title, const QStringList& lines, const QStringList& selected) {
  JobSetup setup;
  setup.title = title;
  setup.offerSelection = !selected.isEmpty();
  setup.reportFailure = false;
  setup.geometry = TextPageGeometryAt;
  Run(
      [&](PrinterDocument& document, JobRun& run, int copies, const JobHooks& hooks) {
        const QStringList& text =
            setup.offerSelection && printer_->printRange() == QPrinter::Selection ? selected : lines;
        if (!run.Canvas()) return RunTextJob(document, copies, 1, [](int) { return -1; }, hooks);
        const std::vector<TextPage> pages = TextPagesFor(*run.Canvas(), text);
        return RunTextJob(
            document, copies, static_cast<int>(pages.size()),
            [&](int page) { return run.TextLines(text, pages[static_cast<std::size_t>(page)]); }, hooks);
      },
      setup);
}

}  // namespace printing::ui
