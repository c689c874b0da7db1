#pragma once
// The data page's view menu: which columns the list shows and its zoom. The
// state lives in the Tags of its buttons and of LabelZoom.
#include <QObject>
#include <QWidget>

#include "platform/qt/Label.h"
#include "platform/qt/SpeedButton.h"

class TFrameMenuAnsicht : public QWidget {
 public:
  explicit TFrameMenuAnsicht(QWidget* owner);

  platform::SpeedButton* SpeedButtonEbenen;
  platform::SpeedButton* SpeedButtonParameter;
  platform::SpeedButton* SpeedButtonNotizen;
  platform::SpeedButton* SpeedButtonZoomDown;
  platform::SpeedButton* SpeedButtonZoomUp;
  platform::Label* LabelZoom;

  void SpeedButtonEbenenClick(QObject* sender);
  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizenClick(QObject* sender);
  void SpeedButtonZoomDownClick(QObject* sender);
  void SpeedButtonZoomUpClick(QObject* sender);
  void ApplyColumns();
  void ApplyZoom();
};
