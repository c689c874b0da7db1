#include "printing/DibHeader.h"

#include <cstdlib>

#include "platform/ByteOrder.h"

namespace printing {
namespace {

using platform::LoadLE16;
using platform::LoadLE32;

std::uint32_t HeaderSize(std::span<const std::uint8_t> header) {
  return header.size() >= 4 ? LoadLE32(header.data()) : 0;
}

bool OneOf(unsigned value, std::initializer_list<unsigned> allowed) {
  for (unsigned a : allowed)
    if (value == a) return true;
  return false;
}

constexpr std::int64_t kLargestImage = std::int64_t{1} << 40;

std::int64_t PaletteEntries(int bits) { return bits <= 8 ? (std::int64_t{1} << bits) : 0; }

}  // namespace

InfoHeader ReadInfoHeader(std::span<const std::uint8_t> b) {
  const std::uint8_t* p = b.data();
  InfoHeader h;
  h.width = static_cast<std::int32_t>(LoadLE32(p + 4));
  h.height = static_cast<std::int32_t>(LoadLE32(p + 8));
  h.planes = LoadLE16(p + 12);
  h.bits = LoadLE16(p + 14);
  h.compression = LoadLE32(p + 16);
  h.sizeImage = LoadLE32(p + 20);
  h.xPelsPerMeter = static_cast<std::int32_t>(LoadLE32(p + 24));
  h.yPelsPerMeter = static_cast<std::int32_t>(LoadLE32(p + 28));
  h.clrUsed = LoadLE32(p + 32);
  h.clrImportant = LoadLE32(p + 36);
  return h;
}

void WriteInfoHeader(const InfoHeader& h, std::span<std::uint8_t> b) {
  std::uint8_t* p = b.data();
  platform::StoreLE32(p, kInfoHeaderSize);
  platform::StoreLE32(p + 4, static_cast<std::uint32_t>(h.width));
  platform::StoreLE32(p + 8, static_cast<std::uint32_t>(h.height));
  platform::StoreLE16(p + 12, h.planes);
  platform::StoreLE16(p + 14, h.bits);
  platform::StoreLE32(p + 16, h.compression);
  platform::StoreLE32(p + 20, h.sizeImage);
  platform::StoreLE32(p + 24, static_cast<std::uint32_t>(h.xPelsPerMeter));
  platform::StoreLE32(p + 28, static_cast<std::uint32_t>(h.yPelsPerMeter));
  platform::StoreLE32(p + 32, h.clrUsed);
  platform::StoreLE32(p + 36, h.clrImportant);
}

bool IsCoreDibHeader(std::span<const std::uint8_t> header) { return HeaderSize(header) == kCoreHeaderSize; }

bool IsValidDibHeader(std::span<const std::uint8_t> header) {
  const std::uint32_t size = HeaderSize(header);
  if (size == kCoreHeaderSize) {
    if (header.size() < kCoreHeaderSize) return false;
    const std::uint8_t* p = header.data();
    return LoadLE16(p + 4) != 0 && LoadLE16(p + 6) != 0 && LoadLE16(p + 8) == 1 &&
           OneOf(LoadLE16(p + 10), {1, 4, 8, 24});
  }
  if (size != kInfoHeaderSize || header.size() < kInfoHeaderSize) return false;
  const InfoHeader h = ReadInfoHeader(header);
  if (h.width < 1 || h.height == 0 || h.planes != 1 || !OneOf(h.bits, {1, 4, 8, 16, 24, 32})) return false;
  // No picture reaches a terabyte; the limit keeps every size within 64 bits.
  const std::int64_t rows = std::llabs(static_cast<long long>(h.height));
  if (DibStride(h.width, h.bits) > kLargestImage / rows) return false;
  switch (h.compression) {
    case kBiRgb: return true;
    // A run-length image is as many bits deep as its codes; bit fields
    // describe 16- and 32-bit pixels only.
    case kBiRle8: return h.bits == 8 && h.sizeImage != 0 && h.height > 0;
    case kBiRle4: return h.bits == 4 && h.sizeImage != 0 && h.height > 0;
    case kBiBitFields: return (h.bits == 16 || h.bits == 32) && h.sizeImage != 0 && h.height > 0;
    default: return false;
  }
}

DibMetrics DibHeaderMetrics(std::span<const std::uint8_t> header) {
  DibMetrics m;
  if (IsCoreDibHeader(header)) {
    const std::uint8_t* p = header.data();
    m.width = LoadLE16(p + 4);
    m.height = LoadLE16(p + 6);
    m.bits = LoadLE16(p + 10);
    m.colourEntries = PaletteEntries(m.bits);
  } else {
    const InfoHeader h = ReadInfoHeader(header);
    m.width = h.width;
    m.height = std::llabs(static_cast<long long>(h.height));
    m.bits = h.bits;
    m.compression = h.compression;
    m.topDown = h.height < 0;
    m.colourEntries = h.clrUsed != 0 ? std::int64_t{h.clrUsed} : PaletteEntries(m.bits);
    m.masks = h.compression == kBiBitFields && (m.bits == 16 || m.bits == 32) ? 3 : 0;
  }
  m.stride = DibStride(m.width, m.bits);
  m.imageSize = m.height * m.stride;
  m.infoSize = kInfoHeaderSize + 4 * m.masks + 4 * m.colourEntries;
  return m;
}

platform::Result<std::vector<std::uint8_t>> InfoFormOf(std::span<const std::uint8_t> header) {
  if (!IsValidDibHeader(header)) return platform::Status::Fail("no valid bitmap header");
  const DibMetrics m = DibHeaderMetrics(header);
  std::vector<std::uint8_t> info;
  if (!IsCoreDibHeader(header)) {
    if (static_cast<std::uint64_t>(m.infoSize) > header.size())
      return platform::Status::Fail("colour table or masks cut off");
    info.assign(header.begin(), header.begin() + m.infoSize);
    return info;
  }
  // A core header's colours are three bytes each.
  const std::int64_t coreSize = kCoreHeaderSize + 3 * m.colourEntries;
  if (static_cast<std::uint64_t>(coreSize) > header.size()) return platform::Status::Fail("colour table cut off");
  info.assign(static_cast<std::size_t>(m.infoSize), 0);
  InfoHeader h;
  h.width = static_cast<std::int32_t>(m.width);
  h.height = static_cast<std::int32_t>(m.height);
  h.bits = static_cast<std::uint16_t>(m.bits);
  h.sizeImage = static_cast<std::uint32_t>(m.imageSize);
  h.clrUsed = static_cast<std::uint32_t>(m.colourEntries);
  h.clrImportant = h.clrUsed;
  WriteInfoHeader(h, info);
  for (std::int64_t i = 0; i < m.colourEntries; ++i) {
    const std::uint8_t* from = header.data() + kCoreHeaderSize + 3 * i;
    std::uint8_t* to = info.data() + kInfoHeaderSize + 4 * i;
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
  }
  return info;
}

}  // namespace printing
