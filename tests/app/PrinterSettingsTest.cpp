// The printer settings view in the program: reached from the printer menu,
// every tile opening its form with the mouse (the operator panel and
// controller forms among them), and every window whole in each language at
// the main window's smallest size (with pictures of them when
// TARVIK_SCREENSHOT_DIR is set).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <functional>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "LayoutCheck.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuPC.h"
#include "platform/qt/Colour.h"
#include "platform/qt/TextCodec.h"
#include "printdata/ui/TFrameDaten.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/TFormPrinterAuslaufModus.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"
#include "printersettings/ui/TFormPrinterBedienteilTyp.h"
#include "printersettings/ui/TFormPrinterGeraetAufstarten.h"
#include "printersettings/ui/TFormPrinterGeraetAusrichtung.h"
#include "printersettings/ui/TFormPrinterGeraetDPI.h"
#include "printersettings/ui/TFormPrinterGeraetSleep.h"
#include "printersettings/ui/TFormPrinterGeraetTyp.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitFaktor.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitTaktquelle.h"
#include "printersettings/ui/TFormPrinterStartInterface.h"
#include "printersettings/ui/TFormPrinterStartModus.h"
#include "printersettings/ui/TFormPrinterStartVerschieben.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungModus.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungVerschieben.h"
#include "printersettings/ui/TFrameMenuPrinter.h"
#include "printersettings/ui/TFramePrinter.h"

namespace {

struct TileForm {
  const TFramePrinter::Tile TFramePrinter::*tile;
  QWidget* form;
  const char* name;
};

std::vector<TileForm> TileForms() {
  return {{&TFramePrinter::GeraetTyp, FormPrinterGeraetTyp, "device-type"},
          {&TFramePrinter::GeraetAusrichtung, FormPrinterGeraetAusrichtung, "alignment"},
          {&TFramePrinter::GeraetAufstarten, FormPrinterGeraetAufstarten, "power-on"},
          {&TFramePrinter::GeraetSleep, FormPrinterGeraetSleep, "pause"},
          {&TFramePrinter::GeraetDPI, FormPrinterGeraetDPI, "print-modes"},
          {&TFramePrinter::DruckstartModus, FormPrinterStartModus, "start-mode"},
          {&TFramePrinter::DruckstartInterface, FormPrinterStartInterface, "selection"},
          {&TFramePrinter::DruckstartVerschieben, FormPrinterStartVerschieben, "start-shift"},
          {&TFramePrinter::UnterdrueckungModus, FormPrinterUnterdrueckungModus, "suppression"},
          {&TFramePrinter::UnterdrueckungVerschieben, FormPrinterUnterdrueckungVerschieben, "suppression-shift"},
          {&TFramePrinter::AuslaufModus, FormPrinterAuslaufModus, "run-out"},
          {&TFramePrinter::DruckgeschwindigkeitTaktquelle, FormPrinterGeschwindigkeitTaktquelle, "clock-source"},
          {&TFramePrinter::DruckgeschwindigkeitFaktor, FormPrinterGeschwindigkeitFaktor, "factor"},
          {&TFramePrinter::BedienteilTyp, FormPrinterBedienteilTyp, "panel-type"},
          {&TFramePrinter::BedienteilOption, FormPrinterBedienteilOption, "panel-option"},
          {&TFramePrinter::BedienteilProgramme, FormPrinterBedienteilProgramme, "panel-programs"},
          {&TFramePrinter::DruckersteuerungUhr, FormPrinterSteuerungUhr, "controller-clock"},
          {&TFramePrinter::DruckersteuerungZaehler, FormPrinterSteuerungCounter, "controller-counter"},
          {&TFramePrinter::DruckersteuerungPulsdauer, FormPrinterSteuerungPulsdauer, "controller-pulse"}};
}

class PrinterSettings : public apptest::AppFixture {
 protected:
  void TearDown() override {
    AppFixture::TearDown();
    auto& b = printerthread::PrinterRequests();
    (void)b.MachineType.Take();
  }
  // Opens the view the operator's way: printer button, "Einstellungen".
  void OpenView() {
    apptest::Click(Form_Main->SpeedButtonPrinter);
    ASSERT_FALSE(Form_Main->FrameMenuPrinter->isHidden());
    apptest::Click(Form_Main->FrameMenuPrinter->SpeedButtonEinstellen);
    ASSERT_TRUE(Form_Main->FramePrinter->isVisible());
    EXPECT_TRUE(Form_Main->FrameDaten->isHidden());
    EXPECT_TRUE(Form_Main->FrameMenuPrinter->isHidden());
  }
  // Clicks the tile and cancels the form it opens; whether that was `form`.
  static bool Opens(const TFramePrinter::Tile& tile, QWidget* form) {
    bool opened = false;
    apptest::WhenModal([&] {
      opened = QApplication::activeModalWidget() == form;
      apptest::Click(static_cast<printersettings::ui::SettingForm*>(form)->SpeedButtonAbbrechen);
    });
    apptest::Click(tile.button);
    return opened;
  }
};

}  // namespace

