#pragma once
// DES (FIPS 46-3) and the triple-DES forms built on it.
#include "zip/crypto/Cipher.h"

namespace zip {

class TCipher_1DES : public TCipher {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_1DES(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher(std::move(protection), cls) {}
  explicit TCipher_1DES(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher(raw, cls) {}

  void Init(const void* key, std::int32_t size, const void* initVector) override;

 protected:
  void Encode(void* block) override;
  void Decode(void* block) override;
  // Fills one 256-byte schedule (encryption, then decryption sub-keys) from 8 key bytes.
  static void MakeSchedule(const std::uint8_t key[8], std::uint8_t* schedule);
  // One DES block under the encryption or decryption half of a schedule.
  static void Crypt(const std::uint8_t* subkeys, std::uint8_t block[8]);
  static constexpr int kScheduleSize = 256;
  static constexpr int kDecryptOffset = 128;
};

// Encrypt-decrypt-encrypt with key bytes 0-7, 8-15, 16-23. A shorter key is
// zero-padded to 24 bytes, so a 16-byte key runs the third step under an
// all-zero key.
class TCipher_3DES : public TCipher_1DES {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_3DES(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher_1DES(std::move(protection), cls) {}
  explicit TCipher_3DES(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher_1DES(raw, cls) {}

  void Init(const void* key, std::int32_t size, const void* initVector) override;

 protected:
  void Encode(void* block) override;
  void Decode(void* block) override;
  // Step 0..2 of the encoding (E k1, D k2, E k3) and their inverses.
  void EncodeStep(int step, std::uint8_t block[8]) const;
  void DecodeStep(int step, std::uint8_t block[8]) const;
};

// Triple DES over 24-byte blocks: each step runs on the three 8-byte parts,
// and between steps the 32-bit words 1 and 2 of the block change places.
class TCipher_3TDES : public TCipher_3DES {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_3TDES(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher_3DES(std::move(protection), cls) {}
  explicit TCipher_3TDES(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher_3DES(raw, cls) {}

 protected:
  void Encode(void* block) override;
  void Decode(void* block) override;
};

}  // namespace zip
