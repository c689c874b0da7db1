#include "printdata/ui/DotPicture.h"

#include <QPainter>

namespace printdata::ui {

DotPicture::DotPicture(QWidget* parent) : QWidget(parent) {}

void DotPicture::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

QRect DotPicture::PictureRect() const {
  if (picture_.isNull()) return {};
  QSize size = picture_.size();
  size.scale(this->size(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void DotPicture::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(PictureRect(), picture_);
}

}  // namespace printdata::ui
