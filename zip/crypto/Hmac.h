#pragma once
// HMAC (RFC 2104) over any hash descriptor.
#include <cstdint>
#include <string_view>

#include "zip/crypto/HashDesc.h"

namespace zip {

struct THMAC_Context {
  THashContext HashContext;
  std::uint8_t KeyBlock[128];  // BlockLength bytes used
  const THashDesc* Descriptor;  // nullptr: the context is unusable
};

// Zeroes the context; with a usable descriptor keys it (a key longer than the
// block length is replaced by its digest) and starts the inner hash.
void hmac_init(THMAC_Context& context, const THashDesc* descriptor, const void* key, std::size_t keyLength);
void hmac_inits(THMAC_Context& context, const THashDesc* descriptor, std::string_view key);
void hmac_update(THMAC_Context& context, const void* data, std::uint16_t length);
void hmac_updateXL(THMAC_Context& context, const void* data, std::int32_t length);
// The HMAC value is the first DigestLength bytes of the area.
void hmac_final(THMAC_Context& context, THashDigest& digest);

}  // namespace zip
