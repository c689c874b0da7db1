#include "AppFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "app/links/ProgramDialogs.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormInfo.h"
#include "app/pc/TFormHerstellen.h"
#include "app/TFormMessage.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/language/TFormSprache.h"
#include "app/fetch/ui/TForm_Browser.h"
#include "app/TForm_Main.h"
#include "app/fetch/ui/TForm_Update.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "app/links/FirmwareInstallerLinks.h"
#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "platform/Synchronize.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TForm_Editor.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"
#include "printersettings/ui/PanelControllerForms.h"
#include "printersettings/ui/PrinterSettingForms.h"
#include "support/qt/Screenshot.h"

namespace apptest {

void AppFixture::SetUp() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  windowsBefore_ = QSet<QWidget*>(windows.begin(), windows.end());
  std::filesystem::create_directories(StartDir());
  // The printer thread the main window starts searches no real serial port
  // of the machine the tests run on.
  platform::SetPortRegistry(&noPorts_);
  platform::SetBeepSink([this](platform::BeepKind k) { beeps_.push_back(k); });
  platform::SetSystemBoxSink(
      [this](const QString& title, const QString& text, platform::SystemBoxIcon) { boxes_.push_back({title, text}); });
  app::StartupEnvironment env;
  env.startDir = StartDir();
  env.lockDir = temp_.path();
  new TForm_Main(nullptr, env);
  new TFormEinfuegen(nullptr);
  new TFormInfo(nullptr);
  new TFormRapport(nullptr);
  new TFormBedienungsmodus(nullptr);
  new TFormEinstellenPC(nullptr);
  // The user's folders and the volumes lie in the test's own folder.
  filedialog::ShellEnvironment shell;
  shell.home = temp_.path() + "/home";
  shell.mountsFile = temp_.path() + "/mounts";
  shell.volumeFolders = {temp_.path() + "/media"};
  new TForm_FileDialog(nullptr, shell);
  new TForm_ZipUnzip(nullptr, Form_Main->TmpDir);
  new TFormMessage(nullptr);
  new TFormSchnellhilfe(nullptr);
  new TForm_Font(nullptr);
  new TForm_Paint(nullptr);
  new TFormR12(nullptr);
  new TForm_Browser(nullptr, OfflineFetchSettings());
  new TForm_Update(nullptr, OfflineFetchSettings());
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
  printersettings::ui::CreateSettingForms();
  printersettings::ui::CreatePanelControllerForms(Form_Main->TmpDir);
  app::ConnectProgramDialogs();
}

void AppFixture::TearDown() {
  delete Form_Update;
  delete Form_Browser;
  delete FormSpeichern;
  delete FormOeffnen;
  delete FormHerstellen;
  delete FormR12;
  delete FormRapport;
  delete FormEinfuegen;
  delete Form_Main;
  delete Form_Editor;
  delete FormPrinterCLI;
  delete FormPrinterSteuerungVendrel;
  app::DeleteFirmwareInstaller();
  delete FormPrinterSteuerungDiagnose;
  delete FormPrinterFernsteuerung;
  printersettings::ui::DeleteSettingForms();
  printersettings::ui::DeletePanelControllerForms();
  delete Form_Paint;
  delete Form_Font;
  delete Form_FileDialog;
  delete Form_ZipUnzip;
  delete FormSchnellhilfe;
  delete FormInfo;
  delete FormSprache;
  delete FormMessage;
  delete FormEinstellenPC;
  delete FormBedienungsmodus;
  platform::SetSystemBoxSink(nullptr);
  platform::SetBeepSink(nullptr);
  platform::SetPortRegistry(nullptr);
  // Every window the test made goes with it: one left behind would take
  // the texts, keys or clicks meant for the next test's windows.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (!windowsBefore_.contains(w))
      ADD_FAILURE() << "window left behind: " << w->metaObject()->className() << " \""
                    << w->objectName().toStdString() << "\"";
}

std::string AppFixture::ConfigFile(const char* name) const { return Form_Main->ConfigDir + name; }

void AppFixture::WriteFile(const std::string& path, const std::string& bytes) const {
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));
}

TFrameDaten& AppFixture::Daten() { return *Form_Main->FrameDaten; }

void AppFixture::ShowOpenData(int count, const QString& title) {
  TFrameDaten& d = Daten();
  d.Count = count;
  d.Selected = 0;
  d.PanelTitel->SetCaption(title);
  for (int i = 0; i < count; ++i) d.RenderRow(i);
  d.Repaint();
  d.SetModified(false);
  Form_Main->CloseMenusAndRefresh();
}

void AppFixture::ShowAllColumns() {
  TFrameMenuAnsicht* v = Form_Main->FrameMenuAnsicht;
  v->SpeedButtonEbenen->Tag = 1;
  v->SpeedButtonParameter->Tag = 1;
  v->SpeedButtonNotizen->Tag = 1;
  v->ApplyColumns();
}

app::FetchSettings OfflineFetchSettings() {
  app::FetchSettings s;
  s.host = "127.0.0.1";
  s.port = 1;  // nothing listens there: connections are refused at once
  s.makerWebHost.clear();
  s.publicWebHost.clear();
  return s;
}

bool PumpUntil(const std::function<bool()>& done, int seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  bool met = false;
  platform::WaitWhilePumping([&] {
    QApplication::processEvents();
    met = done();
    return met || std::chrono::steady_clock::now() > until;
  });
  return met;
}

void WhenModal(std::function<void()> step) {
  QTimer::singleShot(0, [step = std::move(step)] {
    // The modal loop has started once a modal widget is active.
    if (QApplication::activeModalWidget())
      step();
    else
      WhenModal(step);
  });
}

void PressKey(QWidget* to, int key, Qt::KeyboardModifiers mods) {
  QKeyEvent press(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(to, &press);
}

void Screenshot(QWidget* window, const char* name) { testsupport::SaveScreenshot(window, QString::fromUtf8(name), true); }

}  // namespace apptest
