#pragma once
// The editor's zoom menu (FrameMenuZoomBearbeiten): the preview's
// magnification, 1x to 5x, kept in the Tag of its LabelZoom (EditorZoom).
#include <QObject>
#include <QWidget>

#include "editor/ui/StepControl.h"
#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"

class TFrameBearbeiten;

class TFrameMenuZoomBearbeiten : public QWidget {
 public:
  explicit TFrameMenuZoomBearbeiten(QWidget* owner);
  void SetEditor(TFrameBearbeiten* editor) { editor_ = editor; }

  platform::Panel* PanelMain;
  platform::Panel* PanelZoom;
  platform::Label* LabelZoomTitel;
  platform::Label* LabelZoom;  // Tag: EditorZoom, 1 to 5
  editor::ui::StepButton* SpeedButtonZoomDown;
  editor::ui::StepButton* SpeedButtonZoomUp;

  void SpeedButtonZoomDownClick(QObject* sender);
  void SpeedButtonZoomUpClick(QObject* sender);
  void PanelMainClick(QObject* sender);
  void ApplyZoom();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TFrameBearbeiten* editor_ = nullptr;
  editor::ui::StepControl zoom_;
};
