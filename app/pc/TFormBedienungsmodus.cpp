#include "app/pc/TFormBedienungsmodus.h"

#include <QKeyEvent>
#include <QLabel>

#include "app/Centre.h"
#include "app/DialogKeys.h"
#include "app/Konfig.h"
#include "app/TForm_Main.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/ui/TFrameDaten.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "platform/qt/DialogFlags.h"

TFormBedienungsmodus* FormBedienungsmodus = nullptr;

namespace {
using platform::colours::kGrey;
using platform::colours::kLightGrey;
using platform::colours::kSilver;
constexpr int kMainShort = 176;
constexpr int kMainTall = 248;
constexpr int kWidth = 201;
constexpr int kBottomHeight = 65;
}  // namespace

TFormBedienungsmodus::TFormBedienungsmodus(QWidget* owner)
    : QDialog(owner, platform::FixedDialogFlags()) {
  FormBedienungsmodus = this;
  setObjectName(QStringLiteral("FormBedienungsmodus"));
  setWindowTitle(QStringLiteral(" Bedienungsmodus"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);

  PanelMain = new platform::Panel(this);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kWidth, kMainShort);
  platform::AddButtonPanel(PanelMain, QRect(8, 8, 184, 48), NameBenutzer, PanelBenutzer, SpeedButtonBenutzer);
  platform::AddButtonPanel(PanelMain, QRect(8, 64, 184, 48), NameAdministrator, PanelAdministrator,
                           SpeedButtonAdministrator);
  platform::AddButtonPanel(PanelMain, QRect(8, 120, 184, 48), NameTechniker, PanelService, SpeedButtonService);

  PanelPasswort = new platform::Panel(PanelMain);
  PanelPasswort->SetColor(kLightGrey);
  PanelPasswort->setGeometry(0, kMainTall - 73, kWidth, 73);
  LabelPasswortTitel = new QLabel(QStringLiteral("Passwort"), PanelPasswort);
  LabelPasswortTitel->setGeometry(8, 4, 184, 18);
  PanelEingabe = new platform::Panel(PanelPasswort);
  PanelEingabe->SetColor(kSilver);
  PanelEingabe->setGeometry(8, 24, 184, 40);
  EditEingabe = new QLineEdit(PanelEingabe);
  EditEingabe->setGeometry(8, 8, 168, 24);
  EditEingabe->setFont(platform::VerdanaPx(11, true));
  EditEingabe->setMaxLength(30);
  EditEingabe->setEchoMode(QLineEdit::Password);
  EditEingabe->setStyleSheet(QStringLiteral("QLineEdit { background: %1; border: none; "
                                            "lineedit-password-character: 183; }")
                                 .arg(platform::VclColor(kSilver).name()));
  // No context menu: nothing to copy a password out with.
  PopupMenuLeer = new QMenu(this);
  EditEingabe->setContextMenuPolicy(Qt::NoContextMenu);
  PanelPasswort->hide();

  PanelUnten = platform::AddButtonRow(this, QRect(0, kMainShort, kWidth, kBottomHeight));
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  setFixedSize(kWidth, kMainShort + kBottomHeight);
  NAME_AFTER_MEMBER(LabelPasswortTitel);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  platform::RegisterText(this, "NameBenutzer", NameBenutzer);
  platform::RegisterText(this, "NameAdministrator", NameAdministrator);
  platform::RegisterText(this, "NameTechniker", NameTechniker);

  connect(SpeedButtonBenutzer, &QAbstractButton::clicked, this,
          [this] { SpeedButtonBenutzerClick(SpeedButtonBenutzer); });
  connect(SpeedButtonAdministrator, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAdministratorClick(SpeedButtonAdministrator); });
  connect(SpeedButtonService, &QAbstractButton::clicked, this,
          [this] { SpeedButtonServiceClick(SpeedButtonService); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
  connect(EditEingabe, &QLineEdit::textChanged, this, [this] { EditEingabeChange(); });
}

TFormBedienungsmodus::~TFormBedienungsmodus() {
  if (FormBedienungsmodus == this) FormBedienungsmodus = nullptr;
}

void TFormBedienungsmodus::SetOperatingMode(unsigned mode) {
  mode = app::ValidMode(mode);
  CurrentMode.store(mode);
  if (!Form_Main) return;
  const bool plus = mode == app::kModeTechnicianPlus;
  Form_Main->PanelR12->setVisible(plus);
  Form_Main->PanelR12->SetColor(plus ? kLightGrey : kSilver);
  Form_Main->PanelR12->SetCaption(plus ? QStringLiteral("R12") : QString());
  Form_Main->FrameDaten->PanelTitel->SetShowHint(mode >= app::kModeTechnician);
  // The console's input only for technicians.
  if (FormPrinterCLI) FormPrinterCLI->ApplyOperatingMode(static_cast<int>(mode));
}

void TFormBedienungsmodus::SetStartupMode(unsigned mode) {
  SetOperatingMode(mode);
  StartupMode = CurrentMode.load();
}

void TFormBedienungsmodus::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormBedienungsmodus::FormShow() {
  app::CentreOnMainWindow(this);
  CurrentMode.store(app::ValidMode(CurrentMode.load()));
  EditEingabe->clear();
  ChosenMode = CurrentMode.load();
  StoreStartupMode = false;
  UpdateModeView();
}

void TFormBedienungsmodus::UpdateModeView() {
  for (platform::Panel* p : {PanelBenutzer, PanelAdministrator, PanelService}) p->SetColor(kSilver);
  const unsigned shown = app::ValidMode(ChosenMode);
  (shown == 0 ? PanelBenutzer : shown == 1 ? PanelAdministrator : PanelService)->SetColor(kGrey);

  const bool password = app::NeedsPassword(ChosenMode, CurrentMode.load());
  const int mainHeight = password ? kMainTall : kMainShort;
  PanelPasswort->setVisible(password);
  PanelMain->resize(kWidth, mainHeight);
  PanelUnten->move(0, mainHeight);
  setFixedSize(kWidth, mainHeight + kBottomHeight);
  if (password) {
    EditEingabe->setFocus();
    EditEingabe->selectAll();
  }
  EditEingabeChange();
}

void TFormBedienungsmodus::EditEingabeChange() {
  const app::LoginCheck check = app::CheckLogin(ChosenMode, CurrentMode.load(), EditEingabe->text());
  SpeedButtonOK->setEnabled(check.okEnabled);
  StoreStartupMode = check.storeStartupMode;
  ChosenMode = check.chosen;

  const QString plus = NameTechniker + QStringLiteral("++");
  SpeedButtonBenutzer->SetCaption(NameBenutzer);
  SpeedButtonAdministrator->SetCaption(NameAdministrator);
  SpeedButtonService->SetCaption(ChosenMode == 3 ? plus : NameTechniker);
  // Brackets mark the mode the program will start in after OK.
  const unsigned startup = check.okEnabled && check.storeStartupMode ? ChosenMode : GetStartupMode();
  auto mark = [](const QString& name) { return QStringLiteral("[") + name + QStringLiteral("]"); };
  switch (startup) {
    case 0: SpeedButtonBenutzer->SetCaption(mark(NameBenutzer)); break;
    case 1: SpeedButtonAdministrator->SetCaption(mark(NameAdministrator)); break;
    case 2: SpeedButtonService->SetCaption(mark(NameTechniker)); break;
    default: SpeedButtonService->SetCaption(mark(plus)); break;
  }
}

void TFormBedienungsmodus::SpeedButtonBenutzerClick(QObject*) {
  SpeedButtonBenutzer->repaint();
  ChosenMode = 0;
  UpdateModeView();
}

void TFormBedienungsmodus::SpeedButtonAdministratorClick(QObject*) {
  SpeedButtonAdministrator->repaint();
  ChosenMode = 1;
  UpdateModeView();
}

void TFormBedienungsmodus::SpeedButtonServiceClick(QObject*) {
  SpeedButtonService->repaint();
  ChosenMode = CurrentMode.load() == 3 ? 3 : 2;
  UpdateModeView();
}

void TFormBedienungsmodus::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  CurrentMode.store(app::ValidMode(ChosenMode));
  if (StoreStartupMode) {
    StartupMode = ChosenMode;
    (void)app::WriteProgramConfig();
    StoreStartupMode = false;
  }
  done(6);
}

void TFormBedienungsmodus::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  done(7);
}

void TFormBedienungsmodus::reject() { done(7); }

void TFormBedienungsmodus::keyPressEvent(QKeyEvent* event) {
  app::HandleOkCancelKeys(
      this, event, SpeedButtonOK, [this] { SpeedButtonOKClick(SpeedButtonOK); },
      [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
}
