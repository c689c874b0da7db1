#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "PictureFiles.h"
#include "filedialog/BmpDecoder.h"
#include "filedialog/Extensions.h"
#include "filedialog/JpegDecoder.h"
#include "filedialog/PreviewPicture.h"
#include "TreeFixture.h"
#include "support/AddressSpace.h"

using filedialog::DecodeBmp;
using filedialog::DecodeJpeg;
using filedialog::PictureLimits;
using filedialog::PictureReader;
using fdtest::BmpSpec;
using fdtest::ColourDistance;

namespace {

constexpr std::uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0;

// Four quadrants: red, green / blue, white (top row first).
std::uint32_t Quadrants(int x, int y, int w, int h) {
  const bool right = x >= w / 2, bottom = y >= h / 2;
  return bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed);
}

void SetU32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

TEST(BmpDecoder, DepthsAndLayoutsDecodeToTheSamePicture) {
  const int w = 13, h = 6;  // odd width: rows need padding
  auto colour = [&](int x, int y) { return Quadrants(x, y, w, h); };
  const std::vector<std::uint32_t> palette = {kRed, kGreen, kBlue, kWhite};
  auto index = [&](int x, int y) -> std::uint32_t {
    const std::uint32_t c = colour(x, y);
    for (std::uint32_t i = 0; i < palette.size(); ++i)
      if (palette[i] == c) return i;
    return 0;
  };
  auto bgr = [&](int x, int y) {
    const std::uint32_t c = colour(x, y);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  };
  auto rgb565 = [&](int x, int y) {
    const std::uint32_t c = colour(x, y);
    return (((c & 0xFF) >> 3) << 11) | ((((c >> 8) & 0xFF) >> 2) << 5) | (((c >> 16) & 0xFF) >> 3);
  };
  struct Case {
    const char* name;
    BmpSpec spec;
  };
  std::vector<Case> cases;
  for (int bits : {4, 8}) {
    BmpSpec s;
    s.width = w;
    s.height = h;
    s.bits = bits;
    s.palette = palette;
    s.pixels = fdtest::PackRows(w, h, bits, false, index);
    cases.push_back({bits == 4 ? "4-bit" : "8-bit", s});
  }
  {
    BmpSpec s;
    s.width = w;
    s.height = -h;
    s.bits = 24;
    s.pixels = fdtest::PackRows(w, h, 24, true, bgr);
    cases.push_back({"24-bit top-down", s});
  }
  {
    BmpSpec s;
    s.width = w;
    s.height = h;
    s.bits = 32;
    s.pixels = fdtest::PackRows(w, h, 32, false, bgr);
    cases.push_back({"32-bit", s});
  }
  {
    BmpSpec s;
    s.width = w;
    s.height = h;
    s.bits = 16;
    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.pixels = fdtest::PackRows(w, h, 16, false, rgb565);
    cases.push_back({"16-bit 565 bit fields", s});
    s.headerSize = 124;
    cases.push_back({"16-bit 565 in a version 5 header", s});
  }
  {
    BmpSpec s;
    s.headerSize = 12;
    s.width = w;
    s.height = h;
    s.bits = 24;
    s.pixels = fdtest::PackRows(w, h, 24, false, bgr);
    cases.push_back({"core header", s});
  }
  for (const Case& c : cases) {
    auto decoded = DecodeBmp(fdtest::BuildBmp(c.spec));
    ASSERT_TRUE(decoded) << c.name << ": " << decoded.error();
    ASSERT_EQ(decoded->Width(), w) << c.name;
    ASSERT_EQ(decoded->Height(), h) << c.name;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(decoded->Pixel(x, y), colour(x, y)) << c.name << " at " << x << "," << y;
  }
}

TEST(BmpDecoder, OneBitUsesItsPalette) {
  BmpSpec s;
  s.width = 9;
  s.height = 2;
  s.bits = 1;
  s.palette = {kBlack, kWhite};
  s.pixels = fdtest::PackRows(9, 2, 1, false, [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2); });
  auto d = DecodeBmp(fdtest::BuildBmp(s));
  ASSERT_TRUE(d) << d.error();
  EXPECT_EQ(d->Pixel(0, 0), kBlack);
  EXPECT_EQ(d->Pixel(1, 0), kWhite);
  EXPECT_EQ(d->Pixel(8, 1), kWhite);
}

