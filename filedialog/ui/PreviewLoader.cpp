#include "filedialog/ui/PreviewLoader.h"

#include <QBuffer>
#include <QImageReader>

#include "filedialog/Extensions.h"
#include "filedialog/PreviewPicture.h"
#include "filedialog/ui/EmfImage.h"
#include "platform/qt/BitmapImage.h"

namespace filedialogui {

QImage LoadPreviewImage(const std::string& path) {
  const filedialog::PictureLimits limits;
  switch (filedialog::ReaderFor(filedialog::LowerExtensionOf(path))) {
    case filedialog::PictureReader::Bmp:
    case filedialog::PictureReader::Jpeg:
    case filedialog::PictureReader::Wmf: {
      auto bitmap = filedialog::LoadPicture(path, limits);
      if (!bitmap) return {};
      return platform::BitmapImage(*bitmap);
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
    case filedialog::PictureReader::Emf: {
      auto bytes = filedialog::ReadMetafile(path, limits);
      if (!bytes) return {};
      return DrawEmf(*bytes, limits);
    }
    case filedialog::PictureReader::None: break;
  }
  return {};
}

}  // namespace filedialogui
