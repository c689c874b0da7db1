#pragma once
// Overwrites key material before its memory goes back to the allocator, in
// a way the optimiser may not drop.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zip {

inline void SecureWipe(void* p, std::size_t n) {
  volatile auto* v = static_cast<volatile std::uint8_t*>(p);
  while (n--) *v++ = 0;
}
inline void SecureWipe(std::vector<std::uint8_t>& bytes) { SecureWipe(bytes.data(), bytes.size()); }
inline void SecureWipe(std::string& bytes) { SecureWipe(bytes.data(), bytes.size()); }

}  // namespace zip
