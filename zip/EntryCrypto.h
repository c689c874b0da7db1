#pragma once
// Per-entry encryption as the archiver drives it: the traditional PKWARE
// cipher and WinZip AES behind one shape (start block, data, end block).
// The cipher and the authentication code are separate calls, so that they
// run as separate stages of an entry's chain (CipherStage.h); the code is
// always taken over the cipher text.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "zip/Streams.h"
#include "zip/ZipRecords.h"
#include "zip/ZipTypes.h"

namespace zip {

class EntryAuthenticator {
 public:
  virtual ~EntryAuthenticator() = default;
  // Feeds cipher text to the authentication code; nothing for a cipher
  // without one.
  virtual void Authenticate(const std::uint8_t* data, std::size_t count) {}
};

class EntryEncryptor : public EntryAuthenticator {
 public:
  virtual std::vector<std::uint8_t> StartBlock() = 0;  // written before the data
  virtual void Encrypt(std::uint8_t* data, std::size_t count) = 0;
  // Written after the data; finishes the authentication code.
  virtual std::vector<std::uint8_t> EndBlock() = 0;
  // Whether the cipher has an authentication code (a MAC stage is needed).
  virtual bool Authenticates() const { return false; }
};

class EntryDecryptor : public EntryAuthenticator {
 public:
  virtual std::size_t StartBlockSize() const = 0;
  virtual std::size_t EndBlockSize() const = 0;
  // Reads the start block at the stream's position and tells whether the
  // password fits it.
  virtual bool LoadAndCheck(TStream& stream, const ByteString& password) = 0;
  virtual void Decrypt(std::uint8_t* data, std::size_t count) = 0;
  // Reads the end block at the stream's position; false when the data was
  // altered (always true for the traditional cipher, which has none).
  virtual bool Verify(TStream& stream) = 0;
  virtual bool Authenticates() const { return false; }
  // Does the costly key work for this start block and password ahead of
  // time; LoadAndCheck with the same block and password then only reads.
  // Safe to call from another thread while nothing else uses the object.
  virtual void Prepare(const std::vector<std::uint8_t>& startBlock, const ByteString& password) {}
};

std::unique_ptr<EntryEncryptor> MakeTraditionalEncryptor(const ByteString& password, std::uint32_t crc32);
// `checkByte` is what the twelfth deciphered header byte must equal.
std::unique_ptr<EntryDecryptor> MakeTraditionalDecryptor(std::uint8_t checkByte);

struct TDirItem;
// The decryptor of an encrypted entry: AES with the entry's key size, else
// the traditional cipher with the check byte its header gives.
std::unique_ptr<EntryDecryptor> MakeEntryDecryptor(const TDirItem& entry, std::uint16_t actualMethod);

// Key bits 128, 192 or 256; the key is derived from `password`.
std::unique_ptr<EntryEncryptor> MakeAesEncryptor(int keyBits, std::uint16_t actualMethod, const ByteString& password);
std::unique_ptr<EntryDecryptor> MakeAesDecryptor(int keyBits, std::uint16_t actualMethod);
// The 0x9901 extra field of an AES entry.
TZipExtraFieldDataBlock AesExtraField(int keyBits, std::uint16_t actualMethod);
// Start plus end block of an AES entry.
std::size_t AesFramingSize(int keyBits);
// Runs independent jobs on a few threads at once and waits for all: the key
// derivations of many entries are costly and share nothing.
void RunInParallel(std::vector<std::function<void()>>& jobs);

inline int KeyBitsOfCipherKind(int kind) { return kind == 1 ? 128 : kind == 2 ? 192 : 256; }
inline bool IsAes(TZipCryptoAlgorithm m) { return m == caAES_128 || m == caAES_192 || m == caAES_256; }
// Key bits of an AES algorithm.
inline int KeyBitsOf(TZipCryptoAlgorithm m) { return m == caAES_128 ? 128 : m == caAES_192 ? 192 : 256; }

}  // namespace zip
