#pragma once
// Enciphers or deciphers the bytes that pass (the traditional PKWARE cipher
// or AES in counter mode), and the authentication code over the cipher text
// as a stage of its own: before the cipher when writing, after it when
// reading, so that the code covers the cipher text either way.
#include <cstdint>
#include <vector>

#include "zip/EntryCrypto.h"
#include "zip/EntryStage.h"

namespace zip {

class EncryptStage : public EntryStage {
 public:
  EncryptStage(EntryStage* next, EntryEncryptor& cipher) : EntryStage(next), cipher_(cipher) {}
  bool Write(const std::uint8_t* data, std::size_t size) override;

 private:
  EntryEncryptor& cipher_;
  std::vector<std::uint8_t> work_;
};

class DecryptStage : public EntryStage {
 public:
  DecryptStage(EntryStage* next, EntryDecryptor& cipher) : EntryStage(next), cipher_(cipher) {}
  bool Write(const std::uint8_t* data, std::size_t size) override;

 private:
  EntryDecryptor& cipher_;
  std::vector<std::uint8_t> work_;
};

class MacStage : public EntryStage {
 public:
  MacStage(EntryStage* next, EntryAuthenticator& mac) : EntryStage(next), mac_(mac) {}
  bool Write(const std::uint8_t* data, std::size_t size) override {
    mac_.Authenticate(data, size);
    return Pass(data, size);
  }

 private:
  EntryAuthenticator& mac_;
};

}  // namespace zip
