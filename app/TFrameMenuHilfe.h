#pragma once
// The help menu of the main window's side bar: user guide, remote support,
// e-mail and info.
#include <QWidget>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameMenuHilfe : public QWidget {
 public:
  explicit TFrameMenuHilfe(QWidget* owner);

  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelBenutzerhandbuch;
  platform::SpeedButton* SpeedButtonBenutzerhandbuch;
  platform::Panel* PanelFernsteuerung;
  platform::SpeedButton* SpeedButtonFernsteuerung;
  platform::Panel* PanelEmail;
  platform::SpeedButton* SpeedButtonEmail;
  platform::Panel* PanelInfo;
  platform::SpeedButton* SpeedButtonInfo;
};
