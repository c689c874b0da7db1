// The graphic's geometry and pictures: fixed stops, the proportional rule,
// the size of imported pictures, pixels to bitmaps and back, stretching,
// and reading and writing bitmap files.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "editor/BmpFile.h"
#include "editor/FixAlignment.h"
#include "editor/GraphicBitmap.h"
#include "editor/GraphicPicture.h"
#include "editor/GraphicSize.h"
#include "platform/FileIO.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "tests/editor/MonoBmp.h"

using namespace editor;
using platform::Bitmap;

namespace {

// Clicks from `start`, one result per click.
std::vector<std::int64_t> WalkX(std::int64_t start, bool up, int clicks, const HorizontalAnchors& stops) {
  std::vector<std::int64_t> out;
  for (int i = 0; i < clicks; ++i) out.push_back(start = NextAnchorX(start, up, stops));
  return out;
}
std::vector<std::int64_t> WalkY(std::int64_t start, bool up, int clicks, const VerticalAnchors& stops) {
  std::vector<std::int64_t> out;
  for (int i = 0; i < clicks; ++i) out.push_back(start = NextAnchorY(start, up, stops));
  return out;
}
using V = std::vector<std::int64_t>;

}  // namespace

TEST(GraphicStops, HorizontalStopsOfAFieldOf30Millimetres) {
  const HorizontalAnchors s = HorizontalAnchorsFor(180, 50);
  EXPECT_EQ(s.Centre, 65);
  EXPECT_EQ(s.Right, 130);
  EXPECT_EQ(WalkX(0, true, 3, s), (V{65, 130, 130}));
  EXPECT_EQ(WalkX(130, false, 3, s), (V{65, 0, 0}));
  struct Case {
    std::int64_t from;
    std::int64_t down, up;
  };
  for (const Case& c : {Case{100, 65, 130}, Case{200, 130, 130}, Case{-5, 0, 0}}) {
    EXPECT_EQ(NextAnchorX(c.from, false, s), c.down) << c.from;
    EXPECT_EQ(NextAnchorX(c.from, true, s), c.up) << c.from;
  }
  const HorizontalAnchors odd = HorizontalAnchorsFor(180, 51);
  EXPECT_EQ(odd.Centre, 65);
  EXPECT_EQ(odd.Right, 129);
}

TEST(GraphicStops, AGraphicWiderThanTheFieldHasNegativeStops) {
  const HorizontalAnchors s = HorizontalAnchorsFor(180, 200);
  EXPECT_EQ(s.Centre, -10);
  EXPECT_EQ(s.Right, -20);
  EXPECT_EQ(WalkX(0, true, 2, s), (V{-10, -20}));
  EXPECT_EQ(WalkX(-20, false, 2, s), (V{-10, 0}));
}

TEST(GraphicStops, VerticalStops) {
  const VerticalAnchors twelve = VerticalAnchorsFor(12);
  EXPECT_EQ(twelve.Middle, -6);
  EXPECT_EQ(twelve.Bottom, -13);
  EXPECT_EQ(WalkY(0, false, 3, twelve), (V{-6, -13, -13}));
  EXPECT_EQ(WalkY(-13, true, 3, twelve), (V{-6, 0, 0}));
  const VerticalAnchors full = VerticalAnchorsFor(25);
  EXPECT_EQ(full.Middle, 0);
  EXPECT_EQ(full.Bottom, 0);
  EXPECT_EQ(WalkY(0, false, 2, full), (V{0, 0}));
  EXPECT_EQ(WalkY(0, false, 2, VerticalAnchorsFor(40)), (V{8, 15}));
}

TEST(GraphicSize, ProportionalSideTruncatesAndIsBounded) {
  EXPECT_EQ(ProportionalSide(51, 50, 25), 25);
  EXPECT_EQ(ProportionalSide(49, 50, 25), 24);
  EXPECT_EQ(ProportionalSide(1000, 1200, 300), 250);
  EXPECT_EQ(ProportionalSide(1, 50, 25), 1);       // 0 becomes 1
  EXPECT_EQ(ProportionalSide(1000, 1, 1000), 1000);  // 1 000 000 becomes 1000
  // A reference of 0 (a layer that never had a size) divides by nothing.
  EXPECT_EQ(ProportionalSide(40, 0, 25), 1000);
  EXPECT_EQ(ProportionalSide(40, -5, 0), 1);
  // Sides far beyond 32 bits neither overflow nor wrap to small numbers.
  constexpr std::int64_t kHuge = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(ProportionalSide(kHuge, 1, kHuge), 1000);
  EXPECT_EQ(ProportionalSide(kHuge, kHuge, 1), 1);
}

TEST(GraphicSize, ImportedPicturesFitIntoAGraphic) {
  struct Case {
    std::int64_t w, h;
    std::int32_t fw, fh;
  };
  for (const Case& c : {Case{50, 25, 50, 25}, Case{1000, 1000, 1000, 1000}, Case{1200, 300, 1000, 250},
                        Case{300, 1200, 250, 1000}, Case{32767, 1, 1000, 1}, Case{0, 0, 1, 1},
                        Case{std::int64_t{1} << 40, 3, 1000, 1}}) {
    const GraphicSize s = FitGraphicSize(c.w, c.h);
    EXPECT_EQ(s.Width, c.fw) << c.w << " x " << c.h;
    EXPECT_EQ(s.Height, c.fh) << c.w << " x " << c.h;
  }
}

