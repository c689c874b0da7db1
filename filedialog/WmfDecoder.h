#pragma once
// Windows metafiles (".wmf") with a placeable header, drawn by libwmf at
// their own size (the header's box at 96 pixels per inch) on white, once
// CheckWmf has passed them. Text is drawn in the URW fonts libwmf maps the
// Windows fonts to. A drawing that takes longer than the limits allow is
// abandoned and fails.
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

namespace filedialog {

platform::Result<platform::Bitmap> DecodeWmf(std::string_view file, const PictureLimits& limits = {});

}  // namespace filedialog
