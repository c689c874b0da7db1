#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "printing/PageCaption.h"
#include "printing/PrintJobs.h"
#include "support/FakeTime.h"

namespace {

using namespace printing;

// A printer that writes down what the job asked of it.
class RecordingDocument final : public PrintDocument {
 public:
  bool BeginDoc() override { return Note("begin", failBegin); }
  bool NewPage() override { return Note("new page", false); }
  bool EndDoc() override { return Note("end", false); }
  void Abort() override { steps.push_back("abort"); }
  bool HoldsEveryCopy() const override { return file; }

  std::vector<std::string> steps;
  bool failBegin = false;
  bool file = false;  // a file: one document for every copy

 private:
  bool Note(const char* step, bool fail) {
    steps.push_back(step);
    return !fail;
  }
};

// What the busy message showed and what was printed.
struct JobRun {
  RecordingDocument document;
  std::vector<int> progress;
  std::vector<std::string> captions;
  bool cancel = false;
  JobHooks Hooks() {
    return {[this](int p) { progress.push_back(p); }, [this] { return cancel; }};
  }
  CaptionedPage Page(int failAt = 0) {
    return [this, failAt](const std::string& caption) {
      captions.push_back(caption);
      document.steps.push_back("page");
      return static_cast<int>(captions.size()) == failAt ? -3 : 1;
    };
  }
};

using Steps = std::vector<std::string>;

class PrintJobs : public ::testing::Test {
 protected:
  testsupport::ScopedFakeTime time_;
};

TEST(PageCaption, NamesThePageAndTheTotalInEachLanguage) {
  struct Case {
    int language, page, pages;
    const char* caption;
  };
  const Case cases[] = {
      {0, 1, 1, "Seite 1"},          {0, 2, 5, "Seite 2 von 5"},   {1, 1, 0, "Page 1"},
      {1, 3, 4, "Page 3 of 4"},      {2, 3, 4, "Page 3 de 4"},     {3, 1, 1, "Pagina 1"},
      {3, 5, 5, "Pagina 5 di 5"},    {4, 2, 2, "P\xE1gina 2 de 2"}, {7, 2, 3, "Seite 2 von 3"},
      {-1, 1, 1, "Seite 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(PageCaption(c.page, c.pages, c.language), c.caption) << c.caption;
}

TEST_F(PrintJobs, CopiesBelowOneCountAsOne) {
  EXPECT_EQ(CopiesToPrint(0), 1);
  EXPECT_EQ(CopiesToPrint(-3), 1);
  EXPECT_EQ(CopiesToPrint(2), 2);
}

TEST_F(PrintJobs, HardcopyPrintsOneDocumentPerCopy) {
  JobRun run;
  EXPECT_EQ(RunHardcopyJob(run.document, 2, 3, run.Page(), run.Hooks()), JobOutcome::Printed);
  EXPECT_EQ(run.document.steps, (Steps{"begin", "page", "end", "begin", "page", "end"}));
  EXPECT_EQ(run.captions, (Steps{"Pagina 1", "Pagina 1"}));
  EXPECT_EQ(run.progress, (std::vector<int>{0, 50, 100}));
  EXPECT_EQ(time_->TotalSlept(), 500u);  // the last progress stays half a second
}

// A file takes every copy in one document, each copy starting on a new
// page; a failure or a cancel in a later copy discards the whole file.
TEST_F(PrintJobs, AFileHoldsEveryCopyInOneDocument) {
  JobRun hardcopy;
  hardcopy.document.file = true;
  EXPECT_EQ(RunHardcopyJob(hardcopy.document, 3, 0, hardcopy.Page(), hardcopy.Hooks()), JobOutcome::Printed);
  EXPECT_EQ(hardcopy.document.steps, (Steps{"begin", "page", "new page", "page", "new page", "page", "end"}));
  EXPECT_EQ(hardcopy.progress, (std::vector<int>{0, 33, 66, 100}));

  JobRun text;
  text.document.file = true;
  const auto page = [&text](int) {
    text.document.steps.push_back("page");
    return 1;
  };
  EXPECT_EQ(RunTextJob(text.document, 2, 2, page, text.Hooks()), JobOutcome::Printed);
  EXPECT_EQ(text.document.steps, (Steps{"begin", "page", "new page", "page", "new page", "page", "new page", "page", "end"}));

  JobRun failing;
  failing.document.file = true;
  EXPECT_EQ(RunHardcopyJob(failing.document, 3, 0, failing.Page(2), failing.Hooks()), JobOutcome::Failed);
  EXPECT_EQ(failing.document.steps, (Steps{"begin", "page", "new page", "page", "abort"}));

  JobRun cancelled;
  cancelled.document.file = true;
  std::vector<SettingsPage> pages;
  for (int p = 1; p <= 2; ++p)
    pages.push_back({p, [&cancelled, p](const std::string&) {
                       cancelled.document.steps.push_back("page");
                       cancelled.cancel = cancelled.progress.size() > 2 && p == 1;
                       return 1;
                     }});
  EXPECT_EQ(RunSettingsJob(cancelled.document, 2, 0, pages, cancelled.Hooks()), JobOutcome::Cancelled);
  EXPECT_EQ(cancelled.document.steps, (Steps{"begin", "page", "new page", "page", "new page", "page", "abort"}));
}

// A failing hard copy page aborts its document and ends the copies; the
// busy message still reaches 100.
TEST_F(PrintJobs, HardcopyPageFailureAbortsAndStillEndsAtHundred) {
  JobRun run;
  EXPECT_EQ(RunHardcopyJob(run.document, 3, 0, run.Page(1), run.Hooks()), JobOutcome::Failed);
  EXPECT_EQ(run.document.steps, (Steps{"begin", "page", "abort"}));
  EXPECT_EQ(run.progress, (std::vector<int>{0, 100}));
}

// Report pages are printed until the page printer says the last row is
// out; the info page is the last page and carries the total.
TEST_F(PrintJobs, ReportPagesThenInfoPage) {
  JobRun run;
  ReportJob job;
  job.count = 8;
  job.pages = 4;
  std::vector<int> starts;
  job.rows = [&](const std::string& caption, int start, int* next) {
    run.captions.push_back(caption);
    run.document.steps.push_back("page");
    starts.push_back(start);
    *next = start == 0 ? 3 : (start == 3 ? 7 : 0);
    return 1;
  };
  job.info = run.Page();
  EXPECT_EQ(RunReportJob(run.document, 2, 0, job, run.Hooks()), JobOutcome::Printed);
  EXPECT_EQ(run.captions, (Steps{"Seite 1 von 4", "Seite 2 von 4", "Seite 3 von 4", "Seite 4 von 4", "Seite 1 von 4",
                                 "Seite 2 von 4", "Seite 3 von 4", "Seite 4 von 4"}));
  EXPECT_EQ(starts, (std::vector<int>{0, 3, 7, 0, 3, 7}));
  EXPECT_EQ(run.document.steps,
            (Steps{"begin", "page", "new page", "page", "new page", "page", "new page", "page", "end", "begin", "page",
                   "new page", "page", "new page", "page", "new page", "page", "end"}));
  // (8 x copy + start) x 100 / (8 x 2)
  EXPECT_EQ(run.progress, (std::vector<int>{0, 18, 43, 50, 68, 93, 100}));
}

TEST_F(PrintJobs, ReportOfNoDataIsOnePage) {
  for (bool info : {false, true}) {
    JobRun run;
    ReportJob job;
    job.count = 0;
    job.pages = info ? 2 : 1;
    job.rows = [&](const std::string& caption, int, int*) {
      run.captions.push_back(caption);
      return 1;  // no row drawn: the next row stays 0
    };
    if (info) job.info = run.Page();
    EXPECT_EQ(RunReportJob(run.document, 1, 0, job, run.Hooks()), JobOutcome::Printed);
    EXPECT_EQ(run.captions, (info ? Steps{"Seite 1 von 2", "Seite 2 von 2"} : Steps{"Seite 1"}));
  }
}

// A report page that fails aborts the document: no further copies, no
// 100 % and no pause.
TEST_F(PrintJobs, ReportPageFailureAbortsWithoutHundred) {
  JobRun run;
  ReportJob job;
  job.count = 10;
  job.pages = 3;
  job.rows = [&](const std::string&, int start, int* next) {
    *next = start + 4;
    return start == 4 ? 0 : 1;
  };
  EXPECT_EQ(RunReportJob(run.document, 2, 0, job, run.Hooks()), JobOutcome::Failed);
  EXPECT_EQ(run.document.steps, (Steps{"begin", "new page", "abort"}));
  EXPECT_EQ(run.progress, (std::vector<int>{0, 20}));
  EXPECT_EQ(time_->TotalSlept(), 0u);
}

TEST_F(PrintJobs, DocumentThatCannotBeginFails) {
  JobRun run;
  run.document.failBegin = true;
  ReportJob job;
  job.rows = [](const std::string&, int, int*) { return 1; };
  EXPECT_EQ(RunReportJob(run.document, 1, 0, job, run.Hooks()), JobOutcome::Failed);
  EXPECT_EQ(run.document.steps, (Steps{"begin", "abort"}));
}

TEST_F(PrintJobs, ExceptionInAPageAbortsTheDocument) {
  JobRun run;
  std::vector<SettingsPage> pages = {{1, [](const std::string&) -> int { throw std::runtime_error("page"); }}};
  EXPECT_EQ(RunSettingsJob(run.document, 1, 0, pages, run.Hooks()), JobOutcome::Failed);
  EXPECT_EQ(run.document.steps, (Steps{"begin", "abort"}));
}

// Two copies of the 24 pages: the progress is updated before nine pages of
// each copy.
TEST_F(PrintJobs, SettingsHardcopyProgressOverTwoCopies) {
  JobRun run;
  std::vector<SettingsPage> pages;
  for (int p = 1; p <= 24; ++p) pages.push_back({p, run.Page()});
  EXPECT_EQ(RunSettingsJob(run.document, 2, 0, pages, run.Hooks()), JobOutcome::Printed);
  EXPECT_EQ(run.progress,
            (std::vector<int>{2, 13, 19, 23, 26, 30, 36, 47, 50, 52, 63, 69, 73, 76, 80, 86, 97, 100, 100}));
  EXPECT_EQ(run.captions.size(), 48u);
  EXPECT_EQ(run.captions[0], "Seite 1 von 24");
  EXPECT_EQ(run.captions[23], "Seite 24 von 24");
}

// Pages whose windows do not exist are left out: the others are numbered
// through, so no caption names a page beyond the total.
TEST_F(PrintJobs, SettingsHardcopyNumbersThePagesThatExist) {
  JobRun run;
  std::vector<SettingsPage> pages = {{1, run.Page()}, {6, run.Page()}, {22, run.Page()}, {24, run.Page()}};
  EXPECT_EQ(RunSettingsJob(run.document, 1, 1, pages, run.Hooks()), JobOutcome::Printed);
  EXPECT_EQ(run.captions, (Steps{"Page 1 of 4", "Page 2 of 4", "Page 3 of 4", "Page 4 of 4"}));
  // Steps 1, 6 (page 2 is absent, its step comes before page 6), 22, 23.
  EXPECT_EQ(run.progress, (std::vector<int>{4, 26, 95, 100, 100}));
}

// The operator's cancel discards the open document at once: no further
// page, no 100 %.
TEST_F(PrintJobs, CancelDiscardsTheOpenDocument) {
  JobRun run;
  std::vector<SettingsPage> pages;
  for (int p = 1; p <= 24; ++p)
    pages.push_back({p, [&run, p](const std::string&) {
                       run.document.steps.push_back("page");
                       if (p == 2) run.cancel = true;
                       return 1;
                     }});
  EXPECT_EQ(RunSettingsJob(run.document, 2, 0, pages, run.Hooks()), JobOutcome::Cancelled);
  EXPECT_EQ(run.document.steps, (Steps{"begin", "page", "new page", "page", "abort"}));
  EXPECT_EQ(time_->TotalSlept(), 0u);

  JobRun hardcopy;
  hardcopy.cancel = true;
  EXPECT_EQ(RunHardcopyJob(hardcopy.document, 1, 0, hardcopy.Page(), hardcopy.Hooks()), JobOutcome::Cancelled);
  EXPECT_TRUE(hardcopy.captions.empty());
}

}  // namespace
