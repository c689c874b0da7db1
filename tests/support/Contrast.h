#pragma once
// The contrast ratio of two colour numbers (0x00BBGGRR) as the accessibility
// guidelines define it: (lighter + 0.05) / (darker + 0.05) of their relative
// luminances, from 1 (the same) to 21 (black on white). 4.5 is the usual
// floor for text, 3 for large text and for what is only to be noticed.
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace testsupport {

inline double RelativeLuminance(std::uint32_t bgr) {
  auto channel = [](std::uint32_t value) {
    const double c = static_cast<double>(value & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(bgr) + 0.7152 * channel(bgr >> 8) + 0.0722 * channel(bgr >> 16);
}

inline double ContrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace testsupport
