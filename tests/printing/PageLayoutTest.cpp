#include <gtest/gtest.h>

#include <string>

#include "printing/PageGeometry.h"
#include "printing/ReportLayout.h"
#include "printing/WindowPageLayout.h"

namespace {

using namespace printing;

// A sheet of `mmWide` x `mmHigh` at `dpi`, printable all over.
DeviceCaps Sheet(int dpi, double mmWide, double mmHigh) {
  DeviceCaps c;
  c.logPixelsX = c.logPixelsY = dpi;
  c.physicalWidth = static_cast<int>(mmWide / 25.4 * dpi + 0.5);
  c.physicalHeight = static_cast<int>(mmHigh / 25.4 * dpi + 0.5);
  c.horzRes = c.physicalWidth;
  c.vertRes = c.physicalHeight;
  return c;
}
DeviceCaps A4(int dpi) { return Sheet(dpi, 210, 297); }
DeviceCaps Letter(int dpi) { return Sheet(dpi, 215.9, 279.4); }

PageGeometry PageOf(const DeviceCaps& caps) { return PageGeometryAt(caps, PageResolution(caps.logPixelsX)); }

// The data view's rows: a 30 mm print text (180 x 25 dots) with its
// 668-pixel columns of 80, 56 and 32 pixels.
ReportRowSizes DataViewRow(int) { return {{180, 25}, {{{668, 80}, {668, 56}, {668, 32}}}}; }

TEST(PageGeometry, MarginsResolutionAndBitmap) {
  const PageGeometry g = PageOf(A4(300));
  EXPECT_EQ(g.left, 236);
  EXPECT_EQ(g.top, 236);
  EXPECT_EQ(g.right, 2302);  // 2480 - 177.16, truncated
  EXPECT_EQ(g.bottom, 3271);
  EXPECT_EQ(g.r, 300);
  EXPECT_EQ(g.width, 2066);
  EXPECT_EQ(g.height, 3035);
  EXPECT_EQ(g.Destination(), (DeviceRect{236, 236, 2303, 3272}));

  EXPECT_EQ(PageResolution(1200), 600);
  EXPECT_EQ(PageResolution(300), 300);
  const PageGeometry fine = PageOf(A4(1200));
  EXPECT_EQ(fine.r, 600);
  EXPECT_EQ(fine.width, (fine.right - fine.left) * 600 / 1200);
  EXPECT_EQ(fine.U(30), 60);

  EXPECT_TRUE(PageGeometryAt(DeviceCaps{}, 300).Empty());
}

// On A4 the rows per page are those the report's captions have always
// assumed: first page and further pages, by sections.
TEST(ReportLayout, RowsPerPageOnA4) {
  struct Case {
    bool layers, parameters, notes;
    int first, further;
  };
  const Case cases[] = {
      {true, true, true, 3, 4},  {true, true, false, 4, 5},  {true, false, true, 5, 5},   {true, false, false, 7, 7},
      {false, true, true, 6, 6}, {false, true, false, 8, 9}, {false, false, true, 11, 12}, {false, false, false, 17, 18},
  };
  const PageGeometry g = PageOf(A4(300));
  for (const Case& c : cases) {
    const ReportSections s{c.layers, c.parameters, c.notes};
    SCOPED_TRACE(std::to_string(c.layers) + std::to_string(c.parameters) + std::to_string(c.notes));
    const ReportPagePlan first = PlanReportPage(g, s, 0, 99, DataViewRow);
    EXPECT_EQ(static_cast<int>(first.rows.size()), c.first);
    EXPECT_EQ(first.nextRow, c.first);
    const ReportPagePlan further = PlanReportPage(g, s, first.nextRow, 99, DataViewRow);
    EXPECT_EQ(static_cast<int>(further.rows.size()), c.further);
  }
}

// Every row but a page's first ends above the footer, frame and sub-frames
// included, and the pages counted are the pages printed: on Letter paper
// too, where fewer rows fit than on A4.
TEST(ReportLayout, RowsStayAboveTheFooterAndPagesAreCounted) {
  for (const DeviceCaps& caps : {A4(300), Letter(300), A4(600), Letter(1200)}) {
    const PageGeometry g = PageOf(caps);
    for (int sections = 0; sections < 8; ++sections) {
      const ReportSections s{(sections & 4) != 0, (sections & 2) != 0, (sections & 1) != 0};
      int start = 0, pages = 0;
      do {
        const ReportPagePlan plan = PlanReportPage(g, s, start, 99, DataViewRow);
        ++pages;
        ASSERT_FALSE(plan.rows.empty());
        EXPECT_EQ(plan.rows.front().row, start);
        for (const ReportRowPlan& row : plan.rows) {
          int bottom = row.frame.bottom;
          for (const DeviceRect& f : row.frames) bottom = std::max(bottom, f.bottom);
          EXPECT_LE(bottom, g.height - g.U(50)) << "row " << row.row;
        }
        start = plan.nextRow;
      } while (start != 0);
      EXPECT_EQ(CountReportPages(g, s, 99, DataViewRow), pages);
    }
  }
  // Letter paper takes three rows with all sections after the first page.
  const PageGeometry letter = PageOf(Letter(300));
  EXPECT_EQ(PlanReportPage(letter, {}, 3, 99, DataViewRow).rows.size(), 3u);
  EXPECT_EQ(CountReportPages(letter, {}, 99, DataViewRow), 33);
}

TEST(ReportLayout, RowGeometry) {
  const PageGeometry g = PageOf(A4(300));
  const ReportPagePlan plan = PlanReportPage(g, {}, 0, 2, DataViewRow);
  ASSERT_EQ(plan.rows.size(), 2u);
  EXPECT_EQ(plan.nextRow, 0);  // the last row is on this page
  const ReportRowPlan& a = plan.rows[0];
  EXPECT_EQ(a.preview, (DeviceRect{350, 356, 350 + 360, 356 + 50}));
  EXPECT_EQ(a.frame, (DeviceRect{340, 346, 720, 416}));
  EXPECT_EQ(a.numberX, 165);
  EXPECT_EQ(a.numberY, 348);
  EXPECT_EQ(a.frames[0], (DeviceRect{(2066 - 2004) / 2, 446, (2066 - 2004) / 2 + 2004, 686}));
  EXPECT_EQ(a.frames[1].top, 686 + 30);
  EXPECT_EQ(a.frames[2].bottom, 716 + 168 + 30 + 96);
  EXPECT_EQ(plan.rows[1].preview.top, a.frames[2].bottom + 50);

  const ReportPagePlan bare = PlanReportPage(g, {false, false, false}, 0, 2, DataViewRow);
  EXPECT_EQ(bare.rows[0].preview.top, 337);
  EXPECT_EQ(bare.rows[1].preview.top, 337 + 50 + 10 + 96);
  for (const DeviceRect& f : bare.rows[0].frames) EXPECT_TRUE(f.IsEmpty());
}

// A row taller than a page is printed alone on its page, cut at the page
// bitmap's bottom, and the next page goes on after it.
TEST(ReportLayout, RowTallerThanAPageStandsAlone) {
  const PageGeometry g = PageOf(A4(300));
  const auto sizes = [](int row) {
    ReportRowSizes s = DataViewRow(row);
    if (row == 1) s.frames[0].height = 2000;
    return s;
  };
  const ReportPagePlan second = PlanReportPage(g, {}, 1, 5, sizes);
  ASSERT_EQ(second.rows.size(), 1u);
  EXPECT_EQ(second.nextRow, 2);
  EXPECT_EQ(PlanReportPage(g, {}, 0, 5, sizes).nextRow, 1);
}

TEST(ReportLayout, NoPrintTextsIsOnePageWithoutRows) {
  const PageGeometry g = PageOf(A4(300));
  const ReportPagePlan plan = PlanReportPage(g, {}, 0, 0, DataViewRow);
  EXPECT_TRUE(plan.rows.empty());
  EXPECT_EQ(plan.nextRow, 0);
  EXPECT_EQ(CountReportPages(g, {}, 0, DataViewRow), 1);
}

// A 600 dpi printer and a 96 dpi screen start at six times the screen size
// and come down until the picture fits.
TEST(WindowPageLayout, PictureShrinksUntilItFits) {
  const PageGeometry g = PageOf(A4(600));
  const WindowPagePlan p = PlanWindowPage(g, 96, 800, 600);
  EXPECT_EQ(p.divisor, 1);
  EXPECT_LT(p.factor, 6);
  EXPECT_GE(p.outer.left, 0);
  EXPECT_LE(p.outer.bottom, g.height - p.outer.top / 2);
  EXPECT_EQ(p.outer.Width(), ((808 * 600) / 600) * p.factor);
  EXPECT_EQ(p.outer.top, g.U(450));
  // One step larger would not fit.
  EXPECT_GT(((808 * 600) / 600) * (p.factor + 1), g.width);
  const int s8 = (8 * 600 / 600) * p.factor, s32 = (32 * 600 / 600) * p.factor;
  EXPECT_EQ(p.inner, (DeviceRect{p.outer.left + s8, p.outer.top + s32, p.outer.right - s8, p.outer.bottom - s8}));
  EXPECT_FALSE(p.errorSize);
}

// Reduced step by step down to 1/19 without a word; what needs 1/20 is
// printed at 1/20 after "Error size.".
TEST(WindowPageLayout, TooLargeWindowsEndAtOneTwentieth) {
  const PageGeometry g = PageOf(A4(96));
  // The page bitmap is W wide; a picture of 19 W fits only at 1/19.
  const int w = g.width * 19 - 8;
  const WindowPagePlan at19 = PlanWindowPage(g, 96, w, 10);
  EXPECT_EQ(at19.divisor, 19);
  EXPECT_FALSE(at19.errorSize);
  const WindowPagePlan at20 = PlanWindowPage(g, 96, w + 100, 10);
  EXPECT_EQ(at20.divisor, 20);
  EXPECT_TRUE(at20.errorSize);
}

TEST(WindowPageLayout, ContextAndTitleTexts) {
  struct Case {
    WindowPageState state;
    WindowText context, title;
  };
  auto state = [](const char* name, bool data, bool editor, bool printer, bool pcFiles = false) {
    return WindowPageState{name, data, editor, printer, pcFiles};
  };
  using T = WindowText;
  const Case cases[] = {
      {state("FormPrinterFernsteuerung", true, false, false), T::PrinterButton, T::OwnCaption},
      {state("FormSprache", true, false, false), T::PcButton, T::OwnCaption},
      {state("FormEinstellenPC", false, false, true), T::PcButton, T::OwnCaption},
      {state("Form_FileDialog", true, false, false, true), T::PcButton, T::OwnCaption},
      {state("Form_FileDialog", true, false, false, false), T::DataTitle, T::OwnCaption},
      {state("FormInfo", false, true, false), T::HelpButton, T::OwnCaption},
      {state("Form_Main", true, false, false), T::DataTitle, T::DataTitle},
      {state("Form_Main", false, true, false), T::EditorButton, T::EditorButton},
      {state("Form_Main", false, false, true), T::PrinterButton, T::PrinterButton},
      {state("Form_Main", false, false, false), T::Unknown, T::MainCaption},
      {state("FormPrinterGeraetTyp", false, false, true), T::PrinterButton, T::OwnCaption},
      {state("FormPrinterGeraetTyp", false, false, false), T::Unknown, T::OwnCaption},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContextTextOf(c.state), c.context) << c.state.windowName;
    EXPECT_EQ(TitleTextOf(c.state), c.title) << c.state.windowName;
  }
}

}  // namespace
