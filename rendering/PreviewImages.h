#pragma once
// The pictures the editor draws a print text into, one pixel per printed
// dot: the print field, the five layer images (layer n in Layers[n]) and a
// small scratch image that the printer's glyph writers draw on. The preview
// frame shows them enlarged; the printer files and the data-view rows are
// made from them.
#include <array>

#include "platform/Bitmap.h"
#include "printdata/PrintText.h"

namespace editor {

struct PreviewImages {
  platform::Bitmap Field;
  std::array<platform::Bitmap, printdata::kLayerCount> Layers;
  platform::Bitmap Scratch;
};

// The print field and the five layer images become `columns` x 25, white.
void SizePreviewImages(PreviewImages& images, int columns);

}  // namespace editor
