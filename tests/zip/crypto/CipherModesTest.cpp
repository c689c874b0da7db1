#include <gtest/gtest.h>

#include "CipherTestHelpers.h"
#include "zip/crypto/CipherBlowfish.h"
#include "zip/crypto/CipherRijndael.h"

using namespace zip;
using namespace cryptotest;

namespace {

std::shared_ptr<TCipher_Rijndael> Aes(const Bytes& key, TCipherMode mode, const Bytes& iv = {}) {
  return Keyed<TCipher_Rijndael>(key, mode, iv);
}

Bytes OpenSslEncrypt(const EVP_CIPHER* type, const Bytes& key, const Bytes& iv, const Bytes& in) {
  return OpenSslCrypt(type, key, iv, in, true);
}

}  // namespace

TEST(CipherModes, EveryModeRoundTripsAnyLengthInPlace) {
  std::mt19937 rng(40);
  Bytes key = RandomInput(rng, 32), iv = RandomInput(rng, 16);
  for (TCipherMode mode : {cmCTS, cmCBC, cmCFB, cmOFB, cmCTR, cmECB})
    for (std::size_t size : {1u, 15u, 16u, 17u, 33u, 100u}) {
      Bytes plain = RandomInput(rng, size);
      Bytes cipher = Enc(*Aes(key, mode, iv), plain);
      EXPECT_EQ(cipher.size(), size);
      EXPECT_NE(cipher, plain) << int(mode) << "/" << size;
      EXPECT_EQ(Dec(*Aes(key, mode, iv), cipher), plain) << int(mode) << "/" << size;
    }
}

TEST(CipherModes, CbcAndCfbAreTheStandardModes) {
  std::mt19937 rng(41);
  Bytes key = RandomInput(rng, 16), iv = RandomInput(rng, 16), plain = RandomInput(rng, 64);
  EXPECT_EQ(Enc(*Aes(key, cmCBC, iv), plain), OpenSslEncrypt(EVP_aes_128_cbc(), key, iv, plain));
  // 8-bit cipher feedback.
  EXPECT_EQ(Enc(*Aes(key, cmCFB, iv), plain), OpenSslEncrypt(EVP_aes_128_cfb8(), key, iv, plain));
}

TEST(CipherModes, CtsChainsByXorOfCipherAndFeedback) {
  std::mt19937 rng(42);
  Bytes key = RandomInput(rng, 16), iv = RandomInput(rng, 16), plain = RandomInput(rng, 32);
  auto ecb = Aes(key, cmECB);
  Bytes f = iv, expected;
  for (int b = 0; b < 2; ++b) {
    Bytes p(plain.begin() + 16 * b, plain.begin() + 16 * b + 16);
    for (int k = 0; k < 16; ++k) p[k] ^= f[k];
    Bytes c = Enc(*ecb, p);
    for (int k = 0; k < 16; ++k) f[k] ^= c[k];
    expected.insert(expected.end(), c.begin(), c.end());
  }
  auto cts = Aes(key, cmCTS, iv);
  EXPECT_EQ(Enc(*cts, plain), expected);
  EXPECT_EQ(Bytes(cts->Feedback(), cts->Feedback() + 16), f);
}

TEST(CipherModes, CounterModeRunsOnAcrossCallsFromCounterOne) {
  std::mt19937 rng(43);
  Bytes key = RandomInput(rng, 32), plain = RandomInput(rng, 32);
  Bytes whole = Enc(*Aes(key, cmCTR), plain);
  auto split = Aes(key, cmCTR);
  Bytes a = Enc(*split, Bytes(plain.begin(), plain.begin() + 1));
  Bytes b = Enc(*split, Bytes(plain.begin() + 1, plain.end()));
  a.insert(a.end(), b.begin(), b.end());
  EXPECT_EQ(a, whole);
  // Key stream: E(1), E(2) with a little-endian counter in bytes 0..7.
  Bytes counter1(16, 0), counter2(16, 0);
  counter1[0] = 1;
  counter2[0] = 2;
  auto ecb = Aes(key, cmECB);
  Bytes ks = Enc(*ecb, counter1), ks2 = Enc(*ecb, counter2);
  ks.insert(ks.end(), ks2.begin(), ks2.end());
  for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(whole[i], plain[i] ^ ks[i]) << i;
}

