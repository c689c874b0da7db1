#include "printdata/RawBitmapFile.h"

#include "platform/FileIO.h"

namespace printdata {

platform::Result<RawPicture> DecodeRawBitmap(std::string_view bytes) {
  if (bytes.size() > kMaxRawBitmapBytes) return platform::Status::Fail("raw bitmap too large");
  RawPicture picture;
  picture.Columns = static_cast<int>(bytes.size() / kRawColumnBytes);
  picture.Dots.resize(static_cast<std::size_t>(picture.Columns));
  for (std::size_t c = 0; c < picture.Dots.size(); ++c) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + c * kRawColumnBytes);
    picture.Dots[c] = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
                      std::uint32_t{b[3] & 1u} << 24;
  }
  return picture;
}

platform::Result<RawPicture> ReadRawBitmap(const std::string& path) {
  auto bytes = platform::ReadFileUpTo(path, kMaxRawBitmapBytes);
  if (!bytes) return bytes.status();
  return DecodeRawBitmap(*bytes);
}

}  // namespace printdata
