#include "printdata/ui/TFormRapport.h"

#include <QKeyEvent>

#include "platform/qt/DialogFlags.h"
#include "platform/qt/DialogServices.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/ToggleLook.h"

TFormRapport* FormRapport = nullptr;

namespace {

using namespace platform::colours;

constexpr int kWidth = 8 + 176 + 8;
constexpr int kMainHeight = 8 + 5 * 56;
constexpr int kBottomHeight = 65;

}  // namespace

TFormRapport::TFormRapport(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags()) {
  if (!FormRapport) FormRapport = this;
  setObjectName(QStringLiteral("FormRapport"));
  // Without the leading blank of the other dialogs: the language file sets
  // it so, from the same line as the data view's "Rapport" button.
  setWindowTitle(QStringLiteral("Rapport"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  platform::SetTextColour(this, kNavy);

  PanelMain = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelMain);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kWidth, kMainHeight);
  int top = 8;
  auto toggle = [this, &top](const QString& caption, platform::Panel*& panel, platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelMain, QRect(8, top, 176, 48), caption, panel, button);
    top += 56;
  };
  toggle(QStringLiteral("Drucktexte"), PanelDrucktexte, SpeedButtonDrucktexte);
  toggle(QStringLiteral("Ebenen"), PanelEbenen, SpeedButtonEbenen);
  toggle(QStringLiteral("Parameter"), PanelParameter, SpeedButtonParameter);
  toggle(QStringLiteral("Notizen"), PanelNotizen, SpeedButtonNotizen);
  toggle(QStringLiteral("Info"), PanelInfo, SpeedButtonInfo);
  NAME_AFTER_MEMBER(PanelDrucktexte);
  NAME_AFTER_MEMBER(SpeedButtonDrucktexte);
  NAME_AFTER_MEMBER(PanelEbenen);
  NAME_AFTER_MEMBER(SpeedButtonEbenen);
  NAME_AFTER_MEMBER(PanelParameter);
  NAME_AFTER_MEMBER(SpeedButtonParameter);
  NAME_AFTER_MEMBER(PanelNotizen);
  NAME_AFTER_MEMBER(SpeedButtonNotizen);
  NAME_AFTER_MEMBER(PanelInfo);
  NAME_AFTER_MEMBER(SpeedButtonInfo);
  // The pictures are always part of the report.
  SpeedButtonDrucktexte->setEnabled(false);

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

  auto onClick = [this](platform::SpeedButton* b, void (TFormRapport::*handler)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  onClick(SpeedButtonDrucktexte, &TFormRapport::SpeedButtonDrucktexteClick);
  onClick(SpeedButtonEbenen, &TFormRapport::SpeedButtonEbenenClick);
  onClick(SpeedButtonParameter, &TFormRapport::SpeedButtonParameterClick);
  onClick(SpeedButtonNotizen, &TFormRapport::SpeedButtonNotizenClick);
  onClick(SpeedButtonInfo, &TFormRapport::SpeedButtonInfoClick);
  onClick(SpeedButtonOK, &TFormRapport::SpeedButtonOKClick);
  onClick(SpeedButtonAbbrechen, &TFormRapport::SpeedButtonAbbrechenClick);
  ShowFlags();
}

TFormRapport::~TFormRapport() {
  if (FormRapport == this) FormRapport = nullptr;
}

int TFormRapport::ShowModal() { return exec() == 6 ? 6 : 7; }

void TFormRapport::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormRapport::FormShow() {
  if (host_) move(platform::CentredOn(host_->MainWindowFrame(), frameGeometry().size()));
  ShowFlags();
}

void TFormRapport::ShowFlags() {
  IncludeTexts = 1;
  const std::pair<platform::Panel*, std::uint8_t> looks[] = {{PanelDrucktexte, IncludeTexts},
                                                            {PanelEbenen, IncludeLayers},
                                                            {PanelParameter, IncludeParameters},
                                                            {PanelNotizen, IncludeNotes},
                                                            {PanelInfo, IncludeInfo}};
  for (const auto& [panel, flag] : looks) printdata::ui::SetChoiceLook(panel, flag == 1);
}

void TFormRapport::Toggle(platform::SpeedButton* button, std::uint8_t& flag) {
  button->repaint();
  flag = flag == 1 ? 0 : 1;
  ShowFlags();
}

void TFormRapport::SpeedButtonDrucktexteClick(QObject*) { Toggle(SpeedButtonDrucktexte, IncludeTexts); }
void TFormRapport::SpeedButtonEbenenClick(QObject*) { Toggle(SpeedButtonEbenen, IncludeLayers); }
void TFormRapport::SpeedButtonParameterClick(QObject*) { Toggle(SpeedButtonParameter, IncludeParameters); }
void TFormRapport::SpeedButtonNotizenClick(QObject*) { Toggle(SpeedButtonNotizen, IncludeNotes); }
void TFormRapport::SpeedButtonInfoClick(QObject*) { Toggle(SpeedButtonInfo, IncludeInfo); }

void TFormRapport::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  done(6);
}

void TFormRapport::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  done(7);
}

void TFormRapport::reject() { done(7); }

void TFormRapport::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  platform::DialogKeyActions keys = HostDialogKeys(host_, this);
  keys.okButton = SpeedButtonOK;
  keys.ok = [this] { SpeedButtonOKClick(SpeedButtonOK); };
  keys.cancel = [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); };
  (void)platform::HandleDialogKeys(key, modifiers, keys);
}

void TFormRapport::keyPressEvent(QKeyEvent* event) { FormKeyDown(event->key(), event->modifiers()); }