TEST(CipherModes, CounterModeBulkPathsAgreeWithAndWithoutAesInstructions) {
  std::mt19937 rng(45);
  Bytes plain = RandomInput(rng, 3000);
  for (std::size_t keyLength : {16u, 24u, 32u}) {
    Bytes key = RandomInput(rng, keyLength);
    auto ecb = Aes(key, cmECB);
    Bytes expected = plain;
    for (std::size_t block = 0; block * 16 < plain.size(); ++block) {
      Bytes counter(16, 0);
      for (int k = 0; k < 8; ++k) counter[k] = static_cast<std::uint8_t>((block + 1) >> (8 * k));
      Bytes ks = Enc(*ecb, counter);
      for (std::size_t k = 0; k < 16 && block * 16 + k < plain.size(); ++k) expected[block * 16 + k] ^= ks[k];
    }
    for (bool hardware : {true, false}) {
      SetRijndaelHardware(hardware);
      auto ctr = Aes(key, cmCTR);
      Bytes out = plain;
      for (std::size_t i = 0; i < out.size();) {
        auto n = std::min<std::size_t>(out.size() - i, rng() % 600);
        ctr->EncodeBuffer(out.data() + i, out.data() + i, static_cast<std::int32_t>(n));
        i += n;
      }
      EXPECT_EQ(out, expected) << keyLength << (hardware ? " with" : " without") << " AES instructions";
    }
    SetRijndaelHardware(true);
  }
}

TEST(CipherModes, MacModesLeaveTheDataAndKeepTheMacInTheFeedback) {
  std::mt19937 rng(44);
  Bytes key = RandomInput(rng, 16), iv = RandomInput(rng, 16), data = RandomInput(rng, 40);
  for (TCipherMode mode : {cmCTSMAC, cmCBCMAC, cmCFBMAC}) {
    auto c = Aes(key, mode, iv);
    Bytes out(data.size(), 0x77);
    c->EncodeBuffer(data.data(), out.data(), static_cast<std::int32_t>(data.size()));
    EXPECT_EQ(out, Bytes(data.size(), 0x77)) << int(mode);
    Bytes mac(c->Feedback(), c->Feedback() + 16);
    EXPECT_NE(mac, iv);
    c->Done();
    EXPECT_EQ(Bytes(c->Buffer(), c->Buffer() + 16), mac);
    EXPECT_EQ(Bytes(c->Feedback(), c->Feedback() + 16), iv);
  }
  // CBC-MAC over whole blocks is the last CBC cipher block.
  Bytes blocks(data.begin(), data.begin() + 32);
  auto mac = Aes(key, cmCBCMAC, iv);
  Enc(*mac, blocks);
  Bytes cbc = Enc(*Aes(key, cmCBC, iv), blocks);
  EXPECT_EQ(Bytes(mac->Feedback(), mac->Feedback() + 16), Bytes(cbc.end() - 16, cbc.end()));
}

TEST(CipherModes, DefaultInitialVectorIsTheEncodedAllOnesBlock) {
  Bytes key(16, 7);
  auto c = Aes(key, cmCBC);
  EXPECT_EQ(Bytes(c->InitVector(), c->InitVector() + 16), Enc(*Aes(key, cmECB), Bytes(16, 0xFF)));
}

