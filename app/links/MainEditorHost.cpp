#include "app/links/MainEditorHost.h"

#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/TForm_Main.h"
#include "editor/ui/GraphicFileDialog.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/UserGuide.h"
#include "printdata/ui/TFrameDaten.h"
#include "printersettings/ui/TFramePrinter.h"

namespace app {

void MainEditorHost::CloseMenusAndRefresh() { main_.CloseMenusAndRefresh(); }

int MainEditorHost::HideMenuFrames() { return main_.HideMenuFrames(); }

int MainEditorHost::OperatingMode() const {
  return FormBedienungsmodus ? static_cast<int>(FormBedienungsmodus->GetOperatingMode()) : -1;
}

void MainEditorHost::ShowProtectionNotice(const QString& title) {
  if (FormMessage)
    FormMessage->ShowNotice2(title, FormMessage->MsgProtectionOn, FormMessage->MsgUserCannotChange,
                             TFormMessage::kSilver, true);
}

void MainEditorHost::HideOtherPages() {
  main_.FrameDaten->hide();
  main_.FramePrinter->hide();
}

void MainEditorHost::ShowDataPage() { main_.FrameDaten->ShowPage(); }

void MainEditorHost::ShowQuickHelp() {
  if (FormSchnellhilfe) FormSchnellhilfe->exec();
}

void MainEditorHost::ShowUserGuide() { platform::OpenUserGuide(); }

std::optional<std::string> MainEditorHost::ChooseBitmapFile(const QString& title) {
  if (!Form_FileDialog) return std::nullopt;
  return editor::ui::ChooseGraphicFile(*Form_FileDialog, main_.GraphicFolders(), title, 1);
}

}  // namespace app
