#pragma once
// Checks an enhanced metafile (".emf") before anything is drawn from it:
// the header, every record's size and contents, and the bitmaps inside.
// The converter that draws it trusts the file, so whatever it would read
// out of bounds, or allocate beyond the limits, is refused here.
#include <cstddef>
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Result.h"

namespace filedialog {

struct EmfLayout {
  // The picture's frame in screen pixels (MetafileUnits.h).
  int width = 0;
  int height = 0;
  // Where the records draw, in the picture's pixels: the header's bounds
  // (device units of the reference device) placed in the frame through the
  // reference device's size in pixels and millimetres.
  double drawingLeft = 0, drawingTop = 0, drawingWidth = 0, drawingHeight = 0;
  // The bytes up to and including the end-of-file record; what follows is
  // not part of the picture.
  std::size_t length = 0;
};

platform::Result<EmfLayout> CheckEmf(std::string_view file, const PictureLimits& limits = {});

}  // namespace filedialog
