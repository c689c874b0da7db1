// The poll schedule against a scripted printer on a fake clock: the order
// of a full pass, the periods, the restarts.
#include <gtest/gtest.h>

#include <algorithm>

#include "Recorders.h"
#include "ScriptedPrinter.h"
#include "printerlink/thread/PollSchedule.h"
#include "support/FakeTime.h"

using namespace printerthread;
using threadtest::ScriptedLink;
using Lines = std::vector<std::string>;

namespace {

class Schedule : public ::testing::Test {
 protected:
  Schedule() { threadtest::ScriptPrinter(link); }

  PollSchedule::PassEnd Pass(std::function<void()> serve = {}) {
    auto end = schedule.RunPass(
        queries, counters, [] { return false; }, [&] { if (serve) serve(); });
    if (end == PollSchedule::PassEnd::Completed) ++counters.Cycle;
    return end;
  }
  // The commands of a pass after `ms` more milliseconds.
  Lines After(std::uint32_t ms) {
    time->Advance(ms);
    link.TakeCommands();
    Pass();
    return link.TakeCommands();
  }

  testsupport::ScopedFakeTime time;
  ScriptedLink link;
  PrinterSession session{link, nullptr, [] { return false; }};
  PrinterMirror m;
  PrinterWindowState windows;
  PrinterQueries queries{session, m, {}};
  PollSchedule schedule{m, windows};
  PollCounters counters;
};

}  // namespace

TEST_F(Schedule, TheFirstPassAsksEveryItemInOrder) {
  EXPECT_EQ(Pass(), PollSchedule::PassEnd::Completed);
  Lines asked = link.TakeCommands();
  Lines words;
  for (const auto& c : asked) {
    std::string word = c.substr(0, c.find(' '));
    if (words.empty() || words.back() != word) words.push_back(word);
  }
  EXPECT_EQ(words, (Lines{"INFO.CLI", "MASCHINE", "HEAD.CMD", "HEAD.VERSATZ", "HEAD.AUSRICHTUNG", "STARTUP",
                          "SLEEP", "DPI.INDEX", "DPI.ANZAHL", "DPI.MODUS", "START", "START.FILTER",
                          "START.VERSCHIEBEN", "AUX.CMD", "AUX.PROG", "UNTERDRUECKUNG", "UNTERDRUECKUNG.FILTER",
                          "UNTERDRUECKUNG.VERSCHIEBEN", "AUSLAUF", "SPEED", "SPEED.FAKTOR", "SPEED.IST", "MMI",
                          "MMI.REDADID.MODUS", "OPTION", "OPTION.REDADID.MODUS", "OPTION.D0216.MODUS",
                          "OPTION.D0216.BUTTON", "OPTION.D0216.FORMAT.ID", "OPTION.SIGNALUNIT.TYP",
                          "OPTION.SIGNALUNIT.ALARM", "OPTION.SIGNALUNIT.HORN", "OPTION.SIGNALUNIT.SIGNAL", "PROG",
                          "RTC", "STATUS", "COUNTER", "HEAD.PULSDAUER", "HEAD.HEIZUNG", "HEAD.H600DPI",
                          "INFO.DEVICE", "INFO.FIRMWARE", "ECOM.INFO.KIT", "ECOM.LAN.NAME", "ECOM.LAN.MAC",
                          "ECOM.LAN.IP", "IO.BASIC", "ZPOS.SPEED", "AD", "DT", "DPI", "OPTION.D0216.ZEILE"}));
  EXPECT_EQ(counters.Changes, 35u);
  EXPECT_EQ(m.DisplayLine1, "Stop            ");
  EXPECT_EQ(m.LanIp, "I");
}

