#pragma once
// The data list's edit menu. The Tags of the two paste buttons say whether
// the clipboard print text holds something.
#include <QObject>
#include <QWidget>

#include "platform/qt/SpeedButton.h"

class TFrameMenuBearbeiten : public QWidget {
 public:
  explicit TFrameMenuBearbeiten(QWidget* owner);

  platform::SpeedButton* SpeedButtonNeu;
  platform::SpeedButton* SpeedButtonEntfernen;
  platform::SpeedButton* SpeedButtonBearbeiten;
  platform::SpeedButton* SpeedButtonKopieren;
  platform::SpeedButton* SpeedButtonAusschneiden;
  platform::SpeedButton* SpeedButtonEinfuegen;
  platform::SpeedButton* SpeedButtonEinfuegenErweitert;

  void SpeedButtonNeuClick(QObject* sender);
  void SpeedButtonEntfernenClick(QObject* sender);
  void SpeedButtonBearbeitenClick(QObject* sender);
  void SpeedButtonKopierenClick(QObject* sender);
  void SpeedButtonAusschneidenClick(QObject* sender);
  void SpeedButtonEinfuegenClick(QObject* sender);
};
