// The remote control: its steps, selection and levels against the printer
// emulator, command line by command line; the held print-text button; and
// that no click waits for the port.
#include <gtest/gtest.h>

#include <QApplication>
#include <atomic>
#include <memory>
#include <set>
#include <thread>

#include "PrinterRig.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/PortState.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using Lines = std::vector<std::string>;

namespace {

const QString kDown = QStringLiteral("-") + QString(20, QLatin1Char(' '));
const QString kUp = QString(20, QLatin1Char(' ')) + QStringLiteral("+");

// The printer's commands since `first` that are no polls of the schedule:
// what the windows made the thread send.
std::vector<std::string> SentSince(const threadtest::ThreadRig& rig, std::size_t first) {
  static const std::set<std::string> kPolls = {
      "INFO.SYSTEM", "INFO.CLI", "MASCHINE", "AUSRICHTUNG", "HEAD.CMD", "STARTUP", "SLEEP", "DPI.INDEX",
      "DPI.ANZAHL", "START", "START.FILTER", "START.VERSCHIEBEN", "AUX.CMD", "UNTERDRUECKUNG",
      "UNTERDRUECKUNG.FILTER", "UNTERDRUECKUNG.VERSCHIEBEN", "AUSLAUF", "SPEED", "SPEED.FAKTOR", "SPEED.IST",
      "MMI", "MMI.REDADID.MODUS", "OPTION", "OPTION.REDADID.MODUS", "OPTION.D0216.MODUS", "OPTION.D0216.BUTTON",
      "OPTION.D0216.FORMAT.ID", "OPTION.SIGNALUNIT.TYP", "OPTION.SIGNALUNIT.ALARM", "OPTION.SIGNALUNIT.HORN",
      "OPTION.SIGNALUNIT.SIGNAL", "RTC", "STATUS", "COUNTER", "HEAD.PULSDAUER", "HEAD.HEIZUNG", "HEAD.H600DPI",
      "INFO.DEVICE", "INFO.FIRMWARE", "ECOM.INFO.KIT", "ECOM.LAN.NAME", "ECOM.LAN.MAC", "ECOM.LAN.IP", "IO.BASIC",
      "ZPOS.SPEED", "AD", "DT", "DPI"};
  std::vector<std::string> sent;
  for (const std::string& c : rig.CommandsFrom(first)) {
    const bool numbered = c.rfind("HEAD.VERSATZ ", 0) == 0 || c.rfind("HEAD.AUSRICHTUNG ", 0) == 0 ||
                          c.rfind("DPI.MODUS ", 0) == 0 || c.rfind("AUX.PROG ", 0) == 0 ||
                          c.rfind("PROG ", 0) == 0 || c.rfind("OPTION.D0216.ZEILE ", 0) == 0;
    if (!kPolls.count(c) && !numbered) sent.push_back(c);
  }
  return sent;
}

class RemoteControl : public WithPrinter {
 protected:
  void TearDown() override {
    WithPrinter::TearDown();
    remote.reset();
    printerthread::PrinterWindows().PrinterPrintText = -1;
    printerthread::PrinterWindows().PrinterPrintMode = -1;
  }
  // The printer thread against the emulator; the window, on the program's
  // board, opened by the settings view's "Zustand" tile once the printer's
  // values are in.
  void ConnectRemote(printeremu::EmulatorOptions options, const std::map<std::string, std::string>& settings) {
    remote = std::make_unique<TFormPrinterFernsteuerung>(nullptr);
    printersettings::ui::OtherPrinterWindows().Fernsteuerung = remote.get();
    view->ApplyWindowHooks();
    Connect(
        [&](printeremu::PrinterEmulator& printer) {
          for (const auto& [key, value] : settings) printer.SetSetting(key, value);
        },
        options);
    testsupport::Click(view->DruckersteuerungStatus.button);
    ASSERT_TRUE(remote->isVisible());
    first = rig->printer->Commands().size();
  }
  // A click as the operator makes it, then the printer thread's turn: the
  // commands it sent for the click.
  Lines ClickAndSend(QWidget* button, std::size_t commands) {
    const std::size_t from = rig->printer->Commands().size();
    testsupport::Click(button);
    // Taken by the printer thread, and what it sent is on the line; the
    // next refresh comes from a cycle after it.
    const printerthread::RequestBoard& b = printerthread::PrinterRequests();
    EXPECT_TRUE(threadtest::ThreadRig::Until([&] {
      return !b.SelectDt.Pending() && !b.RemoteDpi.Pending() && !b.Level.Pending() && !b.DisplayButton.Pending() &&
             SentSince(*rig, from).size() >= commands;
    }));
    EXPECT_TRUE(NextRefresh());
    return SentSince(*rig, from);
  }
  static QString Text(QLabel* label) { return label->isHidden() ? QString() : label->text(); }