TEST(GraphicBitmap, PixelsBecomeDotsAndBack) {
  const Bitmap b = PixelsToBitmap(3, 2, "010" "1x0");
  EXPECT_EQ(b.Pixel(0, 0), platform::kWhite);
  EXPECT_EQ(b.Pixel(1, 0), platform::kBlack);
  EXPECT_EQ(b.Pixel(1, 1), platform::kBlack);  // any character but '0' is a dot
  EXPECT_EQ(BitmapToPixels(b), "010110");
}

TEST(GraphicBitmap, AShortPixelTextInksTheMissingPixels) {
  const Bitmap b = PixelsToBitmap(4, 2, "0000" "00");
  EXPECT_EQ(BitmapToPixels(b), "00000011");
}

TEST(GraphicBitmap, OnlyExactWhiteIsNoDot) {
  Bitmap b(3, 1);
  b.SetPixel(0, 0, 0xFEFFFF);  // the lightest grey below white
  b.SetPixel(1, 0, platform::kRed);
  EXPECT_EQ(BitmapToPixels(b), "110");
}

TEST(GraphicBitmap, DamagedSizesAskForNoHugeBitmap) {
  const Bitmap wide = PixelsToBitmap(std::numeric_limits<std::int32_t>::max(), 2, "");
  EXPECT_EQ(wide.Width(), 1000);
  EXPECT_EQ(wide.Height(), 2);
  EXPECT_EQ(PixelsToBitmap(-5, 3, "000").Width(), 0);
  // The pixel text keeps the layer's own row length.
  const Bitmap cut = PixelsToBitmap(1001, 2, std::string(1001, '0') + std::string(1001, '0'));
  EXPECT_EQ(cut.Pixel(999, 1), platform::kWhite);
}

TEST(GraphicBitmap, StretchingRepeatsAndDropsPixels) {
  Bitmap source(4, 1);
  source.SetPixel(1, 0, platform::kBlack);
  const Bitmap wider = StretchBitmap(source, 8, 2, false);
  EXPECT_EQ(BitmapToPixels(wider), "00110000" "00110000");
  // Shrinking drops column 1 when every target pixel samples one source
  // pixel; one bit per pixel lets the dot survive.
  EXPECT_EQ(BitmapToPixels(StretchBitmap(source, 2, 1, false)), "00");
  EXPECT_EQ(BitmapToPixels(StretchBitmap(source, 2, 1, true)), "10");
  EXPECT_EQ(BitmapToPixels(StretchBitmap(Bitmap(), 3, 1, true)), "000");
  EXPECT_EQ(StretchBitmap(source, -1, 5, false).Width(), 0);
}

TEST(GraphicPicture, ReadsBitmapsAndTellsOneBitFiles) {
  Bitmap picture(9, 3);
  picture.SetPixel(8, 2, platform::kBlack);
  picture.SetPixel(0, 0, 0x123456);

  auto colour = DecodeGraphicPicture(EncodeBmp(picture));
  ASSERT_TRUE(colour) << colour.error();
  EXPECT_FALSE(colour->Monochrome);
  EXPECT_EQ(colour->Picture, picture);

  auto mono = DecodeGraphicPicture(editortest::MonoBmp(picture));
  ASSERT_TRUE(mono) << mono.error();
  EXPECT_TRUE(mono->Monochrome);
  EXPECT_EQ(BitmapToPixels(mono->Picture), BitmapToPixels(picture));
}

TEST(GraphicPicture, DamagedAndHugeFilesFail) {
  const std::string good = EncodeBmp(Bitmap(4, 4));
  std::string cut = good.substr(0, good.size() - 10);
  std::string huge = good;
  huge[18] = '\xFF';  // width 0xFFFF..: far beyond the limits
  huge[19] = '\xFF';
  huge[20] = '\xFF';
  huge[21] = '\x7F';
  std::string wideAndTall = EncodeBmp(Bitmap(1, 1));
  wideAndTall[18] = '\x00';
  wideAndTall[19] = '\x40';  // 16384 x 16384: 268 million pixels
  wideAndTall[22] = '\x00';
  wideAndTall[23] = '\x40';
  std::string zeroWidth = good;
  zeroWidth[18] = zeroWidth[19] = zeroWidth[20] = zeroWidth[21] = '\0';
  for (const std::string& file : {cut, huge, wideAndTall, zeroWidth, std::string("BM"), std::string()})
    EXPECT_FALSE(DecodeGraphicPicture(file)) << file.size();
}

TEST(GraphicPicture, WritesAWholeFileAndReadsItBack) {
  testsupport::TempDir dir;
  Bitmap picture(5, 2);
  picture.SetPixel(4, 1, platform::kBlack);
  const std::string path = dir / "grafik.bmp";
  ASSERT_TRUE(platform::WriteFileAtomic(path, "old"));
  ASSERT_TRUE(WriteGraphicPicture(path, picture));
  EXPECT_EQ(testsupport::FileBytes(path), EncodeBmp(picture));
  auto back = ReadGraphicPicture(path);
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(back->Picture, picture);

  EXPECT_FALSE(WriteGraphicPicture(dir / "missing/grafik.bmp", picture));
  EXPECT_FALSE(WriteGraphicPicture(dir / "empty.bmp", Bitmap()));
  EXPECT_FALSE(ReadGraphicPicture(dir / "nothing.bmp"));
}
