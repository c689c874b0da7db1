#pragma once
// A picture of printer dots shown as large as its place allows: stretched
// with its proportions kept, centred, without smoothing, so that every dot
// stays a sharp block. Around it the place shows its parent's colour.
#include <QImage>
#include <QWidget>

namespace printdata::ui {

class DotPicture : public QWidget {
 public:
  explicit DotPicture(QWidget* parent);

  const QImage& Picture() const { return picture_; }
  void SetPicture(QImage picture);
  // Where the picture is drawn, in the widget's coordinates (empty for an
  // empty picture).
  QRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace printdata::ui
