// The transform derives its keys only when something uses them. These tests
// hold it to what an eager transform computes: whatever the order of calls,
// every key, verifier, cipher text and code that comes out belongs to the
// password and salt in force; and one entry costs one derivation.
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <optional>
#include <stdexcept>

#include "HexBytes.h"
#include "zip/EntryCrypto.h"
#include "zip/Streams.h"
#include "zip/crypto/AESCryptoTransform.h"
#include "zip/crypto/TPBKDF2.h"

using namespace zip;
using namespace cryptotest;

namespace {

Bytes Pbkdf2(const std::string& password, const Bytes& salt, std::size_t n) {
  Bytes out(n);
  PKCS5_PBKDF2_HMAC_SHA1(password.data(), static_cast<int>(password.size()), salt.data(),
                         static_cast<int>(salt.size()), 1000, static_cast<int>(n), out.data());
  return out;
}

// What an eager transform holds, computed with OpenSSL from the published
// format: keys of (password, salt) from the last key update, the counter
// position, the cipher text the HMAC has seen, and the codes.
struct Model {
  std::size_t kl;
  TCryptoTransformMode mode = TCryptoTransformMode::Encryption;
  std::string password;
  Bytes salt, verifier;
  bool keyed = false;   // keys in force (a cipher exists)
  bool macKeyed = false;  // the HMAC context has ever been keyed
  Bytes encKey, macKey;
  std::uint64_t position = 0;
  Bytes macData;
  std::optional<Bytes> computedCode;
  Bytes authCode;

  explicit Model(int bits) : kl(static_cast<std::size_t>(bits / 8)) {}

  void UpdateKeys() {
    Bytes d = Pbkdf2(password, salt, 2 * kl + 2);
    encKey.assign(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(kl));
    macKey.assign(d.begin() + static_cast<std::ptrdiff_t>(kl), d.begin() + static_cast<std::ptrdiff_t>(2 * kl));
    verifier.assign(d.end() - 2, d.end());
    keyed = macKeyed = true;
    position = 0;
    macData.clear();
    computedCode.reset();
  }

  Bytes Xor(const Bytes& in) {
    const EVP_CIPHER* ecb = kl == 16 ? EVP_aes_128_ecb() : kl == 24 ? EVP_aes_192_ecb() : EVP_aes_256_ecb();
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(ctx, ecb, nullptr, encKey.data(), nullptr);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    Bytes out = in;
    for (std::size_t i = 0; i < out.size(); ++i, ++position) {
      std::uint8_t counter[16] = {}, stream[16];
      std::uint64_t value = position / 16 + 1;
      for (int k = 0; k < 8; ++k) counter[k] = static_cast<std::uint8_t>(value >> (8 * k));
      int n = 0;
      EVP_EncryptUpdate(ctx, stream, &n, counter, 16);
      out[i] ^= stream[position % 16];
    }
    EVP_CIPHER_CTX_free(ctx);
    return out;
  }

  // The code of the cipher text so far, as a finished HMAC gives it.
  Bytes Code() const {
    unsigned char mac[20];
    unsigned int len = 0;
    HMAC(EVP_sha1(), macKey.data(), static_cast<int>(macKey.size()), macData.data(), macData.size(), mac, &len);
    return Bytes(mac, mac + 10);
  }
  // The HMAC is finished once; later cipher text no longer counts.
  Bytes Finish() {
    if (!computedCode) computedCode = Code();
    return *computedCode;
  }
};

// The key as the cipher's raw-key set-up leaves it, which GetKey reports.
Bytes SetUpKey(Bytes key) {
  MakeCipher<TCipher_Rijndael>(&key);
  return key;
}

void RunRandomCalls(std::uint32_t seed) {
  std::mt19937 rng(seed);
  const int bits = 128 + 64 * static_cast<int>(rng() % 3);
  TAESCryptoTransform t(bits, 2, 8);
  Model m(bits);
  const std::string passwords[] = {"alpha", "beta", ""};
  const std::size_t saltSize = m.kl / 2;
  SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(bits) + " bits");

  auto observe = [&](int step) {
    SCOPED_TRACE("after step " + std::to_string(step));
    EXPECT_EQ(ToHex(t.Salt()), ToHex(m.salt));
    EXPECT_EQ(ToHex(t.PasswordVerifier()), ToHex(m.verifier));
    EXPECT_EQ(ToHex(t.GetKey()), ToHex(m.keyed ? SetUpKey(m.encKey) : Bytes()));
    EXPECT_EQ(t.GetPassword(), m.password);
  };

