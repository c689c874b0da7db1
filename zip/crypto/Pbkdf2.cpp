#include "zip/crypto/Pbkdf2.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/Hmac.h"
#include "zip/crypto/SecureWipe.h"
#include "zip/crypto/Sha1.h"

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

  // The SHA-1 routines themselves (not a look-alike descriptor): both keyed
  // states then sit in their first five words after exactly one block.
  const bool sha1 = d->Init == SHA1Init && d->Update == SHA1UpdateXL && d->Final == SHA1FinalEx &&
                    d->BlockLength == kSha1BlockSize && h == kSha1DigestSize;

  auto out = static_cast<std::uint8_t*>(output);
  const std::size_t blocks = outputLength == 0 ? 0 : (outputLength - 1) / h + 1;
  // SHA-1 iterates up to four output blocks side by side, on state words:
  // no context copies, no padding and digest bytes built anew per hash.
  constexpr std::size_t kLanes = 4;
  for (std::size_t first = 1; first <= blocks;) {
    const std::size_t lanes = sha1 ? std::min(kLanes, blocks - first + 1) : 1;
    THashDigest t[kLanes]{};
    if (iterations > 0) {
      std::uint32_t uw[kLanes][5], tw[kLanes][5];
      for (std::size_t l = 0; l < lanes; ++l) {
        const std::size_t block = first + l;
        THashContext withSalt = inner;
        auto s = static_cast<const std::uint8_t*>(salt);
        for (std::size_t left = saltLength; left > 0;) {
          std::size_t piece = std::min<std::size_t>(left, 1u << 30);
          d->Update(withSalt, s, static_cast<std::int32_t>(piece));
          s += piece;
          left -= piece;
        }
        const std::uint8_t counter[4] = {static_cast<std::uint8_t>(block >> 24),
                                         static_cast<std::uint8_t>(block >> 16),
                                         static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block)};
        THashDigest u;
        prf(withSalt, counter, 4, u);
        t[l] = u;
        if (sha1) {
          for (int k = 0; k < 5; ++k) uw[l][k] = tw[l][k] = LoadBE32(u.data() + 4 * k);
        } else {
          for (std::int32_t j = 2; j <= iterations; ++j) {
            prf(inner, u.data(), h, u);
            for (std::size_t k = 0; k < h; ++k) t[l][k] ^= u[k];
          }
        }
        SecureWipe(u.data(), u.size());
        SecureWipe(&withSalt, sizeof withSalt);
      }
      if (sha1) {
        SHA1HmacIterate(inner.Hash, outer.Hash, uw, tw, static_cast<int>(lanes), iterations - 1);
        for (std::size_t l = 0; l < lanes; ++l)
          for (int k = 0; k < 5; ++k) StoreBE32(t[l].data() + 4 * k, tw[l][k]);
      }
      SecureWipe(uw, sizeof uw);
      SecureWipe(tw, sizeof tw);
    }
    for (std::size_t l = 0; l < lanes; ++l, ++first) {
      std::size_t take = std::min(h, outputLength - (first - 1) * h);
      std::memcpy(out + (first - 1) * h, t[l].data(), take);
      SecureWipe(t[l].data(), t[l].size());
    }
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
