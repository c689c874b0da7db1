#pragma once
// The editor's drawing area (FrameBearbeitenVorschau): the print field with
// the five layer images of the working copy stacked on it, magnified 1 to 5
// times, the grid on top, and the dragging of the edited layer's object
// with the left mouse button. It also holds the scratch image the printer's
// glyph writers draw on and the bitmap export's work image.
#include <QScrollArea>
#include <QWidget>
#include <array>
#include <cstdint>

#include "editor/PreviewDrag.h"
#include "rendering/PreviewImages.h"
#include "editor/ui/ImageControl.h"

class TFrameBearbeiten;

class TFrameBearbeitenVorschau : public QWidget {
 public:
  TFrameBearbeitenVorschau(TFrameBearbeiten* editor, QWidget* parent);

  // The pictures, one pixel per dot: Images.Field is the print field,
  // Images.Layers[n] layer n, Images.Scratch the glyph writers' ImageKlein.
  editor::PreviewImages Images;

  QScrollArea* ScrollBox;
  editor::ui::ImageControl* ImageHintergrund;
  std::array<editor::ui::ImageControl*, 5> ImageGross;  // ImageGross0 .. ImageGross4
  editor::ui::ImageControl* ImageRaster;  // Tag: the grid mode it was drawn with
  editor::ui::ImageControl* ImageKlein;
  editor::ui::ImageControl* ImageGrafik;

  std::int32_t DragMouseX = 0, DragMouseY = 0;
  std::int32_t DragObjectX = 0, DragObjectY = 0;

  void InitPreview();
  // Zoom and width as unsigned numbers: a negative one counts as too large.
  void ResizeBackground(editor::ui::ImageControl* image, std::int64_t zoom, bool visible, std::int64_t width);
  void ResizeLayerImage(editor::ui::ImageControl* image, std::int64_t zoom, bool visible, std::int64_t width);
  void ZoomBackground(editor::ui::ImageControl* image, std::int64_t zoom);
  void ZoomLayerImage(editor::ui::ImageControl* image, std::int64_t zoom);
  void DrawGrid(editor::ui::ImageControl* image, std::int64_t zoom, int mode, std::int64_t width);
  void RedrawGrid(editor::ui::ImageControl* image, int mode);
  void ZoomGrid(editor::ui::ImageControl* image, std::int64_t zoom);
  // Brings layer `layer`'s image to the front, the grid in front of it.
  void BringToFront(int layer);
  // After any layer image was redrawn.
  void LayerChanged(int layer);

  // Mouse handlers of the grid image (the press also of the layer images).
  // Positions are in the grid image; `leftHeld` is the left button's state.
  void ImageRasterMouseDown(bool leftHeld, int x, int y);
  void ImageRasterMouseMove(bool leftHeld, int x, int y);
  void ImageRasterMouseUp(bool leftHeld, int x, int y);
  void ImageRasterDblClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Resize(editor::ui::ImageControl* image, std::int64_t zoom, bool visible, std::int64_t width, bool transparent);
  void FitContent();
  TFrameBearbeiten* editor_;
  QWidget* content_;
};
