#include "printdata/ui/TFrameMenuSpeichern.h"

#include "platform/qt/LanguageTexts.h"

TFrameMenuSpeichern::TFrameMenuSpeichern(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuSpeichern"));
  SpeedButtonSpeichern = platform::AddButtonPanel(this, QRect(8, 8, 88, 48), QStringLiteral("Speichern")).button;
  NAME_AFTER_MEMBER(SpeedButtonSpeichern);
  resize(104, 64);
  hide();
}

void TFrameMenuSpeichern::SpeedButtonSpeichernClick(QObject*) {}
