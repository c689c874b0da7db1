#include "printing/PrintJobs.h"

#include <algorithm>

#include "platform/Clock.h"
#include "printing/PageCaption.h"

namespace printing {
namespace {

constexpr int kSettingsSteps = 23;

// How a job ends once a page or a document step failed, or the operator
// stopped it.
class Job {
 public:
  Job(PrintDocument& document, const JobHooks& hooks) : document_(document), hooks_(hooks) {}

  void Progress(int percent) const {
    if (hooks_.progress) hooks_.progress(percent);
  }
  bool Cancelled() const { return hooks_.cancelled && hooks_.cancelled(); }

  // Opens the document of copy `copy`; in a document that holds every
  // copy, a copy after the first starts on a new page of the open one.
  bool Begin(int copy) {
    if (copy > 0 && open_ && document_.HoldsEveryCopy()) return document_.NewPage();
    open_ = true;
    return document_.BeginDoc();
  }
  bool NewPage() { return document_.NewPage(); }
  // Ends copy `copy` of `copies`: its own document, or the one that holds
  // every copy after the last.
  bool End(int copy, int copies) {
    if (copy + 1 < copies && document_.HoldsEveryCopy()) return true;
    open_ = false;
    return document_.EndDoc();
  }
  // Discards the open document; the outcome is cancelled when the operator
  // asked for it, else failed.
  JobOutcome Stop() {
    if (open_) {
      open_ = false;
      try {
        document_.Abort();
      } catch (...) {
      }
    }
    return Cancelled() ? JobOutcome::Cancelled : JobOutcome::Failed;
  }
  // The last progress text stays half a second.
  void Finish() const {
    Progress(100);
    platform::SleepMs(500);
  }

 private:
  PrintDocument& document_;
  const JobHooks& hooks_;
  bool open_ = false;
};

// The copies, each in its document (Job::Begin): `copyPages` prints a
// copy's pages into the open document, false once a page failed or the
// operator stopped the job, which then ends with the document discarded.
JobOutcome RunCopies(PrintDocument& document, int copies, const JobHooks& hooks,
                     const std::function<bool(Job& job, int copy)>& copyPages) {
  Job job(document, hooks);
  try {
    for (int copy = 0; copy < copies; ++copy) {
      if (job.Cancelled() || !job.Begin(copy) || !copyPages(job, copy) || job.Cancelled() ||
          !job.End(copy, copies))
        return job.Stop();
    }
  } catch (...) {
    return job.Stop();
  }
  job.Finish();
  return JobOutcome::Printed;
}

}  // namespace

int HardcopyProgress(int copy, int copies) { return copy * 100 / std::max(1, copies); }

int ReportProgress(int count, int copy, int copies, int startRow) {
  if (count <= 0) return HardcopyProgress(copy, copies);
  return (count * copy + startRow) * 100 / (count * std::max(1, copies));
}

int SettingsProgress(int copy, int copies, int step) {
  return (copy * kSettingsSteps + step) * 100 / (std::max(1, copies) * kSettingsSteps);
}

int SettingsProgressStep(int page) {
  switch (page) {
    case 1: return 1;
    case 2: return 6;
    case 7: return 9;
    case 10: return 11;
    case 12: return 12;
    case 13: return 14;
    case 15: return 17;
    case 18: return 22;
    case 24: return 23;
    default: return 0;
  }
}

int CopiesToPrint(int dialogCopies) { return std::max(1, dialogCopies); }

JobOutcome RunHardcopyJob(PrintDocument& document, int copies, int languageId, const CaptionedPage& page,
                          const JobHooks& hooks) {
  Job job(document, hooks);
  JobOutcome outcome = JobOutcome::Printed;
  try {
    for (int copy = 0; copy < copies; ++copy) {
      job.Progress(HardcopyProgress(copy, copies));
      if (job.Cancelled() || !job.Begin(copy) || page(PageCaption(1, 1, languageId)) != 1 || job.Cancelled() ||
          !job.End(copy, copies)) {
        outcome = job.Stop();
        break;
      }
    }
  } catch (...) {
    return job.Stop();
  }
  if (outcome == JobOutcome::Cancelled) return outcome;
  job.Finish();
  return outcome;
}

JobOutcome RunReportJob(PrintDocument& document, int copies, int languageId, const ReportJob& r,
                        const JobHooks& hooks) {
  return RunCopies(document, copies, hooks, [&](Job& job, int copy) {
    int startRow = 0;
    for (int page = 1;; ++page) {
      job.Progress(ReportProgress(r.count, copy, copies, startRow));
      if (job.Cancelled() || r.rows(PageCaption(page, r.pages, languageId), startRow, &startRow) != 1) return false;
      if (startRow == 0) break;
      if (!job.NewPage()) return false;
    }
    return !r.info || (!job.Cancelled() && job.NewPage() && r.info(PageCaption(r.pages, r.pages, languageId)) == 1);
  });
}

JobOutcome RunTextJob(PrintDocument& document, int copies, int pages, const std::function<int(int page)>& page,
                      const JobHooks& hooks) {
  pages = std::max(1, pages);
  return RunCopies(document, copies, hooks, [&](Job& job, int copy) {
    for (int i = 0; i < pages; ++i) {
      job.Progress(HardcopyProgress(copy * pages + i, copies * pages));
      if (job.Cancelled() || (i > 0 && !job.NewPage()) || page(i) != 1) return false;
    }
    return true;
  });
}

JobOutcome RunSettingsJob(PrintDocument& document, int copies, int languageId, const std::vector<SettingsPage>& pages,
                          const JobHooks& hooks) {
  const int total = static_cast<int>(pages.size());
  return RunCopies(document, copies, hooks, [&](Job& job, int copy) {
    int shownUpTo = 0;  // the table page whose progress step was shown last
    for (int i = 0; i < total; ++i) {
      const SettingsPage& page = pages[static_cast<std::size_t>(i)];
      // The last step at or before this page, also when the page it
      // belongs to is not in the hard copy.
      int step = 0;
      for (int p = shownUpTo + 1; p <= page.number; ++p)
        if (SettingsProgressStep(p) != 0) step = SettingsProgressStep(p);
      shownUpTo = std::max(shownUpTo, page.number);
      if (step != 0) job.Progress(SettingsProgress(copy, copies, step));
      if (job.Cancelled() || (i > 0 && !job.NewPage())) return false;
      if (page.print(PageCaption(i + 1, total, languageId)) != 1) return false;
    }
    return true;
  });
}

}  // namespace printing
