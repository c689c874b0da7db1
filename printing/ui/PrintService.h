#pragma once
// The main window's print services: the hard copy of a window, the report
// of the open print data, the printer-settings hard copy and plain text
// (the service windows' "Drucken"). Each asks for a printer (or a PDF file)
// and the copies, prints one document per copy on a printer and every copy
// in the one document of a file, with its progress in the busy message, and
// can be stopped with the abort dialog's Cancel, which discards the
// document. A print that fails says so, except plain text, which fails in
// silence. Everything runs in the GUI thread; a print asked for while one
// runs is refused.
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <memory>

#include "printing/PrintJobs.h"
#include "printing/ReportLayout.h"
#include "printing/ui/PageCanvas.h"
#include "printing/ui/WindowPage.h"

class QWidget;
class TAbortDialog;
class TFrameDaten;

namespace printing::ui {

// What the print services need of the program around them.
class PrintHost {
 public:
  virtual ~PrintHost() = default;
  // The print dialog: sets up `printer` (a printer or a PDF file, the
  // copies); false when the operator cancelled. The printer's range comes
  // preset: QPrinter::Selection offers the selection and starts on it,
  // otherwise everything is printed; it holds the operator's choice after.
  virtual bool ChoosePrinter(QPrinter& printer) = 0;
  // The busy message (yellow, not modal) and its end.
  virtual void ShowBusy(const QString& text) = 0;
  virtual void CloseBusy() = 0;
  // "Wird ausgeführt..." in the UI language.
  virtual QString RunningText() const = 0;
  // The print did not come out: a failed page, printer or file.
  virtual void ShowFailure() = 0;
  virtual int LanguageId() const = 0;
  // A window too large for its page even at 1/19 of its size.
  virtual void ShowErrorSize() = 0;
  // The texts heading the page of `window`.
  virtual WindowPageTexts TextsFor(QWidget* window) const = 0;
};

class PrintService {
 public:
  // A job shows the abort dialog AbortDialog while it exists; without it a
  // job cannot be stopped.
  explicit PrintService(PrintHost& host);
  ~PrintService();

  void PrintFormHardcopy(QWidget* window);
  // The rows of `data` with the chosen sections, then the info page when
  // `infoWindow` is given.
  void PrintReport(TFrameDaten& data, const ReportSections& sections, QWidget* infoWindow);
  // The main window, the registered setting and service windows
  // (platform/qt/Hardcopy.h) and the info window.
  void PrintPrinterSettings(QWidget* mainWindow, QWidget* infoWindow);
  // `lines` in 8-point "Courier New" inside 20 mm margins, in documents
  // titled `title`. When `selected` holds lines, the dialog starts on
  // "selection" and, left there, prints only those.
  void PrintTextLines(const QString& title, const QStringList& lines, const QStringList& selected = {});

  // The program's service, for windows that print through it without
  // knowing the main window; null while there is none.
  static PrintService* Installed();

  // The printer every print starts from; it keeps the last choice.
  QPrinter& Printer() { return *printer_; }
  bool Running() const { return running_; }
  // How the last print ended.
  JobOutcome LastOutcome() const { return lastOutcome_; }

 private:
  class JobRun;
  // How a job differs from the window and report prints.
  struct JobSetup {
    QString title = QStringLiteral("Tarvik23");
    bool offerSelection = false;
    bool reportFailure = true;
    PageCanvas::GeometryAt geometry = PageGeometryAt;
  };
  // (An overload rather than a default argument: Clang cannot use the
  // nested struct's member initialisers inside the class that holds it.)
  template <class Job>
  void Run(const Job& job, const JobSetup& setup);
  template <class Job>
  void Run(const Job& job) {
    Run(job, JobSetup());
  }

  PrintHost& host_;
  TAbortDialog* abortDialog_ = nullptr;  // the running job's
  std::unique_ptr<QPrinter> printer_;
  bool running_ = false;
  JobOutcome lastOutcome_ = JobOutcome::Printed;
};

}  // namespace printing::ui
