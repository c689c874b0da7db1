#include "filedialog/BmpDecoder.h"

#include <array>
#include <cstdint>
#include <vector>

#include "platform/ByteOrder.h"
#include "platform/Colours.h"

namespace filedialog {
using platform::Bitmap;
using platform::Result;
using platform::Status;
using platform::colours::Rgb;

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

Status Damaged(const char* why) { return Status::Fail(std::string("damaged bitmap: ") + why); }

// One colour channel of a bit-field mask, scaled to 0..255.
struct Channel {
  int shift = 0;
  std::uint32_t max = 0;  // the mask shifted down; 0 for an empty mask

  explicit Channel(std::uint32_t mask) {
    if (mask == 0) return;
    while ((mask & 1) == 0) {
      mask >>= 1;
      ++shift;
    }
    max = mask;
  }
  std::uint8_t Of(std::uint32_t v) const {
    if (max == 0) return 0;
    return static_cast<std::uint8_t>(((v >> shift) & max) * 255u / max);
  }
};

struct Header {
  std::int64_t width = 0, height = 0;  // height negative: top-down
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colours = 0;  // palette entries in the file
  std::array<std::uint32_t, 3> masks{};
  int paletteEntrySize = 4;
  std::size_t paletteOffset = 0;
};

class Reader {
 public:
  Reader(std::string_view file, const PictureLimits& limits) : file_(file), limits_(limits) {}