  std::unique_ptr<TFormPrinterFernsteuerung> remote;
  std::size_t first = 0;
};

}  // namespace

TEST_F(RemoteControl, StepsSelectionAndLevelsSendTheirCommandLines) {
  // Print data 11 of 12 chosen, a table of three print modes, index 0.
  printeremu::EmulatorOptions options;  // CliWord 8058: print-mode table, display unit
  ConnectRemote(options, {{"DT", "11 12"}, {"DPI.ANZAHL", "3"}, {"DPI.INDEX", "0"}, {"DPI", "0"}});
  auto& r = *remote;
  EXPECT_EQ(Text(r.LabelDrucktextIst), QStringLiteral("11"));
  EXPECT_EQ(Text(r.LabelDruckmodusIst), QStringLiteral("0 %"));
  EXPECT_EQ(Text(r.LabelDruckersteuerungStatus), QStringLiteral("Stop"));
  EXPECT_EQ(r.EditPrintText, 11);

  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDrucktext, 1), Lines{"DT 12"});
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDrucktext, 1), Lines{"DT 1000"});  // past the count: "AU"
  EXPECT_EQ(Text(r.LabelDrucktextIst), QStringLiteral("AU"));
  EXPECT_EQ(ClickAndSend(r.SpeedButtonDownDrucktext, 1), Lines{"DT 12"});

  // The table's modes by index, each click told to the printer.
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 1), Lines{"DPI.INDEX 1"});
  EXPECT_EQ(Text(r.LabelDruckmodusIst), QStringLiteral("25 %"));  // the table's mode 3
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 1), Lines{"DPI.INDEX 2"});
  EXPECT_EQ(r.SpeedButtonUpDruckmodus->Caption(), QString());  // the last of three
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 1), Lines{"DPI.INDEX 2"});
  EXPECT_EQ(ClickAndSend(r.SpeedButtonDownDruckmodus, 1), Lines{"DPI.INDEX 1"});

  // The levels by the printer's state.
  EXPECT_EQ(ClickAndSend(r.SpeedButtonStart, 1), Lines{"ENABLE 1"});
  EXPECT_EQ(Text(r.LabelDruckersteuerungStatus), QStringLiteral("Drucken"));
  EXPECT_EQ(ClickAndSend(r.SpeedButtonStandby, 2), (Lines{"ENABLE 0", "STANDBY 1"}));
  EXPECT_EQ(Text(r.LabelDruckersteuerungStatus), QStringLiteral("Standby"));
  EXPECT_EQ(ClickAndSend(r.SpeedButtonStart, 2), (Lines{"STANDBY 0", "ENABLE 1"}));
  EXPECT_EQ(ClickAndSend(r.SpeedButtonStop, 1), Lines{"ENABLE 0"});
  EXPECT_EQ(ClickAndSend(r.SpeedButtonStop, 0), Lines{});  // stopped already

  // The display unit's key, and its lines.
  EXPECT_TRUE(r.SpeedButtonDisplayUnit->isEnabled());
  EXPECT_EQ(ClickAndSend(r.SpeedButtonDisplayUnit, 1), Lines{"OPTION.D0216.BUTTON.PRESS 1"});
  EXPECT_EQ(Text(r.LabelDisplayUnitZeile0), QStringLiteral("Tarvik23 Printer"));
  EXPECT_EQ(Text(r.LabelDisplayUnitZeile1), QStringLiteral("Stop            "));
  EXPECT_EQ(Text(r.LabelDisplayUnitTitel), QString());

  // The nozzle cleaning: print mode off at full coverage.
  rig->printer->SetSetting("DT", "1 12");
  ASSERT_TRUE(NextRefresh());
  r.hide();
  r.show();
  EXPECT_EQ(ClickAndSend(r.SpeedButtonDownDrucktext, 1), Lines{"DT 0"});
  EXPECT_EQ(Text(r.LabelDrucktextIst), QStringLiteral("D\u00FCsenreinigung"));
  EXPECT_EQ(Text(r.LabelDruckmodusIst), QStringLiteral("100 %"));
  EXPECT_FALSE(r.PanelDruckmodus->isEnabled());
  EXPECT_EQ(r.SpeedButtonDownDrucktext->Caption(), QString());
  EXPECT_EQ(ClickAndSend(r.SpeedButtonDownDrucktext, 0), Lines{});  // nothing below it
}

