#include "rendering/LayerRendering.h"

#include <algorithm>

#include "rendering/DateCode.h"
#include "rendering/LayerText.h"
#include "rendering/ParameterLimits.h"
#include "rendering/TimeCode.h"
#include "printdata/Copy.h"
#include "printdata/PrintField.h"
#include "printdata/StaticLayer.h"

namespace editor {
namespace {

// Only the part of the graphic that can land in the image is visited, so a
// graphic size read from a file costs nothing beyond the image.
void DrawGraphic(const printdata::LayerObject& layer, platform::ColourValue colour,
                 platform::Bitmap& image) {
  const std::int64_t width = layer.GraphicWidth;
  const std::int64_t height = layer.GraphicHeight;
  const std::int64_t posX = layer.PosX;
  const std::int64_t posY = layer.PosY;
  const std::int64_t rowFrom = std::max<std::int64_t>(posY, 0);
  const std::int64_t rowTo = std::min<std::int64_t>(height, posY + image.Height());
  const std::int64_t colFrom = std::max<std::int64_t>(-posX, 0);
  const std::int64_t colTo = std::min<std::int64_t>(width, image.Width() - posX);
  const std::string& pixels = layer.Pixels;
  for (std::int64_t r = rowFrom; r < rowTo; ++r) {
    for (std::int64_t c = colFrom; c < colTo; ++c) {
      const std::int64_t at = width * r + c;
      // A pixel string too short for the graphic inks what it lacks.
      if (at >= static_cast<std::int64_t>(pixels.size()) || pixels[static_cast<std::size_t>(at)] != '0')
        image.SetPixel(posX + c, r - posY, colour);
    }
  }
}

}  // namespace

void RenderLayer(const printdata::PrintText& work, unsigned layer, platform::ColourValue colour,
                 PreviewImages& images) {
  if (layer >= static_cast<unsigned>(printdata::kLayerCount)) return;
  platform::Bitmap& image = images.Layers[layer];
  image.Resize(images.Field.Width(), images.Field.Height());
  const printdata::LayerObject& l = work.Layers[layer];
  const std::string* text = nullptr;
  switch (l.Kind) {
    case printdata::kKindText: text = &l.Text; break;
    case printdata::kKindDate: text = &l.DatePreview; break;
    case printdata::kKindTime: text = &l.TimePreview; break;
    case printdata::kKindGraphic: DrawGraphic(l, colour, image); return;
    default: return;
  }
  auto font = CreateLayerFont(l);
  if (!font.ok()) return;  // no font at all on this PC: the layer stays empty
  DrawLayerText(image, **font, l.PosX, LayerTextTop(l), *text, BoundedSpacing(l), colour);
}

void RefreshDynamicTexts(printdata::PrintText& work, const LocalDateTime& now) {
  for (unsigned n = 0; n < static_cast<unsigned>(printdata::kLayerCount); ++n) {
    printdata::LayerObject& l = work.Layers[n];
    if (!printdata::IsDynamicLayer(l)) continue;
    if (l.Kind == printdata::kKindDate) l.DatePreview = RenderDateText(work, n, now);
    if (l.Kind == printdata::kKindTime) l.TimePreview = RenderTimeText(work, n, now);
  }
}

void LoadAndRender(const printdata::PrintText* source, printdata::PrintText& work,
                   PreviewImages& images, const LocalDateTime& now) {
  printdata::PrintText loaded;  // a new print text holds the defaults, as PrintTextInit sets them
  if (source) printdata::PrintTextCopy(*source, loaded);
  work = std::move(loaded);
  NormalizeParameters(work.Parameters);
  SizePreviewImages(images, printdata::PrintFieldColumns(work));
  RefreshDynamicTexts(work, now);
  for (unsigned n = 0; n < static_cast<unsigned>(printdata::kLayerCount); ++n)
    RenderLayer(work, n, platform::kBlack, images);
}

void LoadAndRender(const printdata::PrintText* source, printdata::PrintText& work, PreviewImages& images) {
  LoadAndRender(source, work, images, LocalNow());
}

}  // namespace editor
