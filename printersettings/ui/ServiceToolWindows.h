#pragma once
// The console's and the configuration editor's side of their sequences in
// the printer thread: the program's console (FormPrinterCLI), editor
// (Form_Editor) and firmware installer (OtherPrinterWindows()), each step
// run in the GUI thread. The editor's results and a failed fetch are told
// in the system message box, German in German and English otherwise.
#include "printerlink/thread/ServiceDesk.h"

namespace printersettings::ui {

class ServiceToolWindows final : public printerthread::ServiceDesk {
 public:
  void LockConsoleInput() override;
  void ShowConsoleAnswer(const std::string& reply) override;
  void AddConsoleHistory(const std::string& command) override;
  void UnlockConsoleInput() override;
  void ShowLineTooLong() override;
  void OpenFirmwareInstaller() override;
  void OpenConfigEditor() override;
  void ShowConfigFetchFailed() override;
  void ShowConfigStored() override;
  void ShowConfigStoreFailed() override;

 private:
  // The editor given back after its installation, the result told.
  void EndInstall(bool ok);
};

}  // namespace printersettings::ui
