#include "editor/GraphicPicture.h"

#include <cstdint>

#include "editor/BmpFile.h"
#include "filedialog/BmpDecoder.h"
#include "filedialog/PreviewPicture.h"
#include "platform/ByteOrder.h"
#include "platform/FileIO.h"

namespace editor {
using platform::Result;
using platform::Status;

namespace {

// Bits per pixel of a file the decoder has accepted: the core header
// (12 bytes) keeps them at offset 24, every later header at 28.
int BitsPerPixel(std::string_view file) {
  if (file.size() < 30) return 0;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
  const std::uint32_t headerSize = platform::LoadLE32(bytes + 14);
  return platform::LoadLE16(bytes + (headerSize == 12 ? 24 : 28));
}

}  // namespace

filedialog::PictureLimits GraphicPictureLimits() {
  filedialog::PictureLimits limits;
  limits.maxPixels = std::uint64_t{1} << 24;
  limits.maxSide = 32767;
  return limits;
}

Result<GraphicPicture> DecodeGraphicPicture(std::string_view file) {
  Result<platform::Bitmap> decoded = filedialog::DecodeBmp(file, GraphicPictureLimits());
  if (!decoded) return decoded.status();
  GraphicPicture picture;
  picture.Picture = std::move(*decoded);
  picture.Monochrome = BitsPerPixel(file) == 1;
  return picture;
}

Result<GraphicPicture> ReadGraphicPicture(const std::string& path) {
  Result<std::string> bytes = filedialog::ReadPictureFile(path, GraphicPictureLimits());
  if (!bytes) return bytes.status();
  return DecodeGraphicPicture(*bytes);
}

Status WriteGraphicPicture(const std::string& path, const platform::Bitmap& picture) {
  if (picture.Width() <= 0 || picture.Height() <= 0) return Status::Fail("no picture to write");
  return platform::WriteFileAtomic(path, EncodeBmp(picture));
}

}  // namespace editor
