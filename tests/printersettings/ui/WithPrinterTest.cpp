// The view and every setting form against the printer emulator: the tiles
// fill from the printer's replies, each form opens with the printer's
// values, and its OK brings exactly its command lines to the printer,
// inside the settings bracket.
#include <gtest/gtest.h>

#include "PrinterRig.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/TFormPrinterAuslaufModus.h"
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
#include "printersettings/ui/TFormPrinterUnterdrueckungModus.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungVerschieben.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using Lines = std::vector<std::string>;
using testsupport::Click;

namespace {

void Set(printeremu::PrinterEmulator& p, std::initializer_list<std::pair<const char*, const char*>> rows) {
  for (const auto& [key, value] : rows) p.SetSetting(key, value);
}

struct FormCase {
  const char* name;
  const TFramePrinter::Tile TFramePrinter::*tile;
  std::function<QWidget*()> form;
  std::function<void()> check;  // in the form as it opens: the printer's values
  std::function<void()> choose;
  Lines expected;
};

}  // namespace

TEST_F(WithPrinter, TheViewFillsEveryTileFromThePrintersReplies) {
  Connect([](printeremu::PrinterEmulator& p) {
    Set(p, {{"MASCHINE", "0"}, {"HEAD.CMD", "1"}, {"HEAD.AUSRICHTUNG 0", "3"}, {"HEAD.AUSRICHTUNG 1", "4"},
            {"STARTUP", "1"}, {"DPI.ANZAHL", "5"}, {"START", "6"}, {"START.VERSCHIEBEN", "2 0 120"},
            {"AUX.CMD", "2 3"}, {"UNTERDRUECKUNG", "3"}, {"UNTERDRUECKUNG.VERSCHIEBEN", "1 250 0"},
            {"SPEED", "5 150"}, {"SPEED.FAKTOR", "1 1250 400"}, {"SPEED.IST", "321 600"}, {"MMI", "2"},
            {"OPTION", "3"}, {"RTC", "24.12.2026 Do 18:30:05"}, {"COUNTER", "1 4711"},
            {"ECOM.INFO.KIT", "10000011"}});
  });
  const std::pair<const TFramePrinter::Tile*, const char*> expected[] = {
      {&view->GeraetTyp, "SOR"},
      {&view->GeraetAusrichtung, "X"},  // two positions that differ
      {&view->GeraetAufstarten, "Drucken"},
      {&view->GeraetSleep, "Aus"},  // machine 0 has no pause
      {&view->GeraetDPI, "1..5"},
      {&view->DruckstartModus, "Negative Flanke Interface..."},
      {&view->DruckstartVerschieben, "120 ms"},
      {&view->DruckstartInterface, "Negativer Pegel"},
      {&view->UnterdrueckungModus, "Positiver Pegel"},
      {&view->UnterdrueckungVerschieben, "250 mm"},
      {&view->AuslaufModus, "Aus"},
      {&view->DruckgeschwindigkeitTaktquelle, "Extern Interface"},
      {&view->DruckgeschwindigkeitFaktor, "1.250"},
      {&view->DruckgeschwindigkeitAktuell, "321 mm/s"},
      {&view->BedienteilTyp, "REDAdid"},
      {&view->BedienteilOption, "DisplayUnit"},
      {&view->DruckersteuerungUhr, "24.12.2026   18:30:05"},
      {&view->DruckersteuerungStatus, "Stop"},
      {&view->DruckersteuerungZaehler, "4711"},
      {&view->DruckersteuerungVendrel, "RS232, USB, BT, LAN, WLAN"},
  };
  for (const auto& [tile, text] : expected)
    EXPECT_EQ(tile->value->text().toStdString(), text) << tile->panel->objectName().toStdString();
  EXPECT_TRUE(view->PanelGeraet->isEnabled());
  EXPECT_EQ(FormPrinterGeraetTyp->PrinterMachineType, 0);
  EXPECT_EQ(FormPrinterStartInterface->PrinterSignalText[15], 15);
}

