#include <QApplication>
#include <exception>

#include "app/links/FirmwareInstallerLinks.h"
#include "app/Konfig.h"
#include "app/links/ProgramDialogs.h"
#include "app/ReleaseIdentity.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormInfo.h"
#include "app/pc/TFormHerstellen.h"
#include "app/TFormMessage.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/language/TFormSprache.h"
#include "app/fetch/ui/TForm_Browser.h"
#include "app/fetch/ui/TForm_Update.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "zip/ui/TZipDialogsQt.h"
#include "app/TForm_Main.h"
#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/sound/Sound.h"
#include "platform/qt/GuiThread.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/VersionNotice.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TForm_Editor.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"
#include "printersettings/ui/PanelControllerForms.h"
#include "printersettings/ui/PrinterSettingForms.h"
#include "printing/ui/TAbortDialog.h"

namespace {

void ShowUncaught(const QString& text) {
  platform::SystemMessageBox(app::kProgramTitle, text, platform::SystemBoxIcon::Stop);
}

// A group file newer than this program: ask the user to update.
void ShowVersionNotice() {
  QApplication::processEvents();
  FormMessage->ShowNotice2(app::kProgramTitle,
                           QStringLiteral("Version: %1  Release: %2")
                               .arg(QLatin1String(app::ProgramVersionText), QLatin1String(app::ProgramReleaseText)),
                           FormMessage->MsgUpdateNewest, TFormMessage::kRed, true);
}

}  // namespace

int main(int argc, char** argv) {
  // The program takes nothing from its command line; Qt gets only the name.
  int qtArgc = 1;
  char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("tarvik23"), nullptr};
  QApplication application(qtArgc, qtArgv);
  QApplication::setApplicationName(app::kProgramTitle);
  platform::InstallGuiThread();
  platform::SetBeepSink([](platform::BeepKind) { QApplication::beep(); });

  try {
    // Every window once, in the program's fixed order; the main window first.
    // The language and configuration are applied only after the last one
    // exists, because they write into all of them.
    new TForm_Main(nullptr);
    new TFormEinfuegen(nullptr);
    new TFormInfo(nullptr);
    new TFormRapport(nullptr);
    new TFormBedienungsmodus(nullptr);
    new TFormEinstellenPC(nullptr);
    new TForm_FileDialog(nullptr);
    new TForm_ZipUnzip(nullptr, Form_Main->TmpDir);
    new TFormMessage(nullptr);
    new TFormSchnellhilfe(nullptr);
    new TForm_Font(nullptr);
    new TForm_Paint(nullptr);
    new TFormR12(nullptr);
    // The news and update fetch start their threads here.
    new TForm_Browser(nullptr);
    new TForm_Update(nullptr);
    new TAbortDialog(nullptr);
    new TFormSprache(nullptr);
    new TFormHerstellen(nullptr);
    new TFormOeffnen(nullptr);
    new TFormSpeichern(nullptr);
    new TFormPrinterFernsteuerung(nullptr);
    new TFormPrinterSteuerungDiagnose(nullptr);
    new TFormPrinterSteuerungVendrel(nullptr);
    new TFormPrinterCLI(nullptr);
    new TForm_Editor(nullptr);
    app::CreateFirmwareInstaller();
    // The printer's setting forms, which the settings view opens.
    printersettings::ui::CreateSettingForms();
    printersettings::ui::CreatePanelControllerForms(Form_Main->TmpDir);
    // The file dialog, the font chooser and the painter centre on the main
    // window, word their own messages in the UI language and open the user
    // guide on F1; the editor chooses fonts with the font chooser.
    app::ConnectProgramDialogs();

    InstallZipDialogs();
    printdata::SetVersionNoticeSink(ShowVersionNotice);

    (void)app::ReadProgramConfig();
    (void)app::ReadWindowConfig();
    if (Form_Main->isHidden()) Form_Main->show();
    QApplication::exec();
  } catch (const std::exception& e) {
    ShowUncaught(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowUncaught(QString());
  }

  // The fetch threads end first (they have usually ended with the close),
  // then the main window, which stops the threads that work with the other
  // windows.
  delete Form_Update;
  delete Form_Browser;
  // The data view's side dialogs before the data view.
  delete FormR12;
  delete FormRapport;
  delete FormEinfuegen;
  delete Form_Main;
  delete AbortDialog;
  delete Form_Editor;
  delete FormPrinterCLI;
  delete FormPrinterSteuerungVendrel;
  app::DeleteFirmwareInstaller();
  delete FormPrinterSteuerungDiagnose;
  delete FormPrinterFernsteuerung;
  printersettings::ui::DeleteSettingForms();
  printersettings::ui::DeletePanelControllerForms();
  delete FormSpeichern;
  delete FormOeffnen;
  delete Form_Paint;
  delete Form_Font;
  delete Form_FileDialog;
  delete FormHerstellen;
  delete FormSprache;
  delete FormSchnellhilfe;
  delete FormInfo;
  delete FormMessage;
  delete Form_ZipUnzip;
  delete FormEinstellenPC;
  delete FormBedienungsmodus;
  platform::StopSound();
  return 0;
}
