#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "HexBytes.h"
#include "MiniZip.h"
#include "support/TempDir.h"
#include "zip/crypto/AESCryptoTransform.h"
#include "zip/crypto/Crc32.h"

using namespace zip;
using namespace cryptotest;

namespace {

constexpr std::uint16_t kDeflate = 8, kStored = 0;

// Writes one entry as the archive code does: start block, enciphered pieces,
// end block.
Bytes EncryptEntry(TAESCryptoTransform& t, const std::string& password, const Bytes& plain,
                   std::size_t piece = 4096) {
  t.Initialize(TCryptoTransformMode::Encryption, nullptr);
  t.GenerateKey(password);
  Bytes out = t.GetFileStorageStartBlock();
  Bytes buffer = plain;
  for (std::size_t i = 0; i < buffer.size(); i += piece) {
    auto n = static_cast<std::int32_t>(std::min(piece, buffer.size() - i));
    EXPECT_EQ(t.EncryptBuffer(buffer.data(), static_cast<std::int32_t>(i), n, buffer.data(),
                              static_cast<std::int32_t>(i)), n);
  }
  out.insert(out.end(), buffer.begin(), buffer.end());
  Bytes end = t.GetFileStorageEndBlock();
  out.insert(out.end(), end.begin(), end.end());
  return out;
}

struct Decrypted {
  bool passwordOk = false;
  bool corrupted = true;
  Bytes plain;
};

Decrypted DecryptEntry(int keyBits, const std::string& password, const Bytes& entryData) {
  TAESCryptoTransform t(keyBits, 2, kDeflate);
  t.Initialize(TCryptoTransformMode::Decryption, nullptr);
  t.GenerateKey(password);
  std::istringstream stream(std::string(entryData.begin(), entryData.end()), std::ios::binary);
  Decrypted r;
  if (!t.LoadFileStorageStartBlock(stream, 0)) return r;
  r.passwordOk = t.CheckPassword(password, nullptr);
  std::size_t cipherLength = entryData.size() - static_cast<std::size_t>(t.GetFileStorageStartBlockSize()) -
                             static_cast<std::size_t>(t.GetFileStorageEndBlockSize());
  r.plain.resize(cipherLength);
  stream.read(reinterpret_cast<char*>(r.plain.data()), static_cast<std::streamsize>(cipherLength));
  for (std::size_t i = 0; i < cipherLength; i += 1000) {
    auto n = static_cast<std::int32_t>(std::min<std::size_t>(1000, cipherLength - i));
    t.DecryptBuffer(r.plain.data(), static_cast<std::int32_t>(i), n, r.plain.data(), static_cast<std::int32_t>(i));
  }
  if (!t.LoadFileStorageEndBlock(stream, 0)) return r;
  r.corrupted = t.IsDirItemCorrupted(nullptr, 0);
  return r;
}

// The whole entry rebuilt from the published format with OpenSSL alone.
Bytes ReferenceEntry(int keyBits, const std::string& password, const Bytes& salt, const Bytes& plain) {
  const std::size_t kl = static_cast<std::size_t>(keyBits / 8);
  Bytes derived(2 * kl + 2);
  PKCS5_PBKDF2_HMAC_SHA1(password.data(), static_cast<int>(password.size()), salt.data(),
                         static_cast<int>(salt.size()), 1000, static_cast<int>(derived.size()), derived.data());
  const EVP_CIPHER* ecb = kl == 16 ? EVP_aes_128_ecb() : kl == 24 ? EVP_aes_192_ecb() : EVP_aes_256_ecb();
  Bytes cipher = plain;
  EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
  EVP_EncryptInit_ex(ctx, ecb, nullptr, derived.data(), nullptr);
  EVP_CIPHER_CTX_set_padding(ctx, 0);
  for (std::size_t i = 0; i < cipher.size(); i += 16) {
    std::uint8_t counter[16] = {}, stream[16];
    std::uint64_t value = i / 16 + 1;
    for (int k = 0; k < 8; ++k) counter[k] = static_cast<std::uint8_t>(value >> (8 * k));
    int n = 0;
    EVP_EncryptUpdate(ctx, stream, &n, counter, 16);
    for (std::size_t k = 0; k < 16 && i + k < cipher.size(); ++k) cipher[i + k] ^= stream[k];
  }
  EVP_CIPHER_CTX_free(ctx);
  unsigned char mac[20];
  unsigned int macLen = 0;
  HMAC(EVP_sha1(), derived.data() + kl, static_cast<int>(kl), cipher.data(), cipher.size(), mac, &macLen);
  Bytes out = salt;
  out.insert(out.end(), derived.end() - 2, derived.end());
  out.insert(out.end(), cipher.begin(), cipher.end());
  out.insert(out.end(), mac, mac + 10);
  return out;
}

Bytes RawDeflate(const Bytes& in) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, static_cast<uLong>(in.size())));
  z.next_in = const_cast<Bytef*>(in.data());
  z.avail_in = static_cast<uInt>(in.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

Bytes RawInflate(const Bytes& in, std::size_t size) {
  z_stream z{};
  inflateInit2(&z, -15);
  Bytes out(size);
  z.next_in = const_cast<Bytef*>(in.data());
  z.avail_in = static_cast<uInt>(in.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  int rc = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  EXPECT_EQ(rc, Z_STREAM_END);
  return out;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int RunQuiet(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

Bytes SampleText(std::size_t n) {
  std::string s;
  while (s.size() < n) s += "Drucktext " + std::to_string(s.size()) + ": Ebene 1 Text, Ebene 2 Datum;\r\n";
  s.resize(n);
  return ToBytes(s);
}

}  // namespace

TEST(AESCryptoTransform, MatchesTheFormatBuiltWithOpenSslForEveryKeySize) {
  std::mt19937 rng(20);
  for (int bits : {128, 192, 256})
    for (std::size_t size : {0u, 1u, 15u, 16u, 17u, 1000u, 5000u}) {
      Bytes plain = RandomInput(rng, size);
      TAESCryptoTransform t(bits, 2, kDeflate);
      Bytes entry = EncryptEntry(t, "archive password", plain, 1 + rng() % 700);
      ASSERT_EQ(t.Salt().size(), static_cast<std::size_t>(bits / 16));
      EXPECT_EQ(t.GetFileStorageStartBlockSize(), bits / 16 + 2);
      EXPECT_EQ(t.GetFileStorageEndBlockSize(), 10);
      EXPECT_EQ(entry.size(), size + static_cast<std::size_t>(bits / 16 + 12));
      EXPECT_EQ(ToHex(entry), ToHex(ReferenceEntry(bits, "archive password", t.Salt(), plain))) << bits << "/" << size;

      Decrypted back = DecryptEntry(bits, "archive password", entry);
      EXPECT_TRUE(back.passwordOk);
      EXPECT_FALSE(back.corrupted);
      EXPECT_EQ(back.plain, plain);
    }
}

TEST(AESCryptoTransform, EmptyEntryIsSaltVerifierAndCodeOfTheEmptyMessage) {
  TAESCryptoTransform t(256, 2, kStored);
  Bytes entry = EncryptEntry(t, "pw", {});
  ASSERT_EQ(entry.size(), 28u);
  Bytes derived(66);
  PKCS5_PBKDF2_HMAC_SHA1("pw", 2, t.Salt().data(), 16, 1000, 66, derived.data());
  unsigned char mac[20];
  unsigned int len = 0;
  HMAC(EVP_sha1(), derived.data() + 32, 32, nullptr, 0, mac, &len);
  EXPECT_EQ(ToHex(Bytes(entry.begin() + 18, entry.end())), ToHex(mac, 10));
  EXPECT_EQ(ToHex(t.PasswordVerifier()), ToHex(Bytes(derived.end() - 2, derived.end())));
  // GetKey holds the key enciphered by the cipher's raw-key set-up, never the plain key.
  EXPECT_EQ(t.GetKey().size(), 32u);
  EXPECT_NE(t.GetKey(), Bytes(derived.begin(), derived.begin() + 32));
}

TEST(AESCryptoTransform, CounterRunsOnAcrossPiecesOfAnyLength) {
  TAESCryptoTransform a(256, 2, kDeflate), b(256, 2, kDeflate);
  a.Initialize(TCryptoTransformMode::Decryption, nullptr);
  std::mt19937 rng(21);
  Bytes plain = RandomInput(rng, 17);
  Bytes whole = EncryptEntry(a, "pw", plain, 17);
  // Same salt for the second transform, fed 1 + 16 bytes.
  b.Initialize(TCryptoTransformMode::Decryption, nullptr);
  b.GenerateKey("pw");
  ASSERT_TRUE(b.LoadFileStorageStartBlock(whole.data(), 18));
  Bytes split = plain;
  b.EncryptBuffer(split.data(), 0, 1, split.data(), 0);
  b.EncryptBuffer(split.data(), 1, 16, split.data(), 1);
  EXPECT_EQ(ToHex(split), ToHex(Bytes(whole.begin() + 18, whole.begin() + 35)));
  EXPECT_EQ(ToHex(b.GetFileStorageEndBlock()), ToHex(Bytes(whole.end() - 10, whole.end())));
}

TEST(AESCryptoTransform, WrongPasswordAndTamperedCipherTextAreCaught) {
  std::mt19937 rng(22);
  Bytes plain = RandomInput(rng, 300);
  TAESCryptoTransform t(256, 2, kDeflate);
  Bytes entry = EncryptEntry(t, "right", plain);
  EXPECT_FALSE(DecryptEntry(256, "wrong", entry).passwordOk);

  // A flipped cipher-text byte passes the verifier but fails the code.
  Bytes tampered = entry;
  tampered[18 + 100] ^= 0x01;
  Decrypted r = DecryptEntry(256, "right", tampered);
  EXPECT_TRUE(r.passwordOk);
  EXPECT_TRUE(r.corrupted);
  // So does a flipped byte of the stored code, and a truncated entry.
  Bytes badCode = entry;
  badCode.back() ^= 0x80;
  EXPECT_TRUE(DecryptEntry(256, "right", badCode).corrupted);
  Bytes truncated(entry.begin(), entry.begin() + 10);
  EXPECT_FALSE(DecryptEntry(256, "right", truncated).passwordOk);

  // CheckPassword changes no key: the right password still decrypts after a wrong try.
  TAESCryptoTransform d(256, 2, kDeflate);
  d.Initialize(TCryptoTransformMode::Decryption, nullptr);
  d.GenerateKey("right");
  ASSERT_TRUE(d.LoadFileStorageStartBlock(entry.data(), 18));
  EXPECT_FALSE(d.CheckPassword("wrong", nullptr));
  EXPECT_TRUE(d.CheckPassword("right", nullptr));
  Bytes cipher(entry.begin() + 18, entry.end() - 10);
  d.DecryptBuffer(cipher.data(), 0, static_cast<std::int32_t>(cipher.size()), cipher.data(), 0);
  EXPECT_EQ(cipher, plain);
}

TEST(AESCryptoTransform, RetryWithAnotherPasswordRederivesTheKeys) {
  TAESCryptoTransform t(128, 2, kDeflate);
  Bytes entry = EncryptEntry(t, "second", ToBytes("payload"));
  TAESCryptoTransform d(128, 2, kDeflate);
  d.Initialize(TCryptoTransformMode::Decryption, nullptr);
  d.GenerateKey("first");
  ASSERT_TRUE(d.LoadFileStorageStartBlock(entry.data(), 10));
  ASSERT_FALSE(d.CheckPassword("first", nullptr));
  // The archive asks again, generates the key and returns to the entry start.
  d.GenerateKey("second");
  ASSERT_TRUE(d.LoadFileStorageStartBlock(entry.data(), 10));
  EXPECT_TRUE(d.CheckPassword("second", nullptr));
  Bytes cipher(entry.begin() + 10, entry.end() - 10);
  d.DecryptBuffer(cipher.data(), 0, static_cast<std::int32_t>(cipher.size()), cipher.data(), 0);
  EXPECT_EQ(cipher, ToBytes("payload"));
}

TEST(AESCryptoTransform, SaltsNeverRepeatAndExtraFieldIsWinZipAE2) {
  TAESCryptoTransform a(256, 2, kDeflate), b(256, 2, kDeflate);
  a.GenerateKey("pw");
  b.GenerateKey("pw");
  EXPECT_NE(a.Salt(), b.Salt()) << "two entries written at once must get different key streams";

  struct Case { int bits; std::uint16_t method; const char* hex; } cases[] = {
      {256, kDeflate, "01990700020041450308 00"}, {128, kStored, "0199070002004145010000"},
      {192, kDeflate, "0199070002004145020800"}};
  for (const auto& c : cases) {
    TAESCryptoTransform t(c.bits, 2, c.method);
    t.Initialize(TCryptoTransformMode::Encryption, nullptr);
    TZipExtraFieldDataBlock block;
    t.GetExtraFieldData(block);
    Bytes field;
    Put16(field, block.HeaderId);
    Put16(field, block.DataSize);
    field.insert(field.end(), block.Data.begin(), block.Data.end());
    EXPECT_EQ(ToHex(field), ToHex(FromHex(c.hex))) << c.bits;
  }
  // Reset forgets keys, salt and password.
  a.Reset();
  EXPECT_TRUE(a.GetPassword().empty());
  EXPECT_TRUE(a.Salt().empty());
  EXPECT_EQ(a.KeyLength(), 0);
}

TEST(AESCryptoTransform, SevenZipReadsOurAes256Entry) {
  testsupport::TempDir dir;
  Bytes plain = SampleText(70000);
  Bytes compressed = RawDeflate(plain);
  TAESCryptoTransform t(256, 2, kDeflate);
  MiniEntry e;
  e.name = "GP.g23";
  e.flags = 0x0001;
  e.method = kAesCompressionMethod;
  e.crc32 = Crc32Of(plain.data(), static_cast<std::int64_t>(plain.size()));
  e.uncompressedSize = static_cast<std::uint32_t>(plain.size());
  TZipExtraFieldDataBlock block;
  t.GetExtraFieldData(block);
  Put16(e.extra, block.HeaderId);
  Put16(e.extra, block.DataSize);
  e.extra.insert(e.extra.end(), block.Data.begin(), block.Data.end());
  e.data = EncryptEntry(t, "Osmek-Tarvik", compressed, 8192);
  WriteMiniZip(dir / "ours.zip", e);

  ASSERT_EQ(RunQuiet("7zz x -y -pOsmek-Tarvik -o" + (dir / "out") + " " + (dir / "ours.zip")), 0);
  EXPECT_EQ(ReadFile(dir / "out/GP.g23"), plain);
  EXPECT_NE(RunQuiet("7zz t -pWrong " + (dir / "ours.zip")), 0);

  // A flipped cipher-text byte makes 7-Zip refuse the entry as well.
  e.data[100] ^= 0x20;
  WriteMiniZip(dir / "tampered.zip", e);
  EXPECT_NE(RunQuiet("7zz t -pOsmek-Tarvik " + (dir / "tampered.zip")), 0);
}

TEST(AESCryptoTransform, WeReadAnAes256EntryWrittenBySevenZip) {
  testsupport::TempDir dir;
  Bytes plain = SampleText(50000);
  std::ofstream(dir / "GP.g23", std::ios::binary)
      .write(reinterpret_cast<const char*>(plain.data()), static_cast<std::streamsize>(plain.size()));
  ASSERT_EQ(RunQuiet("cd " + dir.path() + " && 7zz a -tzip -mx=9 -mem=AES256 -pOsmek-Tarvik theirs.zip GP.g23"), 0);
  MiniEntry e = ReadMiniZip(dir / "theirs.zip");
  ASSERT_EQ(e.method, kAesCompressionMethod);
  std::size_t at = 0;
  while (at + 4 <= e.extra.size() && Get16(e.extra, at) != kAesExtraFieldId) at += 4 + Get16(e.extra, at + 2);
  ASSERT_LT(at + 11, e.extra.size() + 1) << "no AES extra field";
  EXPECT_EQ(Get16(e.extra, at + 2), 7u);
  EXPECT_EQ(e.extra[at + 8], 3) << "AES-256";
  const std::uint16_t actual = static_cast<std::uint16_t>(Get16(e.extra, at + 9));

  Decrypted r = DecryptEntry(256, "Osmek-Tarvik", e.data);
  ASSERT_TRUE(r.passwordOk);
  EXPECT_FALSE(r.corrupted);
  Bytes content = actual == kDeflate ? RawInflate(r.plain, plain.size()) : r.plain;
  EXPECT_EQ(content, plain);

  Bytes tampered = e.data;
  tampered[tampered.size() / 2] ^= 0x01;
  EXPECT_TRUE(DecryptEntry(256, "Osmek-Tarvik", tampered).corrupted);
  EXPECT_FALSE(DecryptEntry(256, "osmek-tarvik", e.data).passwordOk);
}
