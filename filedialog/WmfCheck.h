#pragma once
// Checks a Windows metafile (".wmf") before anything is drawn from it: the
// placeable header that gives its physical size (a metafile without one
// has no size of its own and is not shown), the metafile header, every
// record's size, and the bitmaps inside.
#include <cstddef>
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Result.h"

namespace filedialog {

struct WmfLayout {
  // The placeable header's box in screen pixels (MetafileUnits.h).
  int width = 0;
  int height = 0;
  // The bytes up to and including the end-of-file record.
  std::size_t length = 0;
};

platform::Result<WmfLayout> CheckWmf(std::string_view file, const PictureLimits& limits = {});

}  // namespace filedialog
