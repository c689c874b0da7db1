// The sequences of the setting forms and the remote control against a
// scripted printer: the exact command lines, the bracket, the failures.
#include <gtest/gtest.h>

#include "Recorders.h"
#include "ScriptedLink.h"
#include "printerlink/thread/PrinterWriters.h"
#include "support/FakeTime.h"

using namespace printerthread;
using threadtest::ScriptedLink;
using Lines = std::vector<std::string>;

namespace {

std::tm Sunday() {
  std::tm t{};
  t.tm_mday = 13;
  t.tm_mon = 11;
  t.tm_year = 126;
  t.tm_hour = 9;
  t.tm_min = 7;
  t.tm_sec = 5;
  t.tm_wday = 0;
  return t;
}

Lines Bracket(std::initializer_list<std::string> commands, std::initializer_list<std::string> end) {
  Lines lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS"};
  lines.insert(lines.end(), commands);
  lines.insert(lines.end(), end);
  return lines;
}

class Writers : public ::testing::Test {
 protected:
  Writers() {
    link.Otherwise("");           // every command accepted
    link.Reply("STATUS", "30 0 0");  // the settings level comes at once
    m.CliWord = 8058;
  }
  testsupport::ScopedFakeTime time;
  ScriptedLink link;
  threadtest::RecordingMessenger messenger;
  PrinterSession session{link, &messenger, [] { return false; }};
  PrinterMirror m;
  PrinterWindowState windows;
  std::tm now = Sunday();  // the PC's clock
  PrinterWriters w{session, m, windows, [this] { return now; }, "/tmp/none/"};
};

}  // namespace

TEST_F(Writers, TheBracketAroundASetting) {
  w.WriteStartup({{" Ger\xE4t Aufstarten"}, 1});
  EXPECT_EQ(link.TakeCommands(), Bracket({"STARTUP 1", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}));
  auto boxes = messenger.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, BoxKind::Busy);
  EXPECT_EQ(boxes[0].title, " Ger\xE4t Aufstarten");
  EXPECT_EQ(boxes[0].text, MessageText::Of(CatalogueText::Transferring));
  EXPECT_EQ(messenger.Closes(), 1);
  EXPECT_GE(time->TotalSlept(), 1000u);  // the pause before "ENABLE 0"
  EXPECT_EQ(link.capacities.size(), 0u);
}

