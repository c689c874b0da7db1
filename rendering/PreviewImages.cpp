#include "rendering/PreviewImages.h"

#include "printdata/PrintField.h"

namespace editor {

void SizePreviewImages(PreviewImages& images, int columns) {
  images.Field.Resize(columns, printdata::kPrintFieldRows);
  for (platform::Bitmap& layer : images.Layers) layer.Resize(columns, printdata::kPrintFieldRows);
}

}  // namespace editor
