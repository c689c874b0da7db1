#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Pbm.h"
#include "TestValues.h"
#include "rendering/LayerRendering.h"
#include "printdata/Init.h"

using namespace editor;
using platform::Bitmap;
using platform::kBlack;
using platform::kRed;
using platform::kWhite;
using printdata::LayerObject;
using printdata::PrintText;

namespace {

// Renders layer 0 of a print text whose only layer is `layer`.
Bitmap Render(const LayerObject& layer, platform::ColourValue colour = kBlack) {
  PrintText work;
  work.Layers[0] = layer;
  PreviewImages images;
  SizePreviewImages(images, 180);
  RenderLayer(work, 0, colour, images);
  return images.Layers[0];
}

LayerObject TextLayer(const std::string& text) {
  LayerObject layer = printdata::DefaultLayer(0);
  layer.Kind = printdata::kKindText;
  layer.Text = text;
  return layer;
}

LayerObject DateLayer(int posX, int posY) {
  LayerObject layer = printdata::DefaultLayer(0);
  layer.Kind = printdata::kKindDate;
  layer.DatePreview = "05.03.2024";
  layer.PosX = posX;
  layer.PosY = posY;
  return layer;
}

int InkCount(const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) != kWhite;
  return n;
}

// Columns that hold ink, as runs [first, last].
std::vector<std::pair<int, int>> InkRuns(const Bitmap& b) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < b.Width(); ++x) {
    bool ink = false;
    for (int y = 0; y < b.Height(); ++y) ink = ink || b.Pixel(x, y) != kWhite;
    if (!ink) continue;
    if (!runs.empty() && runs.back().second == x - 1) runs.back().second = x;
    else runs.push_back({x, x});
  }
  return runs;
}

}  // namespace

TEST(LayerRendering, GoldenPictures) {
  struct Case { const char* name; LayerObject layer; } cases[] = {
      {"text_default_ABC", TextLayer("ABC")},
      {"date_x12_y0", DateLayer(12, 0)},
      {"date_x100_down5", DateLayer(100, -5)},
      {"text_spacing_minus1", [] { auto l = TextLayer("ABC 123"); l.Spacing = -1; return l; }()},
      {"text_spacing_2", [] { auto l = TextLayer("ABC 123"); l.Spacing = 2; return l; }()},
      {"text_bold", [] { auto l = TextLayer("ABC 123"); l.FontStyle = printdata::kFontBold; return l; }()},
      {"text_italic", [] { auto l = TextLayer("ABC fjy"); l.FontStyle = printdata::kFontItalic; return l; }()},
  };
  for (const Case& c : cases) EXPECT_EQ(testpbm::CompareWithGolden(Render(c.layer), c.name), "") << c.name;
}

TEST(LayerRendering, SpacingSetsTheGapAfterEachCharactersOwnWidth) {
  // "I" is a single bar: the bars stand one advance plus the spacing apart.
  auto bars = [](int spacing) {
    LayerObject l = TextLayer("IIII");
    l.Spacing = spacing;
    return InkRuns(Render(l));
  };
  const auto plain = bars(0), wide = bars(2), tight = bars(-1);
  ASSERT_EQ(plain.size(), 4u);
  ASSERT_EQ(wide.size(), 4u);
  const int advance = plain[1].first - plain[0].first;
  EXPECT_GT(advance, 0);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(wide[k].first, plain[0].first + k * (advance + 2));
    EXPECT_EQ(plain[k].first, plain[0].first + k * advance);
  }
  EXPECT_EQ(tight.back().second - tight.front().first, plain.back().second - plain.front().first - 3);
}

TEST(LayerRendering, PositionsMoveTheTextAndEverythingOutsideIsClipped) {
  const Bitmap base = Render(TextLayer("ABC"));
  LayerObject moved = TextLayer("ABC");
  moved.PosX = 20;
  moved.PosY = -4;  // down
  const Bitmap shifted = Render(moved);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 180; ++x) {
      const bool ink = base.Pixel(x, y) != kWhite;
      EXPECT_EQ(shifted.Pixel(x + 20, y + 4) != kWhite, ink && y + 4 < 25) << x << "," << y;
    }
  moved.PosX = -600;
  EXPECT_EQ(InkCount(Render(moved)), 0);
  moved.PosX = INT_MAX;
  moved.PosY = INT_MIN;
  EXPECT_EQ(InkCount(Render(moved)), 0);
}

TEST(LayerRendering, TheColourArgumentInksTheLayer) {
  const Bitmap red = Render(TextLayer("ABC"), kRed);
  const Bitmap black = Render(TextLayer("ABC"));
  ASSERT_GT(InkCount(red), 0);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 180; ++x) {
      if (black.Pixel(x, y) == kBlack) EXPECT_EQ(red.Pixel(x, y), kRed);
      else EXPECT_EQ(red.Pixel(x, y), kWhite);
    }
}

