#pragma once
// A picture drawn centred on white: fitted into the widget with its
// proportions kept, or at its own size. Any mouse button on it runs
// OnMouseDown.
#include <QImage>
#include <QWidget>
#include <functional>

class PreviewImage : public QWidget {
 public:
  explicit PreviewImage(QWidget* parent);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  // Fitted into the widget (true) or at its own size.
  void SetStretch(bool stretch);
  bool Stretch() const { return stretch_; }
  // Where the picture is drawn, in the widget's coordinates.
  QRect PictureRect() const;

  std::function<void()> OnMouseDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool stretch_ = false;
};
