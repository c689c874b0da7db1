// The poll queries against a scripted printer: what each asks, what it
// stores, and what it returns to the poll schedule.
#include <gtest/gtest.h>

#include <algorithm>

#include "Recorders.h"
#include "ScriptedLink.h"
#include "printerlink/thread/PrinterQueries.h"

using namespace printerthread;
using threadtest::ScriptedLink;

namespace {

std::tm Dec8At140509() {
  std::tm t{};
  t.tm_mday = 8;
  t.tm_mon = 11;
  t.tm_year = 126;
  t.tm_hour = 14;
  t.tm_min = 5;
  t.tm_sec = 9;
  t.tm_wday = 2;
  return t;
}

class Queries : public ::testing::Test {
 protected:
  ScriptedLink link;
  threadtest::RecordingMessenger messenger;
  PrinterSession session{link, &messenger, [] { return false; }};
  PrinterMirror m;
  PrinterQueries q{session, m, Dec8At140509};
};

}  // namespace

TEST_F(Queries, ProbeTakesOnlyTheSystemTwentyThree) {
  link.ReplySequence("INFO.SYSTEM", {"22", "22", "22"});
  EXPECT_EQ(q.ProbeSystem(), -1);
  EXPECT_EQ(m.LinkState, -1);
  EXPECT_EQ(link.TakeCommands().size(), 3u);
  link.ReplySequence("INFO.SYSTEM", {"Fehler 1", "x", "23"});
  EXPECT_EQ(q.ProbeSystem(), 1);
  EXPECT_EQ(m.LinkState, 23);
  link.ReplySequence("INFO.SYSTEM", {"23"});
  EXPECT_EQ(q.ProbeSystem(), 1);
  EXPECT_EQ(link.TakeCommands().size(), 4u);  // the first answer ends the probe
}

TEST_F(Queries, AlignmentAsksByFirmware) {
  link.Reply("AUSRICHTUNG", "4");
  link.ReplyPrefix("HEAD.", "0");
  for (int cli : {9, -1}) {
    m.CliWord = cli;
    EXPECT_EQ(q.QueryAlignment(), 1);
    EXPECT_EQ(link.TakeCommands(), std::vector<std::string>{"AUSRICHTUNG"});
    EXPECT_EQ(m.AlignmentText, "180\xB0 <--");
    EXPECT_EQ(m.Orientation, (std::array<int, 3>{4, 0, 0}));
    EXPECT_EQ(m.HeadMode, 0);
  }
  m.CliWord = 10;
  link.Reply("HEAD.CMD", "2");
  link.Reply("HEAD.VERSATZ 1", "6000");
  link.Reply("HEAD.VERSATZ 2", "-13");
  link.Reply("HEAD.AUSRICHTUNG 2", "3");
  EXPECT_EQ(q.QueryAlignment(), 1);
  EXPECT_EQ(link.TakeCommands(), (std::vector<std::string>{"HEAD.CMD", "HEAD.VERSATZ 0", "HEAD.VERSATZ 1",
                                                           "HEAD.VERSATZ 2", "HEAD.AUSRICHTUNG 0",
                                                           "HEAD.AUSRICHTUNG 1", "HEAD.AUSRICHTUNG 2"}));
  EXPECT_EQ(m.HeadOffset, (std::array<int, 3>{0, 500, -1}));
  EXPECT_EQ(m.Orientation, (std::array<int, 3>{0, 0, 3}));
  EXPECT_EQ(m.AlignmentText, "X");  // three positions, not all alike
  link.Reply("HEAD.CMD", "0");
  q.QueryAlignment();
  EXPECT_EQ(m.AlignmentText, "0\xB0 -->");  // one position: the others are not compared
  link.Reply("HEAD.CMD", "3");
  q.QueryAlignment();
  EXPECT_EQ(m.HeadMode, -1);
  EXPECT_EQ(m.AlignmentText, "0\xB0 -->");
  link.Fail("HEAD.VERSATZ 1");
  EXPECT_EQ(q.QueryAlignment(), -1);
}

TEST_F(Queries, StartupRefusedKeepsTheLink) {
  link.Reply("STARTUP", "Fehler 2");
  m.StartupText = "Stop";
  EXPECT_EQ(q.QueryStartup(), 0);
  EXPECT_EQ(m.StartupText, "Stop");
  link.Reply("STARTUP", "1");
  EXPECT_EQ(q.QueryStartup(), 1);
  EXPECT_EQ(m.StartupText, "Drucken");
  link.Reply("STARTUP", "2");
  q.QueryStartup();
  EXPECT_EQ(m.StartupText, "?");
  EXPECT_EQ(m.StartupState, -1);
  link.Fail("STARTUP");
  EXPECT_EQ(q.QueryStartup(), -1);
}

