#include "filedialog/WmfCheck.h"

#include <string>

#include "filedialog/MetafileBitmap.h"
#include "filedialog/MetafileUnits.h"
#include "platform/ByteOrder.h"

namespace filedialog {
using platform::Result;
using platform::Status;

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22, kHeaderSize = 18, kRecordHead = 6;

Status Damaged(const std::string& why) { return Status::Fail("damaged metafile: " + why); }

std::uint32_t U32(std::string_view s, std::size_t at) {
  return platform::LoadLE32(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}
std::uint16_t U16(std::string_view s, std::size_t at) {
  return platform::LoadLE16(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}
std::int64_t I16(std::string_view s, std::size_t at) { return static_cast<std::int16_t>(U16(s, at)); }

// Where a record with a bitmap keeps it: the bytes of parameters before
// the device-independent bitmap, which runs to the record's end.
std::size_t BitmapAt(std::uint16_t function) {
  switch (function) {
    case 0x0940: return 16;  // DIBBITBLT
    case 0x0B41: return 20;  // DIBSTRETCHBLT
    case 0x0F43: return 22;  // STRETCHDIB
    case 0x0D33: return 18;  // SETDIBTODEV
    case 0x0142: return 4;   // DIBCREATEPATTERNBRUSH
    default: return 0;
  }
}

// The old device-dependent bitmaps of the first Windows versions.
bool OldBitmap(std::uint16_t function) { return function == 0x0922 || function == 0x0B23 || function == 0x01F9; }

Status CheckRecord(std::string_view params, std::uint64_t words, std::uint16_t function, const PictureLimits& limits,
                   std::uint64_t& pixels) {
  if (OldBitmap(function)) return Damaged("old-style bitmap");
  const std::size_t at = BitmapAt(function);
  if (at == 0) return Status::Ok();
  // A blit without a source bitmap is as many words long as its
  // function's high byte says, plus three; the other records always carry
  // one.
  const bool blit = function == 0x0940 || function == 0x0B41;
  if (blit && words == (function >> 8) + 3u) return Status::Ok();
  if (params.size() <= at) return Damaged("bitmap record cut off");
  const std::string_view dib = params.substr(at);
  const std::uint64_t infoSize = MetafileBitmapInfoSize(dib);
  if (infoSize == 0 || infoSize > dib.size()) return CheckMetafileBitmap(dib, {}, limits, pixels);
  return CheckMetafileBitmap(dib, dib.substr(infoSize), limits, pixels);
}

}  // namespace

Result<WmfLayout> CheckWmf(std::string_view file, const PictureLimits& limits) {
  if (file.size() > limits.maxMetafileBytes) return Status::Fail("metafile too large");
  if (file.size() < kPlaceableSize + kHeaderSize || U32(file, 0) != kPlaceableKey) return Status::Fail("no WMF picture");
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i < 20; i += 2) sum ^= U16(file, i);
  if (sum != U16(file, 20)) return Damaged("placeable header checksum");
  const std::int64_t left = I16(file, 6), top = I16(file, 8), right = I16(file, 10), bottom = I16(file, 12);
  const std::int64_t inch = U16(file, 14);
  if (inch == 0 || right <= left || bottom <= top) return Damaged("placeable header");
  const std::int64_t width = ScreenPixels(right - left, inch), height = ScreenPixels(bottom - top, inch);
  if (width < 1 || height < 1 || !limits.Allows(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height)))
    return Status::Fail("picture size out of range");

  const std::string_view meta = file.substr(kPlaceableSize);
  const std::uint16_t type = U16(meta, 0), headerWords = U16(meta, 2), version = U16(meta, 4);
  if ((type != 1 && type != 2) || headerWords != kHeaderSize / 2 || (version != 0x0100 && version != 0x0300))
    return Damaged("metafile header");
  // The reader allocates a buffer of the largest record's size as the
  // header gives it, so it must fit in the file.
  const std::uint64_t maxRecordWords = U32(meta, 12);
  if (maxRecordWords < 3 || maxRecordWords * 2 > meta.size()) return Damaged("largest record size");
  std::uint64_t pixels = 0;
  std::size_t at = kHeaderSize;
  for (std::uint32_t count = 0;; ++count) {
    if (count >= limits.maxMetafileRecords) return Damaged("too many records");
    if (meta.size() - at < kRecordHead) return Damaged("no end record");
    const std::uint64_t words = U32(meta, at);
    const std::uint16_t function = U16(meta, at + 4);
    if (words < 3 || words > maxRecordWords || words * 2 > meta.size() - at) return Damaged("record size");
    if (Status s = CheckRecord(meta.substr(at + kRecordHead, words * 2 - kRecordHead), words, function, limits, pixels); !s)
      return s;
    at += words * 2;
    if (function == 0) break;
  }
  WmfLayout layout;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  layout.length = kPlaceableSize + at;
  return layout;
}

}  // namespace filedialog
