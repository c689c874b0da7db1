#pragma once
// Colours are written as system colour numbers 0x00BBGGRR throughout the
// program; this is the one place that turns them into Qt colours.
#include <QColor>
#include <cstdint>

namespace platform {

// As a pixel value of a Qt image, with `alpha` (0 transparent, 255 opaque).
inline QRgb VclRgba(std::uint32_t bgr, int alpha = 255) {
  return qRgba(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF),
               alpha);
}

inline QColor VclColor(std::uint32_t bgr) { return QColor::fromRgb(VclRgba(bgr)); }

inline std::uint32_t ToVclColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

}  // namespace platform
