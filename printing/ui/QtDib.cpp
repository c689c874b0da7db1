#include "printing/ui/QtDib.h"

#include <QBuffer>
#include <cstring>
#include <optional>

#include "platform/qt/Colour.h"
#include "printing/DibHeader.h"
#include "printing/DibPixels.h"

namespace printing::ui {

platform::Result<Dib> BitmapToDib(const QImage& picture) {
  QByteArray file;
  Dib dib;
  if (platform::Status s = BitmapToDib(picture, file, dib); !s) return s;
  return dib;
}

platform::Status BitmapToDib(const QImage& picture, QByteArray& file, Dib& dib) {
  // Room for the whole file at once, so that it is not copied as it grows.
  const qsizetype rows = picture.height();
  file.reserve(1078 + rows * DibStride(picture.width(), 32));
  file.resize(0);
  QBuffer stream(&file);
  if (picture.isNull() || !stream.open(QIODevice::WriteOnly) || !picture.save(&stream, "BMP"))
    return platform::Status::Fail("the page could not be saved as a bitmap");
  return LoadDibFromBmpStream(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(file.constData()), file.size()), dib);
}

QImage DibToImage(const DibView& dib) {
  QImage image;
  if (!DibToImage(dib, image)) return {};
  return image;
}

bool DibToImage(const DibView& dib, QImage& image) {
  const std::optional<DibPixels> source = DibPixels::Of(dib);
  if (!source) return false;
  const DibMetrics m = DibHeaderMetrics(dib.header);
  const int w = source->Width(), h = source->Height();
  // Rows as they lie in the pixel block, top row first.
  auto row = [&](int y) { return dib.pixels.data() + (m.topDown ? y : h - 1 - y) * m.stride; };
  // 32 bits a pixel whatever the bitmap's depth: what the painter's devices
  // take without converting again.
  if (image.width() != w || image.height() != h || image.format() != QImage::Format_RGB32)
    image = QImage(w, h, QImage::Format_RGB32);
  if (image.isNull()) return false;
  if (m.bits == 24 && m.compression == kBiRgb) {
    for (int y = 0; y < h; ++y) {
      const std::uint8_t* from = row(y);  // blue, green, red
      auto* to = reinterpret_cast<quint32*>(image.scanLine(y));
      for (int x = 0; x < w; ++x, from += 3)
        to[x] = 0xFF000000u | (quint32{from[2]} << 16) | (quint32{from[1]} << 8) | from[0];
    }
  } else if (m.bits == 32 && m.compression == kBiRgb) {
    for (int y = 0; y < h; ++y) {
      std::memcpy(image.scanLine(y), row(y), static_cast<std::size_t>(w) * 4);
      auto* p = reinterpret_cast<quint32*>(image.scanLine(y));
      for (int x = 0; x < w; ++x) p[x] |= 0xFF000000u;  // the fourth byte is no alpha
    }
  } else {
    for (int y = 0; y < h; ++y) {
      auto* p = reinterpret_cast<quint32*>(image.scanLine(y));
      for (int x = 0; x < w; ++x) p[x] = platform::VclRgba(source->Pixel(x, y));
    }
  }
  return true;
}

}  // namespace printing::ui
