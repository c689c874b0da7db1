#pragma once
// The grid drawn over the editor's preview: light grey lines on white (the
// transparent colour), one pixel wider and higher than the zoomed print
// field so that the last line frames the last dot.
#include <cstdint>

#include "platform/Bitmap.h"

namespace editor {

enum GridMode : int {
  kGridNone = 0,
  kGridPixel = 1,       // every dot framed (only from zoom 2 on)
  kGridMillimetre = 2,  // every 6 dots across and along
  kGridAreas = 3,       // halves across, thirds along
};

inline constexpr std::uint32_t kGridLineColour = 0xC0C0C0;

// Zoom 1 to 5 and print-field widths of 6 to 600 dots; the callers' values
// are unsigned, so a negative one counts as too large.
int ClampZoom(std::int64_t zoom);
int ClampFieldWidth(std::int64_t width);

// Rebuilds `grid` for a print field of `width` dots at `zoom`: zoom x width
// + 1 by zoom x 25 + 1 pixels, white, with the lines of `mode`. Returns the
// mode drawn (an unknown mode draws none and gives 0).
int DrawGrid(platform::Bitmap& grid, std::int64_t zoom, int mode, std::int64_t width);

}  // namespace editor
