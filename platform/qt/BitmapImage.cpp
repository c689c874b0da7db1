#include "platform/qt/BitmapImage.h"

namespace platform {

QImage BitmapImage(const Bitmap& picture, bool whiteTransparent) {
  QImage image(picture.Width(), picture.Height(), whiteTransparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < picture.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      const ColourValue c = picture.Pixel(x, y);
      const int alpha = whiteTransparent && c == kWhite ? 0 : 255;
      line[x] = qRgba(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF),
                      alpha);
    }
  }
  return image;
}

}  // namespace platform