TEST(LayerRendering, Graphics) {
  LayerObject g = printdata::DefaultLayer(1);  // 50 x 25 of "1" at X 12
  g.Kind = printdata::kKindGraphic;
  Bitmap full = Render(g);
  EXPECT_EQ(InkCount(full), 50 * 25);
  EXPECT_EQ(InkRuns(full), (std::vector<std::pair<int, int>>{{12, 61}}));

  g.PosY = 5;  // up: the first five rows fall above the image
  Bitmap up = Render(g);
  for (int y = 0; y < 25; ++y) EXPECT_EQ(up.Pixel(12, y) == kBlack, y < 20) << y;

  g.PosY = 0;
  g.GraphicWidth = 4;
  g.GraphicHeight = 3;
  g.Pixels = "1000" "0X00";  // row 2 is missing: inked; any character but '0' inks
  Bitmap small = Render(g);
  EXPECT_EQ(small.Pixel(12, 0), kBlack);
  EXPECT_EQ(small.Pixel(13, 0), kWhite);
  EXPECT_EQ(small.Pixel(13, 1), kBlack);
  EXPECT_EQ(small.Pixel(12, 1), kWhite);
  for (int c = 12; c < 16; ++c) EXPECT_EQ(small.Pixel(c, 2), kBlack);
  EXPECT_EQ(InkCount(small), 6);

  // Sizes from a damaged file cost only the visible part.
  g.GraphicWidth = INT_MAX;
  g.GraphicHeight = INT_MAX;
  g.Pixels = "";
  EXPECT_EQ(InkCount(Render(g)), (180 - 12) * 25);
  g.GraphicWidth = -5;
  EXPECT_EQ(InkCount(Render(g)), 0);
}

TEST(LayerRendering, KindNoneAndUnknownKindsLeaveTheImageWhite) {
  PrintText work;
  PreviewImages images;
  SizePreviewImages(images, 180);
  images.Layers[0].FillRect(0, 0, 5, 5, kBlack);
  RenderLayer(work, 0, kBlack, images);
  EXPECT_EQ(InkCount(images.Layers[0]), 0);
  EXPECT_EQ(images.Layers[0].Width(), 180);
  work.Layers[1].Kind = 9;
  RenderLayer(work, 1, kBlack, images);
  EXPECT_EQ(InkCount(images.Layers[1]), 0);
  // A layer outside 0..4 does nothing.
  work.Layers[0].Kind = printdata::kKindText;
  const auto before = images.Layers;
  RenderLayer(work, 5, kBlack, images);
  RenderLayer(work, static_cast<unsigned>(-1), kBlack, images);
  EXPECT_TRUE(images.Layers == before);
}

TEST(LayerRendering, LoadAndRenderKeepsParametersAsThePaneDoes) {
  PrintText source;
  source.Parameters.X1.Drucklaenge = 15;
  source.Parameters.X1.Vorlauf = 55;
  source.Parameters.X1.Abstand = 105;
  source.Parameters.X1.Anzahl = 0;
  source.Parameters.X2.Nachlauf = -7;
  source.Parameters.X2.Lage = 90;
  source.Parameters.Y.AnzahlZ = 1000;
  source.Parameters.Y.VorlaufZ = 99999;
  source.Layers[0].Kind = printdata::kKindText;
  PrintText work;
  PreviewImages images;
  LoadAndRender(&source, work, images, testvalues::At());
  EXPECT_EQ(work.Parameters.X1.Drucklaenge, 10);
  EXPECT_EQ(work.Parameters.X1.Vorlauf, 50);
  EXPECT_EQ(work.Parameters.X1.Abstand, 105);
  EXPECT_EQ(work.Parameters.X1.Anzahl, 1);
  EXPECT_EQ(work.Parameters.X2.Nachlauf, 0);
  EXPECT_EQ(work.Parameters.X2.Lage, 90);
  EXPECT_EQ(work.Parameters.Y.AnzahlZ, 100);
  EXPECT_EQ(work.Parameters.Y.VorlaufZ, 5000);
  EXPECT_EQ(images.Field.Width(), 6);
  for (const Bitmap& layer : images.Layers) EXPECT_EQ(layer.Width(), 6);

  source.Parameters.X1.Drucklaenge = 5000;
  LoadAndRender(&source, work, images, testvalues::At());
  EXPECT_EQ(images.Layers[0].Width(), 600);
  LoadAndRender(nullptr, work, images, testvalues::At());
  PrintText defaults;
  printdata::PrintTextInit(defaults);
  EXPECT_EQ(work, defaults);
  EXPECT_EQ(images.Layers[4].Width(), 180);
}

TEST(LayerRendering, LoadAndRenderRefreshesOnlyDynamicTexts) {
  PrintText source;
  source.Layers[0].Kind = printdata::kKindDate;  // mask 127
  source.Layers[1].Kind = printdata::kKindDate;
  source.Layers[1].WeekdayMask = 0;
  source.Layers[1].DatePreview = "STORED";
  source.Layers[2].Kind = printdata::kKindTime;  // interval 0
  source.Layers[3].Kind = printdata::kKindTime;
  source.Layers[3].Interval = -1;
  source.Layers[3].TimePreview = "FIXED";
  source.Layers[4].Kind = printdata::kKindText;
  source.Layers[4].DatePreview = "untouched";
  PrintText work;
  PreviewImages images;
  LoadAndRender(&source, work, images, testvalues::At());
  EXPECT_EQ(work.Layers[0].DatePreview, "05.03.2024");
  EXPECT_EQ(work.Layers[1].DatePreview, "STORED");
  EXPECT_EQ(work.Layers[2].TimePreview, "13:05:09");
  EXPECT_EQ(work.Layers[3].TimePreview, "FIXED");
  EXPECT_EQ(work.Layers[4].DatePreview, "untouched");
  // The static date is drawn from its stored text.
  LayerObject stored = TextLayer("STORED");
  stored.PosX = 12;
  EXPECT_EQ(images.Layers[1], Render(stored));
  // Loading the working copy onto itself keeps it.
  PrintText before = work;
  LoadAndRender(&work, work, images, testvalues::At());
  EXPECT_EQ(work, before);
}
