#pragma once
// The print jobs of the three print services: the hard copy of a window
// (one page), the report of the open print data and the printer-settings
// hard copy. On a printer each copy is a document of its own; a file holds
// every copy in one document, the pages repeated per copy. The busy message
// shows the progress; a page that fails, or the operator's cancel, ends the
// job and discards the open document.
#include <functional>
#include <string>
#include <vector>

namespace printing {

// The printer behind a job (QPrinter in the program).
class PrintDocument {
 public:
  virtual ~PrintDocument() = default;
  // Opens a document (portrait, titled "Tarvik23") and its first page.
  virtual bool BeginDoc() = 0;
  // Ends the current page and starts the next.
  virtual bool NewPage() = 0;
  // Ends the document and hands it over (to the printer, or the file).
  virtual bool EndDoc() = 0;
  // Discards the open document: nothing is printed and no file is left.
  virtual void Abort() = 0;
  // True when the copies go into one document (a file, which each new
  // document would replace); false for a printer, which takes a document
  // per copy.
  virtual bool HoldsEveryCopy() const { return false; }
};

enum class JobOutcome {
  Printed,
  Failed,     // a page, the printer or the document failed
  Cancelled,  // the operator stopped it
};

struct JobHooks {
  // The progress in percent, for the busy message.
  std::function<void(int percent)> progress;
  // True once the operator has stopped the job.
  std::function<bool()> cancelled;
};

// A page printer: prints one page captioned `caption`, 1 on success.
using CaptionedPage = std::function<int(const std::string& caption)>;

// The progress of each service, in percent.
int HardcopyProgress(int copy, int copies);
int ReportProgress(int count, int copy, int copies, int startRow);
int SettingsProgress(int copy, int copies, int step);
// The progress step shown before page `page` (1 to 24) of the settings
// hard copy; 0 before the pages that show none.
int SettingsProgressStep(int page);

// The copies the print dialog asks for: at least 1.
int CopiesToPrint(int dialogCopies);

// One page per copy, captioned as page 1. A failing page ends the copies;
// the progress still reaches 100.
JobOutcome RunHardcopyJob(PrintDocument& document, int copies, int languageId, const CaptionedPage& page,
                          const JobHooks& hooks);

struct ReportJob {
  int count = 0;  // print texts
  int pages = 1;  // pages of one copy, the info page included (for the captions)
  // Prints the page of rows from `startRow` on; sets `*nextRow` to the first
  // row left for the next page, 0 when the last one was printed.
  std::function<int(const std::string& caption, int startRow, int* nextRow)> rows;
  // The info page after the rows; none when empty.
  CaptionedPage info;
};
JobOutcome RunReportJob(PrintDocument& document, int copies, int languageId, const ReportJob& job,
                        const JobHooks& hooks);

// Plain text: `pages` pages per copy, each printed by `page` (from 0), 1 on
// success. The pages carry no captions.
JobOutcome RunTextJob(PrintDocument& document, int copies, int pages, const std::function<int(int page)>& page,
                      const JobHooks& hooks);

// A page of the settings hard copy: its place (1 to 24) in the hard copy's
// table and its printer.
struct SettingsPage {
  int number = 0;
  CaptionedPage print;
};
// The pages in table order; they are captioned 1 to n of n.
JobOutcome RunSettingsJob(PrintDocument& document, int copies, int languageId, const std::vector<SettingsPage>& pages,
                          const JobHooks& hooks);

}  // namespace printing
