#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "platform/font/FontRenderer.h"

using namespace platform;

namespace {

std::shared_ptr<const Font> MakeFont(const std::string& name, std::uint8_t style = 0,
                                     int points = 12, int width = 0) {
  FontDescription d;
  d.Name = name;
  d.Style = style;
  d.PointSize = points;
  d.Width = width;
  auto font = FontRenderer::Instance().CreateFont(d);
  EXPECT_TRUE(font.ok()) << font.error();
  return font.ok() ? *font : nullptr;
}

// Leftmost and rightmost inked column, -1 when there is no ink.
std::pair<int, int> InkColumns(const Bitmap& b) {
  int first = -1, last = -1;
  for (int x = 0; x < b.Width(); ++x)
    for (int y = 0; y < b.Height(); ++y)
      if (b.Pixel(x, y) == kBlack) {
        if (first < 0) first = x;
        last = x;
      }
  return {first, last};
}

}  // namespace

TEST(FontRenderer, PointSizesBecomePixelsAtNinetySixDotsPerInch) {
  constexpr int kMost = std::numeric_limits<int>::max(), kLeast = std::numeric_limits<int>::min();
  // The pixels of the largest sizes do not fit an int: they saturate.
  struct Case { int points, pixels; } cases[] = {{12, 16}, {10, 13},   {11, 15},       {9, 12},
                                                 {1, 1},   {24, 32},   {kMost, kMost}, {kLeast, kLeast},
                                                 {-12, -16}};
  for (auto c : cases) EXPECT_EQ(FontRenderer::PixelHeight(c.points), c.pixels) << c.points;
}

TEST(FontRenderer, ArialResolvesToItsMetricCompatibleSubstituteAndKeepsItsName) {
  auto font = MakeFont("Arial");
  ASSERT_TRUE(font);
  EXPECT_NE(font->FaceFile().find("LiberationSans-Regular"), std::string::npos) << font->FaceFile();
  EXPECT_EQ(font->Description().Name, "Arial");
  EXPECT_NE(MakeFont("Arial", kFontBold)->FaceFile().find("LiberationSans-Bold"), std::string::npos);
  EXPECT_NE(MakeFont("Arial", kFontItalic)->FaceFile().find("LiberationSans-Italic"), std::string::npos);
  // A name nobody has still gives a font, as Windows substitutes one.
  EXPECT_TRUE(MakeFont("No Such Face 23"));
}

TEST(FontRenderer, TwelvePointArialHasTheCellAndAverageWidthOfTheDefaultLayer) {
  auto font = MakeFont("Arial");
  ASSERT_TRUE(font);
  const TextMetrics& m = font->Metrics();
  // 1854 and 434 of 2048 units at 16 pixels, rounded up: the capitals'
  // 12 rows end on the cell's top.
  EXPECT_EQ(m.Ascent, 15);
  EXPECT_EQ(m.Descent, 4);
  EXPECT_EQ(m.Height, 19);
  // The weighted lower-case average, not the font's stored (far wider) field.
  EXPECT_EQ(m.AveCharWidth, 7);
  EXPECT_EQ(MakeFont("Arial", kFontBold)->Metrics().AveCharWidth, 8);
}

TEST(FontRenderer, AForcedWidthStretchesTheGlyphsToThatAverage) {
  auto natural = MakeFont("Arial");
  auto wide = MakeFont("Arial", 0, 12, 14);
  auto narrow = MakeFont("Arial", kFontBold, 12, 7);
  EXPECT_EQ(wide->Metrics().AveCharWidth, 14);
  EXPECT_EQ(wide->Metrics().Height, natural->Metrics().Height);
  EXPECT_EQ(narrow->Metrics().AveCharWidth, 7);
  EXPECT_NEAR(wide->TextWidth("0123456789"), 2 * natural->TextWidth("0123456789"), 4);
  EXPECT_LT(narrow->TextWidth("0123456789"), MakeFont("Arial", kFontBold)->TextWidth("0123456789"));
}

TEST(FontRenderer, TextWidthIsTheSumOfWholePixelAdvancesWithoutKerning) {
  auto font = MakeFont("Arial");
  for (std::string text : {"AV", "To", "Wa", "ABC", "dd.mm.yyyy"}) {
    std::int64_t sum = 0;
    for (char c : text) sum += font->CharWidth(static_cast<std::uint8_t>(c));
    EXPECT_EQ(font->TextWidth(text), sum) << text;
  }
  EXPECT_EQ(font->TextWidth(""), 0);
}