TEST_F(Writers, EachSettingsCommandLines) {
  struct Case {
    std::function<void()> write;
    Lines commands;
    const char* end;
  };
  AlignmentRequest heads{{"t"}, {0, 1, 5}, {0, 500, 7}, 2};
  PanelOptionRequest option{{"t"}, 0, 9, 9, 9, 2, {1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0, 0, 0, 0, 0, 1}, {8, 7, 6, 5, 4, 3, 2, 1}};
  InterfaceStartRequest aux{{"t"}, 1, 3, {}};
  for (int n = 0; n < 16; ++n) aux.EditSignalText[static_cast<std::size_t>(n)] = 20 + n;
  Lines auxLines{"AUX.CMD 1 3"};
  for (int n = 0; n < 16; ++n) auxLines.push_back("AUX.PROG " + std::to_string(n) + " " + std::to_string(20 + n));
  const Case cases[] = {
      {[&] { w.WriteMachineType({{"t"}, 2}); }, {"MASCHINE 2"}, "RESET"},
      {[&] { w.WriteAlignment(heads); },
       {"HEAD.CMD 2", "HEAD.VERSATZ 0 0", "HEAD.VERSATZ 1 6000", "HEAD.VERSATZ 2 84", "HEAD.AUSRICHTUNG 0 0",
        "HEAD.AUSRICHTUNG 1 1", "HEAD.AUSRICHTUNG 2 5"},
       "RESET"},
      {[&] { w.WriteSleep({{"t"}, 30, 700, 910}); }, {"SLEEP 30 700 910"}, "STATUS 40 ZAMFI"},
      {[&] { w.WriteStartMode({{"t"}, 5, 40}); }, {"START 5", "START.FILTER 40"}, "STATUS 40 ZAMFI"},
      {[&] { w.WriteStartShift({{"t"}, 1, 250, 0}); }, {"START.VERSCHIEBEN 1 250 0"}, "STATUS 40 ZAMFI"},
      {[&] { w.WriteInterfaceStart(aux); }, auxLines, "STATUS 40 ZAMFI"},
      {[&] { w.WriteSuppression({{"t"}, 3, 20}); }, {"UNTERDRUECKUNG 3", "UNTERDRUECKUNG.FILTER 20"},
       "STATUS 40 ZAMFI"},
      {[&] { w.WriteSuppressionShift({{"t"}, 2, 0, 4000}); }, {"UNTERDRUECKUNG.VERSCHIEBEN 2 0 4000"},
       "STATUS 40 ZAMFI"},
      {[&] { w.WriteRunOut({{"t"}, 1, 15}); }, {"AUSLAUF 1 15"}, "STATUS 40 ZAMFI"},
      {[&] { w.WriteClockSource({{"t"}, 0, 300}); }, {"SPEED 0 300"}, "STATUS 40 ZAMFI"},
      {[&] { w.WriteSpeedFactor({{"t"}, 1, 1100}); }, {"SPEED.FAKTOR 1 1100"}, "STATUS 40 ZAMFI"},
      {[&] { w.WritePanelType({{"t"}, 2, 1}); }, {"MMI 2", "MMI.REDADID.MODUS 1"}, "RESET"},
      {[&] { w.WritePanelOption(option); },
       {"OPTION 0", "OPTION.SIGNALUNIT.TYP 2", "OPTION.SIGNALUNIT.ALARM 1 2 3 4 5 6 7 8",
        "OPTION.SIGNALUNIT.HORN 0 0 0 0 0 0 0 1", "OPTION.SIGNALUNIT.SIGNAL 8 7 6 5 4 3 2 1"},
       "RESET"},
      {[&] { w.WritePrograms({{"t"}, {0, 1, 0}, {1, 7, 99}, {200, 150, 1000}, {1000, 0, 10000}}); },
       {"PROG 0 0 1 200 1000", "PROG 1 1 7 150 0", "PROG 2 0 99 1000 10000"},
       "STATUS 40 ZAMFI"},
      {[&] { w.WriteCounter({{"t"}, 3, 1}); }, {"COUNTER 3 0 ZAMFI"}, "STATUS 40 ZAMFI"},
      {[&] { w.WriteCounter({{"t"}, 3, 0}); }, {"COUNTER 3"}, "STATUS 40 ZAMFI"},
      {[&] { w.WritePulseDuration({{"t"}, 50, 20, 10, 5, 1}); },
       {"HEAD.PULSDAUER 50 20 10", "HEAD.HEIZUNG 5", "HEAD.H600DPI 1"},
       "STATUS 40 ZAMFI"},
  };
  for (const auto& c : cases) {
    c.write();
    Lines expected = Bracket({}, {});
    expected.insert(expected.end(), c.commands.begin(), c.commands.end());
    expected.push_back("KONFIG.SAVE");
    expected.push_back(c.end);
    EXPECT_EQ(link.TakeCommands(), expected) << c.commands.front();
  }
}

TEST_F(Writers, PrintModesAndOlderFirmware) {
  PrintModesRequest modes{{"t"}, 5, {0, 1, 4, 8, 11, 0, 0, 0}, {0x00, 0x01, 0x21, 0x28, 0x2D, 0, 0, 0}};
  w.WritePrintModes(modes);
  Lines lines = link.TakeCommands();
  ASSERT_EQ(lines.size(), 3u + 17 + 2);
  EXPECT_EQ(lines[3], "DPI.ANZAHL 5");
  EXPECT_EQ(lines[7], "DPI.MODUS 3 8");
  EXPECT_EQ(lines[16], "DPI.ANZEIGE 4 45");  // all eight modes, whatever the count
  EXPECT_EQ(lines.back(), "RESET");

  m.CliWord = 1;  // a fixed table: nothing at all, not even the busy box
  messenger.Clear();
  w.WritePrintModes(modes);
  w.WritePanelOption({});
  EXPECT_TRUE(link.TakeCommands().empty());
  EXPECT_TRUE(messenger.Boxes().empty());

  w.WritePanelType({{"t"}, 2, 1});  // older firmware is not told the REDAdid mode
  EXPECT_EQ(link.TakeCommands(), Bracket({"MMI 2", "KONFIG.SAVE"}, {"RESET"}));
  w.WriteStartMode({{"t"}, 1, 40});  // nor a filter
  EXPECT_EQ(link.TakeCommands(), Bracket({"START 1", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}));
  w.WritePulseDuration({{"t"}, 50, 20, 10, 5, 1});
  EXPECT_EQ(link.TakeCommands(), Bracket({"HEAD.PULSDAUER 50", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}));
  w.WriteAlignment({{"t"}, {3, 0, 0}, {0, 0, 0}, 0});
  EXPECT_EQ(link.TakeCommands(), Bracket({"AUSRICHTUNG 3", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}));
}

