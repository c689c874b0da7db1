#pragma once
// The device-independent bitmaps inside metafile records, checked before a
// metafile library unpacks them: those libraries allocate a picture of
// whatever size a bitmap header claims, and decompress run-length data
// into it without looking at how much data there is.
#include <cstdint>
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Result.h"

namespace filedialog {

// `info` is the bitmap header with its colour table, `bits` the pixel data
// (both may run on past their ends). A bitmap passes when it is an info
// header of 1, 4, 8, 16, 24 or 32 bits, uncompressed, with bit fields or
// in RLE4/RLE8, its size within the limits, its colour table and (when
// uncompressed) all its rows present. Its pixels are counted into
// `pixels`, which must stay within the limits' pixels: a metafile of many
// large bitmaps costs as much as one.
platform::Status CheckMetafileBitmap(std::string_view info, std::string_view bits, const PictureLimits& limits,
                                     std::uint64_t& pixels);

// The bytes of the header and colour table at the start of `info`, or 0
// when they are damaged (the check above says why).
std::uint64_t MetafileBitmapInfoSize(std::string_view info);

}  // namespace filedialog