TEST_F(WithPrinter, TheTilesFollowTheMachineTypeThePrinterReports) {
  // Machine type -1 stands for a reply outside 0..4.
  for (const char* machine : {"7", "0", "1", "2", "3", "4"}) {
    Connect([machine](printeremu::PrinterEmulator& p) { Set(p, {{"MASCHINE", machine}, {"SPEED", "1 150"}}); });
    const int type = std::atoi(machine) <= 4 ? std::atoi(machine) : -1;
    const bool oneToFour = type >= 1 && type <= 4;
    const bool twoToFour = type >= 2 && type <= 4;
    auto offered = [](const TFramePrinter::Tile& t) { return t.panel->Color() == printerthread::kOfferedColour; };
    EXPECT_EQ(offered(view->GeraetSleep), twoToFour) << machine;  // the emulator's firmware has 0x1000
    EXPECT_EQ(offered(view->AuslaufModus), twoToFour) << machine;
    EXPECT_EQ(offered(view->DruckstartVerschieben), !oneToFour) << machine;
    EXPECT_EQ(offered(view->DruckstartInterface), !oneToFour) << machine;
    EXPECT_EQ(offered(view->DruckgeschwindigkeitFaktor), !oneToFour) << machine;
    EXPECT_EQ(offered(view->BedienteilOption), !twoToFour) << machine;
    EXPECT_EQ(view->BedienteilProgramme.panel->isEnabled(), !oneToFour) << machine;
    Disconnect();
  }
}

