#pragma once
// Windows bitmap files (".bmp"): the core and info headers up to version 5,
// 1, 4 and 8 bits with a palette (RLE4 and RLE8 too), 16, 24 and 32 bits
// (with bit-field masks), bottom-up and top-down. Decoded into a bitmap of
// colour numbers; anything damaged, truncated or beyond the limits fails.
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace filedialog {

platform::Result<platform::Bitmap> DecodeBmp(std::string_view file, const PictureLimits& limits = {});

}  // namespace filedialog
