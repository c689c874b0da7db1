#include "app/links/PrinterServiceWindows.h"

#include "app/TForm_Main.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/NamedColours.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TForm_Editor.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"
#include "printersettings/ui/TFrameMenuPrinter.h"
#include "printersettings/ui/TFramePrinter.h"

namespace app {
namespace {

using namespace platform::colours;

void ShowTile(const TFramePrinter::Tile& tile, bool windowShown) { TFramePrinter::ShowWindowShown(tile, windowShown); }

void ShowMenuEntry(platform::SpeedButton* entry, bool windowShown) {
  if (auto* panel = dynamic_cast<platform::Panel*>(entry->parentWidget()))
    panel->SetColor(windowShown ? kNavy : kLightGrey);
  entry->SetFontColor(windowShown ? kWhite : kNavy);
  entry->SetBold(windowShown);
}

}  // namespace

void ConnectPrinterServiceWindows() {
  auto& hooks = printersettings::ui::OtherPrinterWindows();
  hooks.Diagnose = FormPrinterSteuerungDiagnose;
  hooks.Fernsteuerung = FormPrinterFernsteuerung;
  hooks.Kommunikation = FormPrinterSteuerungVendrel;
  hooks.Konsole = FormPrinterCLI;
  if (!Form_Main) return;
  if (Form_Editor) {
    Form_Editor->Places.TmpDir = [] { return Form_Main ? Form_Main->TmpDir : std::string(); };
    Form_Editor->Places.ServiceDir = [] { return Form_Main ? Form_Main->ServiceDir : std::string(); };
    Form_Editor->Places.FileDialog = [] { return Form_FileDialog; };
  }
  Form_Main->FramePrinter->ApplyWindowHooks();
  Form_Main->FrameMenuPrinter->ArrangeGroups();
  if (FormPrinterSteuerungDiagnose)
    FormPrinterSteuerungDiagnose->ShownChanged.push_back([](bool shown) {
      if (Form_Main) ShowTile(Form_Main->FramePrinter->DruckersteuerungDiagnose, shown);
    });
  if (FormPrinterCLI)
    FormPrinterCLI->ShownChanged.push_back([](bool shown) {
      if (Form_Main) ShowTile(Form_Main->FramePrinter->DruckersteuerungCLI, shown);
    });
  if (FormPrinterFernsteuerung)
    FormPrinterFernsteuerung->ShownChanged.push_back([](bool shown) {
      if (!Form_Main) return;
      ShowTile(Form_Main->FramePrinter->DruckersteuerungStatus, shown);
      ShowMenuEntry(Form_Main->FrameMenuPrinter->SpeedButtonFernsteuerungDrucker, shown);
    });
}

}  // namespace app
