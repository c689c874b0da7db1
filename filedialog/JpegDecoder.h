#pragma once
// JPEG pictures through libjpeg, decoded into a bitmap of colour numbers.
// Greyscale, YCbCr, RGB, CMYK and YCCK (Adobe's inverted CMYK too),
// baseline and progressive. The size is checked against the limits before
// anything is allocated for the picture; libjpeg's own memory and the
// number of progressive scans are bounded; corrupt data fails cleanly.
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace filedialog {

platform::Result<platform::Bitmap> DecodeJpeg(std::string_view file, const PictureLimits& limits = {});

}  // namespace filedialog
