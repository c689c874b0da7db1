#include "app/pc/TFormEinstellenPC.h"

#include <QKeyEvent>

#include "app/Centre.h"
#include "app/DialogKeys.h"
#include "app/DesktopLauncher.h"
#include "app/pc/PortListText.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/PortRegistry.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/ClickRouting.h"
#include "printerlink/PortState.h"

TFormEinstellenPC* FormEinstellenPC = nullptr;

namespace {
using namespace platform::colours;
constexpr int kWidth = 201;
constexpr std::uint32_t kFontColour = 0x3C3C3C;

platform::Panel* Group(QWidget* dialog, int top, int height, std::uint32_t colour) {
  auto* panel = new platform::Panel(dialog);
  panel->setGeometry(0, top, kWidth, height);
  panel->SetColor(colour);
  return panel;
}

void PaintToggle(platform::Panel* panel, unsigned chosen) { panel->SetColor(chosen == 1 ? kGrey : kSilver); }

}  // namespace

TFormEinstellenPC::TFormEinstellenPC(QWidget* owner)
    : QDialog(owner, platform::FixedDialogFlags()) {
  FormEinstellenPC = this;
  setObjectName(QStringLiteral("FormEinstellenPC"));
  setWindowTitle(QStringLiteral(" Einstellungen"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  platform::SetTextColour(this, kFontColour);

  auto toggle = [](QWidget* group, int top, const QString& caption, platform::Panel*& panel,
                   platform::SpeedButton*& button) {
    platform::AddButtonPanel(group, QRect(8, top, 184, 48), caption, panel, button);
    panel->SetColor(kSilver);
  };
  Panel0 = Group(this, 0, 176, kLightGrey);
  toggle(Panel0, 8, QStringLiteral("RS232 + USB"), PanelRS232USB, SpeedButtonRS232USB);
  toggle(Panel0, 64, QStringLiteral("Bluetooth"), PanelBluetooth, SpeedButtonBluetooth);
  toggle(Panel0, 120, QStringLiteral("LAN + WLAN"), PanelLANWLAN, SpeedButtonLANWLAN);
  // Nothing enables it: the kind is only stored and restored.
  SpeedButtonLANWLAN->setEnabled(false);

  Panel1 = Group(this, 176, 64, kLightGrey);
  Panel1->SetTopLine(true);
  toggle(Panel1, 8, QStringLiteral("USB Treiber installieren"), PanelTreiberUSB, SpeedButtonTreiberUSB);
  Panel3 = Group(this, 240, 64, kLightGrey);
  Panel3->SetTopLine(true);
  toggle(Panel3, 8, QStringLiteral("Simulation"), PanelSimulation, SpeedButtonSimulation);

  PanelUnten = platform::AddButtonRow(this, QRect(0, 304, kWidth, 65));
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonRS232USB);
  NAME_AFTER_MEMBER(SpeedButtonBluetooth);
  NAME_AFTER_MEMBER(SpeedButtonLANWLAN);
  NAME_AFTER_MEMBER(SpeedButtonTreiberUSB);
  NAME_AFTER_MEMBER(SpeedButtonSimulation);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  setFixedSize(kWidth, 369);

  connect(SpeedButtonRS232USB, &QAbstractButton::clicked, this,
          [this] { SpeedButtonRS232USBClick(SpeedButtonRS232USB); });
  connect(SpeedButtonBluetooth, &QAbstractButton::clicked, this,
          [this] { SpeedButtonBluetoothClick(SpeedButtonBluetooth); });
  connect(SpeedButtonLANWLAN, &QAbstractButton::clicked, this,
          [this] { SpeedButtonLANWLANClick(SpeedButtonLANWLAN); });
  connect(SpeedButtonTreiberUSB, &QAbstractButton::clicked, this,
          [this] { SpeedButtonTreiberUSBClick(SpeedButtonTreiberUSB); });
  connect(SpeedButtonSimulation, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSimulationClick(SpeedButtonSimulation); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
  printdata::ui::OnMouse(Panel0, {{}, {}, [this] { Panel0DblClick(Panel0); }});
  printdata::ui::OnMouse(Panel1, {{}, {}, [this] { Panel1DblClick(Panel1); }});
  printdata::ui::OnMouse(Panel3, {{}, {}, [this] { Panel1DblClick(Panel3); }});

  SpeedButtonTreiberUSB->setEnabled(true);
  UpdateConnectionView();
}

TFormEinstellenPC::~TFormEinstellenPC() {
  if (FormEinstellenPC == this) FormEinstellenPC = nullptr;
}

std::string TFormEinstellenPC::DriverInstallerPath() const {
  return (Form_Main ? Form_Main->DriverDir : std::string()) + "CDM212364_Setup.exe";
}

void TFormEinstellenPC::UpdateConnectionView() {
  if (ChosenSimulation > 1) ChosenSimulation = 0;
  PaintToggle(PanelRS232USB, ChosenRS232USB);
  PaintToggle(PanelBluetooth, ChosenBluetooth);
  PaintToggle(PanelLANWLAN, ChosenLANWLAN);
  PaintToggle(PanelSimulation, ChosenSimulation);
}

void TFormEinstellenPC::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormEinstellenPC::FormShow() {
  app::CentreOnMainWindow(this);
  ChosenRS232USB = UseRS232USB.load();
  ChosenBluetooth = UseBluetooth.load();
  ChosenLANWLAN = UseLANWLAN.load();
  ChosenSimulation = UseSimulation.load();
  SpeedButtonTreiberUSB->setEnabled(true);
  UpdateConnectionView();
}

void TFormEinstellenPC::Toggle(platform::SpeedButton* button, unsigned& chosen) {
  button->repaint();
  chosen = chosen == 0 ? 1 : 0;
  UpdateConnectionView();
}

void TFormEinstellenPC::SpeedButtonRS232USBClick(QObject*) { Toggle(SpeedButtonRS232USB, ChosenRS232USB); }
void TFormEinstellenPC::SpeedButtonBluetoothClick(QObject*) { Toggle(SpeedButtonBluetooth, ChosenBluetooth); }
void TFormEinstellenPC::SpeedButtonLANWLANClick(QObject*) { Toggle(SpeedButtonLANWLAN, ChosenLANWLAN); }
void TFormEinstellenPC::SpeedButtonSimulationClick(QObject*) { Toggle(SpeedButtonSimulation, ChosenSimulation); }

void TFormEinstellenPC::SpeedButtonTreiberUSBClick(QObject*) {
  SpeedButtonTreiberUSB->repaint();
  PanelTreiberUSB->SetColor(kGrey);
  PanelTreiberUSB->repaint();
  // Once per showing of the dialog.
  SpeedButtonTreiberUSB->setEnabled(false);
  const std::string installer = DriverInstallerPath();
  if (!platform::IsFile(installer)) {
    platform::Beep(platform::BeepKind::Stop);
  } else {
    if (FormMessage)
      FormMessage->ShowNotice(SpeedButtonTreiberUSB->Caption(), FormMessage->MsgUnplugUsb, TFormMessage::kSilver,
                              true);
    if (!app::StartProgram(installer, "/")) platform::Beep(platform::BeepKind::Stop);
  }
  PanelTreiberUSB->SetColor(kSilver);
  PanelTreiberUSB->repaint();
  // The driver is for USB ports.
  ChosenRS232USB = 1;
  UpdateConnectionView();
}

void TFormEinstellenPC::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  UseRS232USB.store(ChosenRS232USB);
  UseBluetooth.store(ChosenBluetooth);
  UseLANWLAN.store(ChosenLANWLAN);
  UseSimulation.store(ChosenSimulation);
  done(6);
}

void TFormEinstellenPC::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  done(7);
}

void TFormEinstellenPC::reject() { done(7); }

void TFormEinstellenPC::Panel0DblClick(QObject*) {
  const int language = FormSprache ? FormSprache->GetLanguage() : 0;
  // The label under the printer button is empty while a printer is
  // connected.
  const bool connected = Form_Main && Form_Main->LabelPrinter->text().isEmpty();
  const QString text =
      app::PortListText(language, platform::Ports().List(), connected, printerlink::ComPortNumber.load());
  platform::SystemMessageBox(app::kProgramTitle, text, platform::SystemBoxIcon::Information);
}

void TFormEinstellenPC::Panel1DblClick(QObject* sender) { Panel0DblClick(sender); }

void TFormEinstellenPC::keyPressEvent(QKeyEvent* event) {
  app::HandleOkCancelKeys(
      this, event, SpeedButtonOK, [this] { SpeedButtonOKClick(SpeedButtonOK); },
      [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
}
