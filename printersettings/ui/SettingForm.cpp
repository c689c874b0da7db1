#include "printersettings/ui/SettingForm.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/DialogFlags.h"
#include "platform/qt/DialogKeys.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/UserGuide.h"
#include "platform/qt/WholeOnScreen.h"
#include "printdata/ui/ClickRouting.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printersettings/ui/SettingWidgets.h"

namespace printersettings::ui {
namespace {

using namespace platform::colours;
constexpr int kButtonRowHeight = 65;

}  // namespace

SettingForm::SettingForm(QWidget* owner, const char* name, const QString& caption)
    : QDialog(owner, platform::FixedDialogFlags()) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  setFont(platform::VerdanaPx(11));
  setModal(true);
  platform::SetWindowColour(this, kLightGrey);
  // The forms that grow with the panels the operator picks stay whole on the
  // screen.
  platform::KeepWholeOnScreen(this);

  PanelUnten = platform::AddButtonRow(this, QRect(0, 0, kFormWidth, kButtonRowHeight));
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelUnten);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
  printdata::ui::PassClicksWhenDisabled(SpeedButtonOK);
  printdata::ui::OnClick(PanelOK, [this] { PanelOKClick(PanelOK); });

  printerthread::PrinterDisplays().Add(this);
  platform::RegisterSettingsPage(this, {.beforePrint = [this] { PrepareForHardcopy(); },
                                        .changePending = [this] { return RequestPending(); }});
}

SettingForm::~SettingForm() { printerthread::PrinterDisplays().Remove(this); }

void SettingForm::PlaceButtonRow(int top, int width) {
  PanelUnten->setGeometry(0, top, width, kButtonRowHeight);
  const int ok = width / 2 - 92;
  PanelOK->move(ok, 9);
  PanelAbbrechen->move(ok + 96, 9);
  setFixedSize(width, top + kButtonRowHeight);
}

void SettingForm::Centre() { platform::CentreOnMainWindow(this, FormServices()); }

void SettingForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void SettingForm::FormShow() {
  ApplyEnablingRules();
  CopyPrinterToEdit();
  UpdateView();
  WithdrawRequest();
  // Last, as the rules and the refresh may change the form's size.
  Centre();
}

bool SettingForm::ModeAllowsOk() const {
  return FormServices().ModeReaches(MinimumOperatingMode());
}

void SettingForm::GateOk() { SpeedButtonOK->setEnabled(ModeAllowsOk() && OkAllowed()); }

void SettingForm::PanelOKClick(QObject*) {
  if (ModeAllowsOk()) return;
  SettingFormServices& s = FormServices();
  QCoreApplication::processEvents();
  const Catalogue text = MinimumOperatingMode() >= 2 ? Catalogue::DeniedUserAdmin : Catalogue::DeniedUser;
  if (s.ShowNotice) s.ShowNotice(SpeedButtonOK->Caption(), s.CatalogueText ? s.CatalogueText(text) : QString(), kSilver);
}

void SettingForm::SpeedButtonOKClick(QObject* sender) {
  platform::RepaintSender(sender);
  done(kResultOk);
}

void SettingForm::SpeedButtonAbbrechenClick(QObject* sender) {
  platform::RepaintSender(sender);
  done(kResultCancel);
}

void SettingForm::reject() { done(kResultClosed); }

void SettingForm::FormKeyDown(QKeyEvent* event) {
  platform::DialogKeyActions keys;
  keys.okButton = SpeedButtonOK;
  keys.ok = [this] { SpeedButtonOKClick(SpeedButtonOK); };
  keys.cancel = [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); };
  keys.hardcopy = [this] { platform::PrintHardcopy(this); };
  keys.userGuide = platform::OpenUserGuide;
  platform::HandleDialogKeys(event->key(), event->modifiers(), keys);
}

void SettingForm::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void SettingForm::ResetDisplay(const printerthread::DisplayView& view) { TakePrinterValues(view, true); }

void SettingForm::RefreshDisplay(const printerthread::DisplayView& view) { TakePrinterValues(view, false); }

void SettingForm::HandCaptions() {
  printerthread::PrinterCaptionTable().Update([this](printerthread::PrinterCaptions& c) { PublishCaptions(c); });
}

void SettingForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) HandCaptions();
  QDialog::changeEvent(event);
}

}  // namespace printersettings::ui
