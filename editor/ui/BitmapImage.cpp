#include "editor/ui/BitmapImage.h"

namespace editor::ui {

QImage ToQImage(const platform::Bitmap& picture, bool whiteTransparent) {
  // Opaque pictures need no alpha channel, which also draws them faster.
  QImage image(picture.Width(), picture.Height(), whiteTransparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      const platform::ColourValue c = picture.Pixel(x, y);
      const int alpha = whiteTransparent && c == platform::kWhite ? 0 : 255;
      line[x] = qRgba(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                      static_cast<int>((c >> 16) & 0xFF), alpha);
    }
  }
  return image;
}

platform::Bitmap FromQImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  platform::Bitmap picture(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = line[x];
      // A transparent pixel shows the white below it.
      const platform::ColourValue v = qAlpha(c) == 0 ? platform::kWhite
                                                     : static_cast<platform::ColourValue>(qRed(c)) |
                                                           (static_cast<platform::ColourValue>(qGreen(c)) << 8) |
                                                           (static_cast<platform::ColourValue>(qBlue(c)) << 16);
      picture.SetPixel(x, y, v);
    }
  }
  return picture;
}

}  // namespace editor::ui
