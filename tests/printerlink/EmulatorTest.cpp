// The printer emulator is the peer that the printer thread's tests will use:
// these tests hold it to what the poll schedule and the command sequences
// expect of a printer.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>
#include <sstream>

#include "LinkRig.h"
#include "platform/NumberText.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using namespace printeremu;
using linktest::Ask;
using linktest::LinkRig;

namespace {

int IntegersIn(const std::string& text) {
  std::istringstream in(text);
  int n = 0;
  for (long v; in >> v;) ++n;
  return n;
}

}  // namespace

TEST(Emulator, AnswersEveryQueryOfThePollSchedule) {
  LinkRig rig;
  struct Query {
    std::string command;
    int integers;  // -1: a text
  };
  std::vector<Query> queries = {
      {"INFO.SYSTEM", 1}, {"INFO.CLI", 1}, {"MASCHINE", 1}, {"AUSRICHTUNG", 1}, {"HEAD.CMD", 1},
      {"STARTUP", 1}, {"SLEEP", 3}, {"DPI.INDEX", 1}, {"DPI.ANZAHL", 1}, {"START", 1}, {"START.FILTER", 1},
      {"START.VERSCHIEBEN", 3}, {"AUX.CMD", 2}, {"UNTERDRUECKUNG", 1}, {"UNTERDRUECKUNG.FILTER", 1},
      {"UNTERDRUECKUNG.VERSCHIEBEN", 3}, {"AUSLAUF", 2}, {"SPEED", 2}, {"SPEED.FAKTOR", 3}, {"SPEED.IST", 2},
      {"MMI", 1}, {"MMI.REDADID.MODUS", 1}, {"OPTION", 1}, {"OPTION.REDADID.MODUS", 1},
      {"OPTION.D0216.MODUS", 1}, {"OPTION.D0216.BUTTON", 1}, {"OPTION.D0216.FORMAT.ID", 4},
      {"OPTION.SIGNALUNIT.TYP", 1}, {"OPTION.SIGNALUNIT.ALARM", 8}, {"OPTION.SIGNALUNIT.HORN", 8},
      {"OPTION.SIGNALUNIT.SIGNAL", 8}, {"STATUS", 3}, {"COUNTER", 2}, {"HEAD.PULSDAUER", 3},
      {"HEAD.HEIZUNG", 1}, {"HEAD.H600DPI", 1}, {"ZPOS.SPEED", 2}, {"AD", 6}, {"DT", 2}, {"DPI", 1},
      {"RTC", -1}, {"INFO.DEVICE", -1}, {"INFO.FIRMWARE", -1}, {"ECOM.INFO.KIT", -1}, {"ECOM.LAN.NAME", -1},
      {"ECOM.LAN.MAC", -1}, {"ECOM.LAN.IP", -1}, {"IO.BASIC", -1},
  };
  for (int n = 0; n < 3; ++n) {
    queries.push_back({"HEAD.VERSATZ " + std::to_string(n), 1});
    queries.push_back({"HEAD.AUSRICHTUNG " + std::to_string(n), 1});
    queries.push_back({"PROG " + std::to_string(n), 4});
  }
  for (int n = 0; n < 8; ++n) queries.push_back({"DPI.MODUS " + std::to_string(n), 1});
  for (int n = 0; n < 16; ++n) queries.push_back({"AUX.PROG " + std::to_string(n), 1});
  for (const auto& q : queries) {
    std::string reply = Ask(q.command);
    EXPECT_FALSE(IsRefusal(reply)) << q.command;
    if (q.integers >= 0) {
      EXPECT_EQ(IntegersIn(reply), q.integers) << q.command << ": " << reply;
    } else {
      EXPECT_FALSE(reply.empty()) << q.command;
    }
  }
  EXPECT_EQ(Ask("INFO.SYSTEM"), "23");
  // Date, weekday, time.
  EXPECT_TRUE(std::regex_match(Ask("RTC"), std::regex(R"(\d\d\.\d\d\.\d{4} (Mo|Di|Mi|Do|Fr|Sa|So) \d\d:\d\d:\d\d)")));
  EXPECT_EQ(Ask("OPTION.D0216.ZEILE 0").size(), 18u);
  EXPECT_EQ(Ask("OPTION.D0216.ZEILE 1"), "Stop              ");
  EXPECT_EQ(ParseHex32(Ask("ECOM.INFO.KIT")), 1u);  // a LAN module, so the LAN queries are asked
  EXPECT_EQ(Ask("OPTION"), "3");                    // a display unit, so its lines are asked
  EXPECT_EQ(Ask("GIBTSNICHT"), "Fehler Syntax");
}

