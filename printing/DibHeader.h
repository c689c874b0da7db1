#pragma once
// Device-independent bitmap headers as the print engine takes them: the
// 12-byte core header and the 40-byte info header, each followed by its
// colour table (or, for bit fields, its three masks). Every size is worked
// out in 64 bits and every read stays inside the block it is given.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Result.h"

namespace printing {

inline constexpr std::uint32_t kCoreHeaderSize = 12;
inline constexpr std::uint32_t kInfoHeaderSize = 40;

inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;
inline constexpr std::uint32_t kBiRle4 = 2;
inline constexpr std::uint32_t kBiBitFields = 3;

// The fields of a 40-byte info header.
struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows top-down
  std::uint16_t planes = 1;
  std::uint16_t bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// `block` holds at least 40 bytes.
InfoHeader ReadInfoHeader(std::span<const std::uint8_t> block);
void WriteInfoHeader(const InfoHeader& header, std::span<std::uint8_t> block);

// The stride of a row: whole 32-bit words.
constexpr std::int64_t DibStride(std::int64_t width, int bits) { return ((width * bits + 31) >> 5) * 4; }

// A header the engine prints: core (12) with a non-zero size, one plane and
// 1, 4, 8 or 24 bits; or info (40) with width >= 1, height != 0, one plane,
// 1, 4, 8, 16, 24 or 32 bits and no compression, RLE8 (8 bits), RLE4
// (4 bits) or bit fields (16 or 32 bits); a compressed one bottom-up and
// with its image size given. Any other header, or a block too short for
// its header, is refused.
bool IsValidDibHeader(std::span<const std::uint8_t> header);
bool IsCoreDibHeader(std::span<const std::uint8_t> header);

struct DibMetrics {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, always positive
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::int64_t colourEntries = 0;
  int masks = 0;
  std::int64_t stride = 0;
  std::int64_t imageSize = 0;  // rows x stride, the uncompressed pixels
  bool topDown = false;
  std::int64_t infoSize = 0;  // the header in info form: 40 + masks + colour table
};

// Only for a header IsValidDibHeader accepts.
DibMetrics DibHeaderMetrics(std::span<const std::uint8_t> header);

// The header in info form with its colour table or masks: an info header
// is copied as it stands, a core header converted (its 3-byte colours
// become 4-byte entries). Fails when the block is shorter than the colour
// table or masks its header announces.
platform::Result<std::vector<std::uint8_t>> InfoFormOf(std::span<const std::uint8_t> header);

}  // namespace printing
