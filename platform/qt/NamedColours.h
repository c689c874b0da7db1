#pragma once
// The system colours the program names, as colour numbers (0x00BBGGRR), and
// the background of a window in one of them.
#include <QPalette>
#include <QWidget>
#include <cstdint>

#include "platform/qt/Colour.h"

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

}  // namespace platform::colours

namespace platform {

inline void SetWindowColour(QWidget* window, std::uint32_t vclColor) {
  window->setAutoFillBackground(true);
  QPalette pal = window->palette();
  pal.setColor(QPalette::Window, VclColor(vclColor));
  window->setPalette(pal);
}

}  // namespace platform
