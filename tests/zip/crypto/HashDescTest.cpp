#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/sha.h>

#include <cstring>
#include <fstream>

#include "HexBytes.h"
#include "support/TempDir.h"
#include "zip/crypto/Hmac.h"
#include "zip/crypto/Pbkdf2.h"
#include "zip/crypto/Sha1.h"
#include "zip/crypto/TPBKDF2.h"

using namespace zip;
using namespace cryptotest;

namespace {

std::string Sha1Hex(const Bytes& data) {
  THashDigest d;
  SHA1FullXL(d, data.data(), static_cast<std::int32_t>(data.size()));
  for (std::size_t i = 20; i < d.size(); ++i) EXPECT_EQ(d[i], 0) << "digest area tail not zero";
  return ToHex(d.data(), 20);
}

Bytes HmacOf(const Bytes& key, const Bytes& data) {
  THMAC_Context ctx;
  hmac_init(ctx, FindHash_by_Name("SHA1"), key.data(), key.size());
  hmac_updateXL(ctx, data.data(), static_cast<std::int32_t>(data.size()));
  THashDigest d;
  hmac_final(ctx, d);
  return Bytes(d.begin(), d.begin() + 20);
}

Bytes OpenSslHmac(const Bytes& key, const Bytes& data) {
  unsigned char out[20];
  unsigned int len = 0;
  HMAC(EVP_sha1(), key.data(), static_cast<int>(key.size()), data.data(), data.size(), out, &len);
  return Bytes(out, out + len);
}

Bytes OpenSslPbkdf2(const Bytes& pw, const Bytes& salt, int iterations, std::size_t n) {
  Bytes out(n);
  PKCS5_PBKDF2_HMAC_SHA1(reinterpret_cast<const char*>(pw.data()), static_cast<int>(pw.size()), salt.data(),
                         static_cast<int>(salt.size()), iterations, static_cast<int>(n), out.data());
  return out;
}

}  // namespace

