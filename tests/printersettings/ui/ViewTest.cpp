// The settings view against a printer played from a mirror: the values of
// its tiles, the rules that offer and withhold them, the windows other
// parts bring, the coupling of start and selection, the configuration
// backup and restore, and leaving the view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <filesystem>

#include "FormFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/ui/PrinterSettingForms.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterStartInterface.h"
#include "printersettings/ui/TFormPrinterStartModus.h"
#include "printersettings/ui/TFramePrinter.h"
#include "support/TempDir.h"
#include "support/qt/Modal.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

class FakeViewHost : public printersettings::ui::PrinterViewHost {
 public:
  int idle = 0, hidden = 0, dataPages = 0, quickHelps = 0;
  TForm_FileDialog* files = nullptr;
  std::string service, tmp;
  void CloseMenusAndRefresh() override { ++idle; }
  void HideOtherPages() override { ++hidden; }
  void ShowDataPage() override { ++dataPages; }
  void ShowQuickHelp() override { ++quickHelps; }
  TForm_FileDialog* FileDialog() override { return files; }
  std::string ServiceDir() const override { return service; }
  std::string TmpDir() const override { return tmp; }
};

// A setting form of another section, as it will come.
class StandInForm : public printersettings::ui::SettingFormFor<printerthread::ClockRequest> {
 public:
  explicit StandInForm(printerthread::RequestSlot<printerthread::ClockRequest>& slot)
      : SettingFormFor(slot, nullptr, "FormStandIn", QStringLiteral(" Stand-in")) {}
  void UpdateView() override { GateOk(); }

 protected:
  void TakePrinterValues(const printerthread::DisplayView&, bool) override {}
  void CopyPrinterToEdit() override {}
  printerthread::ClockRequest MakeRequest() const override { return {}; }
};

class SettingsView : public FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    printersettings::ui::CreateSettingForms();
    host.service = temp.path() + "/SERVICE/";
    host.tmp = temp.path() + "/TMP/";
    std::filesystem::create_directories(host.service);
    view.SetHost(&host);
    view.resize(892 - 108, 673 - 4);
  }
  void TearDown() override {
    printersettings::ui::OtherPrinterWindows() = {};
    printersettings::ui::DeleteSettingForms();
    auto& b = printerthread::PrinterRequests();
    b.StartMode.Withdraw();
    b.InterfaceStart.Withdraw();
    b.BackupConfig.Withdraw();
    b.RestoreConfig.Withdraw();
    FormFixture::TearDown();
  }
  // Every window the view's tiles open, as stand-ins.
  void ProvideOtherWindows() {
    auto& w = printersettings::ui::OtherPrinterWindows();
    others.push_back(std::make_unique<StandInForm>(board.Clock));
    for (auto* slot : {&w.BedienteilTyp, &w.BedienteilOption, &w.BedienteilProgramme, &w.SteuerungUhr,
                       &w.SteuerungCounter, &w.SteuerungPulsdauer})
      *slot = static_cast<printersettings::ui::SettingForm*>(others.back().get());
    dialog = std::make_unique<QDialog>();
    window = std::make_unique<QWidget>();
    w.Kommunikation = dialog.get();
    w.Diagnose = w.Fernsteuerung = w.Konsole = window.get();
    view.ApplyWindowHooks();
  }

  testsupport::TempDir temp;
  FakeViewHost host;
  TFramePrinter view{nullptr};
  std::vector<std::unique_ptr<QWidget>> others;
  std::unique_ptr<QDialog> dialog;
  std::unique_ptr<QWidget> window;
};

bool Offered(const TFramePrinter::Tile& t) {
  return t.panel->Color() == kOfferedColour && t.button->isVisibleTo(t.panel) && t.panel->isEnabled();
}

}  // namespace