  Result<Bitmap> Decode() {
    if (file_.size() < 18 || file_[0] != 'B' || file_[1] != 'M') return Damaged("no bitmap file header");
    const std::uint32_t dataOffset = U32(10);
    Header h;
    if (Status s = ReadHeader(h); !s) return s;
    const std::uint64_t rows = static_cast<std::uint64_t>(h.height < 0 ? -h.height : h.height);
    if (h.width <= 0 || rows == 0 || !limits_.Allows(static_cast<std::uint64_t>(h.width), rows))
      return Damaged("size out of range");
    std::vector<std::uint32_t> palette;
    if (h.bits <= 8) {
      const std::uint32_t count = h.colours == 0 ? (1u << h.bits) : std::min<std::uint32_t>(h.colours, 256);
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = h.paletteOffset + static_cast<std::size_t>(i) * static_cast<std::size_t>(h.paletteEntrySize);
        if (at + 3 > file_.size()) return Damaged("palette cut off");
        palette.push_back(Rgb(Byte(at + 2), Byte(at + 1), Byte(at)));
      }
    }
    if (dataOffset >= file_.size()) return Damaged("no picture data");
    const std::string_view data = file_.substr(dataOffset);
    // The data is checked against the header before the picture is made,
    // so that a small file claiming a large picture costs no memory.
    if (h.compression == kRle8 || h.compression == kRle4) {
      if (h.height < 0) return Damaged("top-down run-length picture");
      if (Status s = DecodeRle(h, palette, data, static_cast<std::int64_t>(rows), nullptr); !s) return s;
      Bitmap out(static_cast<int>(h.width), static_cast<int>(rows));
      (void)DecodeRle(h, palette, data, static_cast<std::int64_t>(rows), &out);
      return out;
    }
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bits) + 31) / 32 * 4;
    if (stride * rows > data.size()) return Damaged("picture data cut off");
    Bitmap out(static_cast<int>(h.width), static_cast<int>(rows));
    DecodeRows(h, palette, data, stride, out);
    return out;
  }

 private:
  std::uint8_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(file_[at]); }
  std::uint16_t U16(std::size_t at) const { return platform::LoadLE16(reinterpret_cast<const std::uint8_t*>(file_.data()) + at); }
  std::uint32_t U32(std::size_t at) const { return platform::LoadLE32(reinterpret_cast<const std::uint8_t*>(file_.data()) + at); }

  Status ReadHeader(Header& h) {
    const std::uint32_t size = U32(14);
    if (size == 12) {
      if (file_.size() < 26) return Damaged("header cut off");
      h.width = U16(18);
      h.height = U16(20);
      h.bits = U16(24);
      h.paletteEntrySize = 3;
      h.paletteOffset = 26;
      if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24) return Damaged("bit count");
      return Status::Ok();
    }
    if (size < 40 || size > 1024 || 14 + static_cast<std::uint64_t>(size) > file_.size()) return Damaged("header size");
    h.width = static_cast<std::int32_t>(U32(18));
    h.height = static_cast<std::int32_t>(U32(22));
    h.bits = U16(28);
    h.compression = U32(30);
    h.colours = U32(46);
    h.paletteOffset = 14 + size;
    switch (h.bits) {
      case 1: case 4: case 8: case 16: case 24: case 32: break;
      default: return Damaged("bit count");
    }
    if (h.bits == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
    if (h.bits == 32) h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    switch (h.compression) {
      case kRgb: break;
      case kRle8: if (h.bits != 8) return Damaged("RLE8 needs 8 bits"); break;
      case kRle4: if (h.bits != 4) return Damaged("RLE4 needs 4 bits"); break;
      case kBitFields:
      case kAlphaBitFields: {
        if (h.bits != 16 && h.bits != 32) return Damaged("bit fields need 16 or 32 bits");
        // The masks follow a plain info header, or lie inside a larger one.
        const std::size_t at = 14 + 40;
        if (at + 12 > file_.size()) return Damaged("masks cut off");
        h.masks = {U32(at), U32(at + 4), U32(at + 8)};
        if (size == 40) h.paletteOffset += h.compression == kAlphaBitFields ? 16 : 12;
        break;
      }
      default: return Damaged("compression not supported");
    }
    return Status::Ok();
  }

  // `data` holds `stride` bytes for every row of `out`.
  void DecodeRows(const Header& h, const std::vector<std::uint32_t>& palette, std::string_view data,
                  std::uint64_t stride, Bitmap& out) {
    const std::uint64_t width = static_cast<std::uint64_t>(h.width);
    const std::uint64_t rows = static_cast<std::uint64_t>(out.Height());
    const Channel r(h.masks[0]), g(h.masks[1]), b(h.masks[2]);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    auto colourAt = [&](std::uint32_t index) { return index < palette.size() ? palette[index] : 0u; };
    for (std::uint64_t row = 0; row < rows; ++row) {
      const std::uint8_t* src = bytes + row * stride;
      const std::int64_t y = h.height < 0 ? static_cast<std::int64_t>(row) : static_cast<std::int64_t>(rows - 1 - row);
      for (std::uint64_t x = 0; x < width; ++x) {
        std::uint32_t c = 0;
        switch (h.bits) {
          case 1: c = colourAt((src[x / 8] >> (7 - x % 8)) & 1); break;
          case 4: c = colourAt((src[x / 2] >> (x % 2 ? 0 : 4)) & 15); break;
          case 8: c = colourAt(src[x]); break;
          case 16: {
            const std::uint32_t v = platform::LoadLE16(src + x * 2);
            c = Rgb(r.Of(v), g.Of(v), b.Of(v));
            break;
          }
          case 24: c = Rgb(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]); break;
          case 32: {
            const std::uint32_t v = platform::LoadLE32(src + x * 4);
            c = Rgb(r.Of(v), g.Of(v), b.Of(v));
            break;
          }
        }
        out.SetPixel(static_cast<std::int64_t>(x), y, c);
      }
    }
  }

  // Run-length data of a picture `rows` high: bottom-up; pixels it never
  // reaches stay white; pixels outside the picture are dropped. A stream
  // that ends without its end mark is damaged. Without `out` the stream is
  // only checked.
  Status DecodeRle(const Header& h, const std::vector<std::uint32_t>& palette, std::string_view data,
                   std::int64_t rows, Bitmap* out) {
    const bool four = h.compression == kRle4;
    auto colourAt = [&](std::uint32_t index) { return index < palette.size() ? palette[index] : 0u; };
    std::int64_t x = 0, row = 0;
    std::size_t i = 0;
    auto put = [&](std::uint32_t index) {
      if (out) out->SetPixel(x, rows - 1 - row, colourAt(index));
      ++x;
    };
    auto at = [&](std::size_t k) { return static_cast<std::uint8_t>(data[k]); };
    while (i + 1 < data.size()) {
      const std::uint8_t count = at(i), value = at(i + 1);
      i += 2;
      if (count > 0) {
        for (int k = 0; k < count && x < h.width; ++k) put(four ? (k % 2 ? value & 15 : value >> 4) : value);
        continue;
      }
      switch (value) {
        case 0:  // end of line
          x = 0;
          ++row;
          break;
        case 1:  // end of picture
          return Status::Ok();
        case 2:  // delta
          if (i + 1 >= data.size()) return Damaged("run-length delta cut off");
          x += at(i);
          row += at(i + 1);
          i += 2;
          break;
        default: {  // a run of literal pixels, padded to a word
          const std::size_t n = value;
          const std::size_t bytes = four ? (n + 1) / 2 : n;
          if (i + bytes > data.size()) return Damaged("run-length literal cut off");
          for (std::size_t k = 0; k < n; ++k) {
            const std::uint8_t b = at(i + (four ? k / 2 : k));
            if (x < h.width) put(four ? (k % 2 ? b & 15 : b >> 4) : b);
          }
          i += bytes + (bytes & 1);
          break;
        }
      }
      if (row >= rows) return Status::Ok();
    }
    return Damaged("run-length data without end mark");
  }

  std::string_view file_;
  const PictureLimits& limits_;
};

}  // namespace

Result<Bitmap> DecodeBmp(std::string_view file, const PictureLimits& limits) { return Reader(file, limits).Decode(); }

}  // namespace filedialog
