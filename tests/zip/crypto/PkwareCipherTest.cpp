#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "HexBytes.h"
#include "MiniZip.h"
#include "support/TempDir.h"
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

namespace {

int RunQuiet(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

Bytes FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(PkwareCipher, SevenZipReadsOurEntryAndWeReadItsEntry) {
  testsupport::TempDir dir;
  std::mt19937 rng(6);
  Bytes plain = RandomInput(rng, 3000);
  MiniEntry e;
  e.name = "data.bin";
  e.flags = 0x0001;
  e.method = 0;  // stored
  e.crc32 = Crc32Of(plain.data(), static_cast<std::int64_t>(plain.size()));
  e.uncompressedSize = static_cast<std::uint32_t>(plain.size());
  TZipKeys keys;
  auto header = ZipMakeEncryptionHeader("geheim", e.crc32, keys);
  e.data.assign(header.begin(), header.end());
  Bytes body = plain;
  ZipEncryptBuffer(static_cast<std::int64_t>(body.size()), 0, body.data(), keys);
  e.data.insert(e.data.end(), body.begin(), body.end());
  WriteMiniZip(dir / "ours.zip", e);
  ASSERT_EQ(RunQuiet("7zz x -y -pgeheim -o" + (dir / "out") + " " + (dir / "ours.zip")), 0);
  EXPECT_EQ(FileBytes(dir / "out/data.bin"), plain);

  std::ofstream(dir / "in.bin", std::ios::binary)
      .write(reinterpret_cast<const char*>(plain.data()), static_cast<std::streamsize>(plain.size()));
  ASSERT_EQ(RunQuiet("cd " + dir.path() + " && 7zz a -tzip -mx=0 -mem=ZipCrypto -pgeheim theirs.zip in.bin"), 0);
  MiniEntry theirs = ReadMiniZip(dir / "theirs.zip");
  ASSERT_EQ(theirs.method, 0);
  ASSERT_TRUE(theirs.flags & 1);
  Bytes data = theirs.data;
  TZipKeys dec;
  ZipKeyInit("geheim", dec, data.data());
  // Bit 3 set: sizes follow the data, and the check byte is the time's high byte.
  std::uint8_t check = (theirs.flags & 8) ? static_cast<std::uint8_t>(theirs.dosTime >> 8)
                                          : static_cast<std::uint8_t>(theirs.crc32 >> 24);
  EXPECT_EQ(data[11], check);
  ZipDecryptBuffer(data.data() + 12, static_cast<std::int64_t>(data.size()) - 12, dec);
  EXPECT_EQ(Bytes(data.begin() + 12, data.end()), plain);
}