TEST(BmpDecoder, RunLengthEncodings) {
  // RLE8, 4 x 3: bottom row two runs, then end of line; a literal run of
  // three on the middle row; a delta skips the top row's first pixel; end.
  BmpSpec s;
  s.width = 4;
  s.height = 3;
  s.bits = 8;
  s.compression = 1;
  s.palette = {kRed, kGreen, kBlue};
  s.pixels = std::string("\x02\x00\x02\x01\x00\x00", 6) + std::string("\x00\x03\x02\x01\x00\x00\x00\x00", 8) +
             std::string("\x00\x02\x01\x00\x03\x02\x00\x01", 8);
  auto d = DecodeBmp(fdtest::BuildBmp(s));
  ASSERT_TRUE(d) << d.error();
  EXPECT_EQ(d->Pixel(0, 2), kRed);
  EXPECT_EQ(d->Pixel(2, 2), kGreen);
  EXPECT_EQ(d->Pixel(0, 1), kBlue);
  EXPECT_EQ(d->Pixel(1, 1), kGreen);
  EXPECT_EQ(d->Pixel(2, 1), kRed);
  EXPECT_EQ(d->Pixel(3, 1), kWhite);  // never reached
  EXPECT_EQ(d->Pixel(0, 0), kWhite);  // skipped by the delta
  EXPECT_EQ(d->Pixel(1, 0), kBlue);
  EXPECT_EQ(d->Pixel(3, 0), kBlue);

  // RLE4: one run of four alternating nibbles, end of picture.
  s.bits = 4;
  s.compression = 2;
  s.height = 1;
  s.pixels = std::string("\x04\x12\x00\x01", 4);
  d = DecodeBmp(fdtest::BuildBmp(s));
  ASSERT_TRUE(d) << d.error();
  EXPECT_EQ(d->Pixel(0, 0), kGreen);
  EXPECT_EQ(d->Pixel(1, 0), kBlue);
  EXPECT_EQ(d->Pixel(2, 0), kGreen);
}

TEST(BmpDecoder, DamagedFilesFail) {
  const std::string good = fdtest::Bmp24(8, 8, [](int, int) { return kRed; });
  ASSERT_TRUE(DecodeBmp(good));
  struct Case {
    const char* name;
    std::string file;
  };
  std::vector<Case> cases = {
      {"empty", ""},
      {"no signature", "XX" + good.substr(2)},
      {"header only", good.substr(0, 30)},
      {"data cut off", good.substr(0, good.size() - 5)},
  };
  std::string badBits = good;
  badBits[28] = 7;
  cases.push_back({"seven bits", badBits});
  std::string zeroWidth = good;
  SetU32(zeroWidth, 18, 0);
  cases.push_back({"zero width", zeroWidth});
  std::string negWidth = good;
  SetU32(negWidth, 18, 0xFFFFFFF0);
  cases.push_back({"negative width", negWidth});
  std::string minHeight = good;
  SetU32(minHeight, 22, 0x80000000);
  cases.push_back({"most negative height", minHeight});
  std::string jpegInside = good;
  SetU32(jpegInside, 30, 4);
  cases.push_back({"embedded JPEG", jpegInside});
  std::string offset = good;
  SetU32(offset, 10, 0xFFFFFFF0);
  cases.push_back({"offset past the end", offset});
  std::string headerSize = good;
  SetU32(headerSize, 14, 0xFFFFFFFF);
  cases.push_back({"huge header size", headerSize});
  for (const Case& c : cases) EXPECT_FALSE(DecodeBmp(c.file)) << c.name;
}

