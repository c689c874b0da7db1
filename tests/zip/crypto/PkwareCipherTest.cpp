#include <gtest/gtest.h>

#include "HexBytes.h"
#include "zip/crypto/Crc32.h"
#include "zip/crypto/PkwareCipher.h"

using namespace zip;
using namespace cryptotest;

TEST(PkwareCipher, KeysStartFromTheStandardValuesAndFollowThePassword) {
  TZipKeys keys;
  ZipEncryptKeyInit("", keys);
  EXPECT_EQ(keys.Key[0], 0x12345678u);
  EXPECT_EQ(keys.Key[1], 0x23456789u);
  EXPECT_EQ(keys.Key[2], 0x34567890u);
  ZipEncryptKeyInit("secret", keys);
  for (auto k : keys.Key) EXPECT_EQ(k >> 32, 0u);
  TZipKeys other;
  ZipEncryptKeyInit("secreT", other);
  EXPECT_NE(keys.Key[0], other.Key[0]);
}

TEST(PkwareCipher, HeaderChecksThePasswordAndDataRoundTrips) {
  Bytes plain = ToBytes("The quick brown fox jumps over the lazy dog, twice over the lazy dog.");
  std::uint32_t crc = Crc32Of(plain.data(), static_cast<std::int64_t>(plain.size()));
  TZipKeys enc;
  auto header = ZipMakeEncryptionHeader("pw", crc, enc);
  Bytes cipher = plain;
  // Enciphered in pieces and from a start index, as the writer does per block.
  ZipEncryptBuffer(10, 0, cipher.data(), enc);
  ZipEncryptBuffer(static_cast<std::int64_t>(cipher.size()) - 10, 10, cipher.data(), enc);
  ZipEncryptBuffer(0, 0, cipher.data(), enc);
  EXPECT_NE(cipher, plain);

  auto h = header;
  TZipKeys dec;
  ZipKeyInit("pw", dec, h.data());
  EXPECT_EQ(h[11], crc >> 24);
  EXPECT_EQ(h[10], (crc >> 16) & 0xFF);
  ZipDecryptBuffer(cipher.data(), static_cast<std::int64_t>(cipher.size()), dec);
  EXPECT_EQ(cipher, plain);

  // Two headers for the same entry never repeat: the random part comes from
  // the system, not the clock.
  TZipKeys again;
  EXPECT_NE(ZipMakeEncryptionHeader("pw", crc, again), header);
}
