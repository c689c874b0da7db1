#pragma once
// Pictures for a layer's graphic: Windows bitmap files read into a bitmap
// of colour numbers (with whether the file had one bit per pixel, which the
// size steps' shrinking honours) and written back as 24-bit bitmap files.
// Reading goes through the program's one bitmap decoder and is bounded, so
// a damaged or huge file fails instead of crashing or claiming gigabytes.
#include <string>
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace editor {

struct GraphicPicture {
  platform::Bitmap Picture;
  bool Monochrome = false;  // the file had one bit per pixel
};

// The largest picture taken in: 16 million pixels (a 64 MiB bitmap), at
// most 32767 on a side.
filedialog::PictureLimits GraphicPictureLimits();

platform::Result<GraphicPicture> DecodeGraphicPicture(std::string_view file);
platform::Result<GraphicPicture> ReadGraphicPicture(const std::string& path);

// Replaces the file at `path` whole (temporary file, then rename).
platform::Status WriteGraphicPicture(const std::string& path, const platform::Bitmap& picture);

}  // namespace editor
