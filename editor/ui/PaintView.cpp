#include "editor/ui/PaintView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/BitmapImage.h"
#include "platform/qt/Colour.h"

namespace editor::ui {

PaintImage::PaintImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void PaintImage::Show(const platform::Bitmap& picture, int zoom) {
  zoom_ = std::max(zoom, 1);
  image_ = platform::BitmapImage(picture, false);
  resize(picture.Width() * zoom_, picture.Height() * zoom_);
  update();
}

void PaintImage::Refresh(const platform::Bitmap& picture) {
  image_ = platform::BitmapImage(picture, false);
  update();
}

paint::Point PaintImage::PixelAt(const QPoint& position) const {
  return {position.x() / zoom_, position.y() / zoom_};
}

void PaintImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect exposed = event->rect();
  // The image pixels the exposed part shows, drawn as squares.
  const int left = std::max(exposed.left() / zoom_, 0);
  const int top = std::max(exposed.top() / zoom_, 0);
  const int right = std::min(exposed.right() / zoom_, image_.width() - 1);
  const int bottom = std::min(exposed.bottom() / zoom_, image_.height() - 1);
  if (right < left || bottom < top) return;
  const QRect source(left, top, right - left + 1, bottom - top + 1);
  const QRect target(left * zoom_, top * zoom_, source.width() * zoom_, source.height() * zoom_);
  p.drawImage(target, image_, source);
}

void PaintImage::mousePressEvent(QMouseEvent* event) {
  if (MouseDown) MouseDown(event);
}
void PaintImage::mouseMoveEvent(QMouseEvent* event) {
  if (MouseMove) MouseMove(event);
}
void PaintImage::mouseReleaseEvent(QMouseEvent* event) {
  if (MouseUp) MouseUp(event);
}

PaintGrid::PaintGrid(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void PaintGrid::Build(int width, int height, int zoom) {
  zoom_ = std::max(zoom, 0);
  if (zoom_ == 0 || width <= 0 || height <= 0) {
    resize(0, 0);
  } else {
    resize(width * zoom_ + 1, height * zoom_ + 1);
  }
  update();
}

void PaintGrid::paintEvent(QPaintEvent* event) {
  if (zoom_ <= 0) return;
  QPainter p(this);
  p.setPen(platform::VclColor(0xC0C0C0));
  const QRect r = event->rect();
  for (int x = r.left() / zoom_ * zoom_; x <= r.right(); x += zoom_) p.drawLine(x, r.top(), x, r.bottom());
  for (int y = r.top() / zoom_ * zoom_; y <= r.bottom(); y += zoom_) p.drawLine(r.left(), y, r.right(), y);
}

}  // namespace editor::ui
