#include "filedialog/EmfCheck.h"

#include <uemf_safe.h>

#include <algorithm>
#include <array>
#include <string>

#include "filedialog/MetafileBitmap.h"
#include "filedialog/MetafileUnits.h"
#include "platform/ByteOrder.h"

namespace filedialog {
using platform::Result;
using platform::Status;

namespace {

constexpr std::uint32_t kHeader = 1, kEof = 14, kSignature = 0x464D4520;  // " EMF"
constexpr std::size_t kHeaderSize = 88;
// Coordinates beyond this are no picture: the converter subtracts and
// scales them in 32-bit arithmetic.
constexpr std::int64_t kMostCoordinate = std::int64_t{1} << 28;

Status Damaged(const std::string& why) { return Status::Fail("damaged metafile: " + why); }

std::uint32_t U32(std::string_view s, std::size_t at) {
  return platform::LoadLE32(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}
std::int64_t I32(std::string_view s, std::size_t at) { return static_cast<std::int32_t>(U32(s, at)); }
std::uint16_t U16(std::string_view s, std::size_t at) {
  return platform::LoadLE16(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}

bool RectangleFits(std::string_view s, std::size_t at) {
  const std::int64_t left = I32(s, at), top = I32(s, at + 4), right = I32(s, at + 8), bottom = I32(s, at + 12);
  for (std::int64_t v : {left, top, right, bottom})
    if (v < -kMostCoordinate || v > kMostCoordinate) return false;
  return right > left && bottom > top;
}

// Record types the record checker has no rule for; the converter skips
// them too.
bool Unchecked(std::uint32_t type) {
  static constexpr std::array<std::uint32_t, 17> kTypes = {69,  96,  97,  102, 103, 105, 106, 107, 109,
                                                          110, 111, 112, 113, 117, 119, 120, 121};
  return type == 0 || type > 122 || std::find(kTypes.begin(), kTypes.end(), type) != kTypes.end();
}

// Where a record keeps its bitmaps: the offsets of (header offset, header
// size, bits offset, bits size), and whether the converter draws the
// bitmap (then it must be there) or leaves it alone (a mask).
struct BitmapField {
  std::uint32_t type;
  std::size_t at;
  bool drawn;
};
constexpr std::array<BitmapField, 12> kBitmapFields = {{
    {76, 84, true},    // BITBLT
    {77, 84, true},    // STRETCHBLT
    {78, 84, true},    // MASKBLT
    {78, 112, false},  //   its mask
    {79, 96, true},    // PLGBLT
    {79, 124, false},  //   its mask
    {80, 48, true},    // SETDIBITSTODEVICE
    {81, 48, true},    // STRETCHDIBITS
    {93, 16, true},    // CREATEMONOBRUSH
    {94, 16, true},    // CREATEDIBPATTERNBRUSHPT
    {114, 84, true},   // ALPHABLEND
    {116, 84, true},   // TRANSPARENTBLT
}};

Status CheckBitmaps(std::string_view record, std::uint32_t type, const PictureLimits& limits, std::uint64_t& pixels) {
  for (const BitmapField& f : kBitmapFields) {
    if (f.type != type) continue;
    if (record.size() < f.at + 16) return Damaged("bitmap record cut off");
    const std::uint64_t offInfo = U32(record, f.at), infoSize = U32(record, f.at + 4);
    const std::uint64_t offBits = U32(record, f.at + 8), bitsSize = U32(record, f.at + 12);
    if (infoSize == 0) {
      if (f.drawn) return Damaged("bitmap record without a bitmap");
      continue;
    }
    const std::uint64_t fixed = f.at + 16;
    if (offInfo < fixed || offInfo + infoSize > record.size() || offBits < fixed || offBits + bitsSize > record.size())
      return Damaged("bitmap outside its record");
    if (Status s = CheckMetafileBitmap(record.substr(offInfo, infoSize), record.substr(offBits, bitsSize), limits, pixels);
        !s)
      return s;
  }
  return Status::Ok();
}

Status CheckHeader(std::string_view header) {
  if (U32(header, 40) != kSignature) return Damaged("no EMF signature");
  if (!RectangleFits(header, 8)) return Damaged("bounds");
  if (!RectangleFits(header, 24)) return Damaged("frame");
  if (U16(header, 56) == 0) return Damaged("no handles");
  const std::uint64_t descriptionLength = U32(header, 60), descriptionAt = U32(header, 64);
  if (descriptionAt != 0) {
    // The converter reads the description up to its first zero.
    if (descriptionLength == 0 || descriptionAt < kHeaderSize || descriptionAt + 2 * descriptionLength > header.size())
      return Damaged("description");
    bool ended = false;
    for (std::uint64_t i = 0; i < descriptionLength && !ended; ++i) ended = U16(header, descriptionAt + 2 * i) == 0;
    if (!ended) return Damaged("description without an end");
  }
  for (std::size_t at : {72u, 80u})
    if (I32(header, at) <= 0 || I32(header, at + 4) <= 0) return Damaged("device size");
  return Status::Ok();
}

}  // namespace

Result<EmfLayout> CheckEmf(std::string_view file, const PictureLimits& limits) {
  if (file.size() > limits.maxMetafileBytes) return Status::Fail("metafile too large");
  if (file.size() < kHeaderSize || U32(file, 0) != kHeader) return Status::Fail("no EMF picture");
  EmfLayout layout;
  std::uint64_t pixels = 0;
  std::size_t at = 0;
  std::uint64_t records = 0;
  for (std::uint32_t count = 0;; ++count) {
    if (count >= limits.maxMetafileRecords) return Damaged("too many records");
    if (file.size() - at < 8) return Damaged("no end record");
    const std::uint32_t type = U32(file, at), size = U32(file, at + 4);
    if (size < 8 || size % 4 != 0 || size > file.size() - at) return Damaged("record size");
    const std::string_view record = file.substr(at, size);
    if ((type == kHeader) != (count == 0)) return Damaged("header record");
    if (type == kHeader) {
      if (size < kHeaderSize) return Damaged("header cut off");
      if (Status s = CheckHeader(record); !s) return s;
    }
    if (!Unchecked(type) && !U_emf_record_safe(record.data())) return Damaged("record " + std::to_string(count));
    if (Status s = CheckBitmaps(record, type, limits, pixels); !s) return s;
    at += size;
    records = count + 1u;
    if (type == kEof) break;
  }
  layout.length = at;
  const std::int64_t frameWidth = I32(file, 32) - I32(file, 24), frameHeight = I32(file, 36) - I32(file, 28);
  const std::int64_t width = ScreenPixels(frameWidth, 2540), height = ScreenPixels(frameHeight, 2540);
  if (width < 1 || height < 1 || !limits.Allows(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height)))
    return Status::Fail("picture size out of range");
  if (records * static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > limits.maxMetafileWork)
    return Status::Fail("metafile too much to draw");
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  // Pixels per device unit: the device's hundredths of a millimetre per
  // unit, at 96 pixels per inch.
  const double unitX = 100.0 * static_cast<double>(I32(file, 80)) / static_cast<double>(I32(file, 72));
  const double unitY = 100.0 * static_cast<double>(I32(file, 84)) / static_cast<double>(I32(file, 76));
  const double perHundredth = static_cast<double>(kScreenPixelsPerInch) / 2540.0;
  layout.drawingLeft = (static_cast<double>(I32(file, 8)) * unitX - static_cast<double>(I32(file, 24))) * perHundredth;
  layout.drawingTop = (static_cast<double>(I32(file, 12)) * unitY - static_cast<double>(I32(file, 28))) * perHundredth;
  layout.drawingWidth = static_cast<double>(I32(file, 16) - I32(file, 8)) * unitX * perHundredth;
  layout.drawingHeight = static_cast<double>(I32(file, 20) - I32(file, 12)) * unitY * perHundredth;
  return layout;
}

}  // namespace filedialog
