#include "printdata/ui/TFrameMenuOeffnen.h"

TFrameMenuOeffnen::TFrameMenuOeffnen(QWidget* owner) : QWidget(owner) {
  SpeedButtonOeffnen = platform::AddButtonPanel(this, QRect(8, 8, 88, 48), QStringLiteral("Öffnen")).button;
  resize(104, 64);
  hide();
}

void TFrameMenuOeffnen::SpeedButtonOeffnenClick(QObject*) {}
