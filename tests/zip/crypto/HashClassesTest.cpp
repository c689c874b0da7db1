#define OPENSSL_SUPPRESS_DEPRECATED
#include <gtest/gtest.h>
#include <openssl/md4.h>

#include <fstream>
#include <sstream>

#include "HexBytes.h"
#include "support/TempDir.h"
#include "zip/crypto/Hash.h"

using namespace zip;
using namespace cryptotest;

namespace {

std::string HexDigest(THashClass cls, const std::string& data) {
  return THash::CalcString(cls, data, nullptr, fmtHEXL);
}

}  // namespace

TEST(HashClasses, SelfTestDigestsOfTheLibraryVector) {
  for (THashClass cls : {&THash_MD4::Class, &THash_RipeMD128::Class, &THash_RipeMD256::Class})
    EXPECT_TRUE(THash::SelfTest(cls)) << cls->Name;
  EXPECT_FALSE(THash::SelfTest(&TChecksum::Class));
}

TEST(HashClasses, PublishedDigests) {
  EXPECT_EQ(HexDigest(&THash_MD4::Class, "abc"), "a448017aaf21d8525fc10ae87aa6729d");
  EXPECT_EQ(HexDigest(&THash_MD4::Class, ""), "31d6cfe0d16ae931b73c59d7e0c089c0");
  EXPECT_EQ(HexDigest(&THash_RipeMD128::Class, ""), "cdf26213a150dc3ecb610f18f6b38b46");
  EXPECT_EQ(HexDigest(&THash_RipeMD128::Class, "abc"), "c14a12199c66e4ba84636b0f69144c77");
  EXPECT_EQ(HexDigest(&THash_RipeMD256::Class, ""),
            "02ba4c4e5f8ecd1877fc52d64d30e37a2d9774fb1e5d026380ae0168e3c5522d");
  EXPECT_EQ(HexDigest(&THash_RipeMD256::Class, "abc"),
            "afbd6e228b9d8cbbcef5ca2d03e6dba10ac0bc7dcbe4680e1e42d2e975459b65");
}

TEST(HashClasses, Md4AgreesWithOpenSslAndPiecesEqualOneCall) {
  std::mt19937 rng(70);
  for (std::size_t n : {1u, 55u, 56u, 64u, 65u, 1000u}) {
    Bytes data = RandomInput(rng, n);
    unsigned char ref[16];
    MD4(data.data(), n, ref);
    EXPECT_EQ(THash::CalcBuffer(&THash_MD4::Class, data.data(), static_cast<std::int32_t>(n), nullptr, fmtHEXL),
              ToHex(ref, 16));
    for (THashClass cls : {&THash_MD4::Class, &THash_RipeMD128::Class, &THash_RipeMD256::Class}) {
      auto h = cls->Create(nullptr);
      h->Init();
      for (std::size_t i = 0; i < n;) {
        std::size_t piece = std::min<std::size_t>(n - i, rng() % 40);
        h->Calc(data.data() + i, static_cast<std::int32_t>(piece));
        i += piece;
      }
      h->Done();
      EXPECT_EQ(h->DigestStr(fmtHEXL),
                THash::CalcBuffer(cls, data.data(), static_cast<std::int32_t>(n), nullptr, fmtHEXL));
    }
  }
}

TEST(HashClasses, StreamsFilesAndProtectionActions) {
  std::string data(10000, 'x');
  std::istringstream stream(data);
  EXPECT_EQ(THash::CalcStream(&THash_MD4::Class, stream, -1, nullptr, fmtHEX),
            THash::CalcString(&THash_MD4::Class, data, nullptr, fmtHEX));
  testsupport::TempDir dir;
  std::ofstream(dir / "f") << data;
  EXPECT_EQ(THash::CalcFile(&THash_RipeMD256::Class, dir / "f", nullptr, fmtMIME64),
            THash::CalcString(&THash_RipeMD256::Class, data, nullptr, fmtMIME64));

  // A hash as a protection: encode XORs with a digest-driven key stream, decode undoes it.
  auto h = std::make_shared<THash_RipeMD128>();
  std::mt19937 rng(71);
  Bytes plain = RandomInput(rng, 100), buf = plain;
  h->CodeBuffer(buf.data(), 100, paEncode);
  EXPECT_NE(buf, plain);
  h->CodeBuffer(buf.data(), 100, paDecode);
  EXPECT_EQ(buf, plain);
  // paCalc leaves the data and yields its digest.
  h->CodeBuffer(buf.data(), 100, paCalc);
  EXPECT_EQ(buf, plain);
  EXPECT_EQ(h->DigestStr(fmtHEX), THash::CalcBuffer(&THash_RipeMD128::Class, plain.data(), 100, nullptr, fmtHEX));
}

TEST(HashClasses, Registry) {
  EXPECT_EQ(DefaultHashClass(), &THash_RipeMD256::Class);
  EXPECT_TRUE(HashList().empty());
  EXPECT_TRUE(RegisterHash(&THash_MD4::Class, "", "RFC 1320"));
  EXPECT_EQ(HashList().back().Text, "MD4=RFC 1320");
  EXPECT_EQ(GetHashClass("md4"), &THash_MD4::Class);
  EXPECT_EQ(GetHashName(&THash_MD4::Class), "MD4");
  EXPECT_TRUE(UnregisterHash(&THash_MD4::Class));
  EXPECT_EQ(GetHashClass("MD4"), nullptr);
  SetDefaultHashClass(&THash_MD4::Class);
  EXPECT_EQ(DefaultHashClass(), &THash_MD4::Class);
  SetDefaultHashClass(nullptr);
  EXPECT_EQ(DefaultHashClass(), &THash_RipeMD256::Class);
}
