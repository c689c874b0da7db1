#include "filedialog/ui/PreviewImage.h"

#include <QMouseEvent>
#include <QPainter>

PreviewImage::PreviewImage(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PreviewImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

QRect PreviewImage::PictureRect() const {
  if (picture_.isNull()) return {};
  QSize size = picture_.size();
  if (stretch_) size.scale(this->size(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PreviewImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (picture_.isNull()) return;
  p.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
  p.drawImage(PictureRect(), picture_);
}

void PreviewImage::mousePressEvent(QMouseEvent*) {
  if (OnMouseDown) OnMouseDown();
}
