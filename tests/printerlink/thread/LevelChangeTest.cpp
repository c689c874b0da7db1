// The remote control's level changes: how a level sent stands against the
// "STATUS" replies of a printer that changes its level only after a delay of
// its own, and quick series of clicks against the emulator with such a
// delay, which must leave the printer at the level of the last click.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ThreadRig.h"
#include "printerlink/thread/LevelChange.h"

using namespace printerthread;
using threadtest::ThreadRig;

TEST(LevelChange, ALevelSentCountsWhileThePrinterIsOnItsWay) {
  struct Case {
    int from, target;
    std::size_t commands;
    int reported;
    std::uint32_t after;  // ms since the commands were sent
    int counted;
    bool stillOnTheWay;
  };
  const Case cases[] = {
      {40, 50, 1, 40, 33, 50, true},            // the reply came before the printer started
      {40, 50, 1, 50, 250, 50, false},          // it got there
      {40, 50, 1, 80, 100, 80, false},          // it fell to an error instead
      {40, 50, 1, kUnknown, 100, kUnknown, false},  // a state it does not name
      {40, 50, 1, 10, 100, 10, false},          // someone sent it elsewhere
      {40, 50, 1, 40, 4999, 50, true},
      {40, 50, 1, 40, 5000, 40, false},         // it would not start
      {10, 50, 2, 10, 50, 50, true},            // "STANDBY 0", "ENABLE 1"
      {10, 50, 2, 40, 150, 50, true},           // half way
      {50, 10, 2, 40, 150, 10, true},           // "ENABLE 0", "STANDBY 1"
      {80, 50, 2, 80, 50, 50, true},            // the error not yet cleared
      {80, 50, 2, 40, 150, 50, true},
      {80, 40, 1, 80, 5000, 80, false},         // the error stays
  };
  const std::uint32_t sentAt = 0xFFFFFF00u;  // across the tick count's wrap-around
  for (const Case& c : cases) {
    LevelOnTheWay sent = LevelSentFrom({}, c.from, c.target, c.commands, sentAt);
    EXPECT_EQ(CountedLevel(sent, c.reported, sentAt + c.after), c.counted)
        << c.from << " to " << c.target << " reported " << c.reported << " after " << c.after;
    EXPECT_EQ(sent.Target != kUnknown, c.stillOnTheWay) << c.from << " to " << c.target << " reported " << c.reported;
  }
  LevelOnTheWay none;
  EXPECT_EQ(CountedLevel(none, 40, 0), 40);

  // Stop from standby, then Start before the printer left standby: it may
  // still report standby on its way to printing, and the time runs from the
  // last level sent.
  LevelOnTheWay sent = LevelSentFrom({}, 10, 40, 1, 0);
  sent = LevelSentFrom(sent, 40, 50, 1, 4000);
  EXPECT_EQ(CountedLevel(sent, 10, 8000), 50);
  EXPECT_EQ(CountedLevel(sent, 40, 8100), 50);
  EXPECT_EQ(CountedLevel(sent, 50, 8200), 50);
  EXPECT_EQ(sent.Target, kUnknown);
}

namespace {

const char* Name(int level) { return level == 10 ? "Standby" : level == 40 ? "Stop" : "Start"; }

// The printer thread against a printer that changes its level 200 ms after
// "ENABLE" or "STANDBY", as the operator's did.
class DelayedPrinter : public ::testing::Test {
 protected:
  void SetUp() override {
    rig = std::make_unique<ThreadRig>(Delayed());
    rig->windows.RemoteControlVisible = true;  // the clicks come from its buttons
    rig->Start();
    ASSERT_TRUE(ThreadRig::Until([&] { return rig->display.refreshes > 0; }));
  }
  static printeremu::EmulatorOptions Delayed() {
    printeremu::EmulatorOptions options;
    options.commandLevelDelayMs = 200;
    return options;
  }
  // The printer at `level`, and the thread has seen it there.
  bool PrinterAt(int level) {
    rig->printer->SetState(level);
    return AfterNextRefresh([&] { return Settled(level); });
  }
  // The printer at `level`, no change under way, and the thread counts it
  // there with no level of its own on the way.
  bool Settled(int level) const {
    const PrinterMirror& m = rig->display.last;
    return m.State == level && m.LevelSent.Target == kUnknown && rig->printer->State() == level &&
           !rig->printer->LevelPending();
  }
  // Waits for a refresh of a cycle that began after now and shows `met`.
  bool AfterNextRefresh(const std::function<bool()>& met) {
    const int refreshes = rig->display.refreshes;
    return ThreadRig::Until([&] { return rig->display.refreshes > refreshes + 1 && met(); });
  }
  // The operator's pause between two clicks; the GUI thread goes on
  // serving the printer thread's steps meanwhile.
  static void Pause(int ms) {
    if (ms > 0) ThreadRig::Until([] { return false; }, ms);
  }

  std::unique_ptr<ThreadRig> rig;
};

class LevelClicks : public DelayedPrinter, public ::testing::WithParamInterface<int> {};

}  // namespace