TEST_F(WithPrinter, EachFormOpensWithThePrintersValuesAndItsOkSendsItsCommands) {
  Connect([](printeremu::PrinterEmulator& p) {
    Set(p, {{"MASCHINE", "0"}, {"HEAD.CMD", "1"}, {"HEAD.VERSATZ 0", "120"}, {"STARTUP", "0"}, {"START", "3"},
            {"START.VERSCHIEBEN", "0 40 300"}, {"UNTERDRUECKUNG.VERSCHIEBEN", "1 250 0"}, {"SPEED", "0 150"}});
  });
  const FormCase cases[] = {
      {"alignment", &TFramePrinter::GeraetAusrichtung, [] { return FormPrinterGeraetAusrichtung; },
       [] {
         EXPECT_EQ(FormPrinterGeraetAusrichtung->EditHeadMode, 1);
         EXPECT_EQ(FormPrinterGeraetAusrichtung->EditHeadOffset[0], 10);
       },
       [] {
         Click(FormPrinterGeraetAusrichtung->OffsetRows[0].up);
         Click(FormPrinterGeraetAusrichtung->OrientationButtons[0][3]);
       },
       Bracket({"HEAD.CMD 1", "HEAD.VERSATZ 0 132", "HEAD.VERSATZ 1 0", "HEAD.VERSATZ 2 0", "HEAD.AUSRICHTUNG 0 3",
                "HEAD.AUSRICHTUNG 1 0", "HEAD.AUSRICHTUNG 2 0"},
               "RESET")},
      {"power-on", &TFramePrinter::GeraetAufstarten, [] { return FormPrinterGeraetAufstarten; },
       [] { EXPECT_EQ(FormPrinterGeraetAufstarten->Panel0->Color(), printerthread::kOfferedColour); },
       [] { Click(FormPrinterGeraetAufstarten->SpeedButton1); }, Bracket({"STARTUP 1"}, "STATUS 40 ZAMFI")},
      {"print modes", &TFramePrinter::GeraetDPI, [] { return FormPrinterGeraetDPI; },
       [] { EXPECT_EQ(FormPrinterGeraetDPI->EditModeCount, 4); },
       [] {
         Click(FormPrinterGeraetDPI->RowAnzahl.up);
         Click(FormPrinterGeraetDPI->Rows[4].up);
       },
       Bracket({"DPI.ANZAHL 5", "DPI.MODUS 0 0", "DPI.MODUS 1 3", "DPI.MODUS 2 4", "DPI.MODUS 3 11", "DPI.MODUS 4 1",
                "DPI.MODUS 5 0", "DPI.MODUS 6 0", "DPI.MODUS 7 0", "DPI.ANZEIGE 0 0", "DPI.ANZEIGE 1 65",
                "DPI.ANZEIGE 2 33", "DPI.ANZEIGE 3 45", "DPI.ANZEIGE 4 1", "DPI.ANZEIGE 5 0", "DPI.ANZEIGE 6 0",
                "DPI.ANZEIGE 7 0"},
               "RESET")},
      {"selection", &TFramePrinter::DruckstartInterface, [] { return FormPrinterStartInterface; },
       [] { EXPECT_EQ(FormPrinterStartInterface->EditSignalText[9], 9); },
       [] {
         Click(FormPrinterStartInterface->RowModus.up);
         Click(FormPrinterStartInterface->Rows[1].up);
       },
       Bracket({"AUX.CMD 1 0", "AUX.PROG 0 0", "AUX.PROG 1 2", "AUX.PROG 2 2", "AUX.PROG 3 3", "AUX.PROG 4 4",
                "AUX.PROG 5 5", "AUX.PROG 6 6", "AUX.PROG 7 7", "AUX.PROG 8 8", "AUX.PROG 9 9", "AUX.PROG 10 10",
                "AUX.PROG 11 11", "AUX.PROG 12 12", "AUX.PROG 13 13", "AUX.PROG 14 14", "AUX.PROG 15 15"},
               "STATUS 40 ZAMFI")},
      {"start mode", &TFramePrinter::DruckstartModus, [] { return FormPrinterStartModus; },
       [] { EXPECT_EQ(FormPrinterStartModus->EditStartMode, 3); },
       [] {
         Click(FormPrinterStartModus->SpeedButton5);
         Click(FormPrinterStartModus->SpeedButtonUp3);
       },
       Bracket({"START 4", "START.FILTER 1"}, "STATUS 40 ZAMFI")},
      {"start shift", &TFramePrinter::DruckstartVerschieben, [] { return FormPrinterStartVerschieben; },
       [] { EXPECT_EQ(FormPrinterStartVerschieben->EditShiftTime, 300); },
       [] {
         Click(FormPrinterStartVerschieben->SpeedButtonDown2);  // chooses "Zeit"
         Click(FormPrinterStartVerschieben->SpeedButtonDown2);
       },
       Bracket({"START.VERSCHIEBEN 2 40 299"}, "STATUS 40 ZAMFI")},
      {"suppression", &TFramePrinter::UnterdrueckungModus, [] { return FormPrinterUnterdrueckungModus; },
       [] { EXPECT_EQ(FormPrinterUnterdrueckungModus->EditSuppressionMode, 0); },
       [] { Click(FormPrinterUnterdrueckungModus->ModeButtons[4]); },
       Bracket({"UNTERDRUECKUNG 4", "UNTERDRUECKUNG.FILTER 0"}, "STATUS 40 ZAMFI")},
      {"suppression shift", &TFramePrinter::UnterdrueckungVerschieben,
       [] { return FormPrinterUnterdrueckungVerschieben; },
       [] { EXPECT_EQ(FormPrinterUnterdrueckungVerschieben->EditShiftDistance, 250); },
       [] { Click(FormPrinterUnterdrueckungVerschieben->SpeedButtonUp1); },
       Bracket({"UNTERDRUECKUNG.VERSCHIEBEN 1 251 0"}, "STATUS 40 ZAMFI")},
      {"clock source", &TFramePrinter::DruckgeschwindigkeitTaktquelle,
       [] { return FormPrinterGeschwindigkeitTaktquelle; },
       [] { EXPECT_EQ(FormPrinterGeschwindigkeitTaktquelle->EditSpeed, 150); },
       [] { Click(FormPrinterGeschwindigkeitTaktquelle->SpeedButton6); }, Bracket({"SPEED 6 150"}, "STATUS 40 ZAMFI")},
      {"factor", &TFramePrinter::DruckgeschwindigkeitFaktor, [] { return FormPrinterGeschwindigkeitFaktor; },
       [] { EXPECT_EQ(FormPrinterGeschwindigkeitFaktor->EditFactorMode, 0); },
       [] {
         Click(FormPrinterGeschwindigkeitFaktor->Row1.up);  // chooses "Faktor"
         Click(FormPrinterGeschwindigkeitFaktor->Row1.up);
       },
       Bracket({"SPEED.FAKTOR 1 1001"}, "STATUS 40 ZAMFI")},
      {"machine type", &TFramePrinter::GeraetTyp, [] { return FormPrinterGeraetTyp; },
       [] { EXPECT_EQ(FormPrinterGeraetTyp->EditMachineType, 0); }, [] { Click(FormPrinterGeraetTyp->SpeedButton2); },
       Bracket({"MASCHINE 2"}, "RESET")},
  };
  std::size_t from = rig->printer->Commands().size();
  for (const FormCase& c : cases) {
    Confirm((*view).*c.tile, c.form(), [&] {
      c.check();
      c.choose();
    });
    EXPECT_EQ(NextSequence(from), c.expected) << c.name;
    ASSERT_TRUE(NextRefresh()) << c.name;  // the printer's new values are read back
  }
  EXPECT_EQ(FormPrinterGeraetTyp->PrinterMachineType, 2);
  EXPECT_EQ(FormPrinterGeschwindigkeitFaktor->PrinterFactor, 1001);
}

