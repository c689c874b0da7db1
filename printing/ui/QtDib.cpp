#include "printing/ui/QtDib.h"

#include <QBuffer>
#include <cstring>
#include <optional>

#include "platform/qt/Colour.h"
#include "printing/DibHeader.h"
#include "printing/DibPixels.h"

namespace printing::ui {

platform::Result<Dib> BitmapToDib(const QImage& picture) {
  QBuffer file;
  if (picture.isNull() || !file.open(QIODevice::WriteOnly) || !picture.save(&file, "BMP"))
    return platform::Status::Fail("the page could not be saved as a bitmap");
  const QByteArray& bytes = file.data();
  return LoadDibFromBmpStream(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()));
}

QImage DibToImage(const DibView& dib) {
  const std::optional<DibPixels> source = DibPixels::Of(dib);
  if (!source) return {};
  const DibMetrics m = DibHeaderMetrics(dib.header);
  const int w = source->Width(), h = source->Height();
  // Rows as they lie in the pixel block, top row first.
  auto row = [&](int y) { return dib.pixels.data() + (m.topDown ? y : h - 1 - y) * m.stride; };
  if (m.bits == 24 && m.compression == kBiRgb) {
    QImage image(w, h, QImage::Format_BGR888);  // blue, green, red: the bitmap's byte order
    if (image.isNull()) return {};
    for (int y = 0; y < h; ++y) std::memcpy(image.scanLine(y), row(y), static_cast<std::size_t>(w) * 3);
    return image;
  }
  if (m.bits == 32 && m.compression == kBiRgb) {
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < h; ++y) {
      std::memcpy(image.scanLine(y), row(y), static_cast<std::size_t>(w) * 4);
      auto* p = reinterpret_cast<quint32*>(image.scanLine(y));
      for (int x = 0; x < w; ++x) p[x] |= 0xFF000000u;  // the fourth byte is no alpha
    }
    return image;
  }
  QImage image(w, h, QImage::Format_RGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < h; ++y) {
    auto* p = reinterpret_cast<quint32*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) p[x] = platform::VclRgba(source->Pixel(x, y));
  }
  return image;
}

}  // namespace printing::ui
