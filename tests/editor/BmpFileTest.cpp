// Bitmap files of the editor's pictures.
#include <gtest/gtest.h>

#include <cstdint>

#include "editor/BmpFile.h"
#include "platform/ByteOrder.h"

using namespace editor;

namespace {
std::uint32_t U32(const std::string& s, std::size_t at) {
  return platform::LoadLE32(reinterpret_cast<const std::uint8_t*>(s.data() + at));
}
}  // namespace

TEST(BmpFile, HeadersRowsBottomUpAndPadding) {
  platform::Bitmap picture(5, 2);  // 15 bytes a row, padded to 16
  picture.SetPixel(0, 0, 0x00332211);  // top left: red 0x11, green 0x22, blue 0x33
  picture.SetPixel(4, 1, platform::kBlack);
  const std::string bmp = EncodeBmp(picture);
  ASSERT_EQ(bmp.size(), 54u + 2 * 16);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 10), 54u);
  EXPECT_EQ(U32(bmp, 18), 5u);
  EXPECT_EQ(U32(bmp, 22), 2u);
  EXPECT_EQ(static_cast<std::uint8_t>(bmp[28]), 24);
  // The bottom row first: its last pixel black, then one pad byte.
  EXPECT_EQ(bmp.substr(54 + 12, 4), std::string("\0\0\0\0", 4));
  // The top row second, blue green red.
  EXPECT_EQ(bmp.substr(54 + 16, 3), "\x33\x22\x11");
}

TEST(BmpFile, EveryColourButWhiteTurnsBlack) {
  platform::Bitmap picture(3, 1);
  picture.SetPixel(0, 0, platform::kRed);
  picture.SetPixel(1, 0, 0x00FEFFFF);
  MakeBlackAndWhite(picture);
  EXPECT_EQ(picture.Pixel(0, 0), platform::kBlack);
  EXPECT_EQ(picture.Pixel(1, 0), platform::kBlack);
  EXPECT_EQ(picture.Pixel(2, 0), platform::kWhite);
}
