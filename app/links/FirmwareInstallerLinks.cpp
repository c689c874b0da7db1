#include "app/links/FirmwareInstallerLinks.h"

#include "app/archive/ArchivePassword.h"
#include "app/TForm_Main.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "printerlink/thread/Thread_Printer.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterFirmwareInstaller.h"

namespace app {

void CreateFirmwareInstaller() {
  printersettings::ui::FirmwareInstallerServices services;
  services.ExtractPackage = [](const std::string& path, std::uint8_t* buffer, int size, std::string& text) {
    if (!Form_ZipUnzip || !Form_Main) return -1;
    if (const int r = Form_ZipUnzip->SetArchiveTempDir(Form_Main->TmpDir + "FL/"); r != 0) return r;
    return Form_ZipUnzip->ExtractPackage(path, buffer, size, text, ArchivePassword);
  };
  if (Form_Main) {
    services.HexDir = Form_Main->HexDir;
    services.TmpDir = Form_Main->TmpDir;
  }
  services.CliWord = [] { return Form_Main && Form_Main->PrinterThread ? Form_Main->PrinterThread->GetCliWord() : -1; };
  auto* window = new TFormPrinterFirmwareInstaller(nullptr, std::move(services));
  printersettings::ui::OtherPrinterWindows().FirmwareInstaller = window;
}

void DeleteFirmwareInstaller() { delete FormPrinterFirmwareInstaller; }

}  // namespace app
