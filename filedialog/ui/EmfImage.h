#pragma once
// An enhanced metafile drawn at its own size on white: converted to SVG by
// filedialog/EmfToSvg (after its checks) and drawn by Qt SVG. A null image
// when the file is refused or cannot be drawn.
#include <QImage>
#include <string_view>

#include "filedialog/PictureLimits.h"

namespace filedialogui {

QImage DrawEmf(std::string_view file, const filedialog::PictureLimits& limits = {});

}  // namespace filedialogui
