// Libraries: editor
// Fuzz target of the picture import of a layer's graphic: any file must be
// read or refused cleanly within the picture limits, and whatever is read
// must become a graphic of at most 1000 x 1000 dots with exactly one pixel
// character per dot.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/GraphicBitmap.h"
#include "editor/GraphicPicture.h"
#include "editor/GraphicSize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = editor::DecodeGraphicPicture(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!picture) return 0;
  const filedialog::PictureLimits limits = editor::GraphicPictureLimits();
  const std::uint64_t w = static_cast<std::uint64_t>(picture->Picture.Width());
  const std::uint64_t h = static_cast<std::uint64_t>(picture->Picture.Height());
  if (!limits.Allows(w, h)) __builtin_trap();
  const editor::GraphicSize fit = editor::FitGraphicSize(picture->Picture.Width(), picture->Picture.Height());
  if (fit.Width < 1 || fit.Height < 1 || fit.Width > editor::kGraphicMaxSize || fit.Height > editor::kGraphicMaxSize)
    __builtin_trap();
  const platform::Bitmap scaled = editor::StretchBitmap(picture->Picture, fit.Width, fit.Height, picture->Monochrome);
  if (editor::BitmapToPixels(scaled).size() != static_cast<std::size_t>(fit.Width) * static_cast<std::size_t>(fit.Height))
    __builtin_trap();
  return 0;
}