TEST_F(Writers, ARefusedLevelSendsNoSetting) {
  link.Reply("STATUS 30 ZAMFI", "Fehler 1");
  w.WriteMachineType({{" Ger\xE4t Typ"}, 2});
  EXPECT_EQ(link.TakeCommands(), (Lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS 40 ZAMFI"}));
  auto boxes = messenger.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].kind, BoxKind::NotSupported);
  EXPECT_EQ(boxes[1].title, " Ger\xE4t Typ");
  EXPECT_EQ(boxes[1].text, MessageText::Of(CatalogueText::DoneFailed));
  EXPECT_EQ(boxes[1].line2, MessageText::Of(CatalogueText::PrinterNoSupport));
  EXPECT_EQ(messenger.Closes(), 0);
}

TEST_F(Writers, ALevelThatNeverComesIsAskedFiftyOneTimes) {
  link.Reply("STATUS", "40 0 0");
  const auto slept = time->TotalSlept();
  w.WriteSleep({{"t"}, 1, 2, 3});
  Lines lines = link.TakeCommands();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "STATUS"), 51);
  EXPECT_EQ(lines.back(), "STATUS 40 ZAMFI");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "SLEEP 1 2 3"), 0);
  EXPECT_EQ(time->TotalSlept() - slept, 1000u + 50 * 100);
  auto boxes = messenger.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].kind, BoxKind::Failure);
  EXPECT_EQ(boxes[1].text, MessageText::Fixed("Einstellung nicht erfolgreich \xFC" "bertragen."));

  link.Reply("STATUS", "Fehler 1");  // unreadable: at once
  w.WriteSleep({{"t"}, 1, 2, 3});
  lines = link.TakeCommands();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "STATUS"), 1);
}

TEST_F(Writers, TheFirstFailingCommandEndsTheSetting) {
  link.Fail("MASCHINE 2");
  w.WriteMachineType({{"t"}, 2});
  EXPECT_EQ(link.TakeCommands(), Bracket({"MASCHINE 2", "STATUS 40 ZAMFI"}, {}));  // no save, no restart
  EXPECT_EQ(messenger.Boxes().back().kind, BoxKind::Failure);
  EXPECT_EQ(messenger.Boxes().back().text, MessageText::Of(CatalogueText::DoneFailed));

  // The print positions and print modes restart the printer in any case.
  link.Reply("HEAD.VERSATZ 1 12", "Fehler 3");
  w.WriteHeads({{"t"}, {0, 0, 0}, {0, 1, 0}, 1});
  EXPECT_EQ(link.TakeCommands(),
            Bracket({"HEAD.CMD 1", "HEAD.VERSATZ 0 0", "HEAD.VERSATZ 1 12", "STATUS 40 ZAMFI"}, {"RESET"}));
  link.Reply("DPI.MODUS 3 8", "Fehler 1");
  w.WritePrintModes({{"t"}, 5, {0, 1, 4, 8, 11, 0, 0, 0}, {}});
  Lines lines = link.TakeCommands();
  EXPECT_EQ(lines[lines.size() - 3], "DPI.MODUS 3 8");
  EXPECT_EQ(lines[lines.size() - 2], "STATUS 40 ZAMFI");
  EXPECT_EQ(lines.back(), "RESET");

  link.Reply("RTC.TIME 09:07:05", "Fehler 2");
  w.WriteClock({{"t"}});
  EXPECT_EQ(link.TakeCommands(), Bracket({"RTC.TIME 09:07:05", "STATUS 40 ZAMFI"}, {}));
}