TEST_F(Queries, PrintModes) {
  link.Reply("DPI.INDEX", "2");
  link.ReplyPrefix("DPI.MODUS", "7");
  struct Case {
    int cli;
    const char* count;
    const char* text;
    bool asks;
  };
  const Case cases[] = {
      {1, "", "1..4", false}, {2, "", "1..5", false},   {-1, "1", "1", true},
      {0x100, "8", "1..8", true}, {8058, "9", "?", true}, {8058, "0", "1..0", true},
  };
  for (const auto& c : cases) {
    m.CliWord = c.cli;
    link.Reply("DPI.ANZAHL", c.count);
    link.TakeCommands();
    EXPECT_EQ(q.QueryPrintModes(), 1);
    EXPECT_EQ(m.PrintModeText, c.text) << c.cli;
    EXPECT_EQ(link.TakeCommands().size(), c.asks ? 10u : 0u) << c.cli;
  }
  EXPECT_EQ(m.ModeCount, 0);
  EXPECT_EQ(m.DpiIndex, 2);
  m.CliWord = 1;
  q.QueryPrintModes();
  EXPECT_EQ(m.ModeIndex, (std::array<int, 8>{0, 3, 4, 11, 0, 0, 0, 0}));
  EXPECT_EQ(m.DpiIndex, -1);
}

TEST_F(Queries, PauseAndRunOutAskOnlyMachinesThatHaveThem) {
  link.Reply("SLEEP", "600 700 910");
  link.Reply("AUSLAUF", "2 15");
  m.CliWord = 0x1000;
  for (int type : {1, -1}) {
    m.MachineType = type;
    q.QuerySleep();
    q.QueryRunOut();
    EXPECT_EQ(m.SleepText, "Aus");
    EXPECT_EQ(m.RunOutText, "Aus");
    EXPECT_TRUE(link.TakeCommands().empty());
  }
  m.CliWord = 8;
  q.QuerySleep();
  q.QueryRunOut();
  EXPECT_EQ(m.SleepText, "-");
  EXPECT_EQ(m.RunOutText, "-");
  m.CliWord = 0x1000;
  m.MachineType = 3;
  EXPECT_EQ(q.QuerySleep(), 1);
  EXPECT_EQ(m.SleepText, "600 s");
  EXPECT_EQ(q.QueryRunOut(), 1);
  EXPECT_EQ(m.RunOutText, "Negativer Pegel");
  EXPECT_EQ(m.RunOutFilter, 15);
  link.Reply("SLEEP", "1 0 0");
  q.QuerySleep();
  EXPECT_EQ(m.SleepText, "Aus+");
}

TEST_F(Queries, StartModeAndFilters) {
  link.Reply("START", "5");
  link.Reply("START.FILTER", "40");
  link.Reply("UNTERDRUECKUNG", "3");
  link.Reply("UNTERDRUECKUNG.FILTER", "20");
  for (int cli : {2, 10, -1}) {
    m.CliWord = cli;
    q.QueryStartMode();
    q.QuerySuppression();
    EXPECT_EQ(link.TakeCommands(), (std::vector<std::string>{"START", "UNTERDRUECKUNG"})) << cli;
    EXPECT_EQ(m.StartFilter, 0);
    EXPECT_EQ(m.SuppressionFilter, 0);
  }
  EXPECT_EQ(m.StartModeText, "Positive Flanke Interface...");
  EXPECT_EQ(m.SuppressionText, "Positiver Pegel");
  for (int cli : {3, 9, 0x20}) {
    m.CliWord = cli;
    q.QueryStartMode();
    q.QuerySuppression();
    EXPECT_EQ(link.TakeCommands().size(), 4u) << cli;
    EXPECT_EQ(m.StartFilter, 40);
    EXPECT_EQ(m.SuppressionFilter, 20);
  }
  link.Reply("START", "7");
  link.Fail("START.FILTER");
  EXPECT_EQ(q.QueryStartMode(), -1);
  EXPECT_EQ(m.StartModeText, "?");  // stored before the filter failed
  EXPECT_EQ(m.StartMode, -1);
}

