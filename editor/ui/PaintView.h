#pragma once
// The painter's two picture widgets: the image shown magnified (each pixel
// a square of zoom x zoom screen pixels; the mouse reported in image
// pixels) and the grid laid over it, lines on every row and column that is
// a multiple of the zoom, which lets the mouse through. Both paint only
// what is exposed, so a large image at a large zoom costs no huge bitmap.
#include <QImage>
#include <QWidget>
#include <functional>

#include "editor/PaintDrawing.h"
#include "platform/Bitmap.h"

namespace editor::ui {

class PaintImage : public QWidget {
 public:
  explicit PaintImage(QWidget* parent);

  // Takes the picture to show and its zoom; the widget becomes
  // width x zoom by height x zoom.
  void Show(const platform::Bitmap& picture, int zoom);
  // The picture changed (same size).
  void Refresh(const platform::Bitmap& picture);
  int Zoom() const { return zoom_; }
  // The image pixel under a widget position: (x / zoom, y / zoom), the
  // divisions truncated toward zero.
  paint::Point PixelAt(const QPoint& position) const;

  std::function<void(QMouseEvent*)> MouseDown, MouseMove, MouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  int zoom_ = 10;
};

class PaintGrid : public QWidget {
 public:
  explicit PaintGrid(QWidget* parent);

  // (width x zoom + 1) by (height x zoom + 1) with lines every zoom pixels;
  // an empty grid with a zoom or size of 0.
  void Build(int width, int height, int zoom);
  int Zoom() const { return zoom_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int zoom_ = 0;
};

}  // namespace editor::ui
