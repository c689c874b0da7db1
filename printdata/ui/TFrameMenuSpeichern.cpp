#include "printdata/ui/TFrameMenuSpeichern.h"

TFrameMenuSpeichern::TFrameMenuSpeichern(QWidget* owner) : QWidget(owner) {
  SpeedButtonSpeichern = platform::AddButtonPanel(this, QRect(8, 8, 88, 48), QStringLiteral("Speichern")).button;
  resize(104, 64);
  hide();
}

void TFrameMenuSpeichern::SpeedButtonSpeichernClick(QObject*) {}
