#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDibs.h"
#include "platform/ByteOrder.h"
#include "printing/DibHeader.h"
#include "printing/DibPrintEngine.h"
#include "printing/RasterDevice.h"

namespace {

using namespace printing;
using namespace printingtest;
using platform::Bitmap;
using platform::ColourValue;

constexpr ColourValue kWhite = 0xFFFFFF, kBlack = 0, kPurple = 0x800080, kNavy = 0x800000, kRed = 0x0000FF,
                      kGreen = 0x00FF00, kBlue = 0xFF0000, kYellow = 0x00FFFF;

// A small page, so that a picture is cut into many small tiles.
DeviceCaps SmallPage() {
  DeviceCaps c;
  c.logPixelsX = c.logPixelsY = 300;
  c.horzRes = 40;
  c.vertRes = 30;
  c.physicalWidth = 44;
  c.physicalHeight = 34;
  c.physicalOffsetX = c.physicalOffsetY = 2;
  return c;
}

EngineOptions SmallTiles() {
  EngineOptions o;
  o.tileWidth = 7;
  o.tileHeight = 5;
  return o;
}

struct Depth {
  const char* name;
  int bits;
  Rows rows;
  bool bitFields;
  int rle;  // 0, 8 or 4
  std::vector<ColourValue> colours;
};

std::vector<Depth> Depths() {
  const std::vector<ColourValue> two = {kWhite, kBlack};
  const std::vector<ColourValue> six = {kWhite, kBlack, kPurple, kNavy, kRed, kGreen};
  const std::vector<ColourValue> primaries = {kWhite, kBlack, kRed, kGreen, kBlue, kYellow};
  return {
      {"1 bit", 1, Rows::BottomUp, false, 0, two},
      {"1 bit top-down", 1, Rows::TopDown, false, 0, two},
      {"4 bits", 4, Rows::BottomUp, false, 0, six},
      {"8 bits top-down", 8, Rows::TopDown, false, 0, six},
      {"16 bits", 16, Rows::BottomUp, false, 0, primaries},
      {"16 bits, bit fields", 16, Rows::BottomUp, true, 0, primaries},
      {"24 bits", 24, Rows::BottomUp, false, 0, six},
      {"24 bits top-down", 24, Rows::TopDown, false, 0, six},
      {"32 bits", 32, Rows::BottomUp, false, 0, six},
      {"32 bits, bit fields", 32, Rows::BottomUp, true, 0, six},
      {"RLE8", 8, Rows::BottomUp, false, 8, six},
      {"RLE4", 4, Rows::BottomUp, false, 4, six},
  };
}

TestDib Encode(const Depth& d, const Bitmap& picture) {
  return d.rle ? EncodeRle(picture, d.colours, d.rle) : EncodeDib(picture, d.colours, d.bits, d.rows, d.bitFields);
}

// A destination and the part of the source shown there.
struct Placement {
  const char* name;
  int x, y, w, h;
  int sx = 0, sy = 0, sw = 0, sh = 0;  // sw 0: the whole picture
};

// The engine's page equals the picture sampled straight onto the page, at
// every depth, for enlargements, reductions, odd scales, parts of the
// picture and destinations that reach over any edge of the printable area.
TEST(DibPrintEngine, PageEqualsNearestNeighbourReference) {
  const std::vector<Placement> placements = {
      {"one to one", 3, 2, 20, 15},
      {"twice", 0, 0, 40, 30},
      {"odd scale", 5, 4, 33, 17},
      {"reduced", 2, 3, 9, 7},
      {"cut left and top", -6, -4, 30, 20},
      {"cut right and bottom", 25, 20, 30, 20},
      {"wider than the page", -3, 6, 47, 11},
      {"part of the picture", 1, 1, 25, 19, 3, 2, 10, 8},
  };
  for (const Depth& d : Depths()) {
    const Bitmap picture = Pattern(20, 15, d.colours);
    const TestDib dib = Encode(d, picture);
    for (const Placement& p : placements) {
      SCOPED_TRACE(std::string(d.name) + ", " + p.name);
      RasterDevice device(SmallPage());
      int result = 0;
      if (p.sw == 0) {
        result = PrintDibOnPage(device, p.x, p.y, p.w, p.h, dib.header, dib.pixels, SmallTiles());
      } else {
        const DeviceRect printable{0, 0, 40, 30};
        result = PrintDibTiled(device, p.x, p.y, p.w, p.h, p.sx, p.sy, p.sw, p.sh, dib.header, dib.pixels,
                               &printable, {}, SmallTiles());
      }
      ASSERT_EQ(result, kEnginePrinted);
      const Bitmap expected = Reference(picture, 40, 30, p.x, p.y, p.w, p.h, p.sx, p.sy, p.sw ? p.sw : 20,
                                        p.sh ? p.sh : 15);
      EXPECT_EQ(FirstDifference(device.Page(), expected), "");
      // Each device call carries one tile, copied pixel for pixel.
      for (const RasterDevice::Call& call : device.calls) {
        EXPECT_TRUE(call.stretch);
        EXPECT_LE(call.dest.Width(), 7);
        EXPECT_LE(call.dest.Height(), 5);
        EXPECT_EQ(call.dibWidth, call.dest.Width());
        EXPECT_EQ(call.dibHeight, call.dest.Height());
      }
    }
  }
}

// The tile grid runs over the printable part of the destination; a
// rectangle one pixel larger than the tiles gets 1-pixel tiles of its own.
TEST(DibPrintEngine, TilesCoverTheClippedDestinationOnce) {
  const std::vector<ColourValue> colours = {kWhite, kBlack};
  const TestDib dib = EncodeDib(Pattern(15, 11, colours), colours, 24);
  RasterDevice device(SmallPage());
  ASSERT_EQ(PrintDibOnPage(device, 0, 0, 15, 11, dib.header, dib.pixels, SmallTiles()), kEnginePrinted);
  ASSERT_EQ(device.calls.size(), 9u);  // 3 columns (7, 7, 1) x 3 rows (5, 5, 1)
  EXPECT_EQ(device.calls.back().dest, (DeviceRect{14, 10, 15, 11}));
  EXPECT_EQ(device.calls[2].dest, (DeviceRect{14, 0, 15, 5}));
}

TEST(DibPrintEngine, NothingToPrintOutsideThePrintableArea) {
  const std::vector<ColourValue> colours = {kWhite, kBlack};
  const TestDib dib = EncodeDib(Pattern(8, 8, colours), colours, 24);
  for (const DeviceRect& r : {DeviceRect{40, 0, 50, 10}, DeviceRect{-20, -20, -5, -5}, DeviceRect{0, 30, 10, 40}}) {
    RasterDevice device(SmallPage());
    EXPECT_EQ(PrintDibOnPage(device, r.left, r.top, r.Width(), r.Height(), dib.header, dib.pixels, SmallTiles()),
              kEngineNothingToPrint);
    EXPECT_TRUE(device.calls.empty());
  }
}

// When StretchDib fails, the failing tile and every later one of the same
// call go through BltDib, and the page looks the same; the next page starts
// with StretchDib again.
TEST(DibPrintEngine, FallsBackToBltForTheRestOfTheCall) {
  const std::vector<ColourValue> colours = {kWhite, kBlack, kPurple};
  const Bitmap picture = Pattern(20, 15, colours);
  const TestDib dib = EncodeDib(picture, colours, 8);
  RasterDevice device(SmallPage());
  device.failStretchFrom = 2;
  ASSERT_EQ(PrintDibOnPage(device, 0, 0, 20, 15, dib.header, dib.pixels, SmallTiles()), kEnginePrinted);
  EXPECT_EQ(FirstDifference(device.Page(), Reference(picture, 40, 30, 0, 0, 20, 15, 0, 0, 20, 15)), "");
  ASSERT_GE(device.calls.size(), 4u);
  EXPECT_TRUE(device.calls[0].stretch && device.calls[0].ok);
  EXPECT_TRUE(device.calls[1].stretch && !device.calls[1].ok);
  EXPECT_EQ(device.calls[2].dest, device.calls[1].dest);  // the same tile again
  for (std::size_t i = 2; i < device.calls.size(); ++i) EXPECT_FALSE(device.calls[i].stretch);

  const std::size_t firstPage = device.calls.size();
  ASSERT_EQ(PrintDibOnPage(device, 0, 0, 20, 15, dib.header, dib.pixels, SmallTiles()), kEnginePrinted);
  EXPECT_TRUE(device.calls[firstPage].stretch);
}

TEST(DibPrintEngine, TileFailingBothWaysEndsTheCall) {
  const std::vector<ColourValue> colours = {kWhite, kBlack};
  const TestDib dib = EncodeDib(Pattern(20, 15, colours), colours, 24);
  RasterDevice device(SmallPage());
  device.failStretchFrom = 3;
  device.failBlt = true;
  EXPECT_EQ(PrintDibOnPage(device, 0, 0, 20, 15, dib.header, dib.pixels, SmallTiles()), kEngineTileFailed);
  ASSERT_EQ(device.calls.size(), 4u);  // two tiles printed, the third tried both ways
  EXPECT_TRUE(device.calls[0].ok && device.calls[1].ok);
}

TEST(DibPrintEngine, ProgressSeesEveryTileAndCanStopThePrint) {
  const std::vector<ColourValue> colours = {kWhite, kBlack};
  const TestDib dib = EncodeDib(Pattern(20, 15, colours), colours, 24);
  RasterDevice device(SmallPage());
  std::vector<int> seen;
  const TileProgress stopAfterThree = [&](int tile, int tiles) {
    EXPECT_EQ(tiles, 9);
    seen.push_back(tile);
    return tile < 3 ? 1 : 0;
  };
  EXPECT_EQ(PrintDibOnPage(device, 0, 0, 20, 15, dib.header, dib.pixels, SmallTiles(), stopAfterThree),
            kEngineTileFailed);
  EXPECT_EQ(device.calls.size(), 2u);  // stopped while the third tile was being built
  EXPECT_EQ(seen.back(), 3);
}

// Devices that take no bitmap of 64 KB get bands below it: a 32-bit page
// on a 1,920-pixel screen prints in bands of 8 rows.
TEST(DibPrintEngine, BandsStayUnder64KilobytesWithoutLargeBitmaps) {
  DeviceCaps caps = SmallPage();
  caps.horzRes = 2000;
  caps.vertRes = 20;
  caps.bitmap64 = false;
  const std::vector<ColourValue> colours = {kWhite, kBlack};
  const TestDib dib = EncodeDib(Pattern(2000, 20, colours), colours, 32);
  RasterDevice device(caps);
  ASSERT_EQ(PrintDibOnPage(device, 0, 0, 2000, 20, dib.header, dib.pixels), kEnginePrinted);
  ASSERT_FALSE(device.calls.empty());
  EXPECT_EQ(device.calls[0].dest, (DeviceRect{0, 0, 1920, 8}));
}

// A 12-byte core header (3-byte colours) prints like the info header it is
// converted to.
TEST(DibPrintEngine, CoreHeaderPrintsLikeInfoHeader) {
  const std::vector<ColourValue> colours = {kWhite, kBlack, kPurple};
  const Bitmap picture = Pattern(10, 6, colours);
  for (int bits : {8, 24}) {
    const TestDib info = EncodeDib(picture, colours, bits);
    std::vector<std::uint8_t> core(12);
    platform::StoreLE32(core.data(), 12);
    platform::StoreLE16(core.data() + 4, 10);
    platform::StoreLE16(core.data() + 6, 6);
    platform::StoreLE16(core.data() + 8, 1);
    platform::StoreLE16(core.data() + 10, static_cast<std::uint16_t>(bits));
    if (bits == 8)  // a core header always carries the whole table
      for (int i = 0; i < 256; ++i) {
        const ColourValue c = i < static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(i)] : kBlack;
        core.push_back(static_cast<std::uint8_t>(c >> 16));
        core.push_back(static_cast<std::uint8_t>(c >> 8));
        core.push_back(static_cast<std::uint8_t>(c));
      }
    RasterDevice device(SmallPage());
    ASSERT_EQ(PrintDibOnPage(device, 1, 1, 30, 18, core, info.pixels, SmallTiles()), kEnginePrinted) << bits;
    EXPECT_EQ(FirstDifference(device.Page(), Reference(picture, 40, 30, 1, 1, 30, 18, 0, 0, 10, 6)), "") << bits;
    EXPECT_EQ(DibHeaderMetrics(core).infoSize, 40 + 4 * (bits == 8 ? 256 : 0));
  }
}

