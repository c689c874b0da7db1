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
// The text of whatever cannot be used (a switched-off button, label or
// panel caption, or one inside a switched-off panel): grey, so that it does
// not look clickable, yet dark enough to be read on every surface the
// program puts text on (at least 3:1 on silver, light grey and the lit
// colour of tiles and chosen values).
inline constexpr std::uint32_t kDisabledText = 0x484848;

// The colour number of red, green and blue intensities of 0 to 255.
constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

}  // namespace platform::colours