TEST_F(Queries, Shifts) {
  link.Reply("START.VERSCHIEBEN", "1 250 0");
  EXPECT_EQ(q.QueryStartShift(), 1);
  EXPECT_EQ(m.StartShiftMode, 1);
  EXPECT_EQ(m.StartShiftDistanceText, "250 mm");
  EXPECT_EQ(m.StartShiftTimeText, "0 ms");
  link.Reply("START.VERSCHIEBEN", "3 250 0");
  q.QueryStartShift();
  EXPECT_EQ(m.StartShiftMode, -1);
  EXPECT_EQ(m.StartShiftDistanceText, "?");
  EXPECT_EQ(m.StartShiftDistance, 0);
  link.Reply("UNTERDRUECKUNG.VERSCHIEBEN", "1 250");
  EXPECT_EQ(q.QuerySuppressionShift(), -1);
}

TEST_F(Queries, SelectionInput) {
  link.Reply("AUX.CMD", "2 4");
  q.QueryAuxCommand();
  EXPECT_EQ(m.InterfaceMode, 2);
  EXPECT_EQ(m.InterfaceModeText, "Negativer Pegel");
  EXPECT_EQ(m.SignalLines, -1);
  link.ReplyPrefix("AUX.PROG ", "42");
  link.Fail("AUX.PROG 7");
  m.SignalText.fill(5);
  EXPECT_EQ(q.QueryAuxPrograms(), -1);
  EXPECT_EQ(m.SignalText[6], 42);
  EXPECT_EQ(m.SignalText[7], 5);  // codes 7..15 unchanged
  EXPECT_EQ(m.SignalText[15], 5);
}

TEST_F(Queries, Speeds) {
  link.Reply("SPEED", "0 300");
  q.QueryClockSource();
  EXPECT_EQ(m.ClockSourceText, "Intern 300 mm/s");
  EXPECT_EQ(m.InternalSpeed, 300);
  link.Reply("SPEED", "9 300");
  q.QueryClockSource();
  EXPECT_EQ(m.ClockSource, -1);
  EXPECT_EQ(m.InternalSpeed, 150);
  EXPECT_EQ(m.ClockSourceText, "?");

  link.Reply("SPEED", "0 200");
  q.QueryClockSource();
  link.Reply("SPEED.FAKTOR", "1 -1500 0");
  q.QuerySpeedFactor();
  EXPECT_EQ(m.FactorText, "-1.500");
  EXPECT_EQ(m.ClockSpeedText, "Intern 200 mm/s");  // the internal clock: its text
  link.Reply("SPEED", "3 200");
  q.QueryClockSource();
  link.Reply("SPEED.FAKTOR", "0 999 1500");
  q.QuerySpeedFactor();
  EXPECT_EQ(m.FactorText, "Aus");
  EXPECT_EQ(m.Factor, 999);
  EXPECT_EQ(m.ClockSpeedText, "1500 mm/s");
  link.Reply("SPEED.FAKTOR", "2 999 1500");
  q.QuerySpeedFactor();
  EXPECT_EQ(m.FactorMode, -1);
  EXPECT_EQ(m.FactorText, "?");

  link.Reply("SPEED.IST", "120 480");
  q.QueryActualSpeed();
  EXPECT_EQ(m.ActualSpeedText, "120 mm/s");
  EXPECT_EQ(m.MaximumSpeedText, "480 mm/s");

  link.Reply("ZPOS.SPEED", "35 1");
  m.CliWord = 0x1000;
  m.MachineType = 2;
  q.QueryCarriageSpeed();
  EXPECT_EQ(m.CarriageSpeedText, "0 mm/s");
  EXPECT_TRUE(std::find(link.commands.begin(), link.commands.end(), "ZPOS.SPEED") == link.commands.end());
  m.MachineType = 4;
  q.QueryCarriageSpeed();
  EXPECT_EQ(m.CarriageSpeedText, "35 mm/s");
  link.Reply("ZPOS.SPEED", "35");
  EXPECT_EQ(q.QueryCarriageSpeed(), -1);
  EXPECT_EQ(m.CarriageSpeedText, "35 mm/s");
}

