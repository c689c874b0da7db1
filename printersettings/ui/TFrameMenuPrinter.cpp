#include "printersettings/ui/TFrameMenuPrinter.h"

TFrameMenuPrinter::TFrameMenuPrinter(QWidget* owner) : QWidget(owner) {
  SpeedButtonSpeichernAufDrucker =
      platform::AddButtonPanel(this, QRect(8, 8, 176, 48), QStringLiteral("Daten speichern")).button;
  resize(192, 64);
  hide();
}
