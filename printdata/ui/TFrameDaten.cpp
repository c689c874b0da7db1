#include "printdata/ui/TFrameDaten.h"

#include <algorithm>

#include "platform/Colours.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"

TFrameDaten::TFrameDaten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameDaten"));
  setFont(platform::VerdanaPx(11));
  PanelTitel = platform::AddTitleBar(this, TitleNone);
  PanelTop = new platform::Panel(this);
  PanelTop->SetColor(platform::colours::kSilver);

  auto add = [this](int left, const QString& caption, platform::Panel*& panel,
                    platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelTop, QRect(left, 8, 88, 48), caption, panel, button);
  };
  add(8, QStringLiteral("Ansicht"), PanelAnsicht, SpeedButtonAnsichtDown);
  add(104, QStringLiteral("Öffnen"), PanelOeffnen, SpeedButtonOeffnen);
  add(200, QStringLiteral("Speichern"), PanelSpeichern, SpeedButtonSpeichern);
  add(296, QStringLiteral("Schliessen"), PanelSchliessen, SpeedButtonSchliessen);
  add(392, QStringLiteral("Werkzeug"), PanelWerkzeug, SpeedButtonWerkzeug);
  add(488, QStringLiteral("Schutz"), PanelSchutz, SpeedButtonSchutz);
  add(608, QStringLiteral("Rapport"), PanelRapport, SpeedButtonRapport);
  add(704, QStringLiteral("?"), PanelHilfe, SpeedButtonHilfe);

  NAME_AFTER_MEMBER(PanelTitel);
  NAME_AFTER_MEMBER(SpeedButtonAnsichtDown);
  NAME_AFTER_MEMBER(SpeedButtonOeffnen);
  NAME_AFTER_MEMBER(SpeedButtonSpeichern);
  NAME_AFTER_MEMBER(SpeedButtonSchliessen);
  NAME_AFTER_MEMBER(SpeedButtonWerkzeug);
  NAME_AFTER_MEMBER(SpeedButtonSchutz);
  NAME_AFTER_MEMBER(SpeedButtonRapport);
  platform::RegisterText(this, "TitleNone", TitleNone);
  platform::RegisterText(this, "TitleNew", TitleNew);
}

void TFrameDaten::resizeEvent(QResizeEvent*) {
  PanelTitel->setGeometry(0, 0, width(), 32);
  PanelTop->setGeometry(0, 32, width(), 64);
  // "Rapport" and "?" keep their distance to the right edge while the page
  // has room for them beside "Schutz"; a page too narrow for eight buttons of
  // 88 px 8 px apart (the smallest window) shares its width among all eight.
  constexpr int kGap = 8, kButton = 88, kPitch = kButton + kGap;
  platform::Panel* const bar[] = {PanelAnsicht,  PanelOeffnen, PanelSpeichern, PanelSchliessen,
                                  PanelWerkzeug, PanelSchutz,  PanelRapport,   PanelHilfe};
  const int rapport = width() - 2 * kPitch;
  if (rapport >= kGap + 6 * kPitch) {
    for (int i = 0; i < 6; ++i) bar[i]->setGeometry(kGap + i * kPitch, 8, kButton, 48);
    PanelRapport->setGeometry(rapport, 8, kButton, 48);
    PanelHilfe->setGeometry(rapport + kPitch, 8, kButton, 48);
  } else {
    const int button = std::max(1, (width() - 9 * kGap) / 8);
    for (int i = 0; i < 8; ++i) bar[i]->setGeometry(kGap + i * (button + kGap), 8, button, 48);
  }
}

void TFrameDaten::CreateRows() {}

void TFrameDaten::ShowPage() { show(); }

void TFrameDaten::ShowProtection() {}

void TFrameDaten::SelectRow(QWidget*) {}
