#include "zip/crypto/AESCryptoTransform.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <stdexcept>

#include "zip/crypto/SecureWipe.h"

namespace zip {

TAESCryptoTransform::TAESCryptoTransform(int keyBits, std::uint16_t vendorVersion,
                                         std::uint16_t actualCompressionMethod)
    : hashDesc_(FindHash_by_Name("SHA1")),
      keyLength_(static_cast<std::uint16_t>(keyBits / 8)),
      vendorVersion_(vendorVersion),
      actualMethod_(actualCompressionMethod) {}

TAESCryptoTransform::~TAESCryptoTransform() {
  SecureWipe(hmacKey_);
  SecureWipe(encryptionKey_);
  SecureWipe(derivedVerifier_);
  SecureWipe(password_);
  SecureWipe(&hmac_, sizeof hmac_);
}

std::unique_ptr<TAESCryptoTransform> TAESCryptoTransform::CreateAESEncryption(int keyBits,
                                                                              std::uint16_t vendorVersion,
                                                                              std::uint16_t actualCompressionMethod) {
  return std::make_unique<TAESCryptoTransform>(keyBits, vendorVersion, actualCompressionMethod);
}

void TAESCryptoTransform::GenerateKey(const std::string& password) {
  password_ = password;
  keyGenerator_.reset();
  const std::int32_t saltLength = keyLength_ / 2;
  if (mode_ == TCryptoTransformMode::Decryption && !salt_.empty()) {
    keyGenerator_ = std::make_unique<TPBKDF2>(password_, salt_.data(), saltLength, kAesKeyIterations);
  } else {
    keyGenerator_ = std::make_unique<TPBKDF2>(password_, saltLength, kAesKeyIterations);
    salt_ = keyGenerator_->GetSaltValue();
  }
  UpdateKeys();
}

std::vector<std::uint8_t> TAESCryptoTransform::DeriveBytes(const std::string& password) const {
  TPBKDF2 generator(password, salt_.data(), static_cast<std::int32_t>(salt_.size()), kAesKeyIterations);
  std::vector<std::uint8_t> bytes;
  (void)generator.GetKeyBytes(2 * keyLength_ + 2, bytes);
  return bytes;
}

void TAESCryptoTransform::UpdateKeys() {
  haveKeys_ = true;
  keysDue_ = true;
  verifierDue_ = true;
  authFinished_ = false;
  computedCode_.clear();
}

void TAESCryptoTransform::DeriveDueKeys() const {
  if (!keysDue_) return;
  keysDue_ = false;
  keyGenerator_ = std::make_unique<TPBKDF2>(password_, salt_.data(), static_cast<std::int32_t>(salt_.size()),
                                            kAesKeyIterations);
  std::vector<std::uint8_t> derived;
  (void)keyGenerator_->GetKeyBytes(2 * keyLength_ + 2, derived);
  const auto kl = static_cast<std::ptrdiff_t>(keyLength_);
  SecureWipe(encryptionKey_);
  SecureWipe(hmacKey_);
  encryptionKey_.assign(derived.begin(), derived.begin() + kl);
  hmacKey_.assign(derived.begin() + kl, derived.begin() + 2 * kl);
  derivedVerifier_.assign(derived.begin() + 2 * kl, derived.end());
  if (verifierDue_) verifier_ = derivedVerifier_;
  verifierDue_ = false;
  SecureWipe(derived);

  hmac_init(hmac_, hashDesc_, hmacKey_.data(), hmacKey_.size());
  cipher_ = MakeCipher<TCipher_Rijndael>(&encryptionKey_);
  cipher_->Mode = cmCTR;
}

bool TAESCryptoTransform::CheckPassword(const std::string& password, const TDirItem*) {
  // The keys in force already hold this password's verifier for the salt.
  const bool inForce = haveKeys_ && password == password_;
  if (inForce || verifierDue_) DeriveDueKeys();
  if (verifier_.size() != 2) return false;
  if (inForce) return derivedVerifier_ == verifier_;
  std::vector<std::uint8_t> derived = DeriveBytes(password);
  bool match = derived[2 * keyLength_] == verifier_[0] && derived[2 * keyLength_ + 1] == verifier_[1];
  SecureWipe(derived);
  return match;
}

void TAESCryptoTransform::Reset() {
  // The HMAC context outlives a reset; it is to hold what the keys in force
  // made of it.
  DeriveDueKeys();
  haveKeys_ = false;
  SecureWipe(derivedVerifier_);
  derivedVerifier_.clear();
  SecureWipe(password_);
  password_.clear();
  keyLength_ = 0;
  SecureWipe(hmacKey_);
  SecureWipe(encryptionKey_);
  hmacKey_.clear();
  encryptionKey_.clear();
  keyGenerator_.reset();
  salt_.clear();
  verifier_.clear();
  cipher_.reset();
}

std::int32_t TAESCryptoTransform::EncryptBuffer(const std::uint8_t* source, std::int32_t sourceIndex,
                                                std::int32_t count, std::uint8_t* destination,
                                                std::int32_t destinationIndex) {
  DeriveDueKeys();
  if (!cipher_) throw std::logic_error("AES transform used before GenerateKey");
  if (count <= 0) return count;
  std::uint8_t* out = destination + destinationIndex;
  std::memmove(out, source + sourceIndex, static_cast<std::size_t>(count));
  cipher_->EncodeBuffer(out, out, count);
  hmac_updateXL(hmac_, out, count);
  return count;
}

std::int32_t TAESCryptoTransform::DecryptBuffer(const std::uint8_t* source, std::int32_t sourceIndex,
                                                std::int32_t count, std::uint8_t* destination,
                                                std::int32_t destinationIndex) {
  DeriveDueKeys();
  if (!cipher_) throw std::logic_error("AES transform used before GenerateKey");
  if (count <= 0) return count;
  hmac_updateXL(hmac_, source + sourceIndex, count);
  std::uint8_t* out = destination + destinationIndex;
  std::memmove(out, source + sourceIndex, static_cast<std::size_t>(count));
  cipher_->DecodeBuffer(out, out, count);
  return count;
}

void TAESCryptoTransform::ApplyKeyStream(std::uint8_t* data, std::size_t count) {
  DeriveDueKeys();
  if (!cipher_) throw std::logic_error("AES transform used before GenerateKey");
  // The cipher takes 32-bit counts; the counter runs on across the pieces.
  for (std::size_t done = 0; done < count;) {
    auto n = static_cast<std::int32_t>(std::min<std::size_t>(count - done, 0x40000000));
    cipher_->EncodeBuffer(data + done, data + done, n);
    done += static_cast<std::size_t>(n);
  }
}

void TAESCryptoTransform::Authenticate(const std::uint8_t* cipherText, std::size_t count) {
  DeriveDueKeys();
  for (std::size_t done = 0; done < count;) {
    auto n = static_cast<std::int32_t>(std::min<std::size_t>(count - done, 0x40000000));
    hmac_updateXL(hmac_, cipherText + done, n);
    done += static_cast<std::size_t>(n);
  }
}

std::vector<std::uint8_t> TAESCryptoTransform::GetFileStorageStartBlock() {
  if (verifierDue_) DeriveDueKeys();
  std::vector<std::uint8_t> block = salt_;
  block.insert(block.end(), verifier_.begin(), verifier_.end());
  return block;
}

bool TAESCryptoTransform::LoadFileStorageStartBlock(std::istream& stream, std::int64_t offset) {
  if (offset) stream.seekg(offset, std::ios::cur);
  std::vector<std::uint8_t> salt(keyLength_ / 2u);
  stream.read(reinterpret_cast<char*>(salt.data()), static_cast<std::streamsize>(salt.size()));
  if (stream.gcount() != static_cast<std::streamsize>(salt.size())) return false;
  salt_ = std::move(salt);
  UpdateKeys();
  std::uint8_t stored[2];
  stream.read(reinterpret_cast<char*>(stored), 2);
  if (stream.gcount() != 2) return false;
  verifier_.assign(stored, stored + 2);
  verifierDue_ = false;
  return true;
}

void TAESCryptoTransform::FinishAuthentication() {
  DeriveDueKeys();
  if (authFinished_) return;
  THashDigest digest;
  hmac_final(hmac_, digest);
  computedCode_.assign(digest.begin(), digest.begin() + authCodeSize_);
  authFinished_ = true;
}

std::vector<std::uint8_t> TAESCryptoTransform::GetFileStorageEndBlock() {
  FinishAuthentication();
  authCode_ = computedCode_;
  return authCode_;
}

bool TAESCryptoTransform::LoadFileStorageEndBlock(std::istream& stream, std::int64_t offset) {
  if (offset) stream.seekg(offset, std::ios::cur);
  std::vector<std::uint8_t> code(static_cast<std::size_t>(authCodeSize_));
  stream.read(reinterpret_cast<char*>(code.data()), static_cast<std::streamsize>(code.size()));
  if (stream.gcount() != static_cast<std::streamsize>(code.size())) return false;
  authCode_ = std::move(code);
  return true;
}

bool TAESCryptoTransform::IsDirItemCorrupted(const TDirItem*, std::uint32_t) {
  FinishAuthentication();
  if (authCode_.size() != computedCode_.size()) return true;
  std::uint8_t diff = 0;
  for (std::size_t i = 0; i < authCode_.size(); ++i) diff |= authCode_[i] ^ computedCode_[i];
  return diff != 0;
}

void TAESCryptoTransform::GetExtraFieldData(TZipExtraFieldDataBlock& block) {
  std::uint8_t strength = keyLength_ == 16 ? 1 : keyLength_ == 24 ? 2 : 3;
  block.HeaderId = kAesExtraFieldId;
  block.DataSize = kAesExtraFieldSize;
  block.Data = {static_cast<std::uint8_t>(vendorVersion_), static_cast<std::uint8_t>(vendorVersion_ >> 8),
                'A', 'E', strength,
                static_cast<std::uint8_t>(actualMethod_), static_cast<std::uint8_t>(actualMethod_ >> 8)};
}

}  // namespace zip
