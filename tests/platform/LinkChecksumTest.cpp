#include <gtest/gtest.h>

#include "platform/LinkChecksum.h"

using namespace platform;

TEST(LinkChecksum, MatchesThePrintersCheckValues) {
  struct Case { const char* text; std::uint32_t sum; } cases[] = {
      {"123456789", 0x1DBA08EA}, {"abc", 0x706DE9A8}, {"", 0xFFFFFFFF},
      {"DOWNLOADS", 0x241DCD15}, {"UPLOADS", 0xCBDFDE56}};
  for (auto c : cases) EXPECT_EQ(Crc32Chain(0, c.text), c.sum) << c.text;
}

TEST(LinkChecksum, ContinuesFromAPreviousValueMinusOne) {
  EXPECT_EQ(CrcInitFrom(0), 0xFFFFFFFFu);
  EXPECT_EQ(CrcInitFrom(0x10), 0x0Fu);
  std::uint32_t keyword = Crc32Chain(0, "DOWNLOADS");
  std::uint32_t stepped = CrcInitFrom(keyword);
  for (char c : std::string_view("PC\\GP.N23 0 3 706DE9A8 5000")) stepped = Crc32Update(stepped, c);
  EXPECT_EQ(Crc32Chain(keyword, "PC\\GP.N23 0 3 706DE9A8 5000"), stepped);
  EXPECT_EQ(stepped, 0xF7B45686u);
}
