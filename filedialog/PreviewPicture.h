#pragma once
// Which files the dialog previews and how it reads them. The picture
// extensions are the ones the dialog looks at; of those it has readers for
// bitmaps, JPEG, icons and metafiles (icons and enhanced metafiles are drawn
// by the window side). Any other extension (the compressed metafiles ".emz"
// and ".wmz" among them), and every file that cannot be read, gives no
// preview.
#include <string>

#include "filedialog/PictureLimits.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace filedialog {

enum class PictureReader { None, Bmp, Jpeg, Icon, Emf, Wmf };

// True for ".bmp", ".dib", ".jpg", ".jpeg", ".jpe", ".jfif", ".ico", ".emf",
// ".emz", ".wmf" and ".wmz" (lower case).
bool IsPictureExtension(const std::string& lowerExtension);
// The reader of a lower-case extension: by extension, never by content.
PictureReader ReaderFor(const std::string& lowerExtension);

// The file's bytes, refused beyond the limits' largest file.
platform::Result<std::string> ReadPictureFile(const std::string& path, const PictureLimits& limits = {});

// A metafile's bytes, refused beyond the limits' largest metafile.
platform::Result<std::string> ReadMetafile(const std::string& path, const PictureLimits& limits = {});

// Decodes a bitmap, JPEG or Windows metafile into a bitmap; fails for other
// readers.
platform::Result<platform::Bitmap> LoadPicture(const std::string& path, const PictureLimits& limits = {});

}  // namespace filedialog
