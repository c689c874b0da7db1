#include "editor/ui/FrameGraphicPaneEditor.h"

#include "editor/ui/TFrameBearbeiten.h"

namespace editor::ui {

printdata::LayerObject* FrameGraphicPaneEditor::WorkLayer(int layer) {
  if (layer < 0 || layer >= printdata::kLayerCount) return nullptr;
  return &frame_.WorkText.Layers[static_cast<std::size_t>(layer)];
}

bool FrameGraphicPaneEditor::Loading() const { return frame_.Loading == 1; }

int FrameGraphicPaneEditor::CurrentLayer() const { return frame_.CurrentLayer; }

int FrameGraphicPaneEditor::EditorView() const { return frame_.EditorView(); }

void FrameGraphicPaneEditor::RenderLayer(int layer, std::uint32_t colour) {
  if (layer < 0) return;
  frame_.RenderLayer(static_cast<unsigned>(layer), colour);
}

std::int64_t FrameGraphicPaneEditor::PrintFieldDots() const { return frame_.PrintFieldDots(); }

void FrameGraphicPaneEditor::HideMenuFrames() {
  if (EditorHost* host = frame_.Host()) host->HideMenuFrames();
}

}  // namespace editor::ui
