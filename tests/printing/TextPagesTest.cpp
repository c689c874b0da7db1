// Plain text on paper: the text box inside 20 mm margins, the lines laid
// out on pages, and the job that prints one document per copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/PrintJobs.h"
#include "printing/TextPages.h"
#include "support/FakeTime.h"

namespace {

using namespace printing;

// The margins are 20 whole millimetres of each direction's resolution.
TEST(TextPages, TheBoxLiesTwentyMillimetresInsideThePrintableArea) {
  struct Case {
    int dpiX, dpiY, width, height;  // the printable area
    int left, top, right, bottom;   // the box's last pixels
  };
  const Case cases[] = {
      {300, 300, 2395, 3390, 220, 220, 2174, 3169},    // 11 pixels per mm
      {600, 600, 4790, 6780, 460, 460, 4329, 6319},    // 23
      {600, 300, 4790, 3390, 460, 220, 4329, 3169},    // each direction its own
      {72, 72, 595, 842, 40, 40, 554, 801},            // 2
  };
  for (const Case& c : cases) {
    DeviceCaps caps;
    caps.logPixelsX = c.dpiX;
    caps.logPixelsY = c.dpiY;
    caps.horzRes = c.width;
    caps.vertRes = c.height;
    const PageGeometry g = TextPageGeometryAt(caps, 300);
    EXPECT_EQ(g.left, c.left) << c.dpiX;
    EXPECT_EQ(g.top, c.top) << c.dpiY;
    EXPECT_EQ(g.right, c.right) << c.dpiX;
    EXPECT_EQ(g.bottom, c.bottom) << c.dpiY;
    // The page bitmap at 300 pixels per inch covers the box.
    EXPECT_EQ(g.width, (c.right - c.left + 1) * 300 / c.dpiX);
    EXPECT_EQ(g.height, (c.bottom - c.top + 1) * 300 / c.dpiY);
  }
  EXPECT_EQ(PixelsPerMm(254), 10);
  EXPECT_EQ(PixelsPerMm(253), 9);
}

TEST(TextPages, NoResolutionOrNoRoomIsAnEmptyPage) {
  DeviceCaps caps;
  caps.horzRes = 2000;
  caps.vertRes = 3000;
  EXPECT_TRUE(TextPageGeometryAt(caps, 300).Empty());
  caps.logPixelsX = caps.logPixelsY = 300;
  caps.horzRes = 440;  // nothing left between the margins
  EXPECT_TRUE(TextPageGeometryAt(caps, 300).Empty());
}

TEST(TextPages, LinesFillPagesAndWideLinesGoOnInTheNextLine) {
  // Lines of 3, 0, 10 and 4 characters on pages of 3 lines of 4.
  const std::vector<TextPage> pages = LayOutText({3, 0, 10, 4}, 4, 3);
  const std::vector<TextPage> expected = {
      {{0, 0, 3}, {1, 0, 0}, {2, 0, 4}},
      {{2, 4, 4}, {2, 8, 2}, {3, 0, 4}},
  };
  EXPECT_EQ(pages, expected);
  // No text is one empty page; a full page has no empty one after it.
  EXPECT_EQ(LayOutText({}, 80, 60), std::vector<TextPage>(1));
  EXPECT_EQ(LayOutText({1, 1}, 80, 2).size(), 1u);
}

class RecordingDocument final : public PrintDocument {
 public:
  bool BeginDoc() override { return Note("begin"); }
  bool NewPage() override { return Note("new page"); }
  bool EndDoc() override { return Note("end"); }
  void Abort() override { steps.push_back("abort"); }
  std::vector<std::string> steps;

 private:
  bool Note(const char* step) {
    steps.push_back(step);
    return true;
  }
};

// Two copies are two documents, each with every page.
TEST(TextPages, EachCopyIsADocumentOfItsOwn) {
  testsupport::ScopedFakeTime time;
  RecordingDocument document;
  std::vector<int> progress;
  const JobHooks hooks{[&](int p) { progress.push_back(p); }, [] { return false; }};
  const auto page = [&](int n) {
    document.steps.push_back("page " + std::to_string(n));
    return 1;
  };
  EXPECT_EQ(RunTextJob(document, 2, 2, page, hooks), JobOutcome::Printed);
  const std::vector<std::string> one = {"begin", "page 0", "new page", "page 1", "end"};
  std::vector<std::string> two = one;
  two.insert(two.end(), one.begin(), one.end());
  EXPECT_EQ(document.steps, two);
  EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
}

// A page that fails discards the open document and ends the copies.
TEST(TextPages, AFailingPageEndsTheJob) {
  testsupport::ScopedFakeTime time;
  RecordingDocument document;
  const auto page = [&](int n) { return n == 1 ? -3 : 1; };
  EXPECT_EQ(RunTextJob(document, 3, 2, page, {}), JobOutcome::Failed);
  EXPECT_EQ(document.steps, (std::vector<std::string>{"begin", "new page", "abort"}));
}

}  // namespace