TEST(Emulator, SettingsLastOnlyWhenSaved) {
  LinkRig rig;
  EXPECT_EQ(Ask("MASCHINE 2"), "");
  EXPECT_EQ(Ask("HEAD.VERSATZ 1 6000"), "");
  EXPECT_EQ(Ask("SPEED.FAKTOR 1 1500"), "");  // the writer sends two of the three values
  EXPECT_EQ(Ask("PROG 1 1 7 200 3"), "");
  EXPECT_EQ(Ask("MASCHINE"), "2");
  EXPECT_EQ(Ask("HEAD.VERSATZ 1"), "6000");
  EXPECT_EQ(Ask("SPEED.FAKTOR"), "1 1500 0");
  EXPECT_EQ(Ask("PROG 1"), "1 7 200 3");
  EXPECT_EQ(Ask("KONFIG.SAVE"), "");
  EXPECT_EQ(Ask("MASCHINE 4"), "");
  EXPECT_EQ(Ask("RESET"), "");
  EXPECT_EQ(Ask("MASCHINE"), "2");  // the unsaved 4 is gone with the restart
  EXPECT_EQ(Ask("HEAD.VERSATZ 1"), "6000");
  // Read-only values and too many values are refused.
  EXPECT_EQ(Ask("INFO.DEVICE neu"), "Fehler 1");
  EXPECT_EQ(Ask("AUX.CMD 1 2 3"), "Fehler 1");
  // The special writers.
  EXPECT_EQ(Ask("RTC.TIME 14:05:09"), "");
  EXPECT_EQ(Ask("RTC.DATE 08.12.2026 Di"), "");
  EXPECT_TRUE(std::regex_match(Ask("RTC"), std::regex("08\\.12\\.2026 Di 14:05:(09|10)")));  // the clock runs on
  EXPECT_EQ(Ask("COUNTER 3"), "");
  rig.printer.SetSetting("COUNTER", "3 999");
  EXPECT_EQ(Ask("COUNTER 5 0 ZAMFI"), "");
  EXPECT_EQ(Ask("COUNTER"), "5 0");
  rig.printer.SetSetting("INFO.CLI", "1");
  EXPECT_EQ(Ask("INFO.CLI"), "1");
}

TEST(Emulator, StatesFollowTheLevelCommands) {
  EmulatorOptions options;
  options.levelDelayPolls = 3;
  LinkRig rig(options);
  EXPECT_EQ(Ask("STATUS"), "40 0 0");
  EXPECT_EQ(Ask("STATUS 30 ZAMFI"), "");
  EXPECT_EQ(Ask("STATUS"), "40 0 0");
  EXPECT_EQ(Ask("STATUS"), "40 0 0");
  EXPECT_EQ(Ask("STATUS"), "30 0 0");  // the third question sees the new level
  EXPECT_EQ(Ask("STATUS 40"), "Fehler 1");  // privileged without the key word
  EXPECT_EQ(Ask("STATUS 40 ZAMFI"), "");
  for (int i = 0; i < 3; ++i) Ask("STATUS");
  EXPECT_EQ(rig.printer.State(), 40);
  Ask("ENABLE 1");
  EXPECT_EQ(rig.printer.State(), 50);
  Ask("ENABLE 0");
  EXPECT_EQ(rig.printer.State(), 40);
  Ask("STANDBY 1");
  EXPECT_EQ(rig.printer.State(), 10);
  Ask("STANDBY 0");
  EXPECT_EQ(rig.printer.State(), 40);
  rig.printer.SetState(80, 0x1A);
  EXPECT_EQ(Ask("STATUS"), "80 0 26");
  Ask("ENABLE 1");
  EXPECT_EQ(Ask("STATUS"), "40 0 0");
}

TEST(Emulator, LevelChangesCanTakeTime) {
  EmulatorOptions options;
  options.levelDelayMs = 400;
  options.resetMs = 400;
  LinkRig rig(options);
  Ask("STATUS 30 ZAMFI");
  EXPECT_EQ(Ask("STATUS"), "40 0 0");
  EXPECT_TRUE(PrinterEmulator::WaitUntil([&] { return Ask("STATUS") == "30 0 0"; }, 3000));
  rig.printer.SetSetting("STARTUP", "1");
  Ask("KONFIG.SAVE");
  Ask("RESET");
  EXPECT_EQ(Ask("STATUS"), "20 0 0");
  EXPECT_TRUE(PrinterEmulator::WaitUntil([&] { return Ask("STATUS") == "50 0 0"; }, 3000));
}

