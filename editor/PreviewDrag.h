#pragma once
// Moving an object by dragging it in the preview: the object follows the
// mouse in whole dots of the zoomed print field, always measured from where
// the press was, so it does not drift.
#include <cstdint>
#include <optional>

namespace editor {

struct DragStart {
  std::int64_t MouseX = 0, MouseY = 0;    // screen pixels in the grid image at the press
  std::int64_t ObjectX = 0, ObjectY = 0;  // the object's position in dots at the press
};

struct DragPosition {
  std::int64_t X;
  std::int64_t Y;
};

// Where the object goes with the mouse at (`mouseX`, `mouseY`) and zoom
// `zoom`: X follows right, Y upwards (screen rows count down), divisions
// truncating toward zero. Nothing while the mouse stands on the press
// point or the zoom is below 1. A move along one axis alone moves the
// object too. The position is not limited here; the panes clamp it.
std::optional<DragPosition> DragTarget(const DragStart& start, std::int64_t mouseX, std::int64_t mouseY, int zoom);

}  // namespace editor