TEST_F(PrinterSettings, EveryFormIsReachedFromTheViewWithTheMouse) {
  FormBedienungsmodus->SetOperatingMode(1);
  Form_Main->show();
  FormEinstellenPC->UseSimulation = 1;
  TFramePrinter* view = Form_Main->FramePrinter;
  // The demo printer: machine type 0, every feature of the firmware.
  ASSERT_TRUE(apptest::PumpUntil([&] { return view->PanelGeraet->isEnabled(); }, 10));
  OpenView();
  for (const TileForm& t : TileForms()) {
    const TFramePrinter::Tile& tile = (*view).*t.tile;
    if (t.form == FormPrinterGeraetSleep || t.form == FormPrinterAuslaufModus) {
      // Machine type 0 has neither pause nor run-out.
      EXPECT_FALSE(tile.button->isVisible()) << t.name;
      continue;
    }
    EXPECT_TRUE(Opens(tile, t.form)) << t.name;
  }
  EXPECT_FALSE(printerthread::PrinterRequests().MachineType.Pending());

  // The simulated printer takes machine type 2: pause and run-out come.
  apptest::WhenModal([] {
    apptest::Click(FormPrinterGeraetTyp->SpeedButton2);
    apptest::Click(FormPrinterGeraetTyp->SpeedButtonOK);
  });
  apptest::Click(view->GeraetTyp.button);
  ASSERT_TRUE(apptest::PumpUntil([&] { return view->GeraetSleep.button->isVisible(); }, 10));
  EXPECT_TRUE(Opens(view->GeraetSleep, FormPrinterGeraetSleep));
  EXPECT_TRUE(Opens(view->AuslaufModus, FormPrinterAuslaufModus));

  // OK leaves the view for the data view.
  apptest::Click(view->SpeedButtonOK);
  EXPECT_TRUE(view->isHidden());
  EXPECT_FALSE(Form_Main->FrameDaten->isHidden());
  FormEinstellenPC->UseSimulation = 0;
}

TEST_F(PrinterSettings, NothingIsCutOffInAnyLanguage) {
  apptest::InstallLanguageFiles(Form_Main->LanguageDir);
  Form_Main->show();
  Form_Main->resize(Form_Main->minimumSize());
  // The thread has shown its first state (no printer) before the test's own.
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Main->LabelPrinter->text().size() == 16; }, 10));
  Form_Main->FrameDaten->hide();
  Form_Main->FramePrinter->ShowView();
  for (int language = 0; language <= 4; ++language) {
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    QApplication::processEvents();  // the view names its last values in the new language
    const auto c = printerthread::PrinterCaptionTable().Get();
    // The longest texts each tile can show in this language.
    printerthread::PrinterMirror m;
    m.CliWord = 0x1F7A;
    m.MachineType = 0;
    m.ClockSource = 5;
    m.MachineTypeText = c->MachineType[4];
    m.AlignmentText = c->Orientation[5];
    m.StartupText = c->Startup[1];
    m.SleepText = c->RunOut[0] + "+";
    m.PrintModeText = "1..8";
    m.StartModeText = c->StartLabelTitles[3] + " " + c->StartLabel5 + "...";
    m.StartShiftMode = 2;
    m.StartShiftTimeText = "4000 ms";
    m.InterfaceModeText = c->InterfaceMode[2];
    m.SuppressionText = c->Suppression[4];
    m.SuppressionShiftMode = 1;
    m.SuppressionShiftDistanceText = "500 mm";
    m.RunOutText = c->RunOut[2];
    m.ClockSourceText = c->ClockExternal[4];
    m.FactorText = "10.000";
    m.ActualSpeedText = "1000 mm/s";
    m.PanelTypeText = c->PanelType[3];
    m.OptionText = c->Option[3];
    m.ClockText = "24.12.2026   18:30:05";
    m.StatusText = c->NameTexts[6];
    m.CounterText = "1234567890";
    m.CommKit = {1, 1, 0, 0, 0, 0, 0, 1};
    m.ModeCount = 8;
    m.ModeIndex = {0, 3, 4, 7, 8, 10, 11, 11};
    m.InterfaceMode = 1;
    m.SignalLines = 2;  // eight selection rows in use, eight in the look of what cannot be used
    m.HeadMode = 2;
    m.StartMode = 6;
    const printerthread::DisplayView view{m, *c, printerthread::PrinterRequests(), printerthread::PrinterWindows()};
    printerthread::PrinterDisplays().ForEach([&](printerthread::PrinterDisplay& d) { d.RefreshDisplay(view); });
    QApplication::processEvents();
    const std::string suffix = "-" + std::to_string(language);
    EXPECT_EQ(apptest::CutOff(Form_Main->FramePrinter), std::vector<std::string>()) << "view in " << language;
    apptest::Screenshot(Form_Main, ("printer-view" + suffix).c_str());
    FormPrinterGeraetDPI->SetExpertPanel(1);
    for (const TileForm& t : TileForms()) {
      t.form->show();
      QApplication::processEvents();
      EXPECT_EQ(apptest::CutOff(t.form), std::vector<std::string>()) << t.name << " in " << language;
      apptest::Screenshot(t.form, ("printer-" + std::string(t.name) + suffix).c_str());
      t.form->hide();
    }
    Form_Main->FrameMenuPrinter->show();
    EXPECT_EQ(apptest::CutOff(Form_Main->FrameMenuPrinter), std::vector<std::string>()) << "menu in " << language;
    Form_Main->FrameMenuPrinter->hide();
  }
  Form_Main->FramePrinter->CloseView();
}

