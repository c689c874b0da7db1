#pragma once
// The data page's open menu.
#include <QObject>
#include <QWidget>

#include "platform/qt/SpeedButton.h"

class TFrameMenuOeffnen : public QWidget {
 public:
  explicit TFrameMenuOeffnen(QWidget* owner);

  platform::SpeedButton* SpeedButtonOeffnen;

  void SpeedButtonOeffnenClick(QObject* sender);
};