TEST(Emulator, KeepsFilesForTheFileCommands) {
  LinkRig rig;
  rig.printer.PutFile("PC\\GP.g23", "00000009\r\n4\r\n3\r\n");
  EXPECT_EQ(Ask("TYPE PC\\GP.g23"), "00000009\r\n4\r\n3\r\n");
  EXPECT_EQ(Ask("CRC pc\\gp.G23"), platform::Hex8(platform::Crc32Chain(0, "00000009\r\n4\r\n3\r\n")));
  EXPECT_EQ(Ask("TYPE PC\\NONE"), "Fehler 1");
  EXPECT_EQ(Ask("CRC PC\\NONE"), "Fehler 1");
  rig.printer.PutFile("TMP\\KONFIG.SYS", "neu");
  rig.printer.PutFile("SYSTEM\\KONFIG.SYS", "alt");
  EXPECT_EQ(Ask("REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS"), "Fehler 3");  // the target is still there
  EXPECT_EQ(Ask("DEL SYSTEM\\KONFIG.SYS"), "");
  EXPECT_EQ(Ask("DEL SYSTEM\\KONFIG.SYS"), "Fehler 1");
  EXPECT_EQ(Ask("REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS"), "");
  EXPECT_EQ(rig.printer.File("SYSTEM\\KONFIG.SYS"), "neu");
  EXPECT_FALSE(rig.printer.File("TMP\\KONFIG.SYS"));
  EXPECT_EQ(Ask("MAXDT 12"), "");
  EXPECT_EQ(Ask("DT 57"), "");
  EXPECT_EQ(Ask("DT"), "57 12");
}

TEST(Emulator, FaultsStrikeTheirOccasionOnly) {
  LinkRig rig;
  rig.printer.AddFault(ReplyFault("MASCHINE", FaultPoint::CommandReply, "Fehler 2", 1, 2));
  EXPECT_EQ(Ask("MASCHINE"), "3");
  EXPECT_EQ(Ask("MASCHINE 1"), "Fehler 2");  // refused, so not written
  EXPECT_EQ(Ask("MASCHINE"), "Fehler 2");
  EXPECT_EQ(Ask("MASCHINE"), "3");
  rig.printer.AddFault(ReplyFault("", FaultPoint::CommandReply, "Fehler 6"));
  EXPECT_EQ(Ask("START"), "Fehler 6");
  EXPECT_EQ(Ask("START"), "1");
}

TEST(Emulator, APcFramingThatDoesNotMatchIsNoise) {
  EmulatorOptions options;
  options.checkFraming = true;
  LinkRig rig(options);
  EXPECT_EQ(Ask("INFO.SYSTEM"), "23");
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, true), 0);
  std::string reply;
  EXPECT_EQ(ComSendCommand(ComPortHandle, "INFO.SYSTEM", reply, 100), -2);
  EXPECT_FALSE(rig.Entries(EntryKind::Garbled).empty());
}

TEST(Emulator, GoesSilentAndComesBack) {
  LinkRig rig;
  EXPECT_EQ(Ask("INFO.SYSTEM"), "23");
  rig.printer.SetSilent(true);
  std::string reply;
  EXPECT_EQ(ComSendCommand(ComPortHandle, "INFO.SYSTEM", reply, 100), -2);
  EXPECT_EQ(ComSendCommand(ComPortHandle, "STATUS", reply, 100), -2);
  rig.printer.SetSilent(false);
  EXPECT_EQ(Ask("INFO.SYSTEM"), "23");
  // It heard the lines it did not answer.
  EXPECT_EQ(rig.CommandsStartingWith("INFO.SYSTEM").size(), 3u);
}

TEST(Emulator, CountsWhilePrintingAndShowsTheStateOnItsDisplay) {
  LinkRig rig;
  Ask("COUNTER 2");
  rig.printer.SetState(50);
  EXPECT_EQ(Ask("OPTION.D0216.ZEILE 1"), "Drucken           ");
  EXPECT_TRUE(PrinterEmulator::WaitUntil([&] { return Ask("COUNTER") != "2 0"; }, 3000));
  std::istringstream counter(Ask("COUNTER"));
  int increment = 0, count = 0;
  counter >> increment >> count;
  EXPECT_EQ(increment, 2);
  EXPECT_GE(count, 2);
  EXPECT_EQ(count % 2, 0);  // whole prints of the increment
  rig.printer.SetState(40);
  const std::string stopped = Ask("COUNTER");
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  EXPECT_EQ(Ask("COUNTER"), stopped);
  rig.printer.SetState(80, 7);
  EXPECT_EQ(Ask("OPTION.D0216.ZEILE 1"), "Fehler 7          ");
}
