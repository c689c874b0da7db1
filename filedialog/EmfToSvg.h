#pragma once
// An enhanced metafile as SVG text, through libemf2svg once CheckEmf has
// passed it. The window side draws the text (Qt SVG); here it stays
// without Qt. EMF+ records are not read: the plain records draw the same
// picture, and the EMF+ reader is the part of the converter least guarded.
#include <string>
#include <string_view>

#include "filedialog/PictureLimits.h"
#include "platform/Result.h"

namespace filedialog {

struct EmfSvg {
  std::string svg;
  // The picture's size and where in it the SVG is drawn, at the SVG's own
  // size (EmfLayout's).
  int width = 0;
  int height = 0;
  double drawingLeft = 0, drawingTop = 0;
};

platform::Result<EmfSvg> ConvertEmfToSvg(std::string_view file, const PictureLimits& limits = {});

}  // namespace filedialog
