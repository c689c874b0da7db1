// The print view's strip: its layout, its pixels, and drawing it at the
// size it is shown in however long it is.
#include <gtest/gtest.h>

#include <vector>

#include "editor/PrintStrip.h"

using namespace editor;

namespace {

struct Block {
  std::uint32_t colour;
  std::int64_t width;
  bool operator==(const Block&) const = default;
};

// The colours along row 0 as runs; print cells count as white.
std::vector<Block> Blocks(const PrintStripLayout& l) {
  platform::Bitmap blank(static_cast<int>(l.Print), 25);
  std::vector<Block> runs;
  for (std::int64_t x = 0; x < l.Width; ++x) {
    const std::uint32_t c = StripPixel(l, blank, x, 0);
    if (!runs.empty() && runs.back().colour == c)
      ++runs.back().width;
    else
      runs.push_back({c, 1});
  }
  return runs;
}

}  // namespace

TEST(PrintStrip, DefaultsAreOneWhitePrintCell) {
  const PrintStripLayout l = LayoutPrintStrip(printdata::ParameterSetX{});
  EXPECT_EQ(l.Width, 180);
  EXPECT_EQ(Blocks(l), (std::vector<Block>{{kStripPrint, 180}}));
}

TEST(PrintStrip, GroupsOfPrintsWithTheirDistances) {
  printdata::ParameterSetX x;
  x.Vorlauf = 100;
  x.Drucklaenge = 200;
  x.Anzahl = 3;
  x.Abstand = 50;
  x.Anzahl2 = 2;
  x.Abstand2 = 150;
  x.Nachlauf = 100;
  const PrintStripLayout l = LayoutPrintStrip(x);
  EXPECT_EQ(l.Width, 1050);
  const std::vector<Block> group = {{kStripPrint, 120}, {kStripDistance, 30}, {kStripPrint, 120},
                                  {kStripDistance, 30}, {kStripPrint, 120}};
  std::vector<Block> expected = {{kStripLeadIn, 60}};
  expected.insert(expected.end(), group.begin(), group.end());
  expected.push_back({kStripGroupGap, 90});
  expected.insert(expected.end(), group.begin(), group.end());
  expected.push_back({kStripRunOut, 60});
  EXPECT_EQ(Blocks(l), expected);
}

TEST(PrintStrip, ASinglePrintHasNoGroupsAndTenthsAreDropped) {
  printdata::ParameterSetX x;
  x.Anzahl = 1;
  x.Anzahl2 = 5;
  EXPECT_EQ(LayoutPrintStrip(x).Width, 180);
  x.Anzahl = 2;
  x.Anzahl2 = 1;
  x.Abstand = 105;  // 10.5 mm draws 10 mm
  EXPECT_EQ(Blocks(LayoutPrintStrip(x))[1], (Block{kStripDistance, 60}));
  x.Anzahl = 0;  // at most 1 counts as 1
  EXPECT_EQ(LayoutPrintStrip(x).Width, 180);
}

TEST(PrintStrip, TurnedPrintsShowTheImageRotatedInTheirCell) {
  printdata::ParameterSetX x;
  x.Drucklaenge = 10;  // 6 dots
  x.Anzahl = 2;
  x.Abstand = 10;
  platform::Bitmap image(6, 25);
  image.SetPixel(0, 0, platform::kBlack);  // top left corner
  PrintStripLayout l = LayoutPrintStrip(x);
  EXPECT_EQ(StripPixel(l, image, 0, 0), platform::kBlack);
  EXPECT_EQ(StripPixel(l, image, 12, 0), platform::kBlack);
  x.Lage = 180;
  l = LayoutPrintStrip(x);
  EXPECT_EQ(StripPixel(l, image, 0, 0), platform::kWhite);
  EXPECT_EQ(StripPixel(l, image, 5, 24), platform::kBlack);
  EXPECT_EQ(StripPixel(l, image, 17, 24), platform::kBlack);
  EXPECT_EQ(StripPixel(l, image, 6, 24), kStripDistance);  // the blocks keep their colour
}

TEST(PrintStrip, DrawnAtItsOwnSizeItIsThePixelsOfTheLayout) {
  printdata::ParameterSetX x;
  x.Vorlauf = 20;
  x.Drucklaenge = 30;
  x.Anzahl = 2;
  x.Abstand = 10;
  x.Nachlauf = 10;
  const PrintStripLayout l = LayoutPrintStrip(x);
  platform::Bitmap image(18, 25);
  image.FillRect(3, 4, 9, 20, platform::kBlack);
  const platform::Bitmap strip = RenderPrintStrip(l, image, static_cast<int>(l.Width), 25);
  for (int y = 0; y < 25; ++y)
    for (int px = 0; px < strip.Width(); ++px) ASSERT_EQ(strip.Pixel(px, y), StripPixel(l, image, px, y)) << px << "," << y;
}

TEST(PrintStrip, TheLongestStripIsDrawnOnlyAsLargeAsItIsShown) {
  printdata::ParameterSetX x;
  x.Vorlauf = 5000;
  x.Drucklaenge = 1000;
  x.Anzahl = 100;
  x.Abstand = 5000;
  x.Anzahl2 = 100;
  x.Abstand2 = 5000;
  x.Nachlauf = 5000;
  const PrintStripLayout l = LayoutPrintStrip(x);
  EXPECT_GT(l.Width, 36'000'000);
  const FittedSize size = FitInto(l.Width, 25, 728, 181);
  EXPECT_EQ(size.Width, 728);
  EXPECT_EQ(size.Height, 1);
  const platform::Bitmap strip = RenderPrintStrip(l, platform::Bitmap(600, 25), size.Width, size.Height);
  EXPECT_EQ(strip.Width(), 728);
  EXPECT_EQ(strip.Pixel(0, 0), kStripLeadIn);
  // Each shown pixel is the strip's pixel at its place: the last one lies
  // in the last group, 1/728 of the strip before its end.
  EXPECT_EQ(strip.Pixel(727, 0), StripPixel(l, platform::Bitmap(600, 25), 727 * l.Width / 728, 0));
  // Out-of-range values from a file are taken within the pane's ranges.
  x.Anzahl = 2'000'000'000;
  x.Anzahl2 = 2'000'000'000;
  x.Drucklaenge = -7;
  EXPECT_EQ(LayoutPrintStrip(x).Print, 6);
  EXPECT_EQ(LayoutPrintStrip(x).Prints, 100);
}

TEST(PrintStrip, FitKeepsProportions) {
  EXPECT_EQ(FitInto(180, 25, 728, 181).Width, 728);
  EXPECT_EQ(FitInto(180, 25, 728, 181).Height, 101);
  EXPECT_EQ(FitInto(6, 25, 600, 32).Width, 7);
  EXPECT_EQ(FitInto(6, 25, 600, 32).Height, 32);
  EXPECT_EQ(FitInto(0, 25, 600, 32).Width, 1);
}
