#pragma once
// The graphic pane (TFrameBearbeitenGrafik) as the editor frame drives it:
// the frame fills it when it shows a graphic layer, shows it in its
// PanelMain, and the preview moves its object by dragging.
#include <QString>

class QWidget;

namespace editor::ui {

class EditorGraphicPane {
 public:
  virtual ~EditorGraphicPane() = default;

  // The pane's frame; the editor frame gives it PanelMain as parent and
  // shows and hides it.
  virtual QWidget* Pane() = 0;
  // The fill of a graphic layer (layer `layer` of the editor's WorkText):
  // positions, alignment Fix, size, proportional on, the pixels
  // (TFrameBearbeitenGrafik::LoadBitmap). Stores nothing.
  virtual void FillFromLayer(int layer) = 0;
  // The Tags of its LabelPositionX and LabelPositionY.
  virtual int PositionX() const = 0;
  virtual int PositionY() const = 0;
  // The drag: the Tags become x and y, then ApplyPositionX and
  // ApplyPositionY clamp and show them (the frame holds Loading meanwhile).
  virtual void SetPosition(long long x, long long y) = 0;
  // TFrameBearbeitenGrafik::StoreLayer: the pane into the current layer,
  // redrawn red.
  virtual void StoreLayer() = 0;
  // The position numbers show only in the highest operating mode.
  virtual void ShowPositionNumbers(bool shown) = 0;
  // The captions of its SpeedButtonWerkzeugExportieren and
  // LabelWerkzeugTitel, which title the bitmap export's dialog.
  virtual QString ExportCaption() const = 0;
  virtual QString ToolTitle() const = 0;
};

}  // namespace editor::ui
