#include "platform/qt/BitmapImage.h"

#include "platform/qt/Colour.h"

namespace platform {

QImage BitmapImage(const Bitmap& picture, bool whiteTransparent) {
  QImage image(picture.Width(), picture.Height(), whiteTransparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < picture.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      const ColourValue c = picture.Pixel(x, y);
      line[x] = VclRgba(c, whiteTransparent && c == kWhite ? 0 : 255);
    }
  }
  return image;
}

}  // namespace platform
