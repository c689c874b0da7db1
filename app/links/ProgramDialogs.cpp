#include "app/links/ProgramDialogs.h"

#include <QCoreApplication>

#include "app/links/DataSetLinks.h"
#include "app/links/PrinterServiceWindows.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
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
#include "printersettings/ui/SettingFormServices.h"

namespace app {
namespace {

QRect MainWindowFrame() { return Form_Main ? Form_Main->frameGeometry() : QRect(); }

int LanguageId() { return FormSprache ? FormSprache->GetLanguage() : 0; }

void Connect(platform::DialogServices& services) {
  services.MainWindowFrame = MainWindowFrame;
  services.MainWindow = []() -> QWidget* { return Form_Main; };
  services.LanguageId = LanguageId;
  services.UserGuide = platform::OpenUserGuide;
}

// The printer's setting forms: besides the common services, the operating
// mode that gates their OK and the message window for their refusals.
void ConnectSettingForms() {
  printersettings::ui::SettingFormServices& s = printersettings::ui::FormServices();
  Connect(s);
  s.OperatingMode = [] { return FormBedienungsmodus ? static_cast<int>(FormBedienungsmodus->GetOperatingMode()) : -1; };
  s.CatalogueText = [](printersettings::ui::Catalogue c) {
    const QString* text = FormMessage ? FormMessage->CatalogueEntry(static_cast<int>(c)) : nullptr;
    return text ? *text : printersettings::ui::GermanCatalogueText(c);
  };
  s.ShowNotice = [](const QString& title, const QString& text, std::uint32_t colour) {
    if (FormMessage) FormMessage->ShowNotice(title, text, colour, true);
  };
  s.AskYesNo = [](const QString& title, const QString& question) {
    if (!FormMessage) return true;
    QCoreApplication::processEvents();
    return FormMessage->AskYesNo(title, question, QString(), FormMessage->MsgYes, FormMessage->MsgNo,
                                 TFormMessage::kSilver) == 6;
  };
}

}  // namespace

void ConnectProgramDialogs() {
  ConnectSettingForms();
  ConnectPrinterServiceWindows();
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
