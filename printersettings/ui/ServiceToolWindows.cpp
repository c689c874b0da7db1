#include "printersettings/ui/ServiceToolWindows.h"

#include "platform/Beep.h"
#include "platform/qt/SystemMessageBox.h"
#include "platform/qt/TextCodec.h"
#include "printersettings/ServiceToolTexts.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/SettingFormServices.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TForm_Editor.h"

namespace printersettings::ui {
namespace {

const QString kBoxTitle = QStringLiteral("Tarvik23 - Osmek AG");

void Report(ConfigResult result, platform::SystemBoxIcon icon) {
  platform::SystemMessageBox(kBoxTitle, platform::ToQt(ConfigResultText(result, FormServices().Language())), icon);
}

// The console closes once the editor or the installer takes over.
void CloseConsole() {
  if (!FormPrinterCLI) return;
  FormPrinterCLI->UnlockInput();
  FormPrinterCLI->close();
}

}  // namespace

void ServiceToolWindows::LockConsoleInput() {
  if (FormPrinterCLI) FormPrinterCLI->LockInput();
}

void ServiceToolWindows::ShowConsoleAnswer(const std::string& reply) {
  if (FormPrinterCLI) FormPrinterCLI->ShowAnswer(reply);
}

void ServiceToolWindows::AddConsoleHistory(const std::string& command) {
  if (FormPrinterCLI) FormPrinterCLI->AddHistory(command);
}

void ServiceToolWindows::UnlockConsoleInput() {
  if (FormPrinterCLI) FormPrinterCLI->UnlockInput();
}

void ServiceToolWindows::ShowLineTooLong() {
  if (FormPrinterCLI) FormPrinterCLI->ShowAnswer(ConsoleLineTooLongText(FormServices().Language()));
}

void ServiceToolWindows::OpenFirmwareInstaller() {
  QWidget* installer = OtherPrinterWindows().FirmwareInstaller;
  if (!installer) {
    // Not part of this program: the console stays, the operator hears it.
    UnlockConsoleInput();
    platform::Beep(platform::BeepKind::Exclamation);
    return;
  }
  CloseConsole();
  if (installer->isVisible()) {
    installer->raise();
    installer->activateWindow();
  } else {
    installer->show();
  }
}

void ServiceToolWindows::OpenConfigEditor() {
  CloseConsole();
  if (!Form_Editor) return;
  if (Form_Editor->isVisible()) {
    // Already open: it shows the fresh copy once its own edits may go.
    Form_Editor->raise();
    Form_Editor->activateWindow();
    if (Form_Editor->MayDiscard()) Form_Editor->LoadFile(Form_Editor->WorkCopy());
  } else {
    Form_Editor->show();
  }
}

void ServiceToolWindows::ShowConfigFetchFailed() {
  UnlockConsoleInput();
  auto report = [] { Report(ConfigResult::FetchFailed, platform::SystemBoxIcon::Stop); };
  if (Form_Editor)
    Form_Editor->FetchFailed(report);
  else
    report();
}

void ServiceToolWindows::ShowConfigStored() { EndInstall(true); }

void ServiceToolWindows::ShowConfigStoreFailed() { EndInstall(false); }

void ServiceToolWindows::EndInstall(bool ok) {
  auto report = [ok] {
    if (ok)
      Report(ConfigResult::Stored, platform::SystemBoxIcon::Information);
    else
      Report(ConfigResult::StoreFailed, platform::SystemBoxIcon::Stop);
  };
  if (Form_Editor)
    Form_Editor->InstallEnded(ok, report);
  else
    report();
}

}  // namespace printersettings::ui