TEST_F(Writers, TheClockIsSetFromThePcWithoutSaving) {
  w.WriteClock({{" Steuerung Uhr"}});
  EXPECT_EQ(link.TakeCommands(),
            Bracket({"RTC.TIME 09:07:05", "RTC.DATE 13.12.2026 So"}, {"STATUS 40 ZAMFI"}));
}

TEST_F(Writers, TheClockTakesTheWeekdayOfTheDateItSends) {
  // Across month, year and leap-day ends; the clock's own weekday field is
  // wrong on purpose: the date alone decides.
  struct Case {
    int day, month, year;
    const char* line;
  };
  const Case cases[] = {
      {31, 12, 2026, "RTC.DATE 31.12.2026 Do"}, {1, 1, 2027, "RTC.DATE 01.01.2027 Fr"},
      {28, 2, 2027, "RTC.DATE 28.02.2027 So"},  {1, 3, 2027, "RTC.DATE 01.03.2027 Mo"},
      {28, 2, 2028, "RTC.DATE 28.02.2028 Mo"},  {29, 2, 2028, "RTC.DATE 29.02.2028 Di"},
      {1, 3, 2028, "RTC.DATE 01.03.2028 Mi"},   {30, 4, 2026, "RTC.DATE 30.04.2026 Do"},
      {1, 5, 2026, "RTC.DATE 01.05.2026 Fr"},   {31, 12, 1999, "RTC.DATE 31.12.1999 Fr"},
      {1, 1, 2000, "RTC.DATE 01.01.2000 Sa"},   {1, 3, 2100, "RTC.DATE 01.03.2100 Mo"},
  };
  for (const Case& c : cases) {
    now = std::tm{};
    now.tm_mday = c.day;
    now.tm_mon = c.month - 1;
    now.tm_year = c.year - 1900;
    now.tm_hour = 23;
    now.tm_min = 59;
    now.tm_sec = 59;
    now.tm_wday = 6;
    w.WriteClock({{" Steuerung Uhr"}});
    EXPECT_EQ(link.TakeCommands(), Bracket({"RTC.TIME 23:59:59", c.line}, {"STATUS 40 ZAMFI"})) << c.line;
  }
}

TEST_F(Writers, TheOptionUnitSendsItsDisplayFilesOnlyInMode2) {
  PanelOptionRequest option{{"t"}, 3, 0, 1, 1, 0, {}, {}, {}};
  w.WritePanelOption(option);
  Lines lines = link.TakeCommands();
  EXPECT_EQ(lines[3], "OPTION 3");
  EXPECT_EQ(lines[4], "OPTION.D0216.BUTTON 1");
  EXPECT_EQ(lines[5], "OPTION.D0216.MODUS 1");
  EXPECT_EQ(lines[6], "OPTION.SIGNALUNIT.TYP 0");
  // The files are missing here: the setting fails as at a refused command,
  // without saving or restarting.
  option.EditDisplayMode = 2;
  messenger.Clear();
  w.WritePanelOption(option);
  EXPECT_EQ(link.TakeCommands(),
            Bracket({"OPTION 3", "OPTION.D0216.BUTTON 1", "OPTION.D0216.MODUS 2", "STATUS 40 ZAMFI"}, {}));
  EXPECT_EQ(messenger.Boxes().back().kind, BoxKind::Failure);
  EXPECT_EQ(messenger.Boxes().back().text, MessageText::Of(CatalogueText::DoneFailed));
  EXPECT_EQ(messenger.Closes(), 0);
  EXPECT_EQ(w.SyncDisplayFormatFiles(), -1);

  option.EditOption = 1;
  option.EditMmiMode = 4;
  w.WritePanelOption(option);
  EXPECT_EQ(link.TakeCommands()[4], "OPTION.REDADID.MODUS 4");
}

