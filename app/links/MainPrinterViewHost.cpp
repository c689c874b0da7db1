#include "app/links/MainPrinterViewHost.h"

#include "app/pc/TFormSchnellhilfe.h"
#include "app/TForm_Main.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "printdata/ui/TFrameDaten.h"

namespace app {

void MainPrinterViewHost::CloseMenusAndRefresh() { main_.CloseMenusAndRefresh(); }

void MainPrinterViewHost::HideOtherPages() {
  main_.FrameDaten->hide();
  main_.FrameBearbeiten->hide();
}

void MainPrinterViewHost::ShowDataPage() { main_.FrameDaten->ShowPage(); }

void MainPrinterViewHost::ShowQuickHelp() {
  if (FormSchnellhilfe) FormSchnellhilfe->exec();
}

TForm_FileDialog* MainPrinterViewHost::FileDialog() { return Form_FileDialog; }

std::string MainPrinterViewHost::ServiceDir() const { return main_.ServiceDir; }

std::string MainPrinterViewHost::TmpDir() const { return main_.TmpDir; }

}  // namespace app
