#include "printing/DibPixels.h"

#include "platform/ByteOrder.h"
#include "platform/Colours.h"
#include "printing/DibHeader.h"

namespace printing {
namespace {

using platform::colours::Rgb;

std::uint32_t Scaled(std::uint32_t v, int shift, std::uint32_t max) {
  if (max == 0) return 0;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>((v >> shift) & max) * 255u / max);
}

}  // namespace

std::optional<DibPixels> DibPixels::Of(const DibView& dib) {
  if (!IsValidDibHeader(dib.header) || IsCoreDibHeader(dib.header)) return std::nullopt;
  const DibMetrics m = DibHeaderMetrics(dib.header);
  if (m.compression != kBiRgb && m.compression != kBiBitFields) return std::nullopt;
  if (static_cast<std::uint64_t>(m.infoSize) > dib.header.size()) return std::nullopt;
  if (static_cast<std::uint64_t>(m.imageSize) > dib.pixels.size()) return std::nullopt;
  if (m.width > INT32_MAX || m.height > INT32_MAX) return std::nullopt;
  DibPixels p;
  p.width_ = static_cast<int>(m.width);
  p.height_ = static_cast<int>(m.height);
  p.bits_ = m.bits;
  p.topDown_ = m.topDown;
  p.stride_ = m.stride;
  p.pixels_ = dib.pixels;
  const std::size_t tableAt = kInfoHeaderSize + 4 * static_cast<std::size_t>(m.masks);
  p.table_ = dib.header.subspan(tableAt, static_cast<std::size_t>(4 * m.colourEntries));
  if (m.masks == 3) {
    p.bitFields_ = true;
    Channel* channels[3] = {&p.red_, &p.green_, &p.blue_};
    for (int k = 0; k < 3; ++k) {
      std::uint32_t mask = platform::LoadLE32(dib.header.data() + kInfoHeaderSize + 4 * k);
      Channel& c = *channels[k];
      if (mask == 0) continue;
      while ((mask & 1) == 0) {
        mask >>= 1;
        ++c.shift;
      }
      c.max = mask;
    }
  }
  return p;
}

const std::uint8_t* DibPixels::RowData(int y) const {
  const std::int64_t row = topDown_ ? y : height_ - 1 - y;
  return pixels_.data() + row * stride_;
}

platform::ColourValue DibPixels::Pixel(int x, int y) const {
  const std::uint8_t* row = RowData(y);
  auto indexed = [&](std::uint32_t index) -> platform::ColourValue {
    if (index >= table_.size() / 4) return platform::kBlack;
    const std::uint8_t* e = table_.data() + 4 * index;
    return Rgb(e[2], e[1], e[0]);
  };
  switch (bits_) {
    case 1: return indexed((row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return indexed((row[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 8: return indexed(row[x]);
    case 16: {
      const std::uint32_t v = platform::LoadLE16(row + 2 * x);
      if (bitFields_)
        return Rgb(Scaled(v, red_.shift, red_.max), Scaled(v, green_.shift, green_.max),
                   Scaled(v, blue_.shift, blue_.max));
      return Rgb(Scaled(v, 10, 31), Scaled(v, 5, 31), Scaled(v, 0, 31));
    }
    case 24: {
      const std::uint8_t* p = row + 3 * x;
      return Rgb(p[2], p[1], p[0]);
    }
    default: {
      const std::uint8_t* p = row + 4 * x;
      if (bitFields_) {
        const std::uint32_t v = platform::LoadLE32(p);
        return Rgb(Scaled(v, red_.shift, red_.max), Scaled(v, green_.shift, green_.max),
                   Scaled(v, blue_.shift, blue_.max));
      }
      return Rgb(p[2], p[1], p[0]);
    }
  }
}

}  // namespace printing
