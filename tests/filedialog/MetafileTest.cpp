#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "PictureFiles.h"
#include "TreeFixture.h"
#include "filedialog/EmfCheck.h"
#include "filedialog/EmfToSvg.h"
#include "filedialog/PreviewPicture.h"
#include "filedialog/WmfCheck.h"
#include "filedialog/WmfDecoder.h"

using filedialog::PictureLimits;

namespace {

constexpr std::uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

void SetU32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void SetU16(std::string& s, std::size_t at, std::uint32_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

// An RLE8 bitmap whose header claims `side` x `side` pixels, with a few
// bytes of data: unpacked as claimed it would take side * side bytes.
std::string RleBomb(std::int32_t side) {
  return fdtest::DibInfo(side, side, 8, 1, 2);
}

}  // namespace

TEST(WmfDecoder, InkscapesFileIsDrawnAtItsSizeWithItsRectanglesInPlace) {
  auto picture = filedialog::DecodeWmf(fdtest::SampleFile("rectangles.wmf"));
  ASSERT_TRUE(picture) << picture.error();
  // The placeable header's box: 2499 x 1249 units of 1/1200 inch.
  ASSERT_EQ(picture->Width(), 200);
  ASSERT_EQ(picture->Height(), 100);
  struct Spot {
    int x, y;
    std::uint32_t colour;
  };
  const Spot spots[] = {{50, 30, kRed},    {21, 11, kRed},    {78, 48, kRed},  {18, 8, kWhite},
                        {81, 51, kWhite},  {150, 70, kBlue},  {121, 51, kBlue}, {178, 88, kBlue},
                        {100, 30, kWhite}, {150, 30, kWhite}, {50, 70, kWhite}, {199, 99, kWhite}};
  for (const Spot& s : spots) EXPECT_EQ(picture->Pixel(s.x, s.y), s.colour) << s.x << "," << s.y;
}

// A record of the Windows metafile: its size in words, function and
// 16-bit parameters.
std::string WmfRecord(std::uint16_t function, std::initializer_list<std::uint16_t> params) {
  std::string r(6, '\0');
  SetU32(r, 0, static_cast<std::uint32_t>(3 + params.size()));
  SetU16(r, 4, function);
  for (std::uint16_t p : params) {
    r += static_cast<char>(p & 0xFF);
    r += static_cast<char>(p >> 8);
  }
  return r;
}

TEST(WmfDecoder, HandMadeFileOfSmallRecordsIsDrawnInPlace) {
  // The box is 1500 x 750 units of 1/1440 inch: 100 x 50 pixels, 15 units
  // a pixel. No record is longer than seven words.
  const std::string file = fdtest::MakeWmf({
      WmfRecord(0x020B, {0, 0}),         // window origin
      WmfRecord(0x020C, {750, 1500}),    // window extent (y, x)
      WmfRecord(0x0103, {8}),            // anisotropic mapping
      WmfRecord(0x02FC, {0, 0xFF, 0, 0}),  // red solid brush
      WmfRecord(0x012D, {0}),
      WmfRecord(0x041B, {375, 750, 75, 150}),  // rectangle (10,5)-(50,25) in pixels
  });
  auto picture = filedialog::DecodeWmf(file);
  ASSERT_TRUE(picture) << picture.error();
  ASSERT_EQ(picture->Width(), 100);
  ASSERT_EQ(picture->Height(), 50);
  EXPECT_EQ(picture->Pixel(30, 15), kRed);
  EXPECT_EQ(picture->Pixel(12, 7), kRed);
  EXPECT_EQ(picture->Pixel(7, 3), kWhite);
  EXPECT_EQ(picture->Pixel(53, 28), kWhite);
  EXPECT_EQ(picture->Pixel(90, 40), kWhite);
}

TEST(WmfDecoder, ADrawingPastItsTimeIsAbandoned) {
  const std::string file = fdtest::SampleFile("rectangles.wmf");
  ASSERT_TRUE(filedialog::DecodeWmf(file));
  // No time at all: the deadline has passed after the first record.
  PictureLimits none;
  none.maxDrawMilliseconds = 0;
  auto picture = filedialog::DecodeWmf(file, none);
  ASSERT_FALSE(picture);
  EXPECT_NE(picture.error().find("too long"), std::string::npos) << picture.error();
}

TEST(EmfToSvg, InkscapesFileConvertsAtItsFramesSize) {
  auto svg = filedialog::ConvertEmfToSvg(fdtest::SampleFile("rectangles.emf"));
  ASSERT_TRUE(svg) << svg.error();
  // The frame: 5299 x 2699 hundredths of a millimetre (Inkscape adds half a
  // millimetre to the page's height).
  EXPECT_EQ(svg->width, 200);
  EXPECT_EQ(svg->height, 102);
  EXPECT_NE(svg->svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg->svg.find("</svg>"), std::string::npos);
}

TEST(MetafileChecks, HandMadeFilesPassAndHaveTheirSize) {
  auto emf = filedialog::CheckEmf(fdtest::MakeEmf({}));
  ASSERT_TRUE(emf) << emf.error();
  EXPECT_EQ(emf->width, 100);
  EXPECT_EQ(emf->height, 50);
  EXPECT_NEAR(emf->drawingWidth, 100.0, 0.1);
  auto wmf = filedialog::CheckWmf(fdtest::MakeWmf({}));
  ASSERT_TRUE(wmf) << wmf.error();
  EXPECT_EQ(wmf->width, 100);
  EXPECT_EQ(wmf->height, 50);
  // A small bitmap inside passes; its rows must all be there.
  const std::string rows(4 * 4 * 3, '\x7F');
  const std::string info = fdtest::DibInfo(4, 4, 24, 0, 0);
  EXPECT_TRUE(filedialog::CheckEmf(fdtest::MakeEmf({fdtest::EmfStretchDibits(info, rows)})));
  EXPECT_TRUE(filedialog::CheckWmf(fdtest::MakeWmf({fdtest::WmfStretchDib(info + rows)})));
  EXPECT_FALSE(filedialog::CheckEmf(fdtest::MakeEmf({fdtest::EmfStretchDibits(info, rows.substr(8))})));
  EXPECT_FALSE(filedialog::CheckWmf(fdtest::MakeWmf({fdtest::WmfStretchDib(info + rows.substr(8))})));
}

TEST(MetafileChecks, DamagedAndHostileEmfIsRefused) {
  const std::string good = fdtest::SampleFile("rectangles.emf");
  ASSERT_TRUE(filedialog::CheckEmf(good));
  struct Case {
    const char* name;
    std::string file;
  };
  std::vector<Case> cases = {
      {"empty", ""},
      {"garbage", std::string(500, '\x5A')},
      {"header cut off", good.substr(0, 60)},
      {"cut in the records", good.substr(0, good.size() / 2)},
      {"without its end record", good.substr(0, good.size() - 20)},
      {"bitmap bomb", fdtest::MakeEmf({fdtest::EmfStretchDibits(RleBomb(60000), "\x00\x01")})},
      {"large bitmap under the side limit", fdtest::MakeEmf({fdtest::EmfStretchDibits(RleBomb(30000), "\x00\x01")})},
  };
  auto patched = [&](const char* name, std::size_t at, std::uint32_t v) {
    std::string f = good;
    SetU32(f, at, v);
    cases.push_back({name, f});
  };
  patched("no signature", 40, 0x12345678);
  patched("header size beyond the file", 4, 0x7FFFFFF0);
  patched("empty frame", 32, 0);
  patched("empty bounds", 16, 0);
  patched("huge frame", 32, 0x7FFFFFFF);
  patched("zero device size", 72, 0);
  patched("description without an end", 60, 3);
  patched("second record size zero", 212 + 4, 0);
  patched("second record size odd", 212 + 4, 13);
  patched("second record runs past the end", 212 + 4, 0x100000);
  patched("second record is another header", 212, 1);
  std::string handles = good;
  SetU16(handles, 56, 0);
  cases.push_back({"no handles", handles});
  for (const Case& c : cases) {
    EXPECT_FALSE(filedialog::CheckEmf(c.file)) << c.name;
    EXPECT_FALSE(filedialog::ConvertEmfToSvg(c.file)) << c.name;
  }
  PictureLimits few;
  few.maxMetafileRecords = 5;
  EXPECT_FALSE(filedialog::CheckEmf(good, few));
  // 35 records on 200 x 102 pixels.
  PictureLimits busy;
  busy.maxMetafileWork = 35 * 200 * 102;
  EXPECT_TRUE(filedialog::CheckEmf(good, busy));
  busy.maxMetafileWork -= 1;
  EXPECT_FALSE(filedialog::CheckEmf(good, busy));
  PictureLimits small;
  small.maxMetafileBytes = good.size() - 1;
  EXPECT_FALSE(filedialog::CheckEmf(good, small));
}

TEST(MetafileChecks, DamagedAndHostileWmfIsRefused) {
  const std::string good = fdtest::SampleFile("rectangles.wmf");
  ASSERT_TRUE(filedialog::CheckWmf(good));
  struct Case {
    const char* name;
    std::string file;
  };
  std::vector<Case> cases = {
      {"empty", ""},
      {"garbage", std::string(500, '\x5A')},
      {"placeable header only", good.substr(0, 22)},
      {"cut in the records", good.substr(0, good.size() / 2)},
      {"without its end record", good.substr(0, good.size() - 6)},
      {"without a placeable header", good.substr(22)},
      {"bitmap bomb", fdtest::MakeWmf({fdtest::WmfStretchDib(RleBomb(60000) + "\x00\x01")})},
      {"large bitmap under the side limit", fdtest::MakeWmf({fdtest::WmfStretchDib(RleBomb(30000) + "\x00\x01")})},
      // As long as a blit without a bitmap: the bitmap is eight bytes, less
      // than its header (libwmf read a header past the record's end).
      {"bitmap shorter than its header", fdtest::MakeWmf({fdtest::WmfStretchDib("\x28\x00\x00\x00\x00\x10\x00\x00")})},
  };
  auto patched16 = [&](const char* name, std::size_t at, std::uint32_t v) {
    std::string f = good;
    SetU16(f, at, v);
    cases.push_back({name, f});
  };
  patched16("wrong checksum", 20, 0);
  patched16("zero units per inch", 14, 0);
  patched16("metafile header size", 22 + 2, 10);
  patched16("metafile version", 22 + 4, 0x0200);
  std::string largestRecord = good;
  SetU32(largestRecord, 22 + 12, 0x40000032);  // would make the reader allocate 2 GiB
  cases.push_back({"largest record beyond the file", largestRecord});
  std::string zeroRecord = good, hugeRecord = good;
  SetU32(zeroRecord, 40, 0);
  SetU32(hugeRecord, 40, 0x7FFFFFFF);
  cases.push_back({"first record size zero", zeroRecord});
  cases.push_back({"first record size huge", hugeRecord});
  for (const Case& c : cases) {
    EXPECT_FALSE(filedialog::CheckWmf(c.file)) << c.name;
    EXPECT_FALSE(filedialog::DecodeWmf(c.file)) << c.name;
  }
  PictureLimits few;
  few.maxMetafileRecords = 5;
  EXPECT_FALSE(filedialog::CheckWmf(good, few));
}

using MetafileFiles = fdtest::TreeFixture;

TEST_F(MetafileFiles, WmfLoadsByItsExtensionAndCompressedMetafilesDoNot) {
  const std::string wmf = fdtest::SampleFile("rectangles.wmf");
  const std::string emf = fdtest::SampleFile("rectangles.emf");
  auto picture = filedialog::LoadPicture(Write("pics/Zeichnung.WMF", wmf));
  ASSERT_TRUE(picture) << picture.error();
  EXPECT_EQ(picture->Width(), 200);
  // The enhanced metafile is drawn by the window side; the compressed
  // metafiles have no reader, whatever they hold.
  EXPECT_FALSE(filedialog::LoadPicture(Write("pics/z.emf", emf)));
  EXPECT_FALSE(filedialog::LoadPicture(Write("pics/z.wmz", wmf)));
  EXPECT_FALSE(filedialog::LoadPicture(Write("pics/z.emz", emf)));
  auto bytes = filedialog::ReadMetafile(Path("pics/z.emf"));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, emf);
  PictureLimits small;
  small.maxMetafileBytes = 100;
  EXPECT_FALSE(filedialog::ReadMetafile(Path("pics/z.emf"), small));
  EXPECT_FALSE(filedialog::LoadPicture(Path("pics/Zeichnung.WMF"), small));
}