  const int steps = 24;
  for (int step = 0; step < steps; ++step) {
    const bool last = step == steps - 1;
    switch (step == 0 ? 0 : last ? 12 : rng() % 12) {
      case 0: {
        m.mode = rng() % 2 ? TCryptoTransformMode::Decryption : TCryptoTransformMode::Encryption;
        t.Initialize(m.mode, nullptr);
        break;
      }
      case 1: {
        const std::string& pw = passwords[rng() % 3];
        t.GenerateKey(pw);
        m.password = pw;
        if (m.mode == TCryptoTransformMode::Encryption || m.salt.empty()) {
          ASSERT_EQ(t.Salt().size(), saltSize);
          m.salt = t.Salt();  // drawn at random
        }
        m.UpdateKeys();
        break;
      }
      case 2: {
        // A start block: a stored salt with the verifier of "alpha", a wrong
        // verifier, or cut short inside the salt or the verifier.
        Bytes salt = RandomInput(rng, saltSize);
        Bytes block = salt;
        Bytes right = Pbkdf2("alpha", salt, 2 * m.kl + 2);
        if (rng() % 2) block.insert(block.end(), right.end() - 2, right.end());
        else block.insert(block.end(), {static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng())});
        const int cut = static_cast<int>(rng() % 6);
        if (cut == 0) block.resize(saltSize - 1);
        if (cut == 1) block.resize(saltSize + 1);
        const bool loaded = t.LoadFileStorageStartBlock(block.data(), block.size());
        bool expected = false;
        if (block.size() >= saltSize) {
          m.salt = salt;
          m.UpdateKeys();
          if (block.size() == saltSize + 2) {
            m.verifier.assign(block.end() - 2, block.end());
            expected = true;
          }
        }
        EXPECT_EQ(loaded, expected);
        break;
      }
      case 3: {
        const std::string& pw = passwords[rng() % 3];
        Bytes d = Pbkdf2(pw, m.salt, 2 * m.kl + 2);
        const bool expected = m.verifier.size() == 2 && Bytes(d.end() - 2, d.end()) == m.verifier;
        EXPECT_EQ(t.CheckPassword(pw, nullptr), expected) << pw;
        break;
      }
      case 4:
      case 5: {
        const bool encrypt = rng() % 2;
        Bytes in = RandomInput(rng, rng() % 40);
        Bytes out(in.size());
        if (!m.keyed) {
          const auto n = static_cast<std::int32_t>(in.size());
          if (encrypt) {
            EXPECT_THROW(t.EncryptBuffer(in.data(), 0, n, out.data(), 0), std::logic_error);
          } else {
            EXPECT_THROW(t.DecryptBuffer(in.data(), 0, n, out.data(), 0), std::logic_error);
          }
          break;
        }
        if (encrypt) t.EncryptBuffer(in.data(), 0, static_cast<std::int32_t>(in.size()), out.data(), 0);
        else t.DecryptBuffer(in.data(), 0, static_cast<std::int32_t>(in.size()), out.data(), 0);
        Bytes expected = m.Xor(in);
        EXPECT_EQ(ToHex(out), ToHex(expected));
        const Bytes& cipherText = encrypt ? expected : in;
        m.macData.insert(m.macData.end(), cipherText.begin(), cipherText.end());
        break;
      }
      case 6: {
        Bytes expected = m.salt;
        expected.insert(expected.end(), m.verifier.begin(), m.verifier.end());
        EXPECT_EQ(ToHex(t.GetFileStorageStartBlock()), ToHex(expected));
        break;
      }
      case 7:
        if (!m.macKeyed) break;
        m.authCode = m.Finish();
        EXPECT_EQ(ToHex(t.GetFileStorageEndBlock()), ToHex(m.authCode));
        break;
      case 8: {
        Bytes code = rng() % 2 && m.macKeyed ? m.Code() : RandomInput(rng, 10);
        ASSERT_TRUE(t.LoadFileStorageEndBlock(code.data(), code.size()));
        m.authCode = code;
        break;
      }
      case 9:
        if (!m.macKeyed) break;
        EXPECT_EQ(t.IsDirItemCorrupted(nullptr, 0), m.authCode != m.Finish());
        break;
      case 10:
      case 11:
        observe(step);
        break;
      case 12: {
        // Reset ends a run: it forgets keys, salt and password, while the
        // HMAC context of the last keys still finishes to their code.
        t.Reset();
        m.password.clear();
        m.salt.clear();
        m.verifier.clear();
        m.keyed = false;
        observe(step);
        EXPECT_FALSE(t.CheckPassword("alpha", nullptr));
        if (m.macKeyed) {
          EXPECT_EQ(ToHex(t.GetFileStorageEndBlock()), ToHex(m.Finish()));
        }
        break;
      }
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace

TEST(AESKeyOrder, EveryCallOrderUsesTheKeysOfThePasswordAndSaltInForce) {
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    RunRandomCalls(seed);
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(AESKeyOrder, OneEntryCostsOneDerivation) {
  // Written as the archive writes it.
  TAESCryptoTransform writer(256, 2, 8);
  std::uint64_t before = TPBKDF2::KeyComputations();
  writer.Initialize(TCryptoTransformMode::Encryption, nullptr);
  writer.GenerateKey("pw");
  Bytes entry = writer.GetFileStorageStartBlock();
  Bytes data = ToBytes("print text");
  writer.EncryptBuffer(data.data(), 0, static_cast<std::int32_t>(data.size()), data.data(), 0);
  entry.insert(entry.end(), data.begin(), data.end());
  Bytes code = writer.GetFileStorageEndBlock();
  entry.insert(entry.end(), code.begin(), code.end());
  EXPECT_EQ(TPBKDF2::KeyComputations() - before, 1u);

  // Read in the documented order: key, start block, password check, data, code.
  struct Case {
    const char* name;
    std::vector<std::string> passwords;  // tried in turn, the last one right
    std::uint64_t derivations;
  } cases[] = {{"right at once", {"pw"}, 1}, {"wrong, then right", {"guess", "pw"}, 2}};
  for (const auto& c : cases) {
    TAESCryptoTransform reader(256, 2, 8);
    before = TPBKDF2::KeyComputations();
    reader.Initialize(TCryptoTransformMode::Decryption, nullptr);
    for (std::size_t i = 0; i < c.passwords.size(); ++i) {
      reader.GenerateKey(c.passwords[i]);
      ASSERT_TRUE(reader.LoadFileStorageStartBlock(entry.data(), 18));
      EXPECT_EQ(reader.CheckPassword(c.passwords[i], nullptr), i + 1 == c.passwords.size()) << c.name;
    }
    Bytes plain(entry.begin() + 18, entry.end() - 10);
    reader.DecryptBuffer(plain.data(), 0, static_cast<std::int32_t>(plain.size()), plain.data(), 0);
    ASSERT_TRUE(reader.LoadFileStorageEndBlock(entry.data() + entry.size() - 10, 10));
    EXPECT_FALSE(reader.IsDirItemCorrupted(nullptr, 0)) << c.name;
    EXPECT_EQ(plain, ToBytes("print text")) << c.name;
    EXPECT_EQ(TPBKDF2::KeyComputations() - before, c.derivations) << c.name;
  }

  // The archive's entry encryptor does its key work when it is made (a
  // batch makes them on several threads), none of it later.
  before = TPBKDF2::KeyComputations();
  auto encryptor = MakeAesEncryptor(256, 8, "pw");
  EXPECT_EQ(TPBKDF2::KeyComputations() - before, 1u);
  Bytes written = encryptor->StartBlock();
  Bytes text = ToBytes("print text");
  encryptor->Encrypt(text.data(), text.size());
  encryptor->Authenticate(text.data(), text.size());  // the code covers the cipher text
  written.insert(written.end(), text.begin(), text.end());
  Bytes end = encryptor->EndBlock();
  written.insert(written.end(), end.begin(), end.end());
  EXPECT_EQ(TPBKDF2::KeyComputations() - before, 1u);
  EXPECT_EQ(written.size(), entry.size());

  // Through the archive's entry decryptor, with and without the key work
  // done ahead, on both entries.
  for (const Bytes* stored : {&entry, &written})
    for (bool ahead : {false, true}) {
      auto decryptor = MakeAesDecryptor(256, 8);
      before = TPBKDF2::KeyComputations();
      if (ahead) decryptor->Prepare(Bytes(stored->begin(), stored->begin() + 18), "pw");
      TMemoryStream stream(*stored);
      EXPECT_TRUE(decryptor->LoadAndCheck(stream, "pw"));
      Bytes plain(stored->begin() + 18, stored->end() - 10);
      stream.SetPosition(static_cast<std::int64_t>(stored->size()) - 10);
      decryptor->Authenticate(plain.data(), plain.size());
      decryptor->Decrypt(plain.data(), plain.size());
      EXPECT_TRUE(decryptor->Verify(stream));
      EXPECT_EQ(plain, ToBytes("print text"));
      EXPECT_EQ(TPBKDF2::KeyComputations() - before, 1u) << (ahead ? "prepared" : "not prepared");
    }
}
