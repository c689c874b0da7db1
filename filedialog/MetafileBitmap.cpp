#include "filedialog/MetafileBitmap.h"

#include <string>

#include "platform/ByteOrder.h"

namespace filedialog {
using platform::Status;

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

Status Damaged(const char* why) { return Status::Fail(std::string("damaged bitmap in the metafile: ") + why); }

struct Info {
  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = 0;
  std::uint64_t size = 0;  // header, masks and colour table
};

std::uint32_t U32(std::string_view s, std::size_t at) {
  return platform::LoadLE32(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}
std::uint16_t U16(std::string_view s, std::size_t at) {
  return platform::LoadLE16(reinterpret_cast<const std::uint8_t*>(s.data()) + at);
}

Status ReadInfo(std::string_view info, Info& out) {
  if (info.size() < 40) return Damaged("header cut off");
  const std::uint32_t headerSize = U32(info, 0);
  if (headerSize < 40 || headerSize > 1024 || headerSize > info.size()) return Damaged("header size");
  out.width = static_cast<std::int32_t>(U32(info, 4));
  const std::int32_t height = static_cast<std::int32_t>(U32(info, 8));
  out.height = height < 0 ? -static_cast<std::int64_t>(height) : height;
  if (U16(info, 12) != 1) return Damaged("planes");
  out.bits = U16(info, 14);
  out.compression = U32(info, 16);
  const std::uint32_t used = U32(info, 32);
  switch (out.bits) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return Damaged("bit count");
  }
  std::uint64_t masks = 0;
  switch (out.compression) {
    case kRgb: break;
    case kRle8: if (out.bits != 8 || height < 0) return Damaged("RLE8"); break;
    case kRle4: if (out.bits != 4 || height < 0) return Damaged("RLE4"); break;
    case kBitFields:
      if (out.bits != 16 && out.bits != 32) return Damaged("bit fields");
      if (headerSize == 40) masks = 12;
      break;
    default: return Damaged("compression not supported");
  }
  std::uint64_t colours = used;
  if (out.bits <= 8) {
    const std::uint64_t most = std::uint64_t{1} << out.bits;
    if (colours == 0) colours = most;
    if (colours > most) return Damaged("colour table");
  } else if (colours > 256) {
    return Damaged("colour table");
  }
  out.size = headerSize + masks + colours * 4;
  if (out.size > info.size()) return Damaged("colour table cut off");
  return Status::Ok();
}

}  // namespace

Status CheckMetafileBitmap(std::string_view info, std::string_view bits, const PictureLimits& limits,
                           std::uint64_t& pixels) {
  Info h;
  if (Status s = ReadInfo(info, h); !s) return s;
  if (!limits.Allows(static_cast<std::uint64_t>(h.width < 0 ? 0 : h.width), static_cast<std::uint64_t>(h.height)))
    return Damaged("size out of range");
  pixels += static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.height);
  if (pixels > limits.maxPixels) return Damaged("too many pixels");
  if (h.compression == kRgb || h.compression == kBitFields) {
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bits + 31) / 32 * 4;
    if (stride * static_cast<std::uint64_t>(h.height) > bits.size()) return Damaged("rows cut off");
  } else if (bits.empty()) {
    return Damaged("no data");
  }
  return Status::Ok();
}

std::uint64_t MetafileBitmapInfoSize(std::string_view info) {
  Info h;
  return ReadInfo(info, h) ? h.size : 0;
}

}  // namespace filedialog
