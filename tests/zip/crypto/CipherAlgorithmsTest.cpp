// The block algorithms other than AES: published vectors, OpenSSL on random
// inputs and the library's self-test vectors.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <gtest/gtest.h>
#include <openssl/blowfish.h>
#include <openssl/des.h>

#include <cstring>

#include "CipherTestHelpers.h"
#include "zip/crypto/CipherBlowfish.h"
#include "zip/crypto/CipherDES.h"
#include "zip/crypto/CipherRijndael.h"
#include "zip/crypto/CipherSquare.h"
#include "zip/crypto/CipherTwofish.h"

using namespace zip;
using namespace cryptotest;

namespace {

template <class C>
std::shared_ptr<C> Ecb(const Bytes& key) {
  return Keyed<C>(key, cmECB);
}

Bytes OpenSslDes(const Bytes& key8, const Bytes& block, bool encrypt) {
  DES_cblock k;
  std::memcpy(k, key8.data(), 8);
  DES_key_schedule ks;
  DES_set_key_unchecked(&k, &ks);
  DES_cblock in, out;
  std::memcpy(in, block.data(), 8);
  DES_ecb_encrypt(&in, &out, &ks, encrypt ? DES_ENCRYPT : DES_DECRYPT);
  return Bytes(out, out + 8);
}

}  // namespace

TEST(CipherSelfTests, EveryClassReproducesItsVector) {
  for (TCipherClass cls : {&TCipher_Rijndael::Class, &TCipher_RijndaelZip::Class, &TCipher_Blowfish::Class,
                           &TCipher_1DES::Class, &TCipher_3DES::Class, &TCipher_3TDES::Class,
                           &TCipher_Twofish::Class, &TCipher_Square::Class})
    EXPECT_TRUE(TCipher::SelfTest(cls)) << cls->Name;
}

TEST(Blowfish, PublishedVectorAndOpenSsl) {
  // Schneier's vector: key 0123456789ABCDEF ... here the all-zero key.
  EXPECT_EQ(ToHex(Enc(*Ecb<TCipher_Blowfish>(Bytes(8, 0)), Bytes(8, 0))), "4ef997456198dd78");
  EXPECT_EQ(ToHex(Enc(*Ecb<TCipher_Blowfish>(Bytes(8, 0xFF)), Bytes(8, 0xFF))), "51866fd5b85ecb8a");
  std::mt19937 rng(30);
  for (int i = 0; i < 30; ++i) {
    Bytes key = RandomInput(rng, 1 + rng() % 56), block = RandomInput(rng, 8);
    BF_KEY ks;
    BF_set_key(&ks, static_cast<int>(key.size()), key.data());
    Bytes ref(8);
    BF_ecb_encrypt(block.data(), ref.data(), &ks, BF_ENCRYPT);
    auto bf = Ecb<TCipher_Blowfish>(key);
    EXPECT_EQ(Enc(*bf, block), ref) << key.size();
    EXPECT_EQ(Dec(*bf, ref), block);
  }
}

TEST(DES, PublishedVectorAndOpenSslForSingleAndTripleDes) {
  EXPECT_EQ(ToHex(Enc(*Ecb<TCipher_1DES>(FromHex("133457799BBCDFF1")), FromHex("0123456789ABCDEF"))),
            "85e813540f0ab405");
  std::mt19937 rng(31);
  for (int i = 0; i < 30; ++i) {
    Bytes key = RandomInput(rng, 24), block = RandomInput(rng, 8);
    Bytes k1(key.begin(), key.begin() + 8), k2(key.begin() + 8, key.begin() + 16), k3(key.begin() + 16, key.end());
    auto des = Ecb<TCipher_1DES>(k1);
    Bytes single = OpenSslDes(k1, block, true);
    EXPECT_EQ(Enc(*des, block), single);
    EXPECT_EQ(Dec(*des, single), block);

    DES_cblock c1, c2, c3;
    std::memcpy(c1, k1.data(), 8);
    std::memcpy(c2, k2.data(), 8);
    std::memcpy(c3, k3.data(), 8);
    DES_key_schedule s1, s2, s3;
    DES_set_key_unchecked(&c1, &s1);
    DES_set_key_unchecked(&c2, &s2);
    DES_set_key_unchecked(&c3, &s3);
    DES_cblock in, out;
    std::memcpy(in, block.data(), 8);
    DES_ecb3_encrypt(&in, &out, &s1, &s2, &s3, DES_ENCRYPT);
    auto triple = Ecb<TCipher_3DES>(key);
    EXPECT_EQ(Enc(*triple, block), Bytes(out, out + 8));
    EXPECT_EQ(Dec(*triple, Bytes(out, out + 8)), block);
  }
}

