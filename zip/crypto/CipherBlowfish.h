#pragma once
// Blowfish (Schneier, 1993): 64-bit blocks, keys up to 56 bytes.
#include "zip/crypto/Cipher.h"

namespace zip {

class TCipher_Blowfish : public TCipher {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_Blowfish(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher(std::move(protection), cls) {}
  explicit TCipher_Blowfish(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher(raw, cls) {}

  void Init(const void* key, std::int32_t size, const void* initVector) override;

 protected:
  void Encode(void* block) override;
  void Decode(void* block) override;
};

}  // namespace zip
