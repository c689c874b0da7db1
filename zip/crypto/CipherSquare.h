#pragma once
// Square (Daemen, Knudsen, Rijmen, 1997): 128-bit blocks and keys, 8 rounds.
#include "zip/crypto/Cipher.h"

namespace zip {

class TCipher_Square : public TCipher {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_Square(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher(std::move(protection), cls) {}
  explicit TCipher_Square(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher(raw, cls) {}

  // A shorter key is zero-padded to 16 bytes.
  void Init(const void* key, std::int32_t size, const void* initVector) override;

 protected:
  void Encode(void* block) override;
  void Decode(void* block) override;
};

}  // namespace zip