TEST(Sha1, PublishedDigestsAndSelfTest) {
  EXPECT_TRUE(SHA1SelfTest());
  EXPECT_EQ(Sha1Hex(ToBytes("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(Sha1Hex(ToBytes("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(Sha1Hex(Bytes(1000000, 'a')), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

TEST(Sha1, AgreesWithOpenSslOnRandomInputsFedInPieces) {
  std::mt19937 rng(2);
  for (bool hardware : {true, false}) {
    SetSha1Hardware(hardware);
    for (std::size_t n : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u, 65536u}) {
      Bytes data = RandomInput(rng, n);
      unsigned char ref[20];
      SHA1(data.data(), n, ref);
      THashContext ctx;
      SHA1Init(ctx);
      for (std::size_t i = 0; i < n;) {
        std::size_t piece = std::min<std::size_t>(n - i, rng() % (hardware ? 700 : 70));
        SHA1UpdateXL(ctx, data.data() + i, static_cast<std::int32_t>(piece));
        i += piece;
      }
      std::uint8_t digest[20];
      SHA1Final(ctx, digest);
      EXPECT_EQ(ToHex(digest, 20), ToHex(ref, 20)) << n << (hardware ? " with" : " without") << " SHA instructions";
    }
  }
  SetSha1Hardware(true);
}

TEST(Sha1, HashesAFileInPiecesAndReportsErrors) {
  testsupport::TempDir dir;
  Bytes data(5000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
  std::ofstream(dir / "f", std::ios::binary).write(reinterpret_cast<const char*>(data.data()), data.size());
  std::uint8_t buffer[300];
  THashDigest digest;
  std::uint16_t error = 99;
  SHA1File(dir / "f", digest, buffer, sizeof buffer, error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(ToHex(digest.data(), 20), Sha1Hex(data));
  SHA1File(dir / "missing", digest, buffer, sizeof buffer, error);
  EXPECT_NE(error, 0);
  HashFile(dir / "f", nullptr, digest, buffer, sizeof buffer, error);
  EXPECT_EQ(error, kHashErrorBadDescriptor);
}

TEST(HashDescriptors, TableLookUps) {
  const THashDesc* sha1 = FindHash_by_Name("SHA1");
  ASSERT_NE(sha1, nullptr);
  EXPECT_EQ(sha1, FindHash_by_Name("sha1"));
  EXPECT_EQ(sha1, FindHash_by_ID(_SHA1));
  EXPECT_EQ(sha1->DigestLength, 20);
  EXPECT_EQ(sha1->BlockLength, 64);
  EXPECT_EQ(FindHash_by_ID(_MD5), nullptr);
  EXPECT_EQ(FindHash_by_ID(9), nullptr);
  EXPECT_EQ(FindHash_by_Name("SHA256"), nullptr);

  // A descriptor with a wrong signature or number is not taken; names are
  // compared over their first 19 characters only.
  static THashDesc whirl = *sha1;
  whirl.AlgorithmNumber = _Whirlpool;
  whirl.Name = "ABCDEFGHIJKLMNOPQRS";
  whirl.Signature = 0x1234;
  RegisterHash(_Whirlpool, &whirl);
  EXPECT_EQ(FindHash_by_ID(_Whirlpool), nullptr);
  whirl.Signature = kHashDescSignature;
  RegisterHash(_SHA512, &whirl);
  EXPECT_EQ(FindHash_by_ID(_SHA512), nullptr);
  RegisterHash(_Whirlpool, &whirl);
  EXPECT_EQ(FindHash_by_ID(_Whirlpool), &whirl);
  EXPECT_EQ(FindHash_by_Name("abcdefghijklmnopqrsTUVWXY"), &whirl);
  EXPECT_EQ(FindHash_by_Name("abcdefghijklmnopqr"), nullptr);
}

TEST(Hmac, Rfc2202AndOpenSslOnKeysAroundTheBlockLength) {
  EXPECT_EQ(ToHex(HmacOf(Bytes(20, 0x0b), ToBytes("Hi There"))), "b617318655057264e28bc0b6fb378c8ef146be00");
  EXPECT_EQ(ToHex(HmacOf(ToBytes("Jefe"), ToBytes("what do ya want for nothing?"))),
            "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");
  EXPECT_EQ(ToHex(HmacOf(Bytes(80, 0xaa), ToBytes("Test Using Larger Than Block-Size Key - Hash Key First"))),
            "aa4ae5e15272d00e95705637ce8a3b55ed402112");
  std::mt19937 rng(3);
  for (std::size_t keyLen : {0u, 1u, 20u, 63u, 64u, 65u, 200u}) {
    Bytes key = RandomInput(rng, keyLen), data = RandomInput(rng, rng() % 300);
    EXPECT_EQ(HmacOf(key, data), OpenSslHmac(key, data)) << keyLen;
  }
  // A key longer than the block is replaced by its digest.
  Bytes longKey = RandomInput(rng, 65), msg = ToBytes("message");
  THashDigest d;
  SHA1FullXL(d, longKey.data(), 65);
  EXPECT_EQ(HmacOf(longKey, msg), HmacOf(Bytes(d.begin(), d.begin() + 20), msg));
  // Without a descriptor the context does nothing.
  THMAC_Context ctx;
  hmac_init(ctx, nullptr, "k", 1);
  EXPECT_EQ(ctx.Descriptor, nullptr);
  hmac_updateXL(ctx, "x", 1);
}

TEST(Pbkdf2, Rfc6070VectorsAndOpenSsl) {
  struct Case { const char* pw; const char* salt; int c; std::size_t n; const char* hex; } cases[] = {
      {"password", "salt", 1, 20, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
      {"password", "salt", 2, 20, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"},
      {"password", "salt", 4096, 20, "4b007901b765489abead49d926f721d065a429c1"},
      {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25,
       "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038"},
  };
  std::mt19937 rng(4);
  for (bool hardware : {true, false}) {
    SetSha1Hardware(hardware);
    const char* path = hardware ? " with SHA instructions" : " without SHA instructions";
    for (const auto& c : cases) {
      Bytes out(c.n);
      ASSERT_EQ(kdf2s(FindHash_by_ID(_SHA1), c.pw, c.salt, std::strlen(c.salt), c.c, out.data(), c.n), kKdfOk);
      EXPECT_EQ(ToHex(out), c.hex) << c.pw << " " << c.c << path;
    }
    for (std::size_t n : {1u, 20u, 21u, 34u, 50u, 66u, 100u, 170u}) {
      Bytes pw = RandomInput(rng, rng() % 100), salt = RandomInput(rng, 16);
      Bytes out(n);
      PBKDF2(pw.data(), pw.size(), salt.data(), salt.size(), 1000, out.data(), n);
      EXPECT_EQ(out, OpenSslPbkdf2(pw, salt, 1000, n)) << n << path;
    }
  }
  SetSha1Hardware(true);
}

TEST(Pbkdf2, FailuresLeaveTheOutputAndZeroIterationsGiveZeros) {
  Bytes out(30, 0xEE);
  EXPECT_EQ(kdf2(nullptr, "pw", 2, "salt", 4, 10, out.data(), out.size()), kKdfNoDescriptor);
  EXPECT_EQ(out, Bytes(30, 0xEE));
  THashDesc noDigest = *FindHash_by_ID(_SHA1);
  noDigest.DigestLength = 0;
  EXPECT_EQ(kdf2(&noDigest, "pw", 2, "salt", 4, 10, out.data(), out.size()), kKdfNoDigest);
  EXPECT_EQ(out, Bytes(30, 0xEE));
  EXPECT_EQ(kdf2(FindHash_by_ID(_SHA1), "pw", 2, "salt", 4, 0, out.data(), out.size()), kKdfOk);
  EXPECT_EQ(out, Bytes(30, 0));
}

TEST(Pbkdf2, PasswordsBeyondTheOldWorkBufferDeriveTheStandardKey) {
  // The key generator once copied the password into a 32768-byte buffer and
  // took 16-bit lengths; longer passwords must neither overrun nor be cut.
  std::mt19937 rng(5);
  for (std::size_t len : {32768u, 32769u, 70000u}) {
    Bytes pw = RandomInput(rng, len), salt = RandomInput(rng, 16);
    TPBKDF2 generator(std::string(pw.begin(), pw.end()), salt.data(), 16, 1000);
    Bytes out;
    ASSERT_EQ(generator.GetKeyBytes(66, out), 0);
    EXPECT_EQ(out, OpenSslPbkdf2(pw, salt, 1000, 66)) << len;
  }
}

TEST(TPBKDF2, RandomSaltsComeFromTheSystemWithEveryByteValue) {
  TPBKDF2 a("pw", 16, 1000), b("pw", 16, 1000);
  EXPECT_EQ(a.GetSaltValue().size(), 16u);
  EXPECT_NE(a.GetSaltValue(), b.GetSaltValue()) << "two salts drawn at once must differ";
  bool seen255 = false;
  for (int i = 0; i < 400 && !seen255; ++i)
    for (auto byte : TPBKDF2("pw", 16, 1).GetSaltValue()) seen255 |= byte == 255;
  EXPECT_TRUE(seen255);
  EXPECT_EQ(a.IterationCount(), 1000);
  Bytes salt = a.GetSaltValue(), fromA, ref;
  ASSERT_EQ(a.GetKeyBytes(66, fromA), 0);
  EXPECT_EQ(fromA, OpenSslPbkdf2(ToBytes("pw"), salt, 1000, 66));
}
