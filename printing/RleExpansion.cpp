#include "printing/RleExpansion.h"

#include <algorithm>

#include "printing/DibHeader.h"

namespace printing {
namespace {

platform::Status Refused(const char* why) { return platform::Status::Fail(std::string("run-length codes: ") + why); }

// The walk over the codes shared by both depths; `Put(x, y, index)` writes
// one pixel that is known to lie inside the picture.
template <class Runs>
platform::Status Walk(std::span<const std::uint8_t> codes, const RleTarget& t, Runs&& runs) {
  std::int64_t x = 0, y = 0;
  std::size_t i = 0;
  while (i + 2 <= codes.size()) {
    const std::uint8_t count = codes[i];
    const std::uint8_t value = codes[i + 1];
    i += 2;
    if (count > 0) {
      if (y >= t.height || x + count > t.width) return Refused("run past its row");
      runs.Encoded(x, y, count, value);
      x += count;
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of picture
        return platform::Status::Ok();
      case 2: {  // move right and down
        if (i + 2 > codes.size()) return Refused("move cut off");
        x += codes[i];
        y += codes[i + 1];
        i += 2;
        if (x > t.width || y > t.height) return Refused("move past the picture");
        break;
      }
      default: {  // `value` pixels as they stand, padded to 16 bits
        const std::size_t bytes = runs.AbsoluteBytes(value);
        if (i + bytes > codes.size()) return Refused("absolute block cut off");
        if (y >= t.height || x + value > t.width) return Refused("absolute block past its row");
        runs.Absolute(x, y, value, codes.subspan(i, bytes));
        x += value;
        i += bytes;
        break;
      }
    }
  }
  if (i != codes.size()) return Refused("code cut off");
  return platform::Status::Ok();
}

struct Rle8 {
  const RleTarget& t;
  std::uint8_t* Row(std::int64_t y) const { return t.block.data() + y * t.stride; }
  void Encoded(std::int64_t x, std::int64_t y, int count, std::uint8_t value) const {
    std::fill_n(Row(y) + x, count, value);
  }
  static std::size_t AbsoluteBytes(int count) { return static_cast<std::size_t>((count + 1) & ~1); }
  void Absolute(std::int64_t x, std::int64_t y, int count, std::span<const std::uint8_t> data) const {
    std::copy_n(data.data(), count, Row(y) + x);
  }
};

struct Rle4 {
  const RleTarget& t;
  void Put(std::int64_t x, std::int64_t y, std::uint8_t index) const {
    std::uint8_t& b = t.block[static_cast<std::size_t>(y * t.stride + x / 2)];
    b = (x & 1) ? static_cast<std::uint8_t>((b & 0xF0) | index) : static_cast<std::uint8_t>((b & 0x0F) | (index << 4));
  }
  void Encoded(std::int64_t x, std::int64_t y, int count, std::uint8_t value) const {
    for (int k = 0; k < count; ++k) Put(x + k, y, (k & 1) ? (value & 0x0F) : (value >> 4));
  }
  // Two pixels a byte, the bytes padded to 16 bits.
  static std::size_t AbsoluteBytes(int count) { return static_cast<std::size_t>(((count + 3) / 4) * 2); }
  void Absolute(std::int64_t x, std::int64_t y, int count, std::span<const std::uint8_t> data) const {
    for (int k = 0; k < count; ++k) {
      const std::uint8_t b = data[static_cast<std::size_t>(k / 2)];
      Put(x + k, y, (k & 1) ? (b & 0x0F) : (b >> 4));
    }
  }
};

bool Fits(const RleTarget& t, int bits) {
  return t.width >= 1 && t.height >= 1 && t.stride >= DibStride(t.width, bits) &&
         static_cast<std::uint64_t>(t.height) <= t.block.size() / static_cast<std::uint64_t>(t.stride);
}

}  // namespace

int BackgroundIndex(std::span<const std::uint8_t> colourTable, int limit) {
  const std::size_t entries = std::min<std::size_t>(colourTable.size() / 4, static_cast<std::size_t>(limit));
  for (std::size_t k = 0; k < entries; ++k) {
    const std::uint8_t* e = colourTable.data() + 4 * k;
    if (e[0] == 255 && e[1] == 255 && e[2] == 255) return static_cast<int>(k);
  }
  return 0;
}

platform::Status DecodeRle8Band(std::span<const std::uint8_t> codes, const RleTarget& target) {
  if (!Fits(target, 8)) return Refused("block too small");
  return Walk(codes, target, Rle8{target});
}

platform::Status DecodeRle4Band(std::span<const std::uint8_t> codes, const RleTarget& target) {
  if (!Fits(target, 4)) return Refused("block too small");
  return Walk(codes, target, Rle4{target});
}

platform::Status DecodeRleBand(std::uint32_t compression, std::span<const std::uint8_t> codes,
                               std::span<const std::uint8_t> colourTable, const RleTarget& target) {
  if (compression == kBiRle8) {
    std::fill(target.block.begin(), target.block.end(), static_cast<std::uint8_t>(BackgroundIndex(colourTable, 256)));
    return DecodeRle8Band(codes, target);
  }
  if (compression == kBiRle4) {
    std::fill(target.block.begin(), target.block.end(),
              static_cast<std::uint8_t>(BackgroundIndex(colourTable, 16) * 17));
    return DecodeRle4Band(codes, target);
  }
  return Refused("not run-length encoded");
}

}  // namespace printing
