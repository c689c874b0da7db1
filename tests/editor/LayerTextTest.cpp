#include <gtest/gtest.h>

#include <climits>

#include "rendering/LayerText.h"

using namespace editor;
using namespace printdata;

namespace {

std::shared_ptr<const platform::Font> FontOf(const LayerObject& layer) {
  auto font = CreateLayerFont(layer);
  EXPECT_TRUE(font.ok()) << font.error();
  return *font;
}

}  // namespace

TEST(LayerText, TheDefaultLayerKeepsArialsNaturalWidth) {
  LayerObject l;
  auto font = FontOf(l);
  EXPECT_EQ(font->Description().Width, 0);
  EXPECT_EQ(font->Description().Name, "Arial");
  EXPECT_EQ(font->Metrics().AveCharWidth, 7);
  EXPECT_EQ(font->Metrics().Height, 19);
}

TEST(LayerText, AnotherAverageWidthIsForcedOnTheFont) {
  LayerObject l;
  l.FontStyle = kFontBold;  // 8 dots wide by nature
  auto bold = FontOf(l);
  EXPECT_EQ(bold->Description().Width, 7);
  EXPECT_EQ(bold->Metrics().AveCharWidth, 7);
  l.FontStyle = 0;
  l.Width = 20;
  EXPECT_EQ(FontOf(l)->Metrics().AveCharWidth, 20);
}

TEST(LayerText, ValuesFromFilesAreBoundedToTheEditorsRanges) {
  LayerObject l;
  l.Height = INT_MAX;
  l.Width = INT_MIN;
  l.Spacing = INT_MAX;
  auto font = FontOf(l);
  EXPECT_EQ(font->Description().PointSize, kMaxFontHeight);
  EXPECT_EQ(font->Description().Width, kMinFontWidth);
  EXPECT_EQ(BoundedSpacing(l), kMaxSpacing);
  l.Spacing = -50;
  EXPECT_EQ(BoundedSpacing(l), -1);
  l.Height = -4;
  EXPECT_EQ(FontOf(l)->Description().PointSize, kMinFontHeight);
}

TEST(LayerText, MeasureAddsTheSpacingBetweenCharacters) {
  auto font = FontOf(LayerObject{});
  EXPECT_EQ(MeasureText(*font, "", 5), 0);
  EXPECT_EQ(MeasureText(*font, "A", 5), font->CharWidth('A'));
  EXPECT_EQ(MeasureText(*font, "ABC", 0), font->TextWidth("ABC"));
  EXPECT_EQ(MeasureText(*font, "ABC", 2), font->TextWidth("ABC") + 4);
  EXPECT_EQ(MeasureText(*font, "ABC", -1), font->TextWidth("ABC") - 2);
  EXPECT_EQ(MeasureText(*font, std::string(1000, '.'), INT_MAX), INT_MAX);
}

TEST(LayerText, CellsStartThreeRowsAboveRowZero) {
  LayerObject l;
  EXPECT_EQ(LayerTextTop(l), -3);
  l.PosY = 5;
  EXPECT_EQ(LayerTextTop(l), -8);
  l.PosY = INT_MAX;
  EXPECT_EQ(LayerTextTop(l), -static_cast<std::int64_t>(INT_MAX) - 3);
}
