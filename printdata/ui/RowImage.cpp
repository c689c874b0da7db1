#include "printdata/ui/RowImage.h"

#include <QPainter>

#include "platform/qt/BitmapImage.h"

namespace printdata::ui {

RowImage::RowImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  picture_ = QImage(1, 1, QImage::Format_RGB32);
  picture_.fill(Qt::white);
}

void RowImage::SetPicture(const platform::Bitmap& bitmap) {
  if (bitmap.Width() > 0 && bitmap.Height() > 0) {
    picture_ = platform::BitmapImage(bitmap);
  } else {
    picture_ = QImage(1, 1, QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  update();
}

void RowImage::SetPictureSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (picture_.width() == width && picture_.height() == height) return;
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(Qt::white);
  QPainter p(&resized);
  p.drawImage(0, 0, picture_);
  p.end();
  picture_ = resized;
  update();
}

void RowImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(rect(), picture_);
}

}  // namespace printdata::ui