TEST_F(RemoteControl, FirmwareWithoutATableStepsThroughItsFixedModes) {
  printeremu::EmulatorOptions options;
  options.cliWord = 1;
  ConnectRemote(options, {{"DT", "5 12"}, {"DPI", "0"}});
  auto& r = *remote;
  EXPECT_EQ(r.EditPrintMode, 0);
  EXPECT_EQ(r.SpeedButtonDownDruckmodus->Caption(), QString());
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 1), Lines{"DPI 3"});
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 1), Lines{"DPI 4"});
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 1), Lines{"DPI 8"});
  EXPECT_EQ(Text(r.LabelDruckmodusIst), QStringLiteral("100 %"));
  EXPECT_EQ(r.SpeedButtonUpDruckmodus->Caption(), QString());
  EXPECT_EQ(ClickAndSend(r.SpeedButtonUpDruckmodus, 0), Lines{});  // the printer has it already
  // No display unit on this firmware: its key stays off and sends nothing.
  EXPECT_FALSE(r.SpeedButtonDisplayUnit->isEnabled());
  EXPECT_EQ(Text(r.LabelDisplayUnitTitel), QStringLiteral("Display"));
  EXPECT_EQ(Text(r.LabelDisplayUnit), QStringLiteral("-"));
  r.SpeedButtonDisplayUnitClick(r.SpeedButtonDisplayUnit);
  ASSERT_TRUE(NextRefresh());
  ASSERT_TRUE(NextRefresh());
  EXPECT_EQ(SentSince(*rig, first), (Lines{"DPI 3", "DPI 4", "DPI 8"}));
}

// Holding "+" from 1 with 50 print data: the chosen label climbs tick by
// tick past the missing numbers to "AU" and "P3"; the printer's label stays
// hidden while the button is held, and the release raises the choice.
TEST_F(RemoteControl, AHeldButtonClimbsFasterAndTheReleaseSendsTheChoice) {
  remote = std::make_unique<TFormPrinterFernsteuerung>(nullptr, board);
  auto& r = *remote;
  mirror.DtCount = 50;
  mirror.DtValue = 1;
  mirror.DtText = "1";
  printerthread::PrinterWindows().PrinterPrintText = 1;
  Refresh();
  r.show();
  r.SpeedButtonUpDrucktext->pressed();
  EXPECT_TRUE(r.TimerDrucktext->Active());
  EXPECT_EQ(r.TimerDrucktext->Interval(), 500);
  EXPECT_FALSE(r.LabelDrucktext->isHidden());
  EXPECT_TRUE(r.LabelDrucktextIst->isHidden());
  std::vector<QString> shown;
  for (int tick = 0; tick < 27; ++tick) {
    r.TimerDrucktext->Tick();
    shown.push_back(r.LabelDrucktext->text());
    Refresh();  // the printer still reports 1: the chosen label stays
  }
  EXPECT_EQ(r.TimerDrucktext->Interval(), 250);
  EXPECT_EQ(shown[8], QStringLiteral("(10)"));
  EXPECT_EQ(shown[18], QStringLiteral("(30)"));
  EXPECT_EQ(shown[23], QStringLiteral("(50)"));
  EXPECT_EQ(shown[24], QStringLiteral("(AU)"));
  EXPECT_EQ(shown[25], QStringLiteral("(P3)"));
  EXPECT_EQ(shown[26], QStringLiteral("(P3)"));
  EXPECT_EQ(r.SpeedButtonUpDrucktext->Caption(), QString());
  EXPECT_EQ(r.SpeedButtonDownDrucktext->Caption(), kDown);
  EXPECT_FALSE(r.LabelDrucktext->isHidden());
  EXPECT_FALSE(board.SelectDt.Pending());
  r.SpeedButtonUpDrucktext->released();
  EXPECT_FALSE(r.TimerDrucktext->Active());
  ASSERT_TRUE(board.SelectDt.Pending());
  EXPECT_EQ(board.SelectDt.Take()->EditPrintText, 1003);

  // Once the printer reports the choice with nothing pending, its own
  // label shows again.
  printerthread::PrinterWindows().PrinterPrintText = 1003;
  mirror.DtValue = 1003;
  mirror.DtText = "P3";
  Refresh();
  EXPECT_TRUE(r.LabelDrucktext->isHidden());
  EXPECT_EQ(r.LabelDrucktextIst->text(), QStringLiteral("P3"));
}

