// The operator panel forms: panel type, option unit (with its display-line
// files) and the panel programs, fed by the display steps from a mirror.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "FormFixture.h"
#include "platform/FileIO.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/DisplayLineFile.h"
#include "printersettings/ui/PanelControllerForms.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"
#include "printersettings/ui/TFormPrinterBedienteilTyp.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using printersettings::ui::kResultOk;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

const QString kLeft = QStringLiteral("<") + QString(20, QLatin1Char(' '));
const QString kRight = QString(20, QLatin1Char(' ')) + QStringLiteral(">");

class PanelForms : public FormFixture {
 protected:
  void TearDown() override {
    typ.reset();
    option.reset();
    programs.reset();
    FormFixture::TearDown();
  }
  // Option 3 in mode 2 with a set-up of its lines.
  void DisplayUnitInMode2() {
    mirror.CliWord = 8058;
    mirror.Option = 3;
    mirror.DisplayMode = 2;
    mirror.DisplayFormat = {6, 11, 23, 7};
    Refresh();
  }
  std::unique_ptr<TFormPrinterBedienteilTyp> typ = std::make_unique<TFormPrinterBedienteilTyp>(nullptr, board.PanelType);
  std::unique_ptr<TFormPrinterBedienteilOption> option =
      std::make_unique<TFormPrinterBedienteilOption>(nullptr, board.PanelOption);
  std::unique_ptr<TFormPrinterBedienteilProgramme> programs =
      std::make_unique<TFormPrinterBedienteilProgramme>(nullptr, board.Programs);
  testsupport::TempDir tmp;
};

}  // namespace

TEST_F(PanelForms, PanelTypeTheRedadidArrowsChooseFirstThenStep) {
  mirror.CliWord = 8058;
  mirror.PanelType = 0;
  mirror.PanelMode = 0;
  Refresh();
  typ->show();
  EXPECT_EQ(typ->Panel0->Color(), kOfferedColour);
  EXPECT_EQ(typ->Label2->text(), QStringLiteral("Direkt"));
  EXPECT_EQ(typ->SpeedButtonDown2->Caption(), QString());  // at the lower limit
  EXPECT_EQ(typ->SpeedButtonUp2->Caption(), kRight);
  typ->SpeedButtonUp2->click();  // chooses the REDAdid, keeps the mode
  EXPECT_EQ(typ->EditPanelType, 2);
  EXPECT_EQ(typ->EditPanelMode, 0);
  EXPECT_EQ(typ->Panel2->Color(), kOfferedColour);
  EXPECT_EQ(typ->Panel0->Color(), kWithheldColour);
  typ->SpeedButtonUp2->click();
  EXPECT_EQ(typ->EditPanelMode, 1);
  EXPECT_EQ(typ->Label2->text(), QStringLiteral("Verlängerung"));
  EXPECT_EQ(typ->SpeedButtonDown2->Caption(), kLeft);
  EXPECT_EQ(typ->SpeedButtonUp2->Caption(), QString());
  typ->RaiseRequest();
  auto r = board.PanelType.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditPanelType, 2);
  EXPECT_EQ(r->EditPanelMode, 1);
  EXPECT_EQ(r->Title, " Bedienteil Typ");

  // Older firmware has no REDAdid mode: the arrows leave it "Direkt".
  typ->hide();
  mirror.CliWord = 1;
  mirror.PanelType = 2;
  Refresh();
  typ->show();
  typ->SpeedButtonUp2->click();
  EXPECT_EQ(typ->EditPanelMode, 0);
  EXPECT_EQ(typ->Label2->text(), QStringLiteral("Direkt"));
}

TEST_F(PanelForms, PanelTypeShowsWhatCannotBeChosenAndNeverSendsAnUnknownType) {
  EXPECT_FALSE(typ->SpeedButton1->isEnabled());
  EXPECT_FALSE(typ->SpeedButton3->isEnabled());
  mirror.PanelType = 3;
  Refresh();
  typ->show();
  EXPECT_EQ(typ->Panel3->Color(), kOfferedColour);
  EXPECT_TRUE(platform::OwnEnabled(typ->SpeedButtonOK));
  typ->hide();
  Reset();  // no printer: nothing lit, OK off
  typ->show();
  for (platform::Panel* p : {typ->Panel0, typ->Panel1, typ->Panel2, typ->Panel3}) EXPECT_EQ(p->Color(), kWithheldColour);
  EXPECT_FALSE(platform::OwnEnabled(typ->SpeedButtonOK));
  typ->SpeedButton0->click();
  EXPECT_TRUE(platform::OwnEnabled(typ->SpeedButtonOK));
}

