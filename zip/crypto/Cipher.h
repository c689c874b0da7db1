#pragma once
// Block-cipher base of the cipher library: key set-up, initial vector and
// feedback register, the chaining modes and the buffer loops. Each algorithm
// is a subclass that supplies its sizes, its key schedule and one block's
// encoding and decoding.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "zip/crypto/ClassRegistry.h"
#include "zip/crypto/Hash.h"
#include "zip/crypto/Protection.h"

namespace zip {

enum TCipherMode : std::uint8_t {
  cmCTS = 0, cmCBC = 1, cmCFB = 2, cmOFB = 3, cmCTR = 4, cmECB = 5, cmCTSMAC = 6, cmCBCMAC = 7, cmCFBMAC = 8,
};

class ECipherException : public std::runtime_error {
 public:
  ECipherException(int code, const std::string& message) : std::runtime_error(message), ErrorCode(code) {}
  int ErrorCode;
};

constexpr int kCipherErrorKeySize = 2;
constexpr int kCipherErrorNotInitialized = 3;

// Sizes in bytes as the class reports them.
struct TCipherContext {
  std::int32_t KeySize;    // maximum key size
  std::int32_t BlockSize;
  std::int32_t BufSize;    // key schedule
};

class TCipher;
struct TCipherClassInfo : TClassInfo {
  TCipherContext Context;
  const std::uint8_t* TestVector;  // 32 bytes: the self test's expected encoding
  std::shared_ptr<TCipher> (*Create)(std::shared_ptr<TProtection> protection);
};
using TCipherClass = const TCipherClassInfo*;

// Marks the raw-key constructor.
struct TRawKey {};

class TCipher : public TProtection {
 public:
  static const TCipherClassInfo Class;

  // The string-key constructor without the key: chained to `protection`,
  // all actions, default hash class. Use MakeCipher<T>(key) to key it too.
  explicit TCipher(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class);
  // The raw-key constructor without the key: no chain, no actions, no hash
  // class. Use MakeCipher<T>(&keyBytes) to key it too.
  explicit TCipher(TRawKey, const TCipherClassInfo& cls = Class);
  ~TCipher() override;

  const TCipherClassInfo& CipherClass() const { return static_cast<const TCipherClassInfo&>(ClassInfo()); }
  std::int32_t KeySize() const { return keySize_; }
  std::int32_t BlockSize() const { return blockSize_; }
  std::int32_t BufSize() const { return bufSize_; }

  TCipherMode Mode = cmCTS;

  // Hashes the key string with the hash object, keys the cipher with the
  // digest and enciphers the digest in place so no plain copy stays behind.
  void InitKey(std::string_view key, const void* initVector);
  // Keys the cipher with the bytes, then replaces the caller's buffer by a
  // new one holding the key enciphered; the old one is wiped and released.
  void InitKey(std::vector<std::uint8_t>& key, const void* initVector);
  // Algorithm key set-up, framed as InitBegin, key schedule, InitEnd.
  virtual void Init(const void* key, std::int32_t size, const void* initVector);
  // Starts a new chain for the next buffer.
  virtual void Done();
  // Wipes the key schedule and all registers; the object must be keyed again.
  virtual void Protect();

  bool GetFlag(int bit) const { return (flags_ >> bit) & 1; }
  virtual void SetFlag(int bit, bool value);

  // Both throw ECipherException code 3 before the cipher is keyed.
  void EncodeBuffer(const void* source, void* destination, std::int32_t size);
  void DecodeBuffer(const void* source, void* destination, std::int32_t size);

  std::shared_ptr<THash> GetHash();
  THashClass HashClass() const { return hashClass_; }
  void SetHashClass(THashClass cls);

  // The registers, for reading a MAC or checking a chain.
  const std::uint8_t* InitVector() const { return vector_.data(); }
  const std::uint8_t* Feedback() const { return feedback_.data(); }
  const std::uint8_t* Buffer() const { return buffer_.data(); }