TEST(DES, ShortTripleKeyRunsTheThirdStepUnderZeros) {
  std::mt19937 rng(32);
  Bytes key = RandomInput(rng, 16), block = RandomInput(rng, 8);
  Bytes padded = key;
  padded.resize(24, 0);
  EXPECT_EQ(Enc(*Ecb<TCipher_3DES>(key), block), Enc(*Ecb<TCipher_3DES>(padded), block));
  // 3TDES: a 24-byte block as three DES blocks with words 1 and 2 exchanged between the steps.
  Bytes big = RandomInput(rng, 24);
  auto t = Ecb<TCipher_3TDES>(padded);
  Bytes c = Enc(*t, big);
  Bytes expect = big;
  auto des = [&](int k, Bytes part, bool encrypt) {
    return OpenSslDes(Bytes(padded.begin() + 8 * k, padded.begin() + 8 * k + 8), part, encrypt);
  };
  for (int step = 0; step < 3; ++step) {
    if (step) std::swap_ranges(expect.begin() + 4, expect.begin() + 8, expect.begin() + 8);
    for (int part = 0; part < 3; ++part) {
      Bytes piece(expect.begin() + 8 * part, expect.begin() + 8 * part + 8);
      piece = des(step, piece, step != 1);
      std::copy(piece.begin(), piece.end(), expect.begin() + 8 * part);
    }
  }
  EXPECT_EQ(c, expect);
  EXPECT_EQ(Dec(*t, c), big);
}

TEST(Twofish, PublishedVectors) {
  // From the Twofish paper: the zero key and zero block, then chained.
  EXPECT_EQ(ToHex(Enc(*Ecb<TCipher_Twofish>(Bytes(16, 0)), Bytes(16, 0))), "9f589f5cf6122c32b6bfec2f2ae8c35a");
  EXPECT_EQ(ToHex(Enc(*Ecb<TCipher_Twofish>(FromHex("0123456789ABCDEFFEDCBA98765432100011223344556677")),
                      Bytes(16, 0))),
            "cfd1d2e5a9be9cdf501f13b892bd2248");
  EXPECT_EQ(ToHex(Enc(*Ecb<TCipher_Twofish>(
                          FromHex("0123456789ABCDEFFEDCBA987654321000112233445566778899AABBCCDDEEFF")),
                      Bytes(16, 0))),
            "37527be0052334b89f0cfccae87cfa20");
  std::mt19937 rng(33);
  for (std::size_t len : {16u, 24u, 32u}) {
    auto tf = Ecb<TCipher_Twofish>(RandomInput(rng, len));
    Bytes block = RandomInput(rng, 16);
    EXPECT_EQ(Dec(*tf, Enc(*tf, block)), block);
  }
}

TEST(Square, RoundTripsAndDependsOnEveryKeyByte) {
  std::mt19937 rng(34);
  Bytes key = RandomInput(rng, 16), block = RandomInput(rng, 16);
  auto sq = Ecb<TCipher_Square>(key);
  Bytes c = Enc(*sq, block);
  EXPECT_NE(c, block);
  EXPECT_EQ(Dec(*sq, c), block);
  for (int i = 0; i < 16; ++i) {
    Bytes other = key;
    other[static_cast<std::size_t>(i)] ^= 1;
    EXPECT_NE(Enc(*Ecb<TCipher_Square>(other), block), c) << i;
  }
}
