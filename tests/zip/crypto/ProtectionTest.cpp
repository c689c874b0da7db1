#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "HexBytes.h"
#include "support/TempDir.h"
#include "zip/crypto/CipherBlowfish.h"
#include "zip/crypto/CipherRijndael.h"
#include "zip/crypto/Crc16.h"
#include "zip/crypto/Progress.h"

using namespace zip;
using namespace cryptotest;

TEST(Protection, CircularChainsAreRefused) {
  auto a = MakeCipher<TCipher_Rijndael>("a");
  auto b = MakeCipher<TCipher_Blowfish>("b", a);
  EXPECT_EQ(b->GetProtection(), a);
  try {
    a->SetProtection(b);
    FAIL();
  } catch (const EProtection& e) {
    EXPECT_STREQ(e.what(), "Circular Protection detected, Protection Object is invalid.");
  }
  EXPECT_THROW(a->SetProtection(a), EProtection);
  EXPECT_EQ(a->GetProtection(), nullptr);
  EXPECT_TRUE(IsObject(b.get(), TCipher::Class));
  EXPECT_TRUE(IsObject(b.get(), TCipher_Blowfish::Class));
  EXPECT_FALSE(IsObject(b.get(), TCipher_Rijndael::Class));
  EXPECT_FALSE(IsObject(nullptr, TProtection::Class));
  EXPECT_EQ(TProtection::Identity(TCipher_Rijndael::Class),
            static_cast<std::uint16_t>(~CRC16(0x1234, "TCipher_Rijndael", 16)));
}

TEST(Protection, ChainDecodesInReverseOrderOfItsEncoding) {
  std::mt19937 rng(50);
  Bytes plain = RandomInput(rng, 1000);
  auto inner = MakeCipher<TCipher_Blowfish>("inner");
  auto outer = MakeCipher<TCipher_Rijndael>("outer", inner);
  Bytes data = plain;
  outer->CodeBuffer(data.data(), static_cast<std::int32_t>(data.size()), paEncode);
  // The chained Blowfish works first when encoding.
  Bytes expected = plain;
  auto b = MakeCipher<TCipher_Blowfish>("inner");
  auto r = MakeCipher<TCipher_Rijndael>("outer");
  b->EncodeBuffer(expected.data(), expected.data(), 1000);
  r->EncodeBuffer(expected.data(), expected.data(), 1000);
  EXPECT_EQ(data, expected);
  outer->CodeBuffer(data.data(), static_cast<std::int32_t>(data.size()), paDecode);
  EXPECT_EQ(data, plain);
  // An action left out of the set is passed on but not done.
  outer->Actions.Exclude(paEncode);
  outer->CodeBuffer(data.data(), static_cast<std::int32_t>(data.size()), paEncode);
  Bytes onlyInner = plain;
  MakeCipher<TCipher_Blowfish>("inner")->EncodeBuffer(onlyInner.data(), onlyInner.data(), 1000);
  EXPECT_EQ(data, onlyInner);
}

TEST(Protection, StringsStreamsAndFilesWithProgress) {
  auto cipher = MakeCipher<TCipher_Rijndael>("key");
  std::string text = cipher->CodeString("Drucktext 1", paEncode, fmtMIME64);
  EXPECT_NE(text, "Drucktext 1");
  EXPECT_EQ(cipher->CodeString(text, paDecode, fmtMIME64), "Drucktext 1");
  EXPECT_EQ(cipher->CodeString("", paEncode, fmtHEX), "");

  static std::vector<std::pair<std::int64_t, std::int64_t>> reports;
  reports.clear();
  SetProgressCallback([](void*, const void*, std::int64_t c, std::int64_t m) { reports.emplace_back(c, m); }, nullptr);
  std::mt19937 rng(51);
  Bytes plain = RandomInput(rng, 10000);
  std::stringstream stream(std::string(plain.begin(), plain.end()), std::ios::in | std::ios::out | std::ios::binary);
  cipher->CodeStream(&stream, nullptr, -1, paEncode);
  SetProgressCallback(nullptr, nullptr);
  ASSERT_GE(reports.size(), 4u);
  using Report = std::pair<std::int64_t, std::int64_t>;
  EXPECT_EQ(reports.front(), Report(0, 10000));
  EXPECT_EQ(reports[reports.size() - 2], Report(10000, 10000));
  EXPECT_EQ(reports.back(), Report(0, 0));
  std::string coded = stream.str();
  Bytes expected = plain;
  MakeCipher<TCipher_Rijndael>("key")->EncodeBuffer(expected.data(), expected.data(), 10000);
  EXPECT_EQ(Bytes(coded.begin(), coded.end()), expected) << "pieces of 4096 bytes chain like one buffer";

  testsupport::TempDir dir;
  std::ofstream(dir / "a.bin", std::ios::binary).write(reinterpret_cast<const char*>(plain.data()), 10000);
  cipher->CodeFile(dir / "a.bin", dir / "b.bin", paEncode);
  cipher->CodeFile(dir / "b.bin", "", paDecode);  // in place
  std::ifstream in(dir / "b.bin", std::ios::binary);
  EXPECT_EQ(Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), plain);
  EXPECT_THROW(cipher->CodeFile(dir / "missing", dir / "c.bin", paEncode), EProtection);
}
