#include "editor/PreviewDrag.h"

namespace editor {

std::optional<DragPosition> DragTarget(const DragStart& start, std::int64_t mouseX, std::int64_t mouseY, int zoom) {
  if (zoom < 1) return std::nullopt;
  if (mouseX == start.MouseX && mouseY == start.MouseY) return std::nullopt;
  return DragPosition{(mouseX - start.MouseX) / zoom + start.ObjectX,
                      start.ObjectY - (mouseY - start.MouseY) / zoom};
}

}  // namespace editor
