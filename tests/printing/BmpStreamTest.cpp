#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ByteOrder.h"
#include "printing/BmpStream.h"

namespace {

using printing::LoadDibFromBmpStream;

// A bitmap file: the 14-byte file header, `header` and `pixels`.
std::vector<std::uint8_t> File(const std::vector<std::uint8_t>& header, std::size_t pixels) {
  std::vector<std::uint8_t> f(14 + header.size());
  f[0] = 'B';
  f[1] = 'M';
  platform::StoreLE32(f.data() + 2, static_cast<std::uint32_t>(14 + header.size() + pixels));
  platform::StoreLE32(f.data() + 10, static_cast<std::uint32_t>(14 + header.size()));
  std::copy(header.begin(), header.end(), f.begin() + 14);
  for (std::size_t i = 0; i < pixels; ++i) f.push_back(static_cast<std::uint8_t>(i));
  return f;
}

std::vector<std::uint8_t> Info(std::int32_t width, std::int32_t height, int bits, std::uint32_t sizeImage = 0) {
  std::vector<std::uint8_t> h(40);
  platform::StoreLE32(h.data(), 40);
  platform::StoreLE32(h.data() + 4, static_cast<std::uint32_t>(width));
  platform::StoreLE32(h.data() + 8, static_cast<std::uint32_t>(height));
  platform::StoreLE16(h.data() + 12, 1);
  platform::StoreLE16(h.data() + 14, static_cast<std::uint16_t>(bits));
  platform::StoreLE32(h.data() + 20, sizeImage);
  return h;
}

std::vector<std::uint8_t> Core(std::uint16_t width, std::uint16_t height, int bits) {
  std::vector<std::uint8_t> h(12);
  platform::StoreLE32(h.data(), 12);
  platform::StoreLE16(h.data() + 4, width);
  platform::StoreLE16(h.data() + 6, height);
  platform::StoreLE16(h.data() + 8, 1);
  platform::StoreLE16(h.data() + 10, static_cast<std::uint16_t>(bits));
  return h;
}

TEST(BmpStream, SplitsHeaderAndPixels) {
  std::vector<std::uint8_t> header = Info(2, -4, 32);  // top-down, no image size: 4 x 8 bytes
  header.resize(48, 0xAB);                              // something up to the pixels
  const std::vector<std::uint8_t> file = File(header, 40);
  auto dib = LoadDibFromBmpStream(file);
  ASSERT_TRUE(dib) << dib.error();
  EXPECT_EQ(dib->header, header);
  EXPECT_EQ(dib->pixels.size(), 32u);  // the image size, not the rest of the file
  EXPECT_EQ(dib->pixels[31], 31);
  EXPECT_EQ(dib->width, 2);
  EXPECT_EQ(dib->height, 4);

  auto core = LoadDibFromBmpStream(File(Core(3, 4, 24), 48));  // stride 12
  ASSERT_TRUE(core) << core.error();
  EXPECT_EQ(core->pixels.size(), 48u);
}

TEST(BmpStream, RefusesDamagedFiles) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> file;
  };
  std::vector<std::uint8_t> notBm = File(Info(2, 4, 32), 32);
  notBm[0] = 'X';
  std::vector<std::uint8_t> offsetPastEnd = File(Info(2, 4, 32), 32);
  platform::StoreLE32(offsetPastEnd.data() + 10, 5000);
  std::vector<std::uint8_t> offsetInFileHeader = File(Info(2, 4, 32), 32);
  platform::StoreLE32(offsetInFileHeader.data() + 10, 16);
  std::vector<std::uint8_t> v5 = Info(2, 4, 32);
  platform::StoreLE32(v5.data(), 124);
  v5.resize(124);
  const std::vector<Case> cases = {
      {"empty", {}},
      {"only part of the file header", {'B', 'M', 0, 0}},
      {"no BM", notBm},
      {"pixel offset past the end", offsetPastEnd},
      {"pixel offset inside the file header", offsetInFileHeader},
      {"version 5 header", File(v5, 32)},
      {"1 x 1 at 24 bits is 4 bytes", File(Info(1, 1, 24), 4)},
      {"file ends before the image", File(Info(2, 4, 32), 31)},
      {"image size beyond the file", File(Info(2, 4, 32, 4000), 64)},
      {"no width", File(Info(0, 4, 32), 64)},
      {"negative width", File(Info(-2, 4, 32), 64)},
      {"no rows", File(Info(2, 0, 32), 64)},
      {"huge rows", File(Info(1000000, 1000000, 32), 64)},
      {"most negative height", File(Info(2, INT32_MIN, 32, 40), 64)},
      {"core header cut off", File({12, 0, 0, 0, 4, 0, 4, 0}, 64)},
  };
  for (const Case& c : cases) {
    auto dib = LoadDibFromBmpStream(c.file);
    EXPECT_FALSE(dib) << c.name;
  }
}

// 2 x 4 at 32 bits is 32 bytes, the smallest image taken.
TEST(BmpStream, TakesTheSmallestImage) { EXPECT_TRUE(LoadDibFromBmpStream(File(Info(2, 4, 32), 32))); }

}  // namespace
