#include "printdata/ui/TFrameMenuBearbeiten.h"

#include "platform/qt/LanguageTexts.h"

TFrameMenuBearbeiten::TFrameMenuBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuBearbeiten"));
  int top = 8;
  auto add = [this, &top](const QString& caption) {
    auto* b = platform::AddButtonPanel(this, QRect(8, top, 88, 48), caption).button;
    top += 56;
    return b;
  };
  SpeedButtonNeu = add(QStringLiteral("Neu"));
  SpeedButtonEntfernen = add(QStringLiteral("Entfernen"));
  SpeedButtonBearbeiten = add(QStringLiteral("Bearbeiten"));
  SpeedButtonKopieren = add(QStringLiteral("Kopieren"));
  SpeedButtonAusschneiden = add(QStringLiteral("Ausschneiden"));
  SpeedButtonEinfuegen = add(QStringLiteral("Einfügen"));
  SpeedButtonEinfuegenErweitert = add(QStringLiteral("Einfügen..."));
  NAME_AFTER_MEMBER(SpeedButtonNeu);
  NAME_AFTER_MEMBER(SpeedButtonEntfernen);
  NAME_AFTER_MEMBER(SpeedButtonBearbeiten);
  NAME_AFTER_MEMBER(SpeedButtonKopieren);
  NAME_AFTER_MEMBER(SpeedButtonAusschneiden);
  NAME_AFTER_MEMBER(SpeedButtonEinfuegen);
  NAME_AFTER_MEMBER(SpeedButtonEinfuegenErweitert);
  SpeedButtonEinfuegen->setEnabled(false);
  SpeedButtonEinfuegenErweitert->setEnabled(false);
  resize(104, top);
  hide();
}

void TFrameMenuBearbeiten::SpeedButtonNeuClick(QObject*) {}
void TFrameMenuBearbeiten::SpeedButtonEntfernenClick(QObject*) {}
void TFrameMenuBearbeiten::SpeedButtonBearbeitenClick(QObject*) {}
void TFrameMenuBearbeiten::SpeedButtonKopierenClick(QObject*) {}
void TFrameMenuBearbeiten::SpeedButtonAusschneidenClick(QObject*) {}
void TFrameMenuBearbeiten::SpeedButtonEinfuegenClick(QObject*) {}
