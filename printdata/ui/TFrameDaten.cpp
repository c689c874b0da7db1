#include "printdata/ui/TFrameDaten.h"

#include "platform/Colours.h"
#include "platform/qt/Fonts.h"

TFrameDaten::TFrameDaten(QWidget* owner) : QWidget(owner) {
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
}

void TFrameDaten::resizeEvent(QResizeEvent*) {
  PanelTitel->setGeometry(0, 0, width(), 32);
  PanelTop->setGeometry(0, 32, width(), 64);
  // "Rapport" and "?" keep their distance to the right edge.
  PanelHilfe->move(width() - 96, 8);
  PanelRapport->move(width() - 192, 8);
}

void TFrameDaten::CreateRows() {}

void TFrameDaten::ShowPage() { show(); }

void TFrameDaten::ShowProtection() {}

void TFrameDaten::SelectRow(QWidget*) {}