TEST_F(PanelForms, OptionFormGrowsWithItsUnitsPanel) {
  struct Case {
    int option;
    int width, ok;
    bool display, signal;
  };
  const Case cases[] = {{0, 201, 8, false, false}, {1, 201, 8, false, false}, {3, 789, 303, true, false},
                        {4, 981, 404, false, true}, {-1, 201, 8, false, false}};
  for (const Case& c : cases) {
    mirror.CliWord = 8058;
    mirror.Option = c.option;
    Refresh();
    option->show();
    EXPECT_EQ(option->width(), c.width) << c.option;
    EXPECT_EQ(option->PanelOK->x(), c.ok) << c.option;
    EXPECT_EQ(option->PanelAbbrechen->x(), c.ok + 96) << c.option;
    EXPECT_EQ(option->PanelDisplay->isVisible(), c.display) << c.option;
    EXPECT_EQ(option->PanelSignal->isVisible(), c.signal) << c.option;
    // Centred at its own size.
    const QRect f = option->frameGeometry();
    EXPECT_EQ(f.left(), mainFrame.left() + mainFrame.width() / 2 - f.width() / 2) << c.option;
    option->hide();
  }
}

TEST_F(PanelForms, OptionArrowsChooseTheirUnitFirst) {
  mirror.Option = 0;
  mirror.OptionMmiMode = 0;
  mirror.DisplayMode = 0;
  mirror.SignalType = 0;
  Refresh();
  option->show();
  option->SpeedButtonUp3->click();
  EXPECT_EQ(option->EditOption, 3);
  EXPECT_EQ(option->EditDisplayMode, 0);
  EXPECT_EQ(option->Label3->text(), QStringLiteral("Modus 1"));
  option->SpeedButtonUp3->click();
  option->SpeedButtonUp3->click();
  option->SpeedButtonUp3->click();  // clamped at mode 2
  EXPECT_EQ(option->EditDisplayMode, 2);
  EXPECT_EQ(option->Label3->text(), QStringLiteral("Modus 3"));
  option->SpeedButtonDown1->click();
  EXPECT_EQ(option->EditOption, 1);
  EXPECT_EQ(option->EditMmiMode, 0);
  option->SpeedButtonUp1->click();
  EXPECT_EQ(option->Label1->text(), QStringLiteral("Verlängerung"));
  option->SpeedButtonUp4->click();
  EXPECT_EQ(option->EditOption, 4);
  option->SpeedButtonUp4->click();
  EXPECT_EQ(option->Label4->text(), QStringLiteral("Typ 2"));
  EXPECT_FALSE(option->SpeedButton2->isEnabled());  // "DEZOzed"
  option->SpeedButton0->click();
  EXPECT_EQ(option->EditOption, 0);
}

TEST_F(PanelForms, OptionDisplayRowsFollowTheBehaviourSequence) {
  DisplayUnitInMode2();
  mirror.DisplayFormat = {6, 11, 7, 5};
  Refresh();
  option->show();
  const auto& behaviour = option->DisplayRows[0];
  EXPECT_EQ(option->EditDisplayBehaviour, 4);  // 7 from the printer
  EXPECT_EQ(behaviour.value->text(), QStringLiteral("Laufschrift Links, Start/Stop"));
  behaviour.up->click();
  EXPECT_EQ(option->EditDisplayBehaviour, 11);
  behaviour.down->click();
  EXPECT_EQ(option->EditDisplayBehaviour, 4);
  option->EditDisplayBehaviour = 31;
  option->UpdateView();
  EXPECT_EQ(behaviour.up->Caption(), QString());
  EXPECT_EQ(behaviour.down->Caption(), QStringLiteral("<") + QString(84, QLatin1Char(' ')));
  behaviour.down->click();
  EXPECT_EQ(option->EditDisplayBehaviour, 24);
  for (int code : {26, 40}) {
    option->EditDisplayBehaviour = code;
    option->UpdateView();
    EXPECT_EQ(option->EditDisplayBehaviour, code == 26 ? 24 : 31);
  }
  EXPECT_EQ(option->DisplayRows[1].value->text(), QStringLiteral("500 ms"));
  option->DisplayRows[1].up->click();
  EXPECT_EQ(option->DisplayRows[1].value->text(), QStringLiteral("600 ms"));
  EXPECT_EQ(option->DisplayRows[2].value->text(), QStringLiteral("Zeit, Datum"));
  option->DisplayRows[3].up->click();
  EXPECT_EQ(option->EditLine2Content, 12);

  // Modes 0 and 1 show the printer's own set-up, read-only.
  option->SpeedButtonDown3->click();
  EXPECT_FALSE(option->DisplayRows[0].panel->isVisible());
  EXPECT_TRUE(option->FixedRows[0].panel->isVisible());
  EXPECT_EQ(option->FixedRows[0].value->text(), QStringLiteral("Stehende Anzeige"));
  EXPECT_EQ(option->FixedRows[1].value->text(), QStringLiteral("0 ms"));
  EXPECT_EQ(option->FixedRows[2].value->text(), QStringLiteral("Startzeit, Dauer"));
  option->SpeedButtonDown3->click();
  EXPECT_EQ(option->FixedRows[2].value->text(), QStringLiteral("Zeit, Datum"));
  EXPECT_EQ(option->FixedRows[3].value->text(), QStringLiteral("Tageszähler"));
}