// Pixels the run-length codes leave out take the table's first white entry.
TEST(DibPrintEngine, RunLengthGapsTakeTheWhiteEntry) {
  const std::vector<ColourValue> colours = {kBlack, kRed, kGreen, kBlue, kYellow, kWhite, kPurple};
  TestDib dib;
  const std::vector<std::uint8_t> codes = {3, 1,      // three red pixels
                                           0, 2, 2, 1,  // move right 2, up a row
                                           2, 6,      // two purple pixels at x 5 and 6
                                           0, 1};
  dib.pixels = codes;
  dib.header = EncodeRle(Pattern(8, 3, colours), colours, 8).header;
  platform::StoreLE32(dib.header.data() + 20, static_cast<std::uint32_t>(codes.size()));
  RasterDevice device(SmallPage());
  ASSERT_EQ(PrintDibOnPage(device, 0, 0, 8, 3, dib.header, dib.pixels, SmallTiles()), kEnginePrinted);
  const Bitmap& page = device.Page();
  EXPECT_EQ(page.Pixel(0, 2), kRed);  // the bottom row comes first
  EXPECT_EQ(page.Pixel(2, 2), kRed);
  EXPECT_EQ(page.Pixel(3, 2), kWhite);
  EXPECT_EQ(page.Pixel(5, 1), kPurple);
  EXPECT_EQ(page.Pixel(6, 1), kPurple);
  EXPECT_EQ(page.Pixel(4, 1), kWhite);
  EXPECT_EQ(page.Pixel(0, 0), kWhite);
}