TEST(BmpDecoder, HugeDimensionsFailWithoutAllocating) {
  // 100000 x 100000 at 24 bits would need 30 GB; 60000 x 60000 stays under
  // each side's limit but not under the pixel limit.
  for (std::uint32_t side : {100000u, 60000u}) {
    std::string file = fdtest::Bmp24(2, 2, [](int, int) { return kRed; });
    SetU32(file, 18, side);
    SetU32(file, 22, side);
    auto d = DecodeBmp(file);
    EXPECT_FALSE(d) << side;
  }
  // A run-length file of the largest allowed size with a tiny stream fails
  // cleanly for want of an end mark, after one bounded allocation.
  PictureLimits small;
  small.maxPixels = 1000;
  std::string file = fdtest::Bmp24(40, 40, [](int, int) { return kRed; });
  EXPECT_FALSE(DecodeBmp(file, small));
}

// A file of a hundred bytes claiming the largest picture the limits allow
// (a bitmap of 128 MiB) is refused before the picture is made: with the
// address space capped at 32 MiB above the present, making it would fail.
TEST(BmpDecoder, SmallFileClaimingTheLargestPictureIsRefusedBeforeItIsMade) {
  if (!testsupport::kAddressSpaceCapWorks) GTEST_SKIP() << "the sanitizers reserve memory beyond any cap";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::uint32_t side = 5792;  // 33.5 million pixels
  ASSERT_TRUE(PictureLimits{}.Allows(side, side));
  std::string rows = fdtest::Bmp24(2, 2, [](int, int) { return kRed; });
  SetU32(rows, 18, side);
  SetU32(rows, 22, side);
  BmpSpec rle;
  rle.width = rle.height = static_cast<std::int32_t>(side);
  rle.bits = 8;
  rle.compression = 1;
  rle.palette = {kRed};
  rle.pixels = std::string("\x10\x00\x00\x00\x10\x00", 6);  // two rows begun, no end mark
  struct Case {
    const char* name;
    std::string file;
  };
  const Case cases[] = {{"rows", rows}, {"run-length", fdtest::BuildBmp(rle)}};
  for (const Case& c : cases) {
    ASSERT_LT(c.file.size(), 2000u) << c.name;
    EXPECT_EXIT(
        {
          testsupport::CapAddressSpaceGrowth(32u << 20);
          std::_Exit(DecodeBmp(c.file) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "")
        << c.name;
  }
}

TEST(JpegDecoder, KindsOfPicturesDecode) {
  const int w = 32, h = 16;
  auto colour = [&](int x, int y) { return Quadrants(x, y, w, h); };
  struct Case {
    const char* name;
    fdtest::JpegSpec spec;
  };
  const Case cases[] = {
      {"baseline", {w, h, false, false, false, 95}},
      {"progressive", {w, h, false, true, false, 95}},
      {"CMYK", {w, h, false, false, true, 95}},
  };
  for (const Case& c : cases) {
    auto d = DecodeJpeg(fdtest::MakeJpeg(c.spec, colour));
    ASSERT_TRUE(d) << c.name << ": " << d.error();
    ASSERT_EQ(d->Width(), w);
    ASSERT_EQ(d->Height(), h);
    // Well inside each quadrant the colour survives compression.
    EXPECT_LE(ColourDistance(d->Pixel(3, 3), kRed), 24) << c.name;
    EXPECT_LE(ColourDistance(d->Pixel(w - 4, 3), kGreen), 24) << c.name;
    EXPECT_LE(ColourDistance(d->Pixel(3, h - 4), kBlue), 24) << c.name;
    EXPECT_LE(ColourDistance(d->Pixel(w - 4, h - 4), kWhite), 24) << c.name;
  }
  fdtest::JpegSpec grey{w, h, true, false, false, 95};
  auto g = DecodeJpeg(fdtest::MakeJpeg(grey, [](int x, int) { return x < 16 ? 0u : 0xFFFFFFu; }));
  ASSERT_TRUE(g) << g.error();
  EXPECT_LE(ColourDistance(g->Pixel(2, 2), kBlack), 10);
  EXPECT_LE(ColourDistance(g->Pixel(30, 2), kWhite), 10);
}

TEST(JpegDecoder, DamagedPicturesFailOrDecodeWithoutCrashing) {
  const std::string good = fdtest::MakeJpeg({64, 64, false, true, false, 90}, [](int x, int y) {
    return static_cast<std::uint32_t>(x * 4 | (y * 4) << 8);
  });
  ASSERT_TRUE(DecodeJpeg(good));
  EXPECT_FALSE(DecodeJpeg(""));
  EXPECT_FALSE(DecodeJpeg("\xFF\xD8"));
  EXPECT_FALSE(DecodeJpeg(good.substr(0, 100)));  // header cut off
  EXPECT_FALSE(DecodeJpeg("not a jpeg picture at all"));
  // Cut in the middle of the data or with flipped bytes: either result is
  // fine, as long as the decoder comes back.
  for (std::size_t cut : {good.size() / 2, good.size() - 3}) (void)DecodeJpeg(good.substr(0, cut));
  std::string flipped = good;
  for (std::size_t i = 200; i < flipped.size(); i += 7) flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
  (void)DecodeJpeg(flipped);
}

TEST(JpegDecoder, HugeDimensionsAndEndlessScansFail) {
  std::string file = fdtest::MakeJpeg({16, 16, false, false, false, 90}, [](int, int) { return kRed; });
  // The frame header (SOF0: FF C0, length, precision, height, width).
  const auto sof = file.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  // 40000 x 40000: within libjpeg's own bounds, far beyond a preview's.
  file[sof + 5] = file[sof + 7] = '\x9C';
  file[sof + 6] = file[sof + 8] = '\x40';
  auto d = DecodeJpeg(file);
  EXPECT_FALSE(d);
  EXPECT_NE(d.error().find("size"), std::string::npos) << d.error();

  PictureLimits oneScan;
  oneScan.maxScans = 1;
  const std::string progressive = fdtest::MakeJpeg({16, 16, false, true, false, 90}, [](int, int) { return kRed; });
  EXPECT_TRUE(DecodeJpeg(progressive));
  EXPECT_FALSE(DecodeJpeg(progressive, oneScan));
}

TEST(PreviewPicture, ReaderIsChosenByExtension) {
  struct Case {
    const char* ext;
    bool picture;
    PictureReader reader;
  };
  const Case cases[] = {
      {".bmp", true, PictureReader::Bmp},    {".jpg", true, PictureReader::Jpeg},
      {".jpeg", true, PictureReader::Jpeg},  {".ico", true, PictureReader::Icon},
      {".jfif", true, PictureReader::None},  {".jpe", true, PictureReader::None},
      {".dib", true, PictureReader::None},   {".emf", true, PictureReader::Emf},
      {".wmf", true, PictureReader::Wmf},    {".emz", true, PictureReader::None},
      {".wmz", true, PictureReader::None},   {".png", false, PictureReader::None},
      {".txt", false, PictureReader::None},  {"", false, PictureReader::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(filedialog::IsPictureExtension(c.ext), c.picture) << c.ext;
    EXPECT_EQ(filedialog::ReaderFor(c.ext), c.reader) << c.ext;
  }
  EXPECT_EQ(filedialog::ReaderFor(filedialog::LowerExtensionOf("FOTO.JPG")), PictureReader::Jpeg);
}

using PreviewFiles = fdtest::TreeFixture;

TEST_F(PreviewFiles, LoadsByExtensionAndRefusesOversizedFiles) {
  const std::string jpg = Write("pics/FOTO.JPG", fdtest::MakeJpeg({8, 8, false, false, false, 90}, [](int, int) { return kRed; }));
  const std::string jfif = Write("pics/foto.jfif", Read("pics/FOTO.JPG"));
  const std::string bmp = Write("pics/b.bmp", fdtest::Bmp24(3, 2, [](int, int) { return kBlue; }));
  auto picture = filedialog::LoadPicture(jpg);
  ASSERT_TRUE(picture) << picture.error();
  EXPECT_EQ(picture->Width(), 8);
  EXPECT_FALSE(filedialog::LoadPicture(jfif));
  EXPECT_TRUE(filedialog::LoadPicture(bmp));
  PictureLimits tiny;
  tiny.maxPixels = 4;  // the largest file: 16 bytes + 1 MiB
  Write("pics/big.bmp", std::string((2u << 20), 'B'));
  EXPECT_FALSE(filedialog::LoadPicture(Path("pics/big.bmp"), tiny));
  EXPECT_FALSE(filedialog::LoadPicture(Path("pics")));  // a folder
}
