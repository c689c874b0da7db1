#include "printdata/ui/TFrameMenuOeffnen.h"

#include "platform/qt/LanguageTexts.h"

TFrameMenuOeffnen::TFrameMenuOeffnen(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuOeffnen"));
  SpeedButtonOeffnen = platform::AddButtonPanel(this, QRect(8, 8, 88, 48), QStringLiteral("Öffnen")).button;
  NAME_AFTER_MEMBER(SpeedButtonOeffnen);
  resize(104, 64);
  hide();
}

void TFrameMenuOeffnen::SpeedButtonOeffnenClick(QObject*) {}