TEST_F(WithPrinter, PauseAndRunOutOnAMachineWithAReverseDrive) {
  Connect([](printeremu::PrinterEmulator& p) { Set(p, {{"MASCHINE", "2"}, {"SLEEP", "30 700 910"}, {"AUSLAUF", "1 15"}}); });
  std::size_t from = rig->printer->Commands().size();
  Confirm(view->GeraetSleep, FormPrinterGeraetSleep, [] {
    EXPECT_EQ(FormPrinterGeraetSleep->EditWaitTime, 30);
    Click(FormPrinterGeraetSleep->Row0.up);
  });
  EXPECT_EQ(NextSequence(from), Bracket({"SLEEP 60 700 910"}, "STATUS 40 ZAMFI"));
  ASSERT_TRUE(NextRefresh());
  Confirm(view->AuslaufModus, FormPrinterAuslaufModus, [] {
    EXPECT_EQ(FormPrinterAuslaufModus->EditFilter, 15);
    Click(FormPrinterAuslaufModus->ModeButtons[2]);
  });
  EXPECT_EQ(NextSequence(from), Bracket({"AUSLAUF 2 15"}, "STATUS 40 ZAMFI"));
}

TEST_F(WithPrinter, TheCouplingSendsClampedValuesStartFirst) {
  Connect([](printeremu::PrinterEmulator& p) {
    Set(p, {{"MASCHINE", "0"}, {"START", "2"}, {"START.FILTER", "350"}, {"AUX.CMD", "0 1"}, {"AUX.PROG 3", "150"}});
  });
  std::size_t from = rig->printer->Commands().size();
  Confirm(view->DruckstartInterface, FormPrinterStartInterface, [] {
    Click(FormPrinterStartInterface->RowModus.up);  // positive level
  });
  EXPECT_EQ(NextSequence(from), Bracket({"START 6", "START.FILTER 200"}, "STATUS 40 ZAMFI"));
  const Lines selection = NextSequence(from);
  ASSERT_GE(selection.size(), 8u);
  EXPECT_EQ(selection[3], "AUX.CMD 1 1");
  EXPECT_EQ(selection[7], "AUX.PROG 3 99");
}

TEST_F(WithPrinter, ARequestRaisedAgainWhileItsSequenceRunsIsServedNextWithItsOwnValues) {
  Connect([](printeremu::PrinterEmulator& p) { Set(p, {{"MASCHINE", "0"}, {"START", "1"}}); });
  std::size_t from = rig->printer->Commands().size();
  Confirm(view->DruckstartModus, FormPrinterStartModus, [] { Click(FormPrinterStartModus->SpeedButton2); });
  // The thread has taken the request and runs its sequence.
  ASSERT_TRUE(threadtest::ThreadRig::Until([] { return !printerthread::PrinterRequests().StartMode.Pending(); }));
  Confirm(view->DruckstartModus, FormPrinterStartModus, [] { Click(FormPrinterStartModus->SpeedButton4); });
  EXPECT_EQ(NextSequence(from), Bracket({"START 2", "START.FILTER 0"}, "STATUS 40 ZAMFI"));
  EXPECT_EQ(NextSequence(from), Bracket({"START 3", "START.FILTER 0"}, "STATUS 40 ZAMFI"));
}

