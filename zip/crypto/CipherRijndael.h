#pragma once
// AES (FIPS-197) with 128-, 192- and 256-bit keys, and the variant with a
// different key expansion for keys over 24 bytes.
#include "zip/crypto/Cipher.h"

namespace zip {

class TCipher_Rijndael : public TCipher {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_Rijndael(std::shared_ptr<TProtection> protection = nullptr, const TCipherClassInfo& cls = Class)
      : TCipher(std::move(protection), cls) {}
  explicit TCipher_Rijndael(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher(raw, cls) {}

  // The key is zero-padded to 32 bytes; up to 16 bytes give 10 rounds, up
  // to 24 bytes 12, longer keys 14.
  void Init(const void* key, std::int32_t size, const void* initVector) override;
  int Rounds() const { return rounds_; }

 protected:
  void Encode(void* block) override;
  void EncodeBlocks(std::uint8_t* blocks, std::int32_t count) override;
  void Decode(void* block) override;
  // Fills the 4 * (rounds + 1) encryption round-key words from the padded key.
  virtual void ExpandKey(const std::uint8_t key[32], int keyWords, std::uint32_t* roundKeys) const;

 private:
  int rounds_ = 0;
};

// Differs only for keys over 24 bytes: each 8-word step chains words 1..7,
// then folds the S-box image of word 3 into word 4 and chains 5..7 again.
class TCipher_RijndaelZip : public TCipher_Rijndael {
 public:
  static const TCipherClassInfo Class;
  explicit TCipher_RijndaelZip(std::shared_ptr<TProtection> protection = nullptr,
                               const TCipherClassInfo& cls = Class)
      : TCipher_Rijndael(std::move(protection), cls) {}
  explicit TCipher_RijndaelZip(TRawKey raw, const TCipherClassInfo& cls = Class) : TCipher_Rijndael(raw, cls) {}

 protected:
  void ExpandKey(const std::uint8_t key[32], int keyWords, std::uint32_t* roundKeys) const override;
};

// Bulk counter-mode encryption uses the processor's AES instructions when it
// has them; tests and benchmarks switch that off to run the portable rounds.
void SetRijndaelHardware(bool allowed);

}  // namespace zip
