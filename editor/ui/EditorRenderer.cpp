#include "editor/ui/EditorRenderer.h"

#include "editor/LayerText.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"

namespace editor::ui {

void EditorRenderer::LoadAndRender(const printdata::PrintText& source) { editor_.LoadAndRender(&source); }

const printdata::PrintText& EditorRenderer::WorkText() const { return editor_.WorkText; }

const platform::Bitmap& EditorRenderer::LayerImage(int layer) const {
  static const platform::Bitmap none;
  return layer >= 0 && layer < printdata::kLayerCount
             ? editor_.FrameBearbeitenVorschau->Images.Layers[static_cast<std::size_t>(layer)]
             : none;
}

platform::Bitmap& EditorRenderer::ScratchImage() { return editor_.FrameBearbeitenVorschau->Images.Scratch; }

platform::Result<std::vector<std::int32_t>> EditorRenderer::GlyphAdvances(const printdata::LayerObject& layer,
                                                                        std::string_view characters) {
  return LayerGlyphAdvances(layer, characters);
}

platform::Status EditorRenderer::DrawGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                                platform::Bitmap& strip) {
  return DrawLayerGlyphStrip(layer, characters, strip);
}

}  // namespace editor::ui
