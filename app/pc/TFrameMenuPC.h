#pragma once
// The PC menu of the main window's side bar: operating mode, language,
// backup, restore, PC settings and update.
#include <QObject>
#include <QWidget>
#include <cstdint>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameMenuPC : public QWidget {
 public:
  explicit TFrameMenuPC(QWidget* owner);

  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelMain3;
  platform::Panel* PanelMain4;
  platform::Panel* PanelBedienungsmodus;
  platform::SpeedButton* SpeedButtonBedienungsmodus;
  platform::Panel* PanelSprache;
  platform::SpeedButton* SpeedButtonSprache;
  platform::Panel* PanelSichern;
  platform::SpeedButton* SpeedButtonSichern;
  platform::Panel* PanelHerstellen;
  platform::SpeedButton* SpeedButtonHerstellen;
  platform::Panel* PanelEinstellen;
  platform::SpeedButton* SpeedButtonEinstellen;
  platform::Panel* PanelUpdate;
  platform::SpeedButton* SpeedButtonUpdate;

  // The operating-mode login; after OK the mode it stored is applied.
  void SpeedButtonBedienungsmodusClick(QObject* sender);
  // The language dialog; after OK the chosen language is loaded and, when
  // its file loaded, written to the program configuration.
  void SpeedButtonSpracheClick(QObject* sender);
  // The PC settings; after OK they are written to the program
  // configuration and the printer port is closed, so that the printer
  // thread searches again with the link kinds now in force.
  void SpeedButtonEinstellenClick(QObject* sender);
  // Refused while the open data has unsaved changes; otherwise the update
  // question, and the program closes when the update is accepted. Enabled
  // only while an update is ready.
  void SpeedButtonUpdateClick(QObject* sender);
  // A click on the background closes the menu.
  void PanelMain1Click(QObject* sender);

  // Backup and restore of the program's data and settings (bak23 files).
  // FileDialogActive is 1 from the file dialog of either until it ends.
  std::uint8_t FileDialogActive = 0;
  void SpeedButtonSichernClick(QObject* sender);
  void SpeedButtonHerstellenClick(QObject* sender);
};
