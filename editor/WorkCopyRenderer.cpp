#include "editor/WorkCopyRenderer.h"

#include "rendering/LayerRendering.h"
#include "rendering/LayerText.h"

namespace editor {

WorkCopyRenderer::WorkCopyRenderer(printdata::PrintText& work, PreviewImages& images, LocalClock clock)
    : work_(work), images_(images), clock_(std::move(clock)) {}

void WorkCopyRenderer::LoadAndRender(const printdata::PrintText& source) {
  editor::LoadAndRender(&source, work_, images_, clock_ ? clock_() : LocalNow());
}

const platform::Bitmap& WorkCopyRenderer::LayerImage(int layer) const {
  static const platform::Bitmap none;
  return layer >= 0 && layer < printdata::kLayerCount ? images_.Layers[static_cast<std::size_t>(layer)] : none;
}

platform::Result<std::vector<std::int32_t>> WorkCopyRenderer::GlyphAdvances(const printdata::LayerObject& layer,
                                                                          std::string_view characters) {
  return LayerGlyphAdvances(layer, characters);
}

platform::Status WorkCopyRenderer::DrawGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                                  platform::Bitmap& strip) {
  return DrawLayerGlyphStrip(layer, characters, strip);
}

}  // namespace editor
