#include "filedialog/ui/PreviewLoader.h"

#include <QBuffer>
#include <QImageReader>

#include "filedialog/Extensions.h"
#include "filedialog/PreviewPicture.h"

namespace filedialogui {

QImage LoadPreviewImage(const std::string& path) {
  const filedialog::PictureLimits limits;
  switch (filedialog::ReaderFor(filedialog::LowerExtensionOf(path))) {
    case filedialog::PictureReader::Bmp:
    case filedialog::PictureReader::Jpeg: {
      auto bitmap = filedialog::LoadPicture(path, limits);
      if (!bitmap) return {};
      QImage image(bitmap->Width(), bitmap->Height(), QImage::Format_RGB32);
      if (image.isNull()) return {};
      for (int y = 0; y < bitmap->Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap->Width(); ++x) {
          const std::uint32_t c = bitmap->Pixel(x, y);
          line[x] = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
        }
      }
      return image;
    }
    case filedialog::PictureReader::Icon: {
      auto bytes = filedialog::ReadPictureFile(path, limits);
      if (!bytes) return {};
      QByteArray data = QByteArray::fromStdString(*bytes);
      QBuffer buffer(&data);
      buffer.open(QIODevice::ReadOnly);
      QImageReader reader(&buffer, "ico");
      reader.setAllocationLimit(static_cast<int>(limits.maxPixels * 4 >> 20));
      const QSize size = reader.size();
      if (size.isValid() && !limits.Allows(static_cast<std::uint64_t>(size.width()), static_cast<std::uint64_t>(size.height())))
        return {};
      QImage image = reader.read();
      return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    }
    case filedialog::PictureReader::None: break;
  }
  return {};
}

}  // namespace filedialogui
