#include "app/pc/TFormHerstellen.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/Centre.h"
#include "app/DialogKeys.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/ui/ClickRouting.h"

TFormHerstellen* FormHerstellen = nullptr;

namespace {

using namespace platform::colours;
constexpr int kWidth = 201;
constexpr int kMainHeight = 192;
constexpr int kBottomHeight = 65;
constexpr std::uint32_t kFontColour = 0x3C3C3C;

}  // namespace

TFormHerstellen::TFormHerstellen(QWidget* owner)
    : QDialog(owner, platform::FixedDialogFlags()) {
  if (!FormHerstellen) FormHerstellen = this;
  setObjectName(QStringLiteral("FormHerstellen"));
  setWindowTitle(QStringLiteral(" Herstellen"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  platform::SetTextColour(this, kFontColour);

  PanelMain = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelMain);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kWidth, kMainHeight);
  LabelWasTitel = new QLabel(QStringLiteral("Auswahl"), PanelMain);
  NAME_AFTER_MEMBER(LabelWasTitel);
  LabelWasTitel->setGeometry(8, 6, 184, 16);
  auto toggle = [this](int top, const QString& caption, platform::Panel*& panel, platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelMain, QRect(8, top, 184, 48), caption, panel, button);
  };
  toggle(24, QStringLiteral("Daten"), PanelDaten, SpeedButtonDaten);
  toggle(80, QStringLiteral("Grafiken"), PanelBilder, SpeedButtonBilder);
  toggle(136, QStringLiteral("Einstellungen"), PanelEinstellungen, SpeedButtonEinstellungen);
  NAME_AFTER_MEMBER(PanelDaten);
  NAME_AFTER_MEMBER(SpeedButtonDaten);
  NAME_AFTER_MEMBER(PanelBilder);
  NAME_AFTER_MEMBER(SpeedButtonBilder);
  NAME_AFTER_MEMBER(PanelEinstellungen);
  NAME_AFTER_MEMBER(SpeedButtonEinstellungen);

  PanelUnten = platform::AddButtonRow(this, QRect(0, kMainHeight, kWidth, kBottomHeight));
  NAME_AFTER_MEMBER(PanelUnten);
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  setFixedSize(kWidth, kMainHeight + kBottomHeight);

  connect(SpeedButtonDaten, &QAbstractButton::clicked, this, [this] { SpeedButtonDatenClick(SpeedButtonDaten); });
  connect(SpeedButtonBilder, &QAbstractButton::clicked, this, [this] { SpeedButtonBilderClick(SpeedButtonBilder); });
  connect(SpeedButtonEinstellungen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonEinstellungenClick(SpeedButtonEinstellungen); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
  // While OK is off its panel takes the click, to say why.
  printdata::ui::PassClicksWhenDisabled(SpeedButtonOK);
  printdata::ui::OnClick(PanelOK, [this] { PanelOKClick(PanelOK); });
}

TFormHerstellen::~TFormHerstellen() {
  if (FormHerstellen == this) FormHerstellen = nullptr;
}

int TFormHerstellen::ShowModal() { return exec() == 6 ? 6 : 7; }

bool TFormHerstellen::UserMode() const { return FormBedienungsmodus && FormBedienungsmodus->GetOperatingMode() == 0; }

void TFormHerstellen::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormHerstellen::FormShow() {
  app::CentreOnMainWindow(this);
  for (auto [panel, button] : {std::pair{PanelDaten, SpeedButtonDaten}, std::pair{PanelBilder, SpeedButtonBilder},
                               std::pair{PanelEinstellungen, SpeedButtonEinstellungen}}) {
    button->Tag = 1;
    panel->SetColor(kGrey);
  }
  UpdateOk();
}

void TFormHerstellen::UpdateOk() {
  const bool any = SpeedButtonDaten->Tag == 1 || SpeedButtonBilder->Tag == 1 || SpeedButtonEinstellungen->Tag == 1;
  SpeedButtonOK->setEnabled(any && !UserMode());
}

void TFormHerstellen::Toggle(platform::Panel* panel, platform::SpeedButton* button) {
  button->repaint();
  button->Tag = button->Tag == 1 ? 0 : 1;
  panel->SetColor(button->Tag == 1 ? kGrey : kSilver);
  UpdateOk();
}

void TFormHerstellen::SpeedButtonDatenClick(QObject*) { Toggle(PanelDaten, SpeedButtonDaten); }
void TFormHerstellen::SpeedButtonBilderClick(QObject*) { Toggle(PanelBilder, SpeedButtonBilder); }
void TFormHerstellen::SpeedButtonEinstellungenClick(QObject*) { Toggle(PanelEinstellungen, SpeedButtonEinstellungen); }

void TFormHerstellen::PanelOKClick(QObject*) {
  if (!UserMode() || !FormMessage) return;
  QCoreApplication::processEvents();
  FormMessage->ShowNotice(SpeedButtonOK->Caption(), FormMessage->MsgDeniedUser, TFormMessage::kSilver, true);
}

void TFormHerstellen::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  done(6);
}

void TFormHerstellen::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  done(7);
}

void TFormHerstellen::keyPressEvent(QKeyEvent* event) {
  app::HandleOkCancelKeys(
      this, event, SpeedButtonOK, [this] { SpeedButtonOKClick(SpeedButtonOK); },
      [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
}
