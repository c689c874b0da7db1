#pragma once
// The printer menu of the main window's side bar.
#include <QWidget>

#include "platform/qt/SpeedButton.h"

class TFrameMenuPrinter : public QWidget {
 public:
  explicit TFrameMenuPrinter(QWidget* owner);

  // Saves the open print data to the printer; enabled only while data is
  // open.
  platform::SpeedButton* SpeedButtonSpeichernAufDrucker;
};
