#include "filedialog/PreviewPicture.h"

#include <sys/stat.h>

#include <array>

#include "filedialog/BmpDecoder.h"
#include "filedialog/Extensions.h"
#include "filedialog/JpegDecoder.h"
#include "filedialog/WmfDecoder.h"
#include "platform/FileIO.h"

namespace filedialog {
using platform::Status;

bool IsPictureExtension(const std::string& lowerExtension) {
  static const std::array<const char*, 11> kPictures = {".bmp", ".dib", ".jpg", ".jpeg", ".jpe", ".jfif",
                                                        ".ico", ".emf", ".emz", ".wmf", ".wmz"};
  for (const char* e : kPictures)
    if (lowerExtension == e) return true;
  return false;
}

PictureReader ReaderFor(const std::string& lowerExtension) {
  if (lowerExtension == ".bmp") return PictureReader::Bmp;
  if (lowerExtension == ".jpg" || lowerExtension == ".jpeg") return PictureReader::Jpeg;
  if (lowerExtension == ".ico") return PictureReader::Icon;
  if (lowerExtension == ".emf") return PictureReader::Emf;
  if (lowerExtension == ".wmf") return PictureReader::Wmf;
  return PictureReader::None;
}

platform::Result<std::string> ReadPictureFile(const std::string& path, const PictureLimits& limits) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Status::Fail("\"" + path + "\" is no file");
  if (static_cast<std::uint64_t>(st.st_size) > limits.MaxFileBytes()) return Status::Fail("\"" + path + "\" is too large");
  auto bytes = platform::ReadWholeFile(path);
  if (bytes && bytes->size() > limits.MaxFileBytes()) return Status::Fail("\"" + path + "\" is too large");
  return bytes;
}

platform::Result<std::string> ReadMetafile(const std::string& path, const PictureLimits& limits) {
  return platform::ReadFileUpTo(path, limits.maxMetafileBytes);
}

platform::Result<platform::Bitmap> LoadPicture(const std::string& path, const PictureLimits& limits) {
  const PictureReader reader = ReaderFor(LowerExtensionOf(path));
  if (reader == PictureReader::Wmf) {
    auto bytes = ReadMetafile(path, limits);
    if (!bytes) return bytes.status();
    return DecodeWmf(*bytes, limits);
  }
  if (reader != PictureReader::Bmp && reader != PictureReader::Jpeg) return Status::Fail("no reader for \"" + path + "\"");
  auto bytes = ReadPictureFile(path, limits);
  if (!bytes) return bytes.status();
  return reader == PictureReader::Bmp ? DecodeBmp(*bytes, limits) : DecodeJpeg(*bytes, limits);
}

}  // namespace filedialog
