#pragma once
// Twofish (Schneier et al., 1998): 128-bit blocks, 128-, 192- and 256-bit
// keys; a shorter key is zero-padded to the next of these sizes.
#include "zip/crypto/Cipher.h"

namespace zip {

class TCipher_Twofish : public TCipher {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_Twofish(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher(std::move(protection), cls) {}
  explicit TCipher_Twofish(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher(raw, cls) {}

  void Init(const void* key, std::int32_t size, const void* initVector) override;

 protected:
  void Encode(void* block) override;
  void Decode(void* block) override;
};

}  // namespace zip
