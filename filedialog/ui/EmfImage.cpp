#include "filedialog/ui/EmfImage.h"

#include <QByteArray>
#include <QPainter>
#include <QSvgRenderer>

#include "filedialog/EmfToSvg.h"

namespace filedialogui {

QImage DrawEmf(std::string_view file, const filedialog::PictureLimits& limits) {
  auto converted = filedialog::ConvertEmfToSvg(file, limits);
  if (!converted) return {};
  QSvgRenderer renderer(QByteArray::fromStdString(converted->svg));
  if (!renderer.isValid()) return {};
  QImage image(converted->width, converted->height, QImage::Format_ARGB32);
  if (image.isNull()) return {};
  image.fill(Qt::white);
  QPainter painter(&image);
  const QRectF own = renderer.viewBoxF();
  renderer.render(&painter, QRectF(QPointF(converted->drawingLeft, converted->drawingTop), own.size()));
  painter.end();
  return image;
}

}  // namespace filedialogui
