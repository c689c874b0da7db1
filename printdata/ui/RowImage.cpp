#include "printdata/ui/RowImage.h"

#include <QPainter>

namespace printdata::ui {

RowImage::RowImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  picture_ = QImage(1, 1, QImage::Format_RGB32);
  picture_.fill(Qt::white);
}

void RowImage::SetPicture(const platform::Bitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (picture_.width() != w || picture_.height() != h)
    picture_ = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
  picture_.fill(Qt::white);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const platform::ColourValue c = bitmap.Pixel(x, y);
      line[x] = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
    }
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
