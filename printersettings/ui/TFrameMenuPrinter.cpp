#include "printersettings/ui/TFrameMenuPrinter.h"

#include "platform/qt/LanguageTexts.h"

TFrameMenuPrinter::TFrameMenuPrinter(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuPrinter"));
  SpeedButtonSpeichernAufDrucker =
      platform::AddButtonPanel(this, QRect(8, 8, 176, 48), QStringLiteral("Daten speichern")).button;
  NAME_AFTER_MEMBER(SpeedButtonSpeichernAufDrucker);
  resize(192, 64);
  hide();
}