TEST_F(SettingsView, TilesAreOfferedByMachineTypeClockSourceAndFirmware) {
  ProvideOtherWindows();
  struct Case {
    int machine, cli, clock;
    // Sleep, DPI, start shift, selection, suppression shift, run-out, clock
    // source, factor, option, programs.
    std::array<bool, 10> offered;
  };
  const Case cases[] = {
      {-1, -1, -1, {false, false, true, true, true, false, true, true, false, true}},
      {-1, 0x1F7A, 0, {false, true, true, true, true, false, true, false, true, true}},
      {0, 0x1F7A, 1, {false, true, true, true, true, false, true, true, true, true}},
      {1, 0x1F7A, 1, {false, true, false, false, false, false, false, false, true, false}},
      {2, 0x1F7A, 1, {true, true, false, false, false, true, false, false, false, false}},
      {3, 0x1000, 1, {true, false, false, false, false, true, false, false, false, false}},
      {4, 0x0FFF, 5, {false, true, false, false, false, false, false, false, false, false}},
      {0, 1, 0, {false, false, true, true, true, false, true, false, false, true}},
      {0, 2, 2, {false, false, true, true, true, false, true, true, true, true}},
      {2, -1, 1, {false, false, false, false, false, false, false, false, false, false}},
  };
  for (const Case& c : cases) {
    mirror.MachineType = c.machine;
    mirror.CliWord = c.cli;
    mirror.ClockSource = c.clock;
    Refresh();
    const TFramePrinter::Tile* tiles[] = {&view.GeraetSleep,
                                          &view.GeraetDPI,
                                          &view.DruckstartVerschieben,
                                          &view.DruckstartInterface,
                                          &view.UnterdrueckungVerschieben,
                                          &view.AuslaufModus,
                                          &view.DruckgeschwindigkeitTaktquelle,
                                          &view.DruckgeschwindigkeitFaktor,
                                          &view.BedienteilOption,
                                          &view.BedienteilProgramme};
    for (std::size_t i = 0; i < 10; ++i)
      EXPECT_EQ(Offered(*tiles[i]), c.offered[i])
          << "machine " << c.machine << " cli " << c.cli << " clock " << c.clock << " tile "
          << tiles[i]->panel->objectName().toStdString();
    // The print-mode and programs tiles keep their button and are disabled.
    EXPECT_TRUE(view.GeraetDPI.button->isVisibleTo(view.GeraetDPI.panel));
    EXPECT_TRUE(view.BedienteilProgramme.button->isVisibleTo(view.BedienteilProgramme.panel));
    // The others are always offered.
    for (const TFramePrinter::Tile* t : {&view.GeraetTyp, &view.DruckstartModus, &view.DruckersteuerungUhr,
                                         &view.DruckersteuerungSichern, &view.DruckersteuerungCLI})
      EXPECT_TRUE(Offered(*t)) << t->panel->objectName().toStdString();
    EXPECT_TRUE(view.PanelGeraet->isEnabled());
  }
}

TEST_F(SettingsView, TheValuesShowUntilALostLinkMakesThemUnknown) {
  mirror.CliWord = 0x1F7A;
  mirror.MachineTypeText = "RID1";
  mirror.StartShiftMode = 1;
  mirror.StartShiftDistanceText = "250 mm";
  mirror.SuppressionShiftMode = 0;
  mirror.CounterText = "1234";
  mirror.CommKit = {1, 1, 0, 0, 0, 0, 0, 1};
  mirror.ClockSourceText = "Intern 300 mm/s";
  Refresh();
  EXPECT_EQ(view.GeraetTyp.value->text(), QStringLiteral("RID1"));
  EXPECT_EQ(view.DruckstartVerschieben.value->text(), QStringLiteral("250 mm"));
  EXPECT_EQ(view.UnterdrueckungVerschieben.value->text(), QStringLiteral("Aus"));
  EXPECT_EQ(view.DruckersteuerungZaehler.value->text(), QStringLiteral("1234"));
  EXPECT_EQ(view.DruckersteuerungVendrel.value->text(), QStringLiteral("RS232, USB, BT, LAN, WLAN"));
  EXPECT_EQ(view.DruckgeschwindigkeitTaktquelle.value->text(), QStringLiteral("Intern 300 mm/s"));
  // The counter form holds a change: the count in parentheses.
  printersettings::ui::OtherPrinterWindows().CounterChangePending = [] { return true; };
  Refresh();
  EXPECT_EQ(view.DruckersteuerungZaehler.value->text(), QStringLiteral("(1234)"));

  Reset();
  for (const TFramePrinter::Tile* t : {&view.GeraetTyp, &view.DruckstartVerschieben, &view.DruckersteuerungVendrel,
                                       &view.DruckersteuerungZaehler, &view.DruckgeschwindigkeitAktuell})
    EXPECT_EQ(t->value->text(), QStringLiteral("?"));
  EXPECT_FALSE(Offered(view.GeraetSleep));
  EXPECT_EQ(view.GeraetDPI.panel->Color(), kWithheldColour);
  for (QWidget* s : {view.PanelGeraet, view.PanelDruckstart, view.PanelUnterdrueckung,
                     view.PanelDruckgeschwindigkeit, view.PanelBedienteil, view.PanelDruckersteuerung})
    EXPECT_FALSE(s->isEnabled());
}

