#include <gtest/gtest.h>
#include <zlib.h>

#include "HexBytes.h"
#include "zip/crypto/Crc32.h"

using namespace zip;
using namespace cryptotest;

TEST(Crc32, StandardCheckValueAndEmptyEntry) {
  EXPECT_EQ(Crc32Of("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32Of(""), 0u);
  EXPECT_EQ(CRC32_TABLE[0], 0u);
  EXPECT_EQ(CRC32_TABLE[1], 0x77073096u);
  EXPECT_EQ(CRC32_TABLE[255], 0x2D02EF8Du);
  // No data or a non-positive length leaves the register alone.
  EXPECT_EQ(UpdateCrc32(0x1234u, nullptr, 10), 0x1234u);
  EXPECT_EQ(UpdateCrc32(0x1234u, "abc", 0), 0x1234u);
  EXPECT_EQ(UpdateCrc32(0x1234u, "abc", -1), 0x1234u);
}

TEST(Crc32, AgreesWithZlibInAnyPieces) {
  std::mt19937 rng(1);
  for (bool hardware : {true, false}) {
    SetCrc32Hardware(hardware);
    const char* path = hardware ? " with carry-less multiplication" : " with tables";
    for (std::size_t n : {1u, 7u, 8u, 9u, 63u, 64u, 65u, 79u, 80u, 127u, 128u, 1000u, 100003u}) {
      Bytes data = RandomInput(rng, n + 15);
      // Every start alignment, the odd tail after the 16-byte folds too.
      const std::size_t shift = rng() % 16;
      const std::uint8_t* at = data.data() + shift;
      std::uint32_t expected = static_cast<std::uint32_t>(crc32(0, at, static_cast<uInt>(n)));
      EXPECT_EQ(Crc32Of(at, static_cast<std::int64_t>(n)), expected) << n << path;
      std::uint32_t reg = 0xFFFFFFFFu;
      for (std::size_t i = 0; i < n;) {
        std::size_t piece = std::min<std::size_t>(n - i, 1 + rng() % (hardware ? 300 : 13));
        UpdateCrc32(&reg, at + i, static_cast<std::int64_t>(piece));
        i += piece;
      }
      EXPECT_EQ(~reg, expected) << n << path;
    }
  }
  SetCrc32Hardware(true);
}