  void CodeInit(TPAction action) override;
  void CodeDone(TPAction action) override;
  void CodeBuf(void* buffer, std::int32_t length, TPAction action) override;

  static std::int32_t MaxKeySize(TCipherClass cls) { return cls->Context.KeySize; }
  // Encodes the library test vector under the class name as key (cmCTS),
  // compares with the class's vector, decodes and compares again.
  static bool SelfTest(TCipherClass cls);

 protected:
  // Clears "initialised", runs Protect and brings the size into range.
  void InitBegin(std::int32_t& size);
  virtual void InitEnd(const void* initVector);
  // One block in place.
  virtual void Encode(void* block);
  virtual void Decode(void* block);
  // Several consecutive blocks in place; an algorithm may interleave them.
  virtual void EncodeBlocks(std::uint8_t* blocks, std::int32_t count);
  // The key schedule buffer (BufSize bytes, 8-byte aligned).
  std::uint8_t* User() { return reinterpret_cast<std::uint8_t*>(user_.data()); }
  const std::uint8_t* User() const { return reinterpret_cast<const std::uint8_t*>(user_.data()); }

 private:
  void Setup();
  void CheckInitialized() const;
  void EncodeBlockOf(std::uint8_t* out, const std::uint8_t* in);
  void CounterXor(const std::uint8_t* source, std::uint8_t* destination, std::int32_t size);
  void ShiftIn(std::uint8_t byte);
  // A tail shorter than a block: xored with the encoded feedback register;
  // `chain` folds that encoding into the register as well.
  void XorTail(std::uint8_t* tail, std::int32_t count, bool chain);

  std::shared_ptr<THash> hash_;
  THashClass hashClass_ = nullptr;
  std::int32_t keySize_ = 0, blockSize_ = 0, bufSize_ = 0;
  std::vector<std::uint8_t> buffer_, vector_, feedback_;
  std::vector<std::uint64_t> user_;
  std::uint32_t flags_ = 0;
  std::int32_t keyStreamPos_ = 0;
  std::vector<std::uint8_t> keyStream_, counter_;
  std::vector<std::uint8_t> counterBlocks_;  // a batch of key-stream blocks
};

// The factory a class record holds: a new, unkeyed T chained to protection.
template <class T>
std::shared_ptr<TCipher> CreateCipherOf(std::shared_ptr<TProtection> protection) {
  return std::make_shared<T>(std::move(protection));
}

// A new cipher of class T keyed from a string (hashed; empty: not keyed).
template <class T>
std::shared_ptr<T> MakeCipher(std::string_view key, std::shared_ptr<TProtection> protection = nullptr) {
  auto c = std::make_shared<T>(std::move(protection));
  if (!key.empty()) c->InitKey(key, nullptr);
  return c;
}
// A new cipher of class T keyed from raw bytes; *key is replaced by its
// enciphered form (nullptr: not keyed).
template <class T>
std::shared_ptr<T> MakeCipher(std::vector<std::uint8_t>* key) {
  auto c = std::make_shared<T>(TRawKey{});
  if (key) c->InitKey(*key, nullptr);
  return c;
}

// The key-size check (off at start): when on, a key longer than the
// class's maximum throws code 2 instead of being cut.
bool CheckCipherKeySize();
void SetCheckCipherKeySize(bool on);

// Registry; TCipher_Rijndael is registered from the start.
bool RegisterCipher(TCipherClass cls, std::string_view name, std::string_view description);
bool UnregisterCipher(TCipherClass cls);
const std::vector<TClassRegistry<TCipherClassInfo>::Entry>& CipherList();
void CipherNames(std::vector<std::pair<std::string, TCipherClass>>& strings);
TCipherClass GetCipherClass(std::string_view name);
std::string GetCipherName(TCipherClass cls);
TCipherClass DefaultCipherClass();
// nullptr restores TCipher_Rijndael.
void SetDefaultCipherClass(TCipherClass cls);
[[noreturn]] void RaiseCipherException(int code, const std::string& message);

}  // namespace zip