TEST_F(PanelForms, OptionSignalEntries) {
  mirror.Option = 4;
  mirror.SignalType = 0;
  mirror.SignalLamp = {1, 2, 3, 4, 0, 0, 0, 9};
  mirror.SignalHorn = {-1, 1, 0, 1, 0, 0, 0, 1};
  mirror.SignalAlarm = {-1, 0, 1, 0, 1, 1, 1, 0};
  Refresh();
  option->show();
  const auto& startup = option->StateColumns[0];
  const auto& printing = option->StateColumns[3];
  EXPECT_EQ(startup.hornText->text(), QStringLiteral("Aus"));  // -1 is off
  EXPECT_EQ(option->EditAlarm[0], 1);                            // -1 is closed
  // Type 1: the alarms show "-" and cannot be clicked, but are sent.
  EXPECT_EQ(startup.alarmText->text(), QStringLiteral("-"));
  EXPECT_FALSE(startup.alarmButton->isEnabled());
  EXPECT_EQ(startup.alarm->Color(), kWithheldColour);
  EXPECT_EQ(option->StateColumns[4].lamp.value->text(), QStringLiteral("Rot blitzen"));
  // "Drucken" carries entries 4 to 6 along.
  printing.lamp.up->click();
  printing.hornButton->click();
  option->SpeedButtonUp4->click();  // type 2: alarms open up
  EXPECT_TRUE(printing.alarmButton->isEnabled());
  EXPECT_EQ(printing.alarm->Color(), kOfferedColour);
  EXPECT_EQ(printing.alarmText->text(), QStringLiteral("Offen"));
  printing.alarmButton->click();
  EXPECT_EQ(printing.alarmText->text(), QStringLiteral("Geschlossen"));
  option->RaiseRequest();
  auto r = board.PanelOption.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditOption, 4);
  EXPECT_EQ(r->EditSignalType, 1);
  EXPECT_EQ(r->EditLamp, (std::array<int, 8>{1, 2, 3, 5, 5, 5, 5, 9}));
  EXPECT_EQ(r->EditHorn, (std::array<int, 8>{0, 1, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(r->EditAlarm, (std::array<int, 8>{1, 0, 1, 1, 1, 1, 1, 0}));
}

TEST_F(PanelForms, OptionTextsFollowTheLanguage) {
  DisplayUnitInMode2();
  printersettings::ui::FormServices().LanguageId = [] { return 2; };
  option->show();
  EXPECT_EQ(option->DisplayRows[0].value->text(), QStringLiteral("Affichage alternate, Start(1x)/Stop"));
  EXPECT_EQ(option->DisplayRows[3].value->text(),
            QStringLiteral("Heure de début, Date de début, Durée, Travail, Travail total, Vitesse, Time, Date"));
  EXPECT_EQ(option->Row30.value->text(), QStringLiteral("Off"));
  printersettings::ui::FormServices().LanguageId = [] { return 4; };
  option->UpdateView();
  EXPECT_EQ(option->DisplayRows[2].value->text(), QStringLiteral("Time, Date"));
}

TEST_F(PanelForms, OkInDisplayMode2WritesBothLineFilesFirst) {
  DisplayUnitInMode2();
  option->TmpDir = tmp.path() + "/";
  QTimer::singleShot(0, option.get(), [this] { option->SpeedButtonOK->click(); });
  EXPECT_EQ(option->exec(), kResultOk);
  option->RaiseRequest();  // as the tile does on OK
  const auto f0 = printersettings::BuildDisplayLineFile(6, 23, 7);
  const auto f1 = printersettings::BuildDisplayLineFile(11, 23, 7);
  EXPECT_EQ(testsupport::FileBytes(tmp / "D0216F0.SYS"), std::string(f0.begin(), f0.end()));
  EXPECT_EQ(testsupport::FileBytes(tmp / "D0216F1.SYS"), std::string(f1.begin(), f1.end()));
  auto r = board.PanelOption.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditDisplayMode, 2);

  // Mode 1 writes none.
  std::filesystem::remove(tmp / "D0216F0.SYS");
  std::filesystem::remove(tmp / "D0216F1.SYS");
  mirror.DisplayMode = 1;
  Refresh();
  QTimer::singleShot(0, option.get(), [this] { option->SpeedButtonOK->click(); });
  EXPECT_EQ(option->exec(), kResultOk);
  EXPECT_FALSE(platform::IsFile(tmp / "D0216F0.SYS"));
  EXPECT_TRUE(notices.empty());
}

TEST_F(PanelForms, ALineFileThatCannotBeWrittenKeepsTheFormOpen) {
  DisplayUnitInMode2();
  option->TmpDir = tmp.path() + "/";
  ASSERT_TRUE(platform::WriteFileAtomic(tmp / "D0216F0.SYS", "stale"));
  std::filesystem::create_directory(tmp / "D0216F1.SYS");  // cannot be replaced
  option->show();
  option->SpeedButtonOK->click();
  EXPECT_TRUE(option->isVisible());
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].title, QStringLiteral("OK"));
  EXPECT_EQ(notices[0].text, QStringLiteral("Nicht erfolgreich beendet."));
  EXPECT_EQ(notices[0].colour, platform::colours::kRed);
  EXPECT_FALSE(platform::IsFile(tmp / "D0216F0.SYS"));  // no stale line stays
  // Enter goes the same way; "Abbrechen" still closes.
  Key(option.get(), Qt::Key_Return);
  EXPECT_TRUE(option->isVisible());
  EXPECT_EQ(notices.size(), 2u);
  option->SpeedButtonAbbrechen->click();
  EXPECT_FALSE(option->isVisible());
  EXPECT_FALSE(board.PanelOption.Pending());
}