TEST_F(WithPrinter, ARefusedSettingEndsWithItsMessageAndTheViewStaysUsable) {
  Connect([](printeremu::PrinterEmulator& p) { Set(p, {{"MASCHINE", "0"}, {"UNTERDRUECKUNG", "0"}}); });
  rig->printer->AddFault(printeremu::ReplyFault("ENABLE", printeremu::FaultPoint::CommandReply, "Fehler 1"));
  std::size_t from = rig->printer->Commands().size();
  Confirm(view->UnterdrueckungModus, FormPrinterUnterdrueckungModus,
          [] { Click(FormPrinterUnterdrueckungModus->ModeButtons[1]); });
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return rig->messenger.Boxes().size() >= 2; }));
  const auto boxes = rig->messenger.Boxes();
  EXPECT_EQ(boxes[0].kind, printerthread::BoxKind::Busy);
  EXPECT_EQ(boxes[0].title, " Unterdr\xFC" "ckung Modus");
  EXPECT_EQ(boxes[1].kind, printerthread::BoxKind::NotSupported);
  const Lines sent = rig->CommandsFrom(from);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "UNTERDRUECKUNG 1"), 0);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "STATUS 40 ZAMFI"), 1);

  // The next refresh brings the view back; the same change goes through.
  ASSERT_TRUE(NextRefresh());
  EXPECT_TRUE(view->PanelUnterdrueckung->isEnabled());
  from = rig->printer->Commands().size();
  Confirm(view->UnterdrueckungModus, FormPrinterUnterdrueckungModus, [] {
    EXPECT_EQ(FormPrinterUnterdrueckungModus->EditSuppressionMode, 0);  // the printer's value again
    Click(FormPrinterUnterdrueckungModus->ModeButtons[1]);
  });
  EXPECT_EQ(NextSequence(from), Bracket({"UNTERDRUECKUNG 1", "UNTERDRUECKUNG.FILTER 0"}, "STATUS 40 ZAMFI"));
}

TEST_F(WithPrinter, TheSimulationShowsItsDemoValuesInTheTiles) {
  Simulate();
  const std::pair<const TFramePrinter::Tile*, const char*> expected[] = {
      {&view->GeraetTyp, "SOR"},
      {&view->GeraetAusrichtung, "0\xC2\xB0 -->"},
      {&view->GeraetAufstarten, "Stop"},
      {&view->GeraetSleep, "Aus"},
      {&view->GeraetDPI, "1..5"},
      {&view->DruckstartModus, "Positive Flanke"},
      {&view->DruckstartVerschieben, "Aus"},
      {&view->DruckstartInterface, "Aus"},
      {&view->UnterdrueckungModus, "Aus"},
      {&view->UnterdrueckungVerschieben, "Aus"},
      {&view->AuslaufModus, "Aus"},
      {&view->DruckgeschwindigkeitTaktquelle, "Extern CPL (+)"},
      {&view->DruckgeschwindigkeitFaktor, "Aus"},
      {&view->BedienteilTyp, "REDAdid"},
      {&view->BedienteilOption, "Aus"},
      {&view->DruckersteuerungVendrel, "RS232, USB"},
      // The demo has no measured speed, clock, state or count.
      {&view->DruckgeschwindigkeitAktuell, "?"},
      {&view->DruckersteuerungUhr, "?"},
      {&view->DruckersteuerungStatus, "?"},
      {&view->DruckersteuerungZaehler, "?"},
  };
  for (const auto& [tile, text] : expected)
    EXPECT_EQ(tile->value->text().toStdString(), text) << tile->panel->objectName().toStdString();
  EXPECT_TRUE(view->GeraetDPI.panel->isEnabled());  // the demo's firmware has every feature

  // Machine type 2 chosen in the simulation: the demo values of that type.
  Confirm(view->GeraetTyp, FormPrinterGeraetTyp, [] { Click(FormPrinterGeraetTyp->SpeedButton2); });
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return view->GeraetSleep.value->text() == QStringLiteral("30 s"); }));
  EXPECT_EQ(view->GeraetTyp.value->text(), QStringLiteral("RID1"));
  EXPECT_EQ(view->GeraetSleep.panel->Color(), printerthread::kOfferedColour);
  // The demo took the change without a printer: no failure box.
  for (const auto& box : rig->messenger.Boxes())
    EXPECT_TRUE(box.kind == printerthread::BoxKind::Busy || box.kind == printerthread::BoxKind::Success) << box.title;
}
