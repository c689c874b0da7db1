#include "editor/WorkCopyRenderer.h"

#include "editor/LayerRendering.h"

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

}  // namespace editor
