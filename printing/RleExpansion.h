#pragma once
// Expansion of run-length encoded pictures (BI_RLE8 and BI_RLE4 of the
// Windows bitmap format) into plain rows of colour indices, bottom row
// first, `stride` bytes apart. Every code is checked: a run, an absolute
// block or a move that would reach past its row or past the last row, and
// a code cut off by the end of the data, refuse the picture, so nothing is
// written outside the block and nothing is read past the codes. Codes that
// end without the end-of-picture code leave the rest as it was filled.
#include <cstdint>
#include <span>

#include "platform/Result.h"

namespace printing {

// The geometry of the expanded block: `width` pixels in each of `height`
// rows of `stride` bytes; the block holds at least height x stride bytes.
struct RleTarget {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::int64_t stride = 0;
  std::span<std::uint8_t> block;
};

// The index pixels the codes do not set get: the first entry of the
// colour table (4 bytes each: blue, green, red, 0) that is white, among
// at most the first `limit` entries; 0 when there is none.
int BackgroundIndex(std::span<const std::uint8_t> colourTable, int limit);

platform::Status DecodeRle8Band(std::span<const std::uint8_t> codes, const RleTarget& target);
platform::Status DecodeRle4Band(std::span<const std::uint8_t> codes, const RleTarget& target);

// Fills the block with the background index (for RLE4 in both halves of
// each byte) and expands `codes` by `compression` (1 RLE8, 2 RLE4).
platform::Status DecodeRleBand(std::uint32_t compression, std::span<const std::uint8_t> codes,
                               std::span<const std::uint8_t> colourTable, const RleTarget& target);

}  // namespace printing
