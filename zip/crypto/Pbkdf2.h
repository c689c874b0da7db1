#pragma once
// PBKDF2 (RFC 2898, PKCS #5 v2.0 section 5.2) with HMAC over any hash
// descriptor. Lengths are not limited to 16 bits: a password of any length
// derives its key as the standard defines it instead of being cut short.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "zip/crypto/HashDesc.h"

namespace zip {

constexpr int kKdfOk = 0;
constexpr int kKdfNoDescriptor = 1;
constexpr int kKdfNoDigest = 2;

// Returns kKdfOk, or kKdfNoDescriptor / kKdfNoDigest leaving the output
// untouched. An iteration count <= 0 yields zero bytes.
int kdf2(const THashDesc* descriptor, const void* password, std::size_t passwordLength, const void* salt,
         std::size_t saltLength, std::int32_t iterations, void* output, std::size_t outputLength);
int kdf2s(const THashDesc* descriptor, std::string_view password, const void* salt, std::size_t saltLength,
          std::int32_t iterations, void* output, std::size_t outputLength);
// kdf2 over SHA-1, which is always registered; a missing descriptor would be
// a broken build and throws std::logic_error.
void PBKDF2(const void* password, std::size_t passwordLength, const void* salt, std::size_t saltLength,
            std::int32_t iterations, void* output, std::size_t outputLength);

}  // namespace zip
