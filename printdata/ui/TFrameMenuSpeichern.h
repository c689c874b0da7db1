#pragma once
// The data page's save menu.
#include <QObject>
#include <QWidget>

#include "platform/qt/SpeedButton.h"

class TFrameMenuSpeichern : public QWidget {
 public:
  explicit TFrameMenuSpeichern(QWidget* owner);

  platform::SpeedButton* SpeedButtonSpeichern;

  void SpeedButtonSpeichernClick(QObject* sender);
};
