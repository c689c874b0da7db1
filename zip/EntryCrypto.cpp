#include "zip/EntryCrypto.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "zip/DirItem.h"
#include "zip/crypto/AESCryptoTransform.h"
#include "zip/crypto/PkwareCipher.h"

namespace zip {
namespace {

class TraditionalEncryptor : public EntryEncryptor {
 public:
  TraditionalEncryptor(const ByteString& password, std::uint32_t crc32) {
    auto header = ZipMakeEncryptionHeader(password, crc32, keys_);
    header_.assign(header.begin(), header.end());
  }
  std::vector<std::uint8_t> StartBlock() override { return header_; }
  void Encrypt(std::uint8_t* data, std::size_t count) override {
    ZipEncryptBuffer(static_cast<std::int64_t>(count), 0, data, keys_);
  }
  std::vector<std::uint8_t> EndBlock() override { return {}; }

 private:
  TZipKeys keys_;
  std::vector<std::uint8_t> header_;
};

class TraditionalDecryptor : public EntryDecryptor {
 public:
  explicit TraditionalDecryptor(std::uint8_t checkByte) : check_(checkByte) {}
  std::size_t StartBlockSize() const override { return kZipEncryptionHeaderSize; }
  std::size_t EndBlockSize() const override { return 0; }
  bool LoadAndCheck(TStream& stream, const ByteString& password) override {
    if (password.empty()) return false;
    std::uint8_t header[kZipEncryptionHeaderSize];
    stream.ReadBuffer(header, sizeof header);
    ZipKeyInit(password, keys_, header);
    return header[11] == check_;
  }
  void Decrypt(std::uint8_t* data, std::size_t count) override {
    ZipDecryptBuffer(data, static_cast<std::int64_t>(count), keys_);
  }
  bool Verify(TStream&) override { return true; }

 private:
  std::uint8_t check_;
  TZipKeys keys_;
};

constexpr std::uint16_t kAesVendorVersion = 2;

class AesEncryptor : public EntryEncryptor {
 public:
  // The keys are derived here, not when first used: a batch makes its
  // encryptors on several threads ahead of the writing.
  AesEncryptor(int keyBits, std::uint16_t actualMethod, const ByteString& password)
      : transform_(keyBits, kAesVendorVersion, actualMethod) {
    transform_.Initialize(TCryptoTransformMode::Encryption, nullptr);
    transform_.GenerateKey(password);
    startBlock_ = transform_.GetFileStorageStartBlock();
  }
  std::vector<std::uint8_t> StartBlock() override { return startBlock_; }
  void Encrypt(std::uint8_t* data, std::size_t count) override { transform_.ApplyKeyStream(data, count); }
  void Authenticate(const std::uint8_t* data, std::size_t count) override { transform_.Authenticate(data, count); }
  bool Authenticates() const override { return true; }
  std::vector<std::uint8_t> EndBlock() override { return transform_.GetFileStorageEndBlock(); }