// Each series of clicks the given time apart (0: before the thread takes
// the first).
TEST_P(LevelClicks, ThePrinterEndsAtTheLevelOfTheLastClick) {
  const int gap = GetParam();
  struct Case {
    int from;
    std::vector<int> clicks;
  };
  const Case cases[] = {
      {40, {50, 40}},      // Start, Stop
      {50, {40, 50}},      // Stop, Start
      {40, {50, 10, 50}},  // Start, Standby, Start
      {40, {50, 40, 50}},  // Start, Stop, Start
      {10, {50, 10}},      // Start from standby (two commands), Standby
      {50, {10, 50}},      // Standby while printing (two commands), Start
      {10, {40, 50, 10}},  // Stop, Start, Standby
  };
  for (const Case& c : cases) {
    std::string name = std::to_string(c.from) + ":";
    for (int level : c.clicks) name += std::string(" ") + Name(level);
    SCOPED_TRACE(name + ", " + std::to_string(gap) + " ms apart");
    ASSERT_TRUE(PrinterAt(c.from));
    const std::size_t first = rig->printer->Commands().size();
    for (std::size_t i = 0; i < c.clicks.size(); ++i) {
      if (i > 0) Pause(gap);
      rig->requests.Level.Raise({c.clicks[i]});
    }
    ASSERT_TRUE(ThreadRig::Until([&] { return !rig->requests.Level.Pending(); }));
    const int last = c.clicks.back();
    const bool settled = AfterNextRefresh([&] { return Settled(last); });
    std::string sent;
    for (const std::string& line : rig->CommandsFrom(first))
      if (line.rfind("ENABLE", 0) == 0 || line.rfind("STANDBY", 0) == 0) sent += " [" + line + "]";
    EXPECT_TRUE(settled) << "the printer is at " << rig->printer->State() << ", the thread counts "
                         << rig->display.last.State << "; sent:" << sent;
    EXPECT_EQ(rig->display.last.StatusText, last == 10 ? "Standby" : last == 40 ? "Stop" : "Drucken");
  }
}

// A printer that will not start shows it: the level sent counts only for a
// bounded time, and an error shows at once.
TEST_F(DelayedPrinter, APrinterThatRefusesOrFallsToAnErrorStillShows) {
  ASSERT_TRUE(PrinterAt(40));
  auto refuseStart = [&] {
    rig->printer->AddFault(
        printeremu::ReplyFault("ENABLE", printeremu::FaultPoint::CommandReply, "Fehler 7"));
    rig->requests.Level.Raise({50});
    ASSERT_TRUE(ThreadRig::Until([&] { return !rig->requests.Level.Pending(); }));
  };
  refuseStart();
  EXPECT_TRUE(AfterNextRefresh([&] { return Settled(40); }));  // not counted as printing for ever

  const auto sent = [&] {
    const auto lines = rig->printer->Commands();
    return std::count(lines.begin(), lines.end(), std::string("ENABLE 1"));
  };
  const auto before = sent();
  // (The display unit's line would begin with "Fehler" in the error state,
  // which reads as a refused query.)
  rig->printer->SetSetting("OPTION.D0216.ZEILE 1", "Error 1A          ");  // 18 characters
  refuseStart();
  ASSERT_TRUE(ThreadRig::Until([&] { return sent() > before; }));
  rig->printer->SetState(80, 0x1A);
  // Long before the level sent would have stopped counting.
  EXPECT_TRUE(ThreadRig::Until([&] { return rig->display.last.State == 80; }, 3000));
  EXPECT_EQ(rig->display.last.StatusText, "Fehler 1A");
  EXPECT_EQ(rig->display.last.LevelSent.Target, kUnknown);
}

// A setting's sequence takes the printer through levels of its own: a
// Start sent before it no longer counts, and a Start clicked while it runs
// starts from the level the sequence left, not from the one counted before.
TEST_F(DelayedPrinter, AStartAfterASettingsSequenceStartsFromWhereTheSequenceLeftThePrinter) {
  ASSERT_TRUE(PrinterAt(40));
  rig->printer->AddFault(printeremu::ReplyFault("ENABLE", printeremu::FaultPoint::CommandReply, "Fehler 7"));
  rig->requests.Level.Raise({50});
  ASSERT_TRUE(ThreadRig::Until([&] { return rig->display.last.LevelSent.Target == 50; }));
  const std::size_t first = rig->printer->Commands().size();
  rig->requests.MachineType.Raise({{"t"}, 2});
  ASSERT_TRUE(ThreadRig::Until([&] {
    const auto sent = rig->CommandsFrom(first);
    return std::find(sent.begin(), sent.end(), "KONFIG.SAVE") != sent.end() && !rig->requests.MachineType.Pending();
  }));
  rig->requests.Level.Raise({50});
  EXPECT_TRUE(AfterNextRefresh([&] { return Settled(50); }));
}

INSTANTIATE_TEST_SUITE_P(ApartMs, LevelClicks, ::testing::Values(0, 50, 300));
