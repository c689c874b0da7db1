#include "printdata/RawBitmap.h"

#include <vector>

#include "printdata/PrinterFileWrite.h"
#include "printdata/StaticLayer.h"

namespace printdata {

void AppendRawColumn(std::string& out, std::uint32_t rows) {
  out += static_cast<char>(rows & 0xFF);
  out += static_cast<char>((rows >> 8) & 0xFF);
  out += static_cast<char>((rows >> 16) & 0xFF);
  out += static_cast<char>((rows >> 24) & 0x01);
}

std::string StaticLayerBitmap(const PrintTextRenderer& renderer) {
  const PrintText& work = renderer.WorkText();
  std::vector<const platform::Bitmap*> statics;
  for (int n = 0; n < kLayerCount; ++n)
    if (IsStaticLayer(work, n)) statics.push_back(&renderer.LayerImage(n));
  return RawBitmapBytes(PrintFieldColumns(work), [&](int x, int y) {
    for (const platform::Bitmap* image : statics)
      if (image->Pixel(x, y) == platform::kBlack) return true;
    return false;
  });
}

platform::Status WriteRawBitmap(const std::string& path, const PrintTextRenderer& renderer) {
  return WritePrinterFile(path, StaticLayerBitmap(renderer));
}

}  // namespace printdata