TEST_F(Writers, TheSimulationKeepsFourSettingsInTheMirror) {
  w.SetSimulating(true);
  w.WriteMachineType({{"t"}, 2});
  w.WriteStartMode({{"t"}, 4, 12});
  w.WriteSuppression({{"t"}, 3, 7});
  w.WriteClockSource({{"t"}, 0, 250});
  EXPECT_TRUE(link.TakeCommands().empty());
  EXPECT_TRUE(messenger.Boxes().empty());
  EXPECT_EQ(m.MachineType, 2);
  EXPECT_EQ(m.StartMode, 4);
  EXPECT_EQ(m.StartFilter, 12);
  EXPECT_EQ(m.SuppressionMode, 3);
  EXPECT_EQ(m.SuppressionFilter, 7);
  EXPECT_EQ(m.ClockSource, 0);
  EXPECT_EQ(m.InternalSpeed, 250);
  w.WriteStartup({{"t"}, 1});  // the others run as connected
  EXPECT_FALSE(link.TakeCommands().empty());
}

TEST_F(Writers, RemoteControlCommandsAreQuiet) {
  struct Case {
    int target, state;
    Lines lines;
  };
  const Case cases[] = {
      {10, 10, {}},
      {10, 40, {"STANDBY 1"}},
      {10, 50, {"ENABLE 0", "STANDBY 1"}},
      {10, 80, {"STANDBY 1"}},
      {40, 10, {"STANDBY 0"}},
      {40, 50, {"ENABLE 0"}},
      {40, 80, {"ENABLE 1"}},
      {50, 10, {"STANDBY 0", "ENABLE 1"}},
      {50, 40, {"ENABLE 1"}},
      {50, 80, {"ENABLE 1", "ENABLE 1"}},
      {50, 50, {}},
      {50, -1, {}},
      {30, 40, {}},
  };
  for (const auto& c : cases) {
    m.State = c.state;
    w.ChangeLevel({c.target});
    EXPECT_EQ(link.TakeCommands(), c.lines) << c.target << " from " << c.state;
  }
  // Start, then Stop before "STATUS" was asked again: the Stop is sent.
  m.State = 40;
  w.ChangeLevel({50});
  w.ChangeLevel({40});
  EXPECT_EQ(link.TakeCommands(), (Lines{"ENABLE 1", "ENABLE 0"}));

  windows.PrinterPrintText = 5;
  w.SelectDt({5});
  EXPECT_TRUE(link.TakeCommands().empty());
  w.SelectDt({57});
  EXPECT_EQ(link.TakeCommands(), Lines{"DT 57"});
  EXPECT_EQ(windows.PrinterPrintText.load(), 57);  // no longer pending for the remote control

  m.CliWord = 8058;  // with the print-mode table: the index chosen in the window
  w.WriteRemoteDpi({3, 1});
  EXPECT_EQ(link.TakeCommands(), Lines{"DPI.INDEX 1"});
  w.WriteRemoteDpi({3, -1});
  EXPECT_TRUE(link.TakeCommands().empty());
  m.CliWord = 8;
  w.WriteRemoteDpi({3});
  EXPECT_EQ(link.TakeCommands(), Lines{"DPI 3"});
  w.WriteRemoteDpi({3});
  EXPECT_TRUE(link.TakeCommands().empty());

  m.Option = 3;
  m.CliWord = 1;
  w.PressDisplayButton({1});
  EXPECT_TRUE(link.TakeCommands().empty());
  m.CliWord = 2;
  w.PressDisplayButton({1});
  EXPECT_EQ(link.TakeCommands(), Lines{"OPTION.D0216.BUTTON.PRESS 1"});
  EXPECT_TRUE(messenger.Boxes().empty());
}

TEST_F(Writers, AnUnknownPanelOrOptionIsNeverSent) {
  // -1: the operator chose nothing and the printer's value is unknown; the
  // printer keeps what it has.
  w.WritePanelType({{"t"}, -1, 0});
  w.WritePanelOption({{"t"}, -1, 0, 0, 0, 0, {}, {}, {}});
  EXPECT_TRUE(link.TakeCommands().empty());
  EXPECT_TRUE(messenger.Boxes().empty());
}