 private:
  TAESCryptoTransform transform_;
  std::vector<std::uint8_t> startBlock_;
};

class AesDecryptor : public EntryDecryptor {
 public:
  AesDecryptor(int keyBits, std::uint16_t actualMethod) : keyBits_(keyBits), method_(actualMethod) {}
  std::size_t StartBlockSize() const override { return static_cast<std::size_t>(keyBits_ / 16 + 2); }
  std::size_t EndBlockSize() const override { return 10; }
  bool LoadAndCheck(TStream& stream, const ByteString& password) override {
    std::vector<std::uint8_t> block(StartBlockSize());
    stream.ReadBuffer(block.data(), block.size());
    if (prepared_ && block == preparedBlock_ && password == preparedPassword_) {
      prepared_ = false;  // a second attempt derives anew
      return preparedResult_;
    }
    Prepare(block, password);
    prepared_ = false;
    return preparedResult_;
  }
  void Prepare(const std::vector<std::uint8_t>& block, const ByteString& password) override {
    // A fresh transform per attempt. The stored salt goes in first, so that
    // the password's keys are derived for it once; their verifier is then
    // compared with the stored one.
    prepared_ = false;
    transform_ = std::make_unique<TAESCryptoTransform>(keyBits_, kAesVendorVersion, method_);
    transform_->Initialize(TCryptoTransformMode::Decryption, nullptr);
    if (block.size() != StartBlockSize() || !transform_->LoadFileStorageStartBlock(block.data(), block.size()))
      throw EReadError();
    transform_->GenerateKey(password);
    const auto& derived = transform_->PasswordVerifier();
    preparedResult_ =
        derived.size() == 2 && derived[0] == block[block.size() - 2] && derived[1] == block[block.size() - 1];
    preparedBlock_ = block;
    preparedPassword_ = password;
    prepared_ = true;
  }
  void Decrypt(std::uint8_t* data, std::size_t count) override { transform_->ApplyKeyStream(data, count); }
  void Authenticate(const std::uint8_t* data, std::size_t count) override { transform_->Authenticate(data, count); }
  bool Authenticates() const override { return true; }
  bool Verify(TStream& stream) override {
    std::uint8_t code[10];
    stream.ReadBuffer(code, sizeof code);
    if (!transform_->LoadFileStorageEndBlock(code, sizeof code)) return false;
    return !transform_->IsDirItemCorrupted(nullptr, 0);
  }

 private:
  int keyBits_;
  std::uint16_t method_;
  std::unique_ptr<TAESCryptoTransform> transform_;
  bool prepared_ = false;
  bool preparedResult_ = false;
  std::vector<std::uint8_t> preparedBlock_;
  ByteString preparedPassword_;
};

}  // namespace

std::unique_ptr<EntryEncryptor> MakeTraditionalEncryptor(const ByteString& password, std::uint32_t crc32) {
  return std::make_unique<TraditionalEncryptor>(password, crc32);
}

std::unique_ptr<EntryDecryptor> MakeTraditionalDecryptor(std::uint8_t checkByte) {
  return std::make_unique<TraditionalDecryptor>(checkByte);
}

std::unique_ptr<EntryEncryptor> MakeAesEncryptor(int keyBits, std::uint16_t actualMethod, const ByteString& password) {
  return std::make_unique<AesEncryptor>(keyBits, actualMethod, password);
}

std::unique_ptr<EntryDecryptor> MakeAesDecryptor(int keyBits, std::uint16_t actualMethod) {
  return std::make_unique<AesDecryptor>(keyBits, actualMethod);
}

TZipExtraFieldDataBlock AesExtraField(int keyBits, std::uint16_t actualMethod) {
  TAESCryptoTransform transform(keyBits, kAesVendorVersion, actualMethod);
  transform.Initialize(TCryptoTransformMode::Encryption, nullptr);
  TZipExtraFieldDataBlock block;
  transform.GetExtraFieldData(block);
  return block;
}

void RunInParallel(std::vector<std::function<void()>>& jobs) {
  unsigned threads = std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()), 8);
  threads = std::min<unsigned>(threads, static_cast<unsigned>(jobs.size()));
  if (threads <= 1) {
    for (auto& job : jobs) job();
    return;
  }
  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (std::size_t i; (i = next.fetch_add(1)) < jobs.size();) jobs[i]();
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (auto& t : pool) t.join();
}

std::size_t AesFramingSize(int keyBits) { return static_cast<std::size_t>(keyBits / 8 / 2 + 2 + 10); }

std::unique_ptr<EntryDecryptor> MakeEntryDecryptor(const TDirItem& entry, std::uint16_t actualMethod) {
  if (entry.IsAesEncrypted()) return MakeAesDecryptor(KeyBitsOfCipherKind(entry.CipherKind), actualMethod);
  const std::uint8_t check = (entry.Header.Flags & 0x0008) ? static_cast<std::uint8_t>(entry.Header.Time >> 8)
                                                           : static_cast<std::uint8_t>(entry.Header.Crc32 >> 24);
  return MakeTraditionalDecryptor(check);
}

}  // namespace zip