TEST(FontRenderer, OpaqueTextFillsItsCellAndKeepsItsInkInside) {
  auto font = MakeFont("Arial", kFontItalic);
  Bitmap b(60, 25);
  b.FillRect(0, 0, 60, 25, kRed);
  font->DrawText(b, 10, -3, "f  ", kBlack, kWhite);
  const std::int64_t right = 10 + font->TextWidth("f  ");
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 60; ++x) {
      const bool inCell = x >= 10 && x < right && y < -3 + font->Metrics().Height;
      if (inCell) {
        EXPECT_NE(b.Pixel(x, y), kRed) << x << "," << y;
      } else {
        EXPECT_EQ(b.Pixel(x, y), kRed) << x << "," << y;
      }
    }
  }
  auto [first, last] = InkColumns(b);
  EXPECT_GE(first, 10);
  EXPECT_GT(last, first);
}

TEST(FontRenderer, WindowsCodePageBytesDrawTheirCharacters) {
  auto font = MakeFont("Arial");
  auto draw = [&](const std::string& s) {
    Bitmap b(30, 25);
    font->DrawText(b, 0, 0, s, kBlack, kWhite);
    return b;
  };
  // 0x80 is the euro sign, 0x81 has no character: different glyphs.
  EXPECT_NE(InkColumns(draw("\x80")).first, -1);
  EXPECT_NE(draw("\x80"), draw("\x81"));
  EXPECT_EQ(font->CharWidth(0x80), font->CharWidth('0'));  // Arial draws the euro at digit width
  // 0xC4 is A with diaeresis: the A below, two dots above it.
  EXPECT_NE(draw("\xC4"), draw("A"));
  EXPECT_EQ(font->CharWidth(0xC4), font->CharWidth('A'));
}

TEST(FontRenderer, UnderlineAndStrikeoutRunAcrossTheWholeCell) {
  auto plain = MakeFont("Arial");
  for (std::uint8_t style : {kFontUnderline, kFontStrikeOut}) {
    auto font = MakeFont("Arial", style);
    Bitmap with(40, 25), without(40, 25);
    font->DrawText(with, 0, 0, "i  ", kBlack, kWhite);
    plain->DrawText(without, 0, 0, "i  ", kBlack, kWhite);
    int fullRows = 0;
    for (int y = 0; y < 25; ++y) {
      bool full = true;
      for (int x = 0; x < font->TextWidth("i  "); ++x) full = full && with.Pixel(x, y) == kBlack;
      fullRows += full;
    }
    EXPECT_GE(fullRows, 1) << int(style);
    EXPECT_NE(with, without);
  }
}

TEST(FontRenderer, AbsurdSizesAreBoundedInsteadOfExhaustingMemory) {
  auto huge = MakeFont("Arial", 0, 2000000000, 2000000000);
  ASSERT_TRUE(huge);
  EXPECT_LE(huge->Metrics().Height, 5000);
  // Bounded to the largest font, not wrapped round to a small one.
  EXPECT_GE(huge->Metrics().Height, MakeFont("Arial", 0, 1000)->Metrics().Height);
  Bitmap b(50, 25);
  huge->DrawText(b, 0, -3, "W", kBlack, kWhite);
  auto tiny = MakeFont("Arial", 0, -5, -5);
  ASSERT_TRUE(tiny);
  EXPECT_GE(tiny->Metrics().Height, 1);
}

TEST(FontRenderer, FontsDrawTheSameFromSeveralThreads) {
  auto font = MakeFont("DejaVu Sans", 0, 17);
  const std::string text = "Quick 0123456789 \xE4\xF6\xFC";
  std::vector<Bitmap> results(4, Bitmap(300, 25));
  std::vector<std::thread> threads;
  for (auto& r : results) threads.emplace_back([&] { font->DrawText(r, 0, 0, text, kBlack, kWhite); });
  for (auto& t : threads) t.join();
  for (auto& r : results) EXPECT_EQ(r, results[0]);
  EXPECT_NE(InkColumns(results[0]).first, -1);
}