TEST_F(RemoteControl, NoClickWaitsForThePortAndNoneIsLost) {
  ConnectRemote({}, {{"DT", "3 12"}});
  auto& r = *remote;
  // Another thread holds the port until told (or, should a click wait for
  // it, until the watchdog gives up after 20 s).
  std::atomic<bool> held{false}, letGo{false}, gaveUp{false};
  std::thread holder([&] {
    printerlink::ComLock();
    held = true;
    for (int i = 0; i < 2000 && !letGo; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    gaveUp = !letGo;
    printerlink::ComUnlock();
  });
  while (!held) std::this_thread::yield();
  const std::size_t from = rig->printer->Commands().size();
  for (platform::SpeedButton* button :
       {r.SpeedButtonUpDrucktext, r.SpeedButtonUpDruckmodus, r.SpeedButtonStart, r.SpeedButtonDisplayUnit})
    testsupport::Click(button);
  // Every click came back while the port was still held.
  EXPECT_FALSE(gaveUp.load());
  EXPECT_TRUE(r.LabelDrucktextIst->isHidden());
  EXPECT_EQ(r.LabelDrucktext->text(), QStringLiteral("(4)"));
  letGo = true;
  holder.join();
  EXPECT_FALSE(gaveUp.load());
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return SentSince(*rig, from).size() >= 4; }));
  EXPECT_EQ(SentSince(*rig, from), (Lines{"DT 4", "DPI.INDEX 1", "ENABLE 1", "OPTION.D0216.BUTTON.PRESS 1"}));
}

// The operator's printer starts only 200 ms after "ENABLE 1" and answers
// "Stop" to the "STATUS" that follows at once: a Stop clicked 0.3 s after
// the Start still finds something to stop.
TEST_F(RemoteControl, AStopSoonAfterTheStartStopsAPrinterSlowToStart) {
  printeremu::EmulatorOptions options;
  options.commandLevelDelayMs = 200;
  ConnectRemote(options, {});
  auto& r = *remote;
  const std::size_t from = rig->printer->Commands().size();
  testsupport::Click(r.SpeedButtonStart);
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return SentSince(*rig, from) == Lines{"ENABLE 1"}; }));
  threadtest::ThreadRig::Until([] { return false; }, 300);  // the operator's pause, the GUI thread serving
  testsupport::Click(r.SpeedButtonStop);
  EXPECT_TRUE(threadtest::ThreadRig::Until([&] {
    return rig->printer->State() == 40 && !rig->printer->LevelPending() &&
           Text(r.LabelDruckersteuerungStatus) == QStringLiteral("Stop") &&
           SentSince(*rig, from) == Lines{"ENABLE 1", "ENABLE 0"};
  })) << "the printer is at " << rig->printer->State();
}

TEST_F(RemoteControl, TheNamesGoToThePrinterThreadWithTheLanguage) {
  remote = std::make_unique<TFormPrinterFernsteuerung>(nullptr, board);
  remote->NameTexts[12] = "Arr\xEAt";
  remote->NameTexts[0] = "Nettoyage des buses";
  QEvent changed(QEvent::LanguageChange);
  QApplication::sendEvent(remote.get(), &changed);
  const auto captions = printerthread::PrinterCaptionTable().Get();
  EXPECT_EQ(captions->NameTexts[12], "Arr\xEAt");
  EXPECT_EQ(captions->NameTexts[0], "Nettoyage des buses");
  EXPECT_EQ(captions->NameTexts[13], "Drucken");

  // The chosen label names the nozzle cleaning in the window's language.
  printerthread::PrinterWindows().PrinterPrintText = 0;
  remote->show();
  remote->SpeedButtonUpDrucktext->pressed();
  remote->SpeedButtonUpDrucktext->released();
  EXPECT_EQ(platform::FromQt(remote->LabelDrucktext->text()), "(Nettoyage des buses)");
  EXPECT_EQ(remote->SpeedButtonDownDrucktext->Caption(), QString());
  EXPECT_EQ(remote->SpeedButtonUpDrucktext->Caption(), kUp);
}