TEST_F(Queries, PanelOptionAndPrograms) {
  link.Reply("MMI", "2");
  link.Reply("MMI.REDADID.MODUS", "1");
  m.CliWord = 1;
  q.QueryPanelType();
  EXPECT_EQ(m.PanelTypeText, "REDAdid");
  EXPECT_EQ(m.PanelMode, 0);
  EXPECT_EQ(q.QueryPanelOption(), 0);
  EXPECT_EQ(link.TakeCommands(), std::vector<std::string>{"MMI"});

  m.CliWord = 2;
  q.QueryPanelType();
  EXPECT_EQ(m.PanelMode, 1);
  link.Reply("OPTION", "3");
  link.ReplyPrefix("OPTION.", "4");
  link.Reply("OPTION.D0216.FORMAT.ID", "1 2 3 4");
  link.Reply("OPTION.SIGNALUNIT.ALARM", "1 2 3 4 5 6 7 8");
  link.Reply("OPTION.SIGNALUNIT.HORN", "1 2 3 4 5 6 7");  // seven numbers
  EXPECT_EQ(q.QueryPanelOption(), -1);
  EXPECT_EQ(m.OptionText, "DisplayUnit");
  EXPECT_EQ(m.SignalAlarm, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));  // stored before the failure
  EXPECT_EQ(m.SignalHorn[0], -1);
  EXPECT_EQ(m.DisplayFormat, (std::array<int, 4>{1, 2, 3, 4}));

  link.Reply("PROG 0", "1 7 200 3");
  link.Reply("PROG 1", "Fehler 2");
  link.Reply("PROG 2", "0 9 300 5");
  m.ProgramText = {-5, -5, -5};
  EXPECT_EQ(q.QueryPrograms(), 1);
  EXPECT_EQ(m.ProgramText, (std::array<int, 3>{7, -5, 9}));
  link.Fail("PROG 0");
  link.TakeCommands();
  EXPECT_EQ(q.QueryPrograms(), -1);
  EXPECT_EQ(link.TakeCommands().size(), 1u);
}

TEST_F(Queries, ControllerValues) {
  link.Reply("RTC", "08.12.2026 Di 14:05:09");
  EXPECT_EQ(q.QueryClock(), 1);
  EXPECT_EQ(m.ClockText, "08.12.2026   14:05:09");
  EXPECT_EQ(m.PcClockText, "08.12.2026   14:05:09");
  link.Reply("RTC", "08.12.2026 Di");
  EXPECT_EQ(q.QueryClock(), -1);

  link.Reply("COUNTER", "3 1234");
  q.QueryCounter();
  EXPECT_EQ(m.CounterIncrement, 3);
  EXPECT_EQ(m.CounterText, "1234");

  link.Reply("ECOM.INFO.KIT", "80000011");
  EXPECT_EQ(q.QueryCommKit(), 1);
  EXPECT_EQ(m.CommKit, (std::array<std::uint8_t, 8>{1, 1, 0, 0, 0, 0, 0, 8}));
  link.Reply("ECOM.INFO.KIT", "Fehler 9");
  EXPECT_EQ(q.QueryCommKit(), -1);
  EXPECT_EQ(m.CommKit, (std::array<std::uint8_t, 8>{}));

  link.Reply("ECOM.LAN.IP", "192.168.1.23 extra");
  q.QueryLanIp();
  EXPECT_EQ(m.LanIp, "192.168.1.23");
  link.Reply("ECOM.LAN.IP", "");
  EXPECT_EQ(q.QueryLanIp(), -1);
  EXPECT_EQ(m.LanIp, "192.168.1.23");

  link.Reply("HEAD.PULSDAUER", "50 20 10");
  link.Reply("HEAD.HEIZUNG", "5");
  link.Reply("HEAD.H600DPI", "1");
  m.CliWord = 8;
  m.PulsePause = 99;
  q.QueryPulseDuration();
  EXPECT_EQ(m.Pulse, 50);
  EXPECT_EQ(m.PulsePause, 0);
  EXPECT_EQ(m.InkQuantity, 0);
  EXPECT_EQ(link.TakeCommands().back(), "HEAD.PULSDAUER");
  m.CliWord = 0x400;
  q.QueryPulseDuration();
  EXPECT_EQ(m.PrePulse, 10);
  EXPECT_EQ(m.RefreshPulse, 5);
  EXPECT_EQ(m.InkQuantity, 1);
}

