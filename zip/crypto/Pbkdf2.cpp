#include "zip/crypto/Pbkdf2.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "zip/crypto/Hmac.h"
#include "zip/crypto/SecureWipe.h"

namespace zip {
int kdf2(const THashDesc* d, const void* password, std::size_t passwordLength, const void* salt,
         std::size_t saltLength, std::int32_t iterations, void* output, std::size_t outputLength) {
  if (!IsValidHashDesc(d)) return kKdfNoDescriptor;
  const std::size_t h = d->DigestLength;
  if (h == 0) return kKdfNoDigest;

  // The keyed inner and outer states are computed once; every iteration then
  // costs one block of each instead of re-hashing the padded key.
  THMAC_Context keyed;
  hmac_init(keyed, d, password, passwordLength);
  THashContext outer;
  for (std::size_t i = 0; i < d->BlockLength; ++i) keyed.KeyBlock[i] ^= 0x36 ^ 0x5C;
  d->Init(outer);
  d->Update(outer, keyed.KeyBlock, d->BlockLength);
  THashContext inner = keyed.HashContext;

  auto prf = [&](const THashContext& start, const std::uint8_t* data, std::size_t n, THashDigest& out) {
    THashContext c = start;
    d->Update(c, data, static_cast<std::int32_t>(n));
    THashDigest innerDigest;
    d->Final(c, innerDigest);
    c = outer;
    d->Update(c, innerDigest.data(), static_cast<std::int32_t>(h));
    d->Final(c, out);
  };

  auto out = static_cast<std::uint8_t*>(output);
  const std::size_t blocks = outputLength == 0 ? 0 : (outputLength - 1) / h + 1;
  for (std::size_t block = 1; block <= blocks; ++block) {
    THashDigest t{};
    if (iterations > 0) {
      THashContext withSalt = inner;
      auto s = static_cast<const std::uint8_t*>(salt);
      for (std::size_t left = saltLength; left > 0;) {
        std::size_t piece = std::min<std::size_t>(left, 1u << 30);
        d->Update(withSalt, s, static_cast<std::int32_t>(piece));
        s += piece;
        left -= piece;
      }
      const std::uint8_t counter[4] = {static_cast<std::uint8_t>(block >> 24), static_cast<std::uint8_t>(block >> 16),
                                       static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block)};
      THashDigest u;
      prf(withSalt, counter, 4, u);
      t = u;
      for (std::int32_t j = 2; j <= iterations; ++j) {
        prf(inner, u.data(), h, u);
        for (std::size_t k = 0; k < h; ++k) t[k] ^= u[k];
      }
      SecureWipe(u.data(), u.size());
      SecureWipe(&withSalt, sizeof withSalt);
    }
    std::size_t take = std::min(h, outputLength - (block - 1) * h);
    std::memcpy(out + (block - 1) * h, t.data(), take);
    SecureWipe(t.data(), t.size());
  }
  SecureWipe(&keyed, sizeof keyed);
  SecureWipe(&outer, sizeof outer);
  SecureWipe(&inner, sizeof inner);
  return kKdfOk;
}

int kdf2s(const THashDesc* descriptor, std::string_view password, const void* salt, std::size_t saltLength,
          std::int32_t iterations, void* output, std::size_t outputLength) {
  return kdf2(descriptor, password.data(), password.size(), salt, saltLength, iterations, output, outputLength);
}

void PBKDF2(const void* password, std::size_t passwordLength, const void* salt, std::size_t saltLength,
            std::int32_t iterations, void* output, std::size_t outputLength) {
  if (kdf2(FindHash_by_ID(_SHA1), password, passwordLength, salt, saltLength, iterations, output, outputLength) !=
      kKdfOk)
    throw std::logic_error("PBKDF2: the SHA-1 descriptor is missing");
}

}  // namespace zip
