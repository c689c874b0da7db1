#pragma once
// WinZip AES entry encryption (AE-2): PBKDF2-HMAC-SHA1 key derivation with
// 1000 iterations over a per-entry salt, AES in counter mode (little-endian
// counter from 1), HMAC-SHA1 over the cipher text cut to 10 bytes, a 2-byte
// password verifier and the 0x9901 extra field. 128-, 192- and 256-bit keys.
//
// Entry data: salt (key length / 2) | verifier (2) | cipher text | code (10).
#include <memory>

#include "zip/crypto/CipherRijndael.h"
#include "zip/crypto/Hmac.h"
#include "zip/crypto/TPBKDF2.h"
#include "zip/crypto/ZipCryptoTransform.h"

namespace zip {

constexpr std::uint16_t kAesExtraFieldId = 0x9901;
constexpr std::uint16_t kAesExtraFieldSize = 7;
constexpr std::uint16_t kAesCompressionMethod = 99;
constexpr std::int32_t kAesKeyIterations = 1000;

class TAESCryptoTransform : public TZipCryptoTransform {
 public:
  // keyBits 128, 192 or 256; vendor version 2; the entry's real compression
  // method (8 deflate, 0 stored) for the extra field.
  TAESCryptoTransform(int keyBits, std::uint16_t vendorVersion, std::uint16_t actualCompressionMethod);
  ~TAESCryptoTransform() override;
  static std::unique_ptr<TAESCryptoTransform> CreateAESEncryption(int keyBits, std::uint16_t vendorVersion,
                                                                  std::uint16_t actualCompressionMethod);

  // Encryption, or no salt loaded yet: a new random salt. Decryption with a
  // salt: keys for that salt.
  void GenerateKey(const std::string& password) override;
  bool CheckPassword(const std::string& password, const TDirItem* item) override;
  // The encryption key as the cipher's raw-key set-up leaves it (enciphered).
  const std::vector<std::uint8_t>& GetKey() const override {
    DeriveDueKeys();
    return encryptionKey_;
  }
  const std::string& GetPassword() const override { return password_; }
  void Reset() override;
  std::int32_t DecryptBuffer(const std::uint8_t* source, std::int32_t sourceIndex, std::int32_t count,
                             std::uint8_t* destination, std::int32_t destinationIndex) override;
  std::int32_t EncryptBuffer(const std::uint8_t* source, std::int32_t sourceIndex, std::int32_t count,
                             std::uint8_t* destination, std::int32_t destinationIndex) override;
  std::vector<std::uint8_t> GetFileStorageStartBlock() override;
  using TZipCryptoTransform::LoadFileStorageStartBlock;
  using TZipCryptoTransform::LoadFileStorageEndBlock;
  // Reads the salt, puts the keys for it and the transform's password in
  // force (UpdateKeys), then reads the stored verifier.
  [[nodiscard]] bool LoadFileStorageStartBlock(std::istream& stream, std::int64_t offset) override;
  std::int32_t GetFileStorageStartBlockSize() const override { return keyLength_ / 2 + 2; }
  std::vector<std::uint8_t> GetFileStorageEndBlock() override;
  [[nodiscard]] bool LoadFileStorageEndBlock(std::istream& stream, std::int64_t offset) override;
  std::int32_t GetFileStorageEndBlockSize() const override { return authCodeSize_; }
  // Compares the HMAC of the cipher text with the loaded code. The CRC-32 is
  // not consulted: AE-2 entries are judged by their code alone.
  bool IsDirItemCorrupted(const TDirItem* item, std::uint32_t crc32) override;
  void GetExtraFieldData(TZipExtraFieldDataBlock& block) override;

  // The two halves of EncryptBuffer and DecryptBuffer, for callers that run
  // the cipher and the authentication code as steps of their own: the
  // counter-mode key stream XORed into the data (the same both ways), and
  // the HMAC fed with cipher text.
  void ApplyKeyStream(std::uint8_t* data, std::size_t count);
  void Authenticate(const std::uint8_t* cipherText, std::size_t count);

  // Puts encryption key, HMAC key and verifier of the password and the
  // current salt in force; restarts the counter and the HMAC. The costly
  // derivation itself waits until something uses the keys: reading an entry
  // sets the password and then the stored salt, and only the keys of both
  // are ever used.
  void UpdateKeys();

  std::uint16_t KeyLength() const { return keyLength_; }
  const std::vector<std::uint8_t>& Salt() const { return salt_; }
  const std::vector<std::uint8_t>& PasswordVerifier() const {
    if (verifierDue_) DeriveDueKeys();
    return verifier_;
  }

 private:
  std::vector<std::uint8_t> DeriveBytes(const std::string& password) const;
  // Derives the keys that UpdateKeys put in force, if not done yet.
  void DeriveDueKeys() const;
  void FinishAuthentication();

  // What a key derivation fills in lies behind DeriveDueKeys, so that the
  // read-only accessors can bring it about.
  mutable std::unique_ptr<TPBKDF2> keyGenerator_;
  mutable THMAC_Context hmac_{};
  const THashDesc* hashDesc_;
  mutable std::shared_ptr<TCipher_Rijndael> cipher_;
  std::uint16_t keyLength_;
  mutable std::vector<std::uint8_t> hmacKey_;
  mutable std::vector<std::uint8_t> encryptionKey_;
  mutable std::vector<std::uint8_t> verifier_;
  // The verifier of the keys in force, kept apart from verifier_, which
  // holds the stored one once a start block was loaded.
  mutable std::vector<std::uint8_t> derivedVerifier_;
  // Keys of password_ and salt_ are in force (derived or due).
  bool haveKeys_ = false;
  // UpdateKeys ran and its derivation has not; the verifier is to become the
  // derived one unless a stored one replaced it meanwhile.
  mutable bool keysDue_ = false;
  mutable bool verifierDue_ = false;
  std::vector<std::uint8_t> salt_;
  std::vector<std::uint8_t> authCode_;
  std::string password_;
  std::uint16_t vendorVersion_;
  std::uint16_t actualMethod_;
  std::int32_t authCodeSize_ = 10;
  // The HMAC is finished once; its first 10 bytes are kept here.
  bool authFinished_ = false;
  std::vector<std::uint8_t> computedCode_;
};

}  // namespace zip
