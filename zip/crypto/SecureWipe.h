#pragma once
// Overwrites key material before its memory goes back to the allocator, in
// a way the optimiser may not drop.
#include <cstddef>
#include <cstdint>
#include <string.h>
#include <string>
#include <vector>

namespace zip {

inline void SecureWipe(void* p, std::size_t n) {
  if (p && n) explicit_bzero(p, n);
}
inline void SecureWipe(std::vector<std::uint8_t>& bytes) { SecureWipe(bytes.data(), bytes.size()); }
inline void SecureWipe(std::string& bytes) { SecureWipe(bytes.data(), bytes.size()); }

}  // namespace zip