TEST_F(Schedule, ItemsComeAgainAfterTheirPeriods) {
  Pass();
  EXPECT_TRUE(After(0).empty());
  EXPECT_EQ(After(501), Lines{"STATUS"});
  // More than the period must have passed: STATUS waits one more millisecond.
  EXPECT_EQ(After(500), (Lines{"RTC", "COUNTER"}));
  EXPECT_EQ(After(1), Lines{"STATUS"});
  EXPECT_TRUE(After(1).empty());
  EXPECT_EQ(After(9000), (Lines{"RTC", "STATUS", "COUNTER", "ECOM.LAN.IP"}));
  Lines minute = After(60000);
  EXPECT_EQ(std::count(minute.begin(), minute.end(), "INFO.CLI"), 1);
  EXPECT_EQ(std::count(minute.begin(), minute.end(), "OPTION.D0216.ZEILE 1"), 1);
}

TEST_F(Schedule, OpenWindowsShortenThePeriods) {
  Pass();
  m.ClockSource = 1;  // an external clock: the factor and the speeds every 500 ms
  windows.DiagnosisVisible = true;
  windows.RemoteControlVisible = true;
  After(0);  // each fast period starts where it is first asked for
  EXPECT_EQ(After(11), Lines{"IO.BASIC"});
  EXPECT_EQ(After(90), (Lines{"IO.BASIC", "AD", "DT", "DPI"}));
  EXPECT_EQ(After(400), (Lines{"SPEED.FAKTOR", "SPEED.IST", "STATUS", "IO.BASIC", "ZPOS.SPEED", "AD", "DT", "DPI"}));
  // The display lines: every 1000 ms while the diagnosis window is open,
  // every 100 ms while only the remote control is.
  Lines second = After(500);
  EXPECT_EQ(std::count(second.begin(), second.end(), "OPTION.D0216.ZEILE 0"), 1);
  windows.DiagnosisVisible = false;
  After(0);
  Lines remote = After(101);
  EXPECT_EQ(std::count(remote.begin(), remote.end(), "OPTION.D0216.ZEILE 0"), 1);
  EXPECT_EQ(std::count(remote.begin(), remote.end(), "IO.BASIC"), 0);

  // Closed, the diagnosis values come once a minute.
  windows.RemoteControlVisible = false;
  Lines minute = After(59000);
  EXPECT_EQ(std::count(minute.begin(), minute.end(), "IO.BASIC"), 1);
  Lines more = After(1000);
  EXPECT_EQ(std::count(more.begin(), more.end(), "IO.BASIC"), 0);
  more = After(60000);
  EXPECT_EQ(std::count(more.begin(), more.end(), "IO.BASIC"), 1);
}

TEST_F(Schedule, ARequestRestartsTheCycleAtTheNextItem) {
  Pass();
  time->Advance(60001);
  link.TakeCommands();
  int served = 0;
  EXPECT_EQ(Pass([&] {
              if (++served == 1) counters.RoundRestart = 1;
            }),
            PollSchedule::PassEnd::Restart);
  EXPECT_EQ(counters.Cycle, 0u);
  EXPECT_EQ(counters.RoundRestart, 0u);
  EXPECT_EQ(link.TakeCommands().back(), "DPI.MODUS 7");  // the first group ran, then the request
}

TEST_F(Schedule, AFailedItemEndsThePassButTheKitMayFail) {
  link.Reply("ECOM.INFO.KIT", "Fehler 1");
  EXPECT_EQ(Pass(), PollSchedule::PassEnd::Completed);
  EXPECT_EQ(counters.Changes, 31u);  // neither the kit nor the LAN queries, which it gates
  Lines lan = link.TakeCommands();
  EXPECT_EQ(std::count(lan.begin(), lan.end(), "ECOM.LAN.NAME"), 0);
  link.Fail("STATUS");
  counters = {};
  EXPECT_EQ(Pass(), PollSchedule::PassEnd::Restart);
  EXPECT_EQ(counters.Errors, 1u);
  EXPECT_EQ(counters.Cycle, 0u);
  EXPECT_EQ(link.TakeCommands().back(), "STATUS");
}