TEST_F(SettingsView, AValueTooLongForItsTileIsShownSmallerAndANewShortOneFullSize) {
  auto whole = [](const QLabel* l) {
    const QRect room = l->contentsRect();
    const QRect needed = QFontMetrics(l->font()).boundingRect(room, static_cast<int>(l->alignment()) | Qt::TextWordWrap,
                                                             l->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
  };
  const QLabel* value = view.GeraetTyp.value;
  mirror.MachineTypeText = "RID1 Hatchery DC RID1 Hatchery AC RID1";
  Refresh();
  EXPECT_LT(value->font().pixelSize(), 11);
  EXPECT_TRUE(whole(value));
  mirror.MachineTypeText = "RID1";
  Refresh();
  EXPECT_EQ(value->font().pixelSize(), 11);
  // A lost link's "?" is fitted as well.
  mirror.MachineTypeText = "RID1 Hatchery DC RID1 Hatchery AC RID1";
  Refresh();
  Reset();
  EXPECT_EQ(value->font().pixelSize(), 11);
}

TEST_F(SettingsView, ATileWhoseWindowIsMissingShowsItsValueButOffersNoButton) {
  mirror.CliWord = 0x1F7A;
  mirror.MachineType = 0;
  mirror.PanelTypeText = "REDAdid";
  Refresh();
  EXPECT_EQ(view.BedienteilTyp.value->text(), QStringLiteral("REDAdid"));
  for (const TFramePrinter::Tile* t :
       {&view.BedienteilTyp, &view.BedienteilOption, &view.BedienteilProgramme, &view.DruckersteuerungUhr,
        &view.DruckersteuerungZaehler, &view.DruckersteuerungPulsdauer, &view.DruckersteuerungVendrel,
        &view.DruckersteuerungDiagnose, &view.DruckgeschwindigkeitAktuell, &view.DruckersteuerungStatus,
        &view.DruckersteuerungCLI})
    EXPECT_FALSE(t->button->isVisibleTo(t->panel)) << t->panel->objectName().toStdString();
  ProvideOtherWindows();
  EXPECT_TRUE(view.BedienteilTyp.button->isVisibleTo(view.BedienteilTyp.panel));
  EXPECT_TRUE(view.DruckersteuerungCLI.button->isVisibleTo(view.DruckersteuerungCLI.panel));

  // The toggles close a window that shows and show one that does not.
  view.DruckersteuerungDiagnose.button->click();
  EXPECT_TRUE(window->isVisible());
  view.DruckgeschwindigkeitAktuell.button->click();
  EXPECT_FALSE(window->isVisible());
  // "Kommunikation" opens its window modally and ignores its result.
  testsupport::WhenModalIs(dialog.get(), [this] { dialog->reject(); });
  view.DruckersteuerungVendrel.button->click();
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SettingsView, ConfirmingOneStartFormCorrectsTheOtherWithClampedPrinterValues) {
  mirror.CliWord = 0x800;
  mirror.MachineType = 0;
  mirror.StartMode = 2;
  mirror.StartFilter = 350;  // beyond the form's limit
  mirror.InterfaceMode = 0;
  mirror.SignalLines = 9;
  for (std::size_t n = 0; n < 16; ++n) mirror.SignalText[n] = static_cast<int>(n) * 10 - 20;
  Refresh();
  auto& board = printerthread::PrinterRequests();

  // Start mode 5 needs the selection input: it is switched on as well.
  testsupport::WhenModalIs(FormPrinterStartModus, [] {
    FormPrinterStartModus->SpeedButton6->click();
    FormPrinterStartModus->SpeedButtonOK->click();
  });
  view.DruckstartModus.button->click();
  auto start = board.StartMode.Take();
  auto selection = board.InterfaceStart.Take();
  ASSERT_TRUE(start && selection);
  EXPECT_EQ(start->EditStartMode, 5);
  EXPECT_EQ(selection->EditInterfaceMode, 1);
  EXPECT_EQ(selection->EditSignalLines, 3);
  EXPECT_EQ(selection->EditSignalText[0], 0);
  EXPECT_EQ(selection->EditSignalText[15], 99);
  EXPECT_EQ(selection->Title, " Start Wahl");

  // Selection switched on while the printer starts on a falling edge: the
  // start follows with 6 and the printer's filter, clamped.
  testsupport::WhenModalIs(FormPrinterStartInterface, [] {
    FormPrinterStartInterface->RowModus.up->click();
    FormPrinterStartInterface->SpeedButtonOK->click();
  });
  view.DruckstartInterface.button->click();
  start = board.StartMode.Take();
  ASSERT_TRUE(start);
  EXPECT_EQ(start->EditStartMode, 6);
  EXPECT_EQ(start->EditFilter, 200);
  EXPECT_TRUE(board.InterfaceStart.Take());

  // No printer: no coupling, only the confirmed form's request.
  Reset();
  mirror.StartMode = 2;
  mirror.InterfaceMode = 0;
  Refresh();  // CliWord -1
  testsupport::WhenModalIs(FormPrinterStartModus, [] { FormPrinterStartModus->SpeedButtonOK->click(); });
  view.DruckstartModus.button->click();
  EXPECT_TRUE(board.StartMode.Take());
  EXPECT_FALSE(board.InterfaceStart.Pending());

  // Cancel raises nothing.
  testsupport::WhenModalIs(FormPrinterStartModus, [] { FormPrinterStartModus->SpeedButtonAbbrechen->click(); });
  view.DruckstartModus.button->click();
  EXPECT_FALSE(board.StartMode.Pending());
}

TEST_F(SettingsView, BackupNeverOverwritesAsUserAndRestoreIsRefusedToTheUser) {
  filedialog::ShellEnvironment shell;
  shell.home = temp.path() + "/home";
  shell.volumeFolders.clear();
  TForm_FileDialog files(nullptr, shell);
  host.files = &files;
  ASSERT_TRUE(platform::WriteFileAtomic(host.service + "KONFIG.sys23", "old"));
  auto& board = printerthread::PrinterRequests();

  mode = 0;
  int dialogs = 0;
  // The proposed name exists: refused, the dialog comes again; a new name
  // is taken.
  std::function<void()> pick = [&] {
    ++dialogs;
    EXPECT_EQ(files.Edit_FileName->text(), QStringLiteral("KONFIG.sys23"));
    if (dialogs == 2) {
      files.Edit_FileName->setText(QStringLiteral("NEU"));
    } else {
      testsupport::WhenModalIs(&files, pick);
    }
    files.SpeedButton_OK->click();
  };
  testsupport::WhenModalIs(&files, pick);
  view.DruckersteuerungSichern.button->click();
  EXPECT_EQ(dialogs, 2);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].title, QStringLiteral("Steuerung - Sichern"));
  EXPECT_EQ(notices[0].text, QStringLiteral("Sicherung kann von Benutzer nicht überschrieben werden!"));
  auto backup = board.BackupConfig.Take();
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->BackupPath, host.service + "NEU.sys23");
  EXPECT_EQ(view.BackupPath, backup->BackupPath);
  EXPECT_EQ(backup->Title, "Steuerung - Sichern");

  view.DruckersteuerungHerstellen.button->click();
  EXPECT_EQ(notices.back().text, QStringLiteral("Kann von Benutzer nicht ausgeführt werden!"));
  EXPECT_EQ(notices.back().title, QStringLiteral("Steuerung - Herstellen"));
  EXPECT_FALSE(board.RestoreConfig.Pending());

  // An administrator may overwrite and restore.
  mode = 1;
  testsupport::WhenModalIs(&files, [&] { files.SpeedButton_OK->click(); });
  view.DruckersteuerungSichern.button->click();
  EXPECT_EQ(board.BackupConfig.Take()->BackupPath, host.service + "KONFIG.sys23");
  testsupport::WhenModalIs(&files, [&] {
    EXPECT_TRUE(files.SelectItemByName("KONFIG.sys23"));
    files.SpeedButton_OK->click();
  });
  view.DruckersteuerungHerstellen.button->click();
  EXPECT_EQ(board.RestoreConfig.Take()->RestorePath, host.service + "KONFIG.sys23");
  // Cancelling the dialog leaves both requests alone.
  testsupport::WhenModalIs(&files, [&] { files.SpeedButton_Abbrechen->click(); });
  view.DruckersteuerungHerstellen.button->click();
  EXPECT_FALSE(board.RestoreConfig.Pending());
  EXPECT_EQ(view.RestorePath, host.service + "KONFIG.sys23");
}