// Bad arguments and damaged bitmaps are refused before anything reaches
// the device, and nothing is read or written past a block.
TEST(DibPrintEngine, RefusesBadArgumentsAndDamagedBitmaps) {
  const std::vector<ColourValue> colours = {kWhite, kBlack, kPurple};
  const Bitmap picture = Pattern(12, 6, colours);
  const TestDib good = EncodeDib(picture, colours, 8);
  const TestDib rle = EncodeRle(picture, colours, 8);

  struct Case {
    const char* name;
    TestDib dib;
    int expected;
  };
  std::vector<Case> cases;
  auto add = [&](const char* name, TestDib dib, int expected) { cases.push_back({name, std::move(dib), expected}); };
  {
    TestDib d = good;
    d.pixels.resize(d.pixels.size() - 1);
    add("pixel block shorter than the rows", d, kEngineBadArguments);
  }
  {
    TestDib d = good;
    platform::StoreLE32(d.header.data() + 32, 256);  // 256 colours, 3 present
    add("colour table cut off", d, kEngineBadImage);
  }
  {
    TestDib d = good;
    platform::StoreLE32(d.header.data() + 16, 3);  // bit fields for 8 bits
    add("bit fields at 8 bits", d, kEngineBadArguments);
  }
  {
    TestDib d = EncodeDib(Pattern(4, 4, colours), colours, 32, Rows::BottomUp, true);
    platform::StoreLE32(d.header.data() + 20, 0);
    add("bit fields without an image size", d, kEngineBadArguments);
  }
  {
    TestDib d = good;
    d.header.resize(30);
    add("header cut off", d, kEngineBadArguments);
  }
  {
    TestDib d = good;
    platform::StoreLE32(d.header.data(), 124);
    add("version 5 header", d, kEngineBadArguments);
  }
  {
    TestDib d = rle;
    platform::StoreLE32(d.header.data() + 20, static_cast<std::uint32_t>(d.pixels.size() + 10));
    add("run-length image size beyond the block", d, kEngineBadArguments);
  }
  {
    TestDib d = rle;
    d.pixels = {13, 1, 0, 1};  // a run of 13 in a 12-pixel row
    platform::StoreLE32(d.header.data() + 20, 4);
    add("run past its row", d, kEngineBadImage);
  }
  {
    TestDib d = rle;
    d.pixels = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1};  // a seventh row of six
    platform::StoreLE32(d.header.data() + 20, static_cast<std::uint32_t>(d.pixels.size()));
    add("run past the last row", d, kEngineBadImage);
  }
  {
    TestDib d = rle;
    d.pixels = {0, 2, 200, 0, 0, 1};  // move 200 to the right
    platform::StoreLE32(d.header.data() + 20, static_cast<std::uint32_t>(d.pixels.size()));
    add("move past the picture", d, kEngineBadImage);
  }
  {
    TestDib d = rle;
    d.pixels = {0, 8, 1, 2, 1, 2};  // eight absolute pixels, four given
    platform::StoreLE32(d.header.data() + 20, static_cast<std::uint32_t>(d.pixels.size()));
    add("absolute block cut off", d, kEngineBadImage);
  }
  {
    TestDib d = rle;
    platform::StoreLE32(d.header.data() + 8, static_cast<std::uint32_t>(-6));
    add("top-down run-length image", d, kEngineBadArguments);
  }
  {
    TestDib d = rle;  // a few codes for 20000 x 20000 pixels, 400 MB expanded
    platform::StoreLE32(d.header.data() + 4, 20000);
    platform::StoreLE32(d.header.data() + 8, 20000);
    add("run-length image too large to expand", d, kEngineOutOfMemory);
  }

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RasterDevice device(SmallPage());
    EXPECT_EQ(PrintDibOnPage(device, 0, 0, 12, 6, c.dib.header, c.dib.pixels, SmallTiles()), c.expected);
    EXPECT_TRUE(device.calls.empty());
  }

  RasterDevice device(SmallPage());
  const DeviceRect printable{0, 0, 40, 30};
  EXPECT_EQ(PrintDibTiled(device, 0, 0, 12, 6, 5, 0, 8, 6, good.header, good.pixels, &printable, {}, SmallTiles()),
            kEngineBadArguments)
      << "source rectangle beyond the picture";
  EXPECT_EQ(PrintDibTiled(device, 0, 0, 12, 6, -1, 0, 4, 4, good.header, good.pixels, &printable, {}, SmallTiles()),
            kEngineBadArguments);
  EXPECT_EQ(PrintDibOnPage(device, 0, 0, 0, 6, good.header, good.pixels), kEngineBadArguments);
  EXPECT_EQ(PrintDibOnPage(device, 0, 0, 12, 6, good.header, {}), kEngineBadArguments);
  EXPECT_TRUE(device.calls.empty());
}

