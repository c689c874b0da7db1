#pragma once
// Raw bitmaps (extension r23), the printer's picture format: no header, one
// 4-byte column per print column from the start of the print on. Byte 1
// holds rows 0..7 (bit k for row k), byte 2 rows 8..15, byte 3 rows 16..23,
// byte 4 row 24 in its lowest bit.
#include <cstdint>
#include <string>

#include "platform/Result.h"
#include "printdata/PrintField.h"
#include "printdata/PrintTextRenderer.h"

namespace printdata {

inline constexpr int kRawColumnBytes = 4;

// One column from a 25-bit row mask (bit y set: the dot of row y prints).
void AppendRawColumn(std::string& out, std::uint32_t rows);

// A raw bitmap of `columns` columns; dot(x, y) tells whether a dot prints.
template <class Dot>
std::string RawBitmapBytes(int columns, Dot&& dot) {
  std::string out;
  out.reserve(static_cast<std::size_t>(columns > 0 ? columns : 0) * kRawColumnBytes);
  for (int x = 0; x < columns; ++x) {
    std::uint32_t rows = 0;
    for (int y = 0; y < kPrintFieldRows; ++y)
      if (dot(x, y)) rows |= 1u << y;
    AppendRawColumn(out, rows);
  }
  return out;
}

// BS.r23 of the working copy: a dot prints where a static layer's image has
// a black pixel; dynamic layers, layers of kind none and every colour but
// black print nothing. As many columns as the print field has.
std::string StaticLayerBitmap(const PrintTextRenderer& renderer);
platform::Status WriteRawBitmap(const std::string& path, const PrintTextRenderer& renderer);

}  // namespace printdata
