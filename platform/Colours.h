#pragma once
// The system colours the program names, as colour numbers (0x00BBGGRR):
// the one table of them, for the plain bitmaps and the Qt surfaces alike.
#include <cstdint>

namespace platform::colours {

inline constexpr std::uint32_t kSilver = 0xC0C0C0;     // 12632256
inline constexpr std::uint32_t kLightGrey = 0xF0F0F0;  // 15790320
inline constexpr std::uint32_t kGrey = 0x808080;       // 8421504
inline constexpr std::uint32_t kNavy = 0x800000;
inline constexpr std::uint32_t kPurple = 0x800080;
inline constexpr std::uint32_t kTeal = 0x808000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kYellow = 0x00FFFF;  // 65535
inline constexpr std::uint32_t kGreen = 0x008000;   // 32768
inline constexpr std::uint32_t kRed = 0x0000FF;     // 255

// The colour number of red, green and blue intensities of 0 to 255.
constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

}  // namespace platform::colours