TEST_F(Queries, InformationAndDiagnosis) {
  link.Reply("INFO.DEVICE", "Device A\r\nsecond line");
  EXPECT_EQ(q.QueryDeviceInfo(), 1);
  EXPECT_EQ(m.DeviceText, "Device A");
  link.Reply("INFO.DEVICE", "\r\nB");
  EXPECT_EQ(q.QueryDeviceInfo(), 0);
  EXPECT_EQ(m.DeviceText, "Device A");
  link.Reply("INFO.FIRMWARE", "Fehler 1");
  EXPECT_EQ(q.QueryFirmwareInfo(), 0);
  link.Fail("INFO.FIRMWARE");
  EXPECT_EQ(q.QueryFirmwareInfo(), -1);

  link.Reply("AD", "20.12 4.98 0 0");
  m.CliWord = 5;
  EXPECT_EQ(q.QueryAnalog(), 1);
  EXPECT_EQ(m.Voltage24Text, "24.12 V");
  EXPECT_EQ(m.Voltage5Text, "4.98 V");
  EXPECT_EQ(m.BatteryText, "-");
  EXPECT_EQ(m.TemperatureText, "-");
  link.Reply("AD", "24130 5020 0 1210 3050 41");
  m.CliWord = 10;
  EXPECT_EQ(q.QueryAnalog(), 1);
  EXPECT_EQ(m.Voltage24Text, "24.13 V");
  EXPECT_EQ(m.Voltage5Text, "5.02 V");
  EXPECT_EQ(m.BatteryText, "3.05 V");
  EXPECT_EQ(m.ReferenceText, "1.21 V");
  EXPECT_EQ(m.TemperatureText, "41 \xB0" "C");
  link.Reply("AD", "24130 5020 0 1210 3050");
  EXPECT_EQ(q.QueryAnalog(), -1);

  link.Reply("IO.BASIC", "00000045");
  m.CliWord = 0x800;
  m.StartMode = 2;
  m.InterfaceMode = 1;
  m.SignalLines = 0;
  EXPECT_EQ(q.QueryIoBasic(), 1);
  EXPECT_EQ(m.StartSignalText, "1");
  EXPECT_EQ(m.SelectSignalText, "1 = 1");
  EXPECT_EQ(m.SuppressionSignalText, "1");
  link.Reply("IO.BASIC", "Fehler 1");
  EXPECT_EQ(q.QueryIoBasic(), -1);
}

TEST_F(Queries, RemoteControlValues) {
  link.Reply("DT", "0 12");
  link.Reply("DPI", "3");
  q.QueryDt();
  q.QueryRemoteDpi();
  EXPECT_EQ(m.DtText, "D\xFCsenreinigung");
  EXPECT_EQ(m.DtCount, 12);
  EXPECT_EQ(m.RemoteDpiText, "100 %");  // the nozzle cleaning prints at full coverage
  EXPECT_EQ(m.RemoteDpi, 3);
  link.Reply("DT", "1004 12");
  q.QueryDt();
  EXPECT_EQ(m.DtText, "?");
  EXPECT_EQ(m.DtValue, -1);
  EXPECT_EQ(m.DtCount, 12);
  m.CliWord = 1;
  link.Reply("DPI", "11");
  q.QueryRemoteDpi();
  EXPECT_EQ(m.RemoteDpiText, "?");

  link.Reply("STATUS", "80 0 26");
  q.QueryStatus();
  EXPECT_EQ(m.StatusText, "Fehler 1A");
  EXPECT_EQ(m.State, 80);
  link.Reply("STATUS", "35 0 0");
  EXPECT_EQ(q.QueryStatus(), 1);
  EXPECT_EQ(m.StatusText, "?");
  EXPECT_EQ(m.State, -1);

  m.Option = 3;
  link.TakeCommands();
  EXPECT_EQ(q.QueryDisplayLines(), 0);  // CliWord 1: no display unit to ask
  EXPECT_TRUE(link.TakeCommands().empty());
  m.CliWord = 2;
  link.Reply("OPTION.D0216.ZEILE 0", "Tarvik23 Printer  ");
  link.Reply("OPTION.D0216.ZEILE 1", "Stop              ");
  EXPECT_EQ(q.QueryDisplayLines(), 1);
  EXPECT_EQ(m.DisplayLine0, "Tarvik23 Printer");
  EXPECT_EQ(m.DisplayLine1, "Stop            ");
  for (const char* reply : {"17 characters....", "19 characters......"}) {
    link.Reply("OPTION.D0216.ZEILE 1", reply);
    EXPECT_EQ(q.QueryDisplayLines(), -1) << reply;
  }
}