TEST_F(PanelForms, ProgramsKeepTheirValuesWhileOff) {
  mirror.ProgramMode = {0, 1, 1};
  mirror.ProgramText = {0, 7, 150};
  mirror.ProgramSpeed = {200, 5000, 1};
  mirror.ProgramPause = {1000, 0, -3};
  Refresh();
  programs->show();
  const auto& p1 = programs->Programs[0];
  EXPECT_EQ(p1.mode.value->text(), QStringLiteral("Aus"));
  EXPECT_FALSE(p1.text.up->isEnabled());
  EXPECT_FALSE(p1.text.down->isEnabled());
  EXPECT_EQ(p1.text.panel->Color(), kWithheldColour);
  EXPECT_EQ(p1.text.value->text(), QStringLiteral("1"));  // 0 from the printer
  const auto& p2 = programs->Programs[1];
  EXPECT_EQ(p2.mode.value->text(), QStringLiteral("Dauertest"));
  EXPECT_TRUE(p2.speed.up->isEnabled());
  EXPECT_EQ(p2.speed.panel->Color(), kOfferedColour);
  EXPECT_EQ(p2.speed.value->text(), QStringLiteral("1000 mm/s"));
  EXPECT_EQ(p2.speed.up->Caption(), QString());
  EXPECT_EQ(programs->Programs[2].text.value->text(), QStringLiteral("99"));
  EXPECT_EQ(programs->Programs[2].pause.value->text(), QStringLiteral("0 ms"));
  // The shared handlers find their program from the button.
  p2.text.up->click();
  EXPECT_EQ(programs->EditProgramText, (std::array<int, 3>{1, 8, 99}));
  EXPECT_EQ(programs->ActiveRow, 1);
  EXPECT_EQ(programs->ProgramRowOf(programs->Programs[2].pause.down), 2);
  EXPECT_EQ(programs->ProgramRowOf(programs->SpeedButtonOK), -1);
  programs->Programs[2].mode.down->click();
  programs->RaiseRequest();
  auto r = board.Programs.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditProgramMode, (std::array<int, 3>{0, 1, 0}));
  EXPECT_EQ(r->EditProgramText, (std::array<int, 3>{1, 8, 99}));  // off, yet sent
  EXPECT_EQ(r->EditProgramSpeed, (std::array<int, 3>{200, 1000, 1}));
  EXPECT_EQ(r->EditProgramPause, (std::array<int, 3>{1000, 0, 0}));
}