// Switched through the language window, the tiles' values follow at once,
// named from what the view shows, not when the printer thread next reads
// them.
TEST_F(PrinterSettings, TheValuesFollowALanguageChosenInTheLanguageWindowAtOnce) {
  apptest::InstallLanguageFiles(Form_Main->LanguageDir);
  // German, whatever an earlier test left in the captions the windows share.
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  Form_Main->show();
  FormEinstellenPC->UseSimulation = 1;
  TFramePrinter* view = Form_Main->FramePrinter;
  // The demo printer: power-on state "Stop", factor off, clock "Extern CPL (+)".
  ASSERT_TRUE(apptest::PumpUntil([&] { return view->PanelGeraet->isEnabled(); }, 10));
  OpenView();
  EXPECT_EQ(view->GeraetAufstarten.value->text(), QStringLiteral("Stop"));
  EXPECT_EQ(view->DruckgeschwindigkeitFaktor.value->text(), QStringLiteral("Aus"));

  apptest::WhenModal([] {
    FormSprache->SpeedButtonFR->click();
    FormSprache->SpeedButtonOK->click();
  });
  Form_Main->FrameMenuPC->SpeedButtonSpracheClick(Form_Main->FrameMenuPC->SpeedButtonSprache);
  ASSERT_EQ(FormSprache->GetLanguage(), 2);
  const auto french = printerthread::PrinterCaptionTable().Get();
  ASSERT_NE(french->FactorOff, "Aus");
  // The view names its values again as soon as every window has its texts.
  QApplication::processEvents();
  EXPECT_EQ(view->DruckgeschwindigkeitFaktor.value->text(), platform::ToQt(french->FactorOff));
  EXPECT_EQ(view->GeraetAufstarten.value->text(), platform::ToQt(french->Startup[0]));
  EXPECT_EQ(view->DruckgeschwindigkeitTaktquelle.value->text(), platform::ToQt(french->ClockExternal[0]));
  EXPECT_EQ(view->BedienteilOption.value->text(), platform::ToQt(french->Option[0]));
  apptest::Screenshot(Form_Main, "printer-view-right-after-switching-to-french");
  FormEinstellenPC->UseSimulation = 0;
}

// The diagnosis and remote-control tiles are dark blue while their windows
// are open and look as before once they close, whichever way they close.
TEST_F(PrinterSettings, AServiceWindowsTileLooksAsBeforeOnceTheWindowCloses) {
  Form_Main->show();
  FormEinstellenPC->UseSimulation = 1;
  TFramePrinter* view = Form_Main->FramePrinter;
  ASSERT_TRUE(apptest::PumpUntil([&] { return view->PanelGeraet->isEnabled(); }, 10));
  OpenView();
  struct Look {
    std::uint32_t panel, button;
    std::vector<std::uint32_t> lines;
    bool bold;
    bool operator==(const Look&) const = default;
  };
  auto look = [](const TFramePrinter::Tile& t) {
    Look l{t.panel->Color(), t.button->CaptionColour(), {}, t.button->font().bold()};
    for (const QLabel* line : {t.title, t.value})
      if (line) l.lines.push_back(platform::ToVclColor(line->palette().color(QPalette::Active, QPalette::WindowText)));
    if (t.title) l.bold = t.title->font().bold();
    return l;
  };
  struct Way {
    const char* name;
    std::function<void(QWidget*, const TFramePrinter::Tile&)> close;
  };
  const Way ways[] = {
      {"its tile", [](QWidget*, const TFramePrinter::Tile& t) { apptest::Click(t.button); }},
      {"Esc", [](QWidget* w, const TFramePrinter::Tile&) { apptest::PressKey(w, Qt::Key_Escape); }},
      {"the window manager's close", [](QWidget* w, const TFramePrinter::Tile&) { w->close(); }},
  };
  struct Served {
    const char* name;
    const TFramePrinter::Tile& tile;
    QWidget* window;
  };
  const Served served[] = {{"Diagnose", view->DruckersteuerungDiagnose, FormPrinterSteuerungDiagnose},
                           {"Zustand", view->DruckersteuerungStatus, FormPrinterFernsteuerung}};
  for (const Served& s : served) {
    const Look before = look(s.tile);
    for (const Way& w : ways) {
      apptest::Click(s.tile.button);
      ASSERT_TRUE(s.window->isVisible()) << s.name;
      EXPECT_EQ(s.tile.panel->Color(), platform::colours::kNavy) << s.name;
      w.close(s.window, s.tile);
      EXPECT_FALSE(s.window->isVisible()) << s.name << " by " << w.name;
      EXPECT_EQ(look(s.tile), before) << s.name << " by " << w.name;
    }
  }
  FormEinstellenPC->UseSimulation = 0;
}
