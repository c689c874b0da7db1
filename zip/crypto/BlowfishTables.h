#pragma once
// Blowfish's start state: the fractional hex digits of pi.
#include <cstdint>

namespace zip {

extern const std::uint32_t kBlowfishP[18];
extern const std::uint32_t kBlowfishS[4][256];

}  // namespace zip