TEST_F(PanelForms, HeldProgramButtonsSpeedUpInTheirBands) {
  mirror.ProgramMode = {1, 1, 1};
  mirror.ProgramText = {1, 1, 1};
  mirror.ProgramSpeed = {1, 1, 1};
  mirror.ProgramPause = {0, 0, 0};
  Refresh();
  programs->show();
  // "Pause" of "Programm 2": 1 per tick for 49 ticks, then 32, 64, 128.
  const auto& pause = programs->Programs[1].pause;
  pause.up->pressed();
  EXPECT_EQ(programs->ActiveRow, 1);
  EXPECT_TRUE(programs->TimerPause->Active());
  EXPECT_EQ(programs->TimerPause->Interval(), 500);
  EXPECT_EQ(programs->EditProgramPause[1], 0);  // nothing before the first tick
  int expected = 0;
  for (int tick = 1; tick <= 200; ++tick) {
    programs->TimerPause->Tick();
    expected += tick < 50 ? 1 : tick < 100 ? 32 : tick < 150 ? 64 : 128;
    ASSERT_EQ(programs->EditProgramPause[1], std::min(expected, 10000)) << tick;
  }
  EXPECT_EQ(programs->TimerPause->Interval(), 50);
  pause.up->released();
  EXPECT_FALSE(programs->TimerPause->Active());
  EXPECT_EQ(programs->EditProgramPause[0], 0);

  // "Drucktext" of "Programm 1": 10 after nine ticks, then 2, 4, 8 to 99.
  const auto& text = programs->Programs[0].text;
  text.up->pressed();
  for (int tick = 1; tick <= 9; ++tick) programs->TimerDrucktext->Tick();
  EXPECT_EQ(programs->EditProgramText[0], 10);
  EXPECT_EQ(programs->TimerDrucktext->Interval(), 250);
  for (int tick = 10; tick <= 19; ++tick) programs->TimerDrucktext->Tick();
  EXPECT_EQ(programs->EditProgramText[0], 30);
  for (int tick = 20; tick <= 40; ++tick) programs->TimerDrucktext->Tick();
  EXPECT_EQ(programs->EditProgramText[0], 99);
  text.up->released();

  // A timer without an active program stops.
  programs->Programs[0].speed.up->pressed();
  programs->ActiveRow = -1;
  programs->TimerGeschwindigkeit->Tick();
  EXPECT_FALSE(programs->TimerGeschwindigkeit->Active());
  EXPECT_EQ(programs->EditProgramSpeed[0], 1);
}

TEST_F(FormFixture, StartUpHandsThePanelAndControllerFormsToTheirTiles) {
  printersettings::ui::CreatePanelControllerForms("/work/TMP/");
  const auto& w = printersettings::ui::OtherPrinterWindows();
  EXPECT_EQ(w.BedienteilTyp.data(), FormPrinterBedienteilTyp);
  EXPECT_EQ(w.BedienteilOption.data(), FormPrinterBedienteilOption);
  EXPECT_EQ(w.BedienteilProgramme.data(), FormPrinterBedienteilProgramme);
  EXPECT_EQ(w.SteuerungUhr.data(), FormPrinterSteuerungUhr);
  EXPECT_EQ(w.SteuerungCounter.data(), FormPrinterSteuerungCounter);
  EXPECT_EQ(w.SteuerungPulsdauer.data(), FormPrinterSteuerungPulsdauer);
  ASSERT_TRUE(FormPrinterBedienteilOption);
  EXPECT_EQ(FormPrinterBedienteilOption->TmpDir, "/work/TMP/");
  // The counter tile's parentheses follow the open form.
  ASSERT_TRUE(w.CounterChangePending);
  EXPECT_FALSE(w.CounterChangePending());
  FormPrinterSteuerungCounter->show();
  FormPrinterSteuerungCounter->SpeedButtonReset->click();
  EXPECT_TRUE(w.CounterChangePending());
  FormPrinterSteuerungCounter->hide();
  printersettings::ui::DeletePanelControllerForms();
  EXPECT_EQ(FormPrinterBedienteilTyp, nullptr);
  EXPECT_EQ(FormPrinterSteuerungPulsdauer, nullptr);
  EXPECT_TRUE(w.BedienteilTyp.isNull());
  EXPECT_FALSE(w.CounterChangePending);
}
