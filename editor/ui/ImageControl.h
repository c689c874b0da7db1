#pragma once
// A picture on a page, as the editor's image controls use it: it shows a
// platform::Bitmap at its own size or stretched to the control (pixels as
// blocks, never smoothed), with white optionally transparent, and hands
// its mouse events to whoever handles them.
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/Bitmap.h"

namespace editor::ui {

class ImageControl : public QWidget {
 public:
  explicit ImageControl(QWidget* parent);

  // The picture shown: the control's own, or one kept elsewhere.
  platform::Bitmap& Picture() { return *picture_; }
  const platform::Bitmap& Picture() const { return *picture_; }
  void Bind(platform::Bitmap* picture);
  // Call after the picture changed.
  void PictureChanged();

  void SetStretch(bool on);
  bool Stretch() const { return stretch_; }
  void SetTransparent(bool on);
  bool Transparent() const { return transparent_; }

  int Tag = 0;

  std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;
  std::function<void()> OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  platform::Bitmap own_;
  platform::Bitmap* picture_ = &own_;
  QImage shown_;
  bool stretch_ = false;
  bool transparent_ = false;
};

}  // namespace editor::ui
