#pragma once
// The picture of a data-view row: the print text at one pixel per printed
// dot, stretched to the control's size without smoothing, so that zoom only
// enlarges the dots.
#include <QImage>
#include <QWidget>

#include "platform/Bitmap.h"

namespace printdata::ui {

class RowImage : public QWidget {
 public:
  explicit RowImage(QWidget* parent);

  const QImage& Picture() const { return picture_; }
  // The picture takes the bitmap's pixels.
  void SetPicture(const platform::Bitmap& bitmap);
  // A new picture size keeps the pixels that still fit; new ones are white.
  void SetPictureSize(int width, int height);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace printdata::ui
