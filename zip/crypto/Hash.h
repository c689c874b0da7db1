#pragma once
// The hash class family of the cipher library (MD4, RIPEMD-128/256 and the
// checksum base), built on TProtection like the ciphers. A cipher given its
// key as a string hashes it with one of these.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "zip/crypto/ClassRegistry.h"
#include "zip/crypto/Protection.h"
#include "zip/crypto/StringFormat.h"

namespace zip {

class THash;

struct THashClassInfo : TClassInfo {
  std::int32_t DigestKeySize;         // digest length in bytes
  const std::uint8_t* TestVector;     // expected digest of the library test vector
  std::shared_ptr<THash> (*Create)(std::shared_ptr<TProtection> protection);
};
using THashClass = const THashClassInfo*;

class THash : public TProtection {
 public:
  static const THashClassInfo Class;
  explicit THash(std::shared_ptr<TProtection> protection = nullptr, const THashClassInfo& cls = Class);
  ~THash() override;

  const THashClassInfo& HashClass() const { return static_cast<const THashClassInfo&>(ClassInfo()); }

  virtual void Init();
  virtual void Calc(const void* data, std::int32_t length);
  virtual void Done();
  // The digest bytes (DigestKeySize of them); the base returns the library
  // test vector.
  virtual std::uint8_t* DigestKey();
  std::int32_t DigestKeySize() const { return HashClass().DigestKeySize; }
  std::string DigestStr(int format = fmtDEFAULT);

  // One-call forms: a temporary instance chained to `protection` runs Init,
  // Calc and Done; the digest comes back in the string format.
  static std::string CalcBuffer(THashClass cls, const void* buffer, std::int32_t length,
                                std::shared_ptr<TProtection> protection = nullptr, int format = fmtDEFAULT);
  static std::string CalcString(THashClass cls, const std::string& value,
                                std::shared_ptr<TProtection> protection = nullptr, int format = fmtDEFAULT);
  // size < 0 hashes the whole stream from its start.
  static std::string CalcStream(THashClass cls, std::istream& stream, std::int64_t size,
                                std::shared_ptr<TProtection> protection = nullptr, int format = fmtDEFAULT);
  static std::string CalcFile(THashClass cls, const std::string& fileName,
                              std::shared_ptr<TProtection> protection = nullptr, int format = fmtDEFAULT);
  static bool SelfTest(THashClass cls);

  void CodeInit(TPAction action) override;
  void CodeDone(TPAction action) override;
  void CodeBuf(void* buffer, std::int32_t length, TPAction action) override;
};

// MD4 (RFC 1320). The byte count is kept in 64 bits so inputs of 2^29 bytes
// and more still get their published digest.
class THash_MD4 : public THash {
 public:
  static const THashClassInfo Class;
  explicit THash_MD4(std::shared_ptr<TProtection> protection = nullptr, const THashClassInfo& cls = Class);
  ~THash_MD4() override;

  void Init() override;
  void Calc(const void* data, std::int32_t length) override;
  void Done() override;
  std::uint8_t* DigestKey() override;

 protected:
  virtual void Transform(const std::uint32_t* block);
  std::uint32_t digest_[10];

 private:
  std::uint64_t count_ = 0;
  std::uint8_t buffer_[64];
  std::uint8_t digestBytes_[40];
};

class THash_RipeMD128 : public THash_MD4 {
 public:
  static const THashClassInfo Class;
  explicit THash_RipeMD128(std::shared_ptr<TProtection> protection = nullptr, const THashClassInfo& cls = Class)
      : THash_MD4(std::move(protection), cls) {}

 protected:
  void Transform(const std::uint32_t* block) override;
};

class THash_RipeMD256 : public THash_MD4 {
 public:
  static const THashClassInfo Class;
  explicit THash_RipeMD256(std::shared_ptr<TProtection> protection = nullptr, const THashClassInfo& cls = Class)
      : THash_MD4(std::move(protection), cls) {}
  void Init() override;

 protected:
  void Transform(const std::uint32_t* block) override;
};

// Base for checksum classes; no behaviour of its own.
class TChecksum : public THash {
 public:
  static const THashClassInfo Class;
  explicit TChecksum(std::shared_ptr<TProtection> protection = nullptr, const THashClassInfo& cls = Class)
      : THash(std::move(protection), cls) {}
};

// The factory a class record holds: a new T chained to protection.
template <class T>
std::shared_ptr<THash> CreateHashOf(std::shared_ptr<TProtection> protection) {
  return std::make_shared<T>(std::move(protection));
}

// Hash-class registry: empty at start.
bool RegisterHash(THashClass cls, std::string_view name, std::string_view description);
bool UnregisterHash(THashClass cls);
const std::vector<TClassRegistry<THashClassInfo>::Entry>& HashList();
void HashNames(std::vector<std::pair<std::string, THashClass>>& strings);
THashClass GetHashClass(std::string_view name);
std::string GetHashName(THashClass cls);
THashClass DefaultHashClass();
// nullptr restores THash_RipeMD256.
void SetDefaultHashClass(THashClass cls);

}  // namespace zip