TEST_F(SettingsView, OkLeavesTheViewRapportPrintsTheSettingsAndTheQuestionMarkShowsTheQuickHelp) {
  view.ShowView();
  EXPECT_EQ(host.hidden, 1);
  EXPECT_TRUE(view.isVisible());
  view.SpeedButtonHilfe->click();
  EXPECT_EQ(host.quickHelps, 1);
  // Without the program's hard copy "Rapport" does nothing.
  view.SpeedButtonRapport->click();
  int printed = 0;
  platform::SetPrinterSettingsAction([&] { ++printed; });
  view.SpeedButtonRapport->click();
  platform::SetPrinterSettingsAction({});
  EXPECT_EQ(printed, 1);
  const int idle = host.idle;
  view.SpeedButtonOK->click();
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(host.dataPages, 1);
  EXPECT_EQ(host.idle, idle + 1);
}

// A change of language names the values at once, from the mirror the view
// last showed: the printer thread need not read them again.
TEST_F(SettingsView, ALanguageChangeNamesTheShownValuesAgainAtOnce) {
  const printerthread::PrinterCaptions german;
  mirror.CliWord = 0x1F7A;
  mirror.MachineType = 2;
  mirror.StartupState = 1;
  mirror.ClockSource = 0;
  mirror.InternalSpeed = 152;
  mirror.FactorMode = 0;
  mirror.WaitTime = 0;
  mirror.State = 50;
  mirror.ReportedState = 50;  // as the printer said it
  mirror.StartShiftMode = 0;
  printerthread::DeriveCaptionTexts(mirror, german);  // as the thread made them
  Refresh();
  EXPECT_EQ(view.GeraetAufstarten.value->text(), QStringLiteral("Drucken"));
  EXPECT_EQ(view.DruckgeschwindigkeitTaktquelle.value->text(), QStringLiteral("Intern 152 mm/s"));

  // The language loader hands the forms' new captions on, then tells the
  // windows (this view perhaps before the forms).
  printerthread::PrinterCaptions english = german;
  english.Startup[1] = "Print";
  english.RunOut[0] = "Off";
  english.FactorOff = "Off";
  english.StartShiftOff = "Off";
  english.ClockInternal = "Internal";
  english.NameTexts[13] = "Printing";
  auto changeLanguage = [&](const printerthread::PrinterCaptions& captions) {
    QEvent changed(QEvent::LanguageChange);
    QApplication::sendEvent(&view, &changed);
    printerthread::PrinterCaptionTable().Set(captions);
    QApplication::processEvents();
  };
  changeLanguage(english);
  EXPECT_EQ(view.GeraetAufstarten.value->text(), QStringLiteral("Print"));
  EXPECT_EQ(view.GeraetSleep.value->text(), QStringLiteral("Off"));
  EXPECT_EQ(view.DruckgeschwindigkeitFaktor.value->text(), QStringLiteral("Off"));
  EXPECT_EQ(view.DruckstartVerschieben.value->text(), QStringLiteral("Off"));
  EXPECT_EQ(view.DruckgeschwindigkeitTaktquelle.value->text(), QStringLiteral("Internal 152 mm/s"));
  EXPECT_EQ(view.DruckersteuerungStatus.value->text(), QStringLiteral("Printing"));
  EXPECT_EQ(view.GeraetTyp.value->text(), QStringLiteral("RID1"));

  // After a lost link the values stay unknown in any language.
  Reset();
  changeLanguage(german);
  EXPECT_EQ(view.GeraetAufstarten.value->text(), QStringLiteral("?"));
  EXPECT_EQ(view.DruckgeschwindigkeitTaktquelle.value->text(), QStringLiteral("?"));
}
