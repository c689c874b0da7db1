#include <gtest/gtest.h>
#include <openssl/evp.h>

#include "CipherTestHelpers.h"
#include "zip/crypto/CipherRijndael.h"
#include "zip/crypto/LibraryTestVector.h"

using namespace zip;
using namespace cryptotest;

namespace {

const EVP_CIPHER* EcbFor(std::size_t keyLength) {
  return keyLength == 16 ? EVP_aes_128_ecb() : keyLength == 24 ? EVP_aes_192_ecb() : EVP_aes_256_ecb();
}

std::shared_ptr<TCipher_Rijndael> Aes(const Bytes& key, TCipherMode mode) { return Keyed<TCipher_Rijndael>(key, mode); }

}  // namespace

TEST(Rijndael, Fips197Vectors) {
  Bytes plain = FromHex("00112233445566778899aabbccddeeff");
  struct Case { const char* key; const char* cipher; int rounds; } cases[] = {
      {"000102030405060708090a0b0c0d0e0f", "69c4e0d86a7b0430d8cdb78070b4c55a", 10},
      {"000102030405060708090a0b0c0d0e0f1011121314151617", "dda97ca4864cdfe06eaf70a0ec0d7191", 12},
      {"000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f", "8ea2b7ca516745bfeafc49904b496089", 14},
  };
  for (const auto& c : cases) {
    auto aes = Aes(FromHex(c.key), cmECB);
    EXPECT_EQ(aes->Rounds(), c.rounds);
    EXPECT_EQ(ToHex(Enc(*aes, plain)), c.cipher);
    EXPECT_EQ(Dec(*aes, FromHex(c.cipher)), plain);
  }
}

TEST(Rijndael, SingleBlocksAgreeWithOpenSslForEveryKeySize) {
  std::mt19937 rng(10);
  for (std::size_t keyLength : {16u, 24u, 32u})
    for (int i = 0; i < 20; ++i) {
      Bytes key = RandomInput(rng, keyLength), block = RandomInput(rng, 16);
      auto aes = Aes(key, cmECB);
      Bytes ours = Enc(*aes, block);
      EXPECT_EQ(ours, OpenSslCrypt(EcbFor(keyLength), key, {}, block, true)) << keyLength;
      EXPECT_EQ(Dec(*aes, ours), block);
    }
}

TEST(Rijndael, SelfTestVectorsOfBothClasses) {
  EXPECT_TRUE(TCipher::SelfTest(&TCipher_Rijndael::Class));
  EXPECT_TRUE(TCipher::SelfTest(&TCipher_RijndaelZip::Class));
  // The variant's vector is the encoding under its 19-byte name, which is
  // plain AES-192 (key zero-padded to 24 bytes): checked against OpenSSL.
  Bytes key = ToBytes("TCipher_RijndaelZip");
  key.resize(24, 0);
  const Bytes vector(GetTestVector(), GetTestVector() + 32);
  Bytes f = OpenSslCrypt(EVP_aes_192_ecb(), key, {}, Bytes(16, 0xFF), true), expected;
  for (int block = 0; block < 2; ++block) {
    Bytes in(vector.begin() + 16 * block, vector.begin() + 16 * block + 16);
    for (int k = 0; k < 16; ++k) in[k] ^= f[k];
    Bytes c = OpenSslCrypt(EVP_aes_192_ecb(), key, {}, in, true);
    for (int k = 0; k < 16; ++k) f[k] ^= c[k];
    expected.insert(expected.end(), c.begin(), c.end());
  }
  EXPECT_EQ(ToHex(expected), ToHex(TCipher_RijndaelZip::Class.TestVector, 32));
}

TEST(Rijndael, ZipVariantDiffersOnlyForLongKeys) {
  std::mt19937 rng(11);
  Bytes block = RandomInput(rng, 32);
  for (std::size_t keyLength : {16u, 24u, 32u}) {
    Bytes key = RandomInput(rng, keyLength);
    Bytes standard = Enc(*Aes(key, cmCBC), block);
    Bytes zip = Enc(*Keyed<TCipher_RijndaelZip>(key, cmCBC), block);
    if (keyLength < 32) EXPECT_EQ(zip, standard) << keyLength;
    else EXPECT_NE(zip, standard);
    EXPECT_EQ(Dec(*Keyed<TCipher_RijndaelZip>(key, cmCBC), zip), block) << keyLength;
  }
}
