#include "editor/ui/ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/BitmapImage.h"

namespace editor::ui {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent, false); }

void ImageControl::Bind(platform::Bitmap* picture) {
  picture_ = picture ? picture : &own_;
  PictureChanged();
}

void ImageControl::PictureChanged() {
  shown_ = platform::BitmapImage(*picture_, transparent_);
  update();
}

void ImageControl::SetStretch(bool on) {
  stretch_ = on;
  update();
}

void ImageControl::SetTransparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  PictureChanged();
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (shown_.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (stretch_)
    p.drawImage(rect(), shown_);
  else
    p.drawImage(QPoint(0, 0), shown_);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(event);
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (OnDblClick)
    OnDblClick();
  else
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace editor::ui