TEST(CipherKeys, SizesErrorsAndKeyForms) {
  auto fresh = std::make_shared<TCipher_Rijndael>();
  try {
    Bytes b(16);
    fresh->EncodeBuffer(b.data(), b.data(), 16);
    FAIL() << "encoding before a key must fail";
  } catch (const ECipherException& e) {
    EXPECT_EQ(e.ErrorCode, kCipherErrorNotInitialized);
    EXPECT_STREQ(e.what(), "TCipher_Rijndael is not initialized call Init() or InitKey() before.");
  }
  // A key longer than the maximum is cut, or refused with the check on.
  Bytes longKey(40, 3), cut(longKey.begin(), longKey.begin() + 32), block(16, 1);
  EXPECT_EQ(Enc(*Aes(longKey, cmECB), block), Enc(*Aes(cut, cmECB), block));
  SetCheckCipherKeySize(true);
  try {
    Aes(longKey, cmECB);
    ADD_FAILURE() << "no error with the key-size check on";
  } catch (const ECipherException& e) {
    EXPECT_EQ(e.ErrorCode, kCipherErrorKeySize);
    EXPECT_STREQ(e.what(), "Length from Encryptionkey is invalid.\r\nKeysize for TCipher_Rijndael must be to 0-32 bytes");
  }
  SetCheckCipherKeySize(false);

  // The raw-key form leaves only the enciphered key with the caller.
  std::vector<std::uint8_t> raw(32, 0x42);
  const std::uint8_t* before = raw.data();
  auto keyed = MakeCipher<TCipher_Rijndael>(&raw);
  EXPECT_NE(raw.data(), before);
  EXPECT_NE(raw, Bytes(32, 0x42));
  EXPECT_TRUE(keyed->GetFlag(0));
  EXPECT_TRUE(keyed->Actions.Empty()) << "the raw-key form takes part in no action";
  EXPECT_EQ(Enc(*keyed, block), Enc(*Aes(Bytes(32, 0x42), cmCTS), block));

  // A string key is hashed with the default hash class (RIPEMD-256) first.
  auto byString = MakeCipher<TCipher_Blowfish>("secret");
  EXPECT_EQ(byString->HashClass(), &THash_RipeMD256::Class);
  Bytes digest = FromHex(THash::CalcString(&THash_RipeMD256::Class, "secret", nullptr, fmtHEX));
  auto byDigest = std::make_shared<TCipher_Blowfish>();
  byDigest->Init(digest.data(), 32, nullptr);
  EXPECT_EQ(Enc(*byString, block), Enc(*byDigest, block));
  // Protect wipes the key: the cipher must be keyed again.
  byString->Protect();
  EXPECT_THROW(Enc(*byString, block), ECipherException);
}

TEST(CipherRegistry, RijndaelFromTheStartAndLookUps) {
  ASSERT_FALSE(CipherList().empty());
  EXPECT_EQ(CipherList()[0].Text, "Rijndael=");
  EXPECT_EQ(GetCipherClass("Rijndael"), &TCipher_Rijndael::Class);
  EXPECT_EQ(GetCipherClass("TCipher_rijndael"), &TCipher_Rijndael::Class);
  EXPECT_EQ(GetCipherClass("Blowfish"), nullptr);
  EXPECT_TRUE(RegisterCipher(&TCipher_Blowfish::Class, "  Fish ", "64-bit blocks"));
  EXPECT_FALSE(RegisterCipher(nullptr, "x", "y"));
  EXPECT_EQ(GetCipherClass("fish"), &TCipher_Blowfish::Class);
  EXPECT_EQ(GetCipherClass("Blowfish"), &TCipher_Blowfish::Class) << "short class name first";
  EXPECT_EQ(GetCipherName(&TCipher_Blowfish::Class), "Fish");
  EXPECT_TRUE(RegisterCipher(&TCipher_Blowfish::Class, "", "again"));
  EXPECT_EQ(CipherList().back().Text, "Blowfish=again") << "a registered class gets its entry replaced";
  EXPECT_TRUE(UnregisterCipher(&TCipher_Blowfish::Class));
  EXPECT_FALSE(UnregisterCipher(&TCipher_Blowfish::Class));
  EXPECT_EQ(GetCipherName(&TCipher_Blowfish::Class), "Blowfish");
  SetDefaultCipherClass(&TCipher_Blowfish::Class);
  EXPECT_EQ(DefaultCipherClass(), &TCipher_Blowfish::Class);
  SetDefaultCipherClass(nullptr);
  EXPECT_EQ(DefaultCipherClass(), &TCipher_Rijndael::Class);
  EXPECT_EQ(TCipher::MaxKeySize(&TCipher_Blowfish::Class), 56);
}
