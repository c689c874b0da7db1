#include "app/ProgramDialogs.h"

#include "app/DataSetLinks.h"
#include "app/TFormSprache.h"
#include "app/TForm_Main.h"
#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/DialogServices.h"
#include "platform/qt/UserGuide.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormRapport.h"

namespace app {
namespace {

QRect MainWindowFrame() { return Form_Main ? Form_Main->frameGeometry() : QRect(); }

int LanguageId() { return FormSprache ? FormSprache->GetLanguage() : 0; }

void Connect(platform::DialogServices& services) {
  services.MainWindowFrame = MainWindowFrame;
  services.LanguageId = LanguageId;
  services.UserGuide = platform::OpenUserGuide;
}

}  // namespace

void ConnectProgramDialogs() {
  if (Form_FileDialog) Connect(Form_FileDialog->Services);
  if (Form_Paint) Connect(Form_Paint->Services);
  if (Form_Font) {
    Connect(Form_Font->Services);
    if (Form_Main) Form_Main->FrameBearbeiten->SetFontChooser(Form_Font);
  }
  if (!Form_Main) return;
  DataSetHost* services = Form_Main->DataSetLinks.get();
  if (FormEinfuegen) FormEinfuegen->Connect(Form_Main->FrameDaten, services, Form_Main->PanelLinks);
  if (FormRapport) FormRapport->Connect(services);
  if (FormR12) FormR12->Connect(Form_Main->FrameDaten, services);
}

}  // namespace app