// With divisors the device gets tile bitmaps of a part of the tile's size
// and stretches them; the source-resolution tiles are as large as the part
// of the picture they show.
TEST(DibPrintEngine, DivisorsAndSourceTilesLeaveTheStretchingToTheDevice) {
  const std::vector<ColourValue> colours = {kWhite, kBlack};
  const TestDib dib = EncodeDib(Pattern(20, 15, colours), colours, 24);
  EngineOptions halves = SmallTiles();
  halves.tileWidth = 8;
  halves.tileHeight = 6;
  halves.xDivisor = 2;
  halves.yDivisor = 3;
  RasterDevice device(SmallPage());
  ASSERT_EQ(PrintDibOnPage(device, 0, 0, 40, 30, dib.header, dib.pixels, halves), kEnginePrinted);
  EXPECT_EQ(device.calls[0].dibWidth, 4);
  EXPECT_EQ(device.calls[0].dibHeight, 2);
  EXPECT_EQ(device.calls[0].dest, (DeviceRect{0, 0, 8, 6}));

  EngineOptions source = SmallTiles();
  source.tileWidth = 8;
  source.tileHeight = 6;
  source.useSourceTileCallback = true;
  RasterDevice scaled(SmallPage());
  ASSERT_EQ(PrintDibOnPage(scaled, 0, 0, 40, 30, dib.header, dib.pixels, source), kEnginePrinted);
  EXPECT_EQ(scaled.calls[0].dibWidth, 4);  // 8 device pixels show 4 of the picture's
  EXPECT_EQ(scaled.calls[0].dibHeight, 3);
  EXPECT_EQ(scaled.calls[0].dest, (DeviceRect{0, 0, 8, 6}));
  // At twice the size, source tiles happen to sample like the device tiles.
  EXPECT_EQ(FirstDifference(scaled.Page(), Reference(Pattern(20, 15, colours), 40, 30, 0, 0, 40, 30, 0, 0, 20, 15)),
            "");
}

}  // namespace
