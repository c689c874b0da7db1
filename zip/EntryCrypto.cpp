#include "zip/EntryCrypto.h"

#include <stdexcept>

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

}  // namespace

std::unique_ptr<EntryEncryptor> MakeTraditionalEncryptor(const ByteString& password, std::uint32_t crc32) {
  return std::make_unique<TraditionalEncryptor>(password, crc32);
}

std::unique_ptr<EntryDecryptor> MakeTraditionalDecryptor(std::uint8_t checkByte) {
  return std::make_unique<TraditionalDecryptor>(checkByte);
}

std::unique_ptr<EntryEncryptor> MakeAesEncryptor(int, std::uint16_t, const ByteString&) {
  throw std::logic_error("AES entries are not available in this build");
}

std::unique_ptr<EntryDecryptor> MakeAesDecryptor(int, std::uint16_t) {
  throw std::logic_error("AES entries are not available in this build");
}

TZipExtraFieldDataBlock AesExtraField(int keyBits, std::uint16_t actualMethod) {
  TZipExtraFieldDataBlock block;
  block.HeaderId = kExtraAes;
  block.DataSize = 7;
  block.Data = {2, 0, 'A', 'E', static_cast<std::uint8_t>(keyBits == 128 ? 1 : keyBits == 192 ? 2 : 3),
                static_cast<std::uint8_t>(actualMethod), static_cast<std::uint8_t>(actualMethod >> 8)};
  return block;
}

std::size_t AesFramingSize(int keyBits) { return static_cast<std::size_t>(keyBits / 8 / 2 + 2 + 10); }

}  // namespace zip
