#pragma once
// The 32-byte vector every cipher and hash class's self test works on.
#include <cstdint>

namespace zip {

const std::uint8_t* GetTestVector();
constexpr int kTestVectorSize = 32;

}  // namespace zip
