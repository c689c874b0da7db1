// The printer thread against the printer emulator on a pseudo-terminal.
// Waits of the Parts run on a fake clock; the line's own time limits are
// real.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "ThreadRig.h"
#include "platform/Clock.h"
#include "platform/Synchronize.h"
#include "printerlink/PortState.h"
#include "platform/FileIO.h"
#include "support/FakeTime.h"
#include "support/TempDir.h"

using namespace printerthread;
using threadtest::ThreadRig;
using Lines = std::vector<std::string>;

namespace {

std::size_t Count(const Lines& lines, const std::string& command) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), command));
}

}  // namespace

TEST(PrinterThread, FindsThePrinterAndShowsItsState) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  EXPECT_TRUE(rig.Connected());
  EXPECT_EQ(rig.display.resets, 1);  // once at the start, before the search
  EXPECT_EQ(rig.display.events.front(), "reset");
  const PrinterMirror& m = rig.display.last;
  EXPECT_EQ(m.LinkState, 23);
  EXPECT_EQ(m.CliWord, 8058);
  EXPECT_EQ(rig.thread->GetCliWord(), 8058);
  EXPECT_EQ(m.MachineTypeText, "RID1 Hatchery DC");
  EXPECT_EQ(m.StatusText, "Stop");
  EXPECT_EQ(m.OptionText, "DisplayUnit");
  EXPECT_EQ(m.DisplayLine0, "Tarvik23 Printer");
  EXPECT_EQ(m.DisplayLine1, "Stop            ");
  EXPECT_EQ(m.LanIp, "192.168.1.23");
  EXPECT_EQ(m.Voltage24Text, "24.13 V");
  EXPECT_EQ(m.DeviceText, "ZozaZade23 emulated");
  EXPECT_EQ(m.ClockText.size(), 21u);
  Lines commands = rig.printer->Commands();
  EXPECT_EQ(commands.front(), "INFO.SYSTEM");
  EXPECT_EQ(commands[1], "INFO.CLI");

  // The printer starts printing: the next refresh shows it; its display
  // unit's lines come fast once the remote control is open.
  rig.printer->SetState(50);
  EXPECT_TRUE(ThreadRig::Until([&] { return rig.display.last.StatusText == "Drucken"; }));
  EXPECT_EQ(rig.display.last.DisplayLine1, "Stop            ");
  rig.windows.RemoteControlVisible = true;
  EXPECT_TRUE(ThreadRig::Until([&] { return rig.display.last.DisplayLine1 == "Drucken         "; }));
}

// Values read while one language was in force are named in the new one at
// the next refresh, not only when the thread reads them again (the device
// settings once a minute).
TEST(PrinterThread, ANewLanguageNamesTheValuesAtTheNextRefresh) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  EXPECT_EQ(rig.display.last.MachineTypeText, "RID1 Hatchery DC");
  EXPECT_EQ(rig.display.last.StatusText, "Stop");
  auto asked = [&](const std::string& command) {
    const Lines sent = rig.printer->Commands();
    return std::count(sent.begin(), sent.end(), command);
  };
  const auto machineQueries = asked("MASCHINE");
  rig.captions.Update([](printerthread::PrinterCaptions& c) {
    c.MachineType[3] = "RID1 Hatchery DC (en)";
    c.NameTexts[12] = "Stopped";
  });
  // The refresh after the one the thread may already have been waiting
  // to show.
  const int refreshes = rig.display.refreshes;
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > refreshes + 1; }));
  EXPECT_EQ(rig.display.last.MachineTypeText, "RID1 Hatchery DC (en)");
  EXPECT_EQ(rig.display.last.StatusText, "Stopped");
  EXPECT_EQ(asked("MASCHINE"), machineQueries);
}

TEST(PrinterThread, PollsEveryItemAtItsPeriod) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  const std::uint32_t start = rig.link.Entries().front().tick;
  ASSERT_TRUE(ThreadRig::Until([&] { return time->TickCount() - start > 121000; }, 60000));
  rig.Stop();
  std::map<std::string, int> counts;
  for (const auto& e : rig.link.Entries())
    if (e.tick - start <= 120000) ++counts[e.command];
  // Asked at 0 and then each time more than the period has passed.
  const std::pair<const char*, int> expected[] = {
      {"INFO.CLI", 2},   {"MASCHINE", 2},     {"STATUS", 240},   {"RTC", 120},      {"COUNTER", 120},
      {"ECOM.LAN.IP", 12}, {"ECOM.LAN.MAC", 2}, {"IO.BASIC", 2},   {"AD", 2},         {"DT", 2},
      {"SPEED.IST", 2},  {"OPTION.D0216.ZEILE 1", 2}, {"PROG 2", 2}, {"AUX.PROG 15", 2},
  };
  for (const auto& [command, n] : expected) {
    EXPECT_GE(counts[command], n - 1) << command;
    EXPECT_LE(counts[command], n + 1) << command;
  }
  EXPECT_EQ(counts["INFO.SYSTEM"], 1);  // no failure, no probe again
}

TEST(PrinterThread, SurvivesThePrinterGoingSilentAndComingBack) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  rig.printer->SetSilent(true);
  // A failed item, a failed probe: the port closes, every display goes back
  // to unknown and the strip moves again.
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.resets >= 2; }, 15000));
  EXPECT_EQ(rig.display.last.StatusText, "?");
  EXPECT_EQ(rig.display.last.CliWord, -1);
  ASSERT_TRUE(ThreadRig::Until([&] { return !rig.display.labels.back().empty(); }));
  EXPECT_EQ(rig.display.labels.back().size(), 16u);
  rig.printer->SetSilent(false);
  const int refreshes = rig.display.refreshes;
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > refreshes; }, 15000));
  EXPECT_TRUE(rig.Connected());
  EXPECT_EQ(rig.display.last.StatusText, "Stop");
  EXPECT_EQ(rig.display.last.CliWord, 8058);
}

TEST(PrinterThread, AFailedItemWithAPrinterThatStillAnswersProbesAndPollsAgain) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.printer->AddFault(printeremu::ReplyFault("SPEED.IST", printeremu::FaultPoint::CommandReply, "Fehler 5"));
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  Lines commands = rig.printer->Commands();
  auto failed = std::find(commands.begin(), commands.end(), "SPEED.IST");
  ASSERT_NE(failed, commands.end());
  EXPECT_EQ(*(failed + 1), "INFO.SYSTEM");  // the probe
  EXPECT_EQ(*(failed + 2), "INFO.CLI");     // and the whole cycle from the first item
  EXPECT_EQ(rig.display.resets, 1);         // the displays were not reset
}

TEST(PrinterThread, APrinterOfAnotherSystemIsLeftForTheNextPort) {
  testsupport::ScopedFakeTime time;
  printeremu::EmulatorOptions other;
  other.systemId = 22;
  ThreadRig rig(other);
  printeremu::PrinterEmulator ours;
  ASSERT_TRUE(ours.Start().ok());
  rig.registry = platform::FixedPortRegistry({{threadtest::kRigPort, rig.printer->DevicePath(), platform::kPortKindUsb},
                                              {threadtest::kRigPort + 1, ours.DevicePath(), platform::kPortKindUsb}});
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  EXPECT_EQ(Count(rig.printer->Commands(), "INFO.SYSTEM"), 3u);
  EXPECT_EQ(rig.printer->Commands().size(), 3u);  // nothing else asked of it
  EXPECT_EQ(printerlink::ComPortNumber.load(), static_cast<int>(threadtest::kRigPort + 1));
  rig.Stop();
  ours.Stop();
}

TEST(PrinterThread, WithNoLinkKindEnabledNoPortIsOpened) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.rs232usb = false;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.labels.size() > 20; }));
  EXPECT_TRUE(rig.printer->Commands().empty());
  for (const auto& label : rig.display.labels) EXPECT_EQ(std::count(label.begin(), label.end(), '.'), 1);
}

TEST(PrinterThread, ServesFlagsInOrderWithTheBracketsLines) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  // Raised before the thread starts; its first search finds the printer,
  // so they are served in the first cycle.
  rig.requests.SelectDt.Raise({57});
  rig.requests.Startup.Raise({{" Ger\xE4t Aufstarten"}, 1});
  rig.requests.MachineType.Raise({{" Ger\xE4t Typ"}, 2});
  rig.Start();
  // Until the line after "DT 57" has come as well.
  auto dtAndNext = [](const Lines& commands) {
    auto dt = std::find(commands.begin(), commands.end(), "DT 57");
    return dt != commands.end() && dt + 1 != commands.end();
  };
  ASSERT_TRUE(ThreadRig::Until([&] { return dtAndNext(rig.printer->Commands()); }));
  Lines commands = rig.printer->Commands();
  EXPECT_EQ(Count(commands, "DT 57"), 1u);
  auto first = std::find(commands.begin(), commands.end(), "ENABLE 0");
  auto last = std::find(commands.begin(), commands.end(), "DT 57");
  EXPECT_EQ(Lines(first, last + 2),
            (Lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS", "MASCHINE 2", "KONFIG.SAVE", "RESET",
                   "ENABLE 0", "STATUS 30 ZAMFI", "STATUS", "STARTUP 1", "KONFIG.SAVE", "STATUS 40 ZAMFI",
                   "DT 57", "INFO.SYSTEM"}));  // then the cycle starts again with a probe
  // The first group of polls ran before the request step.
  EXPECT_EQ(*(first - 1), "DPI.MODUS 7");
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.last.MachineType == 2; }));
  EXPECT_EQ(rig.display.last.MachineTypeText, "RID1");
  EXPECT_EQ(rig.display.last.StartupText, "Drucken");
  auto boxes = rig.messenger.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, " Ger\xE4t Typ");
  EXPECT_EQ(boxes[1].title, " Ger\xE4t Aufstarten");
  EXPECT_EQ(rig.messenger.Closes(), 2);
  EXPECT_FALSE(rig.requests.MachineType.Pending());
}

namespace {

// Raises the machine type again while its busy box is shown.
class RaisingMessenger final : public PrinterMessenger {
 public:
  explicit RaisingMessenger(RequestBoard& board) : board_(board) {}
  void ShowMessage(const PrinterBox& box) override {
    if (box.kind == BoxKind::Busy && ++busy_ == 1) board_.MachineType.Raise({{"t"}, 4});
  }
  void CloseMessage() override {}

 private:
  RequestBoard& board_;
  int busy_ = 0;
};

}  // namespace

TEST(PrinterThread, AFlagRaisedWhileItsSequenceRunsIsServedOnTheNextPass) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  RaisingMessenger messenger(rig.requests);
  rig.env.messenger = &messenger;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  rig.requests.MachineType.Raise({{"t"}, 2});
  ASSERT_TRUE(ThreadRig::Until([&] { return Count(rig.printer->Commands(), "MASCHINE 4") == 1; }));
  Lines commands = rig.printer->Commands();
  auto two = std::find(commands.begin(), commands.end(), "MASCHINE 2");
  auto four = std::find(commands.begin(), commands.end(), "MASCHINE 4");
  ASSERT_LT(two, four);
  // Served with the values of its first raising, then again after a new
  // probe and a first group of polls.
  EXPECT_EQ(Count(Lines(two, four), "INFO.SYSTEM"), 1u);
  EXPECT_EQ(Count(Lines(two, four), "INFO.CLI"), 1u);
}

// The remote control's Start and then at once its Stop: the Stop comes
// while the Start is still being sent, before the printer's state was asked
// again, and still stops the printer.
TEST(PrinterThread, AStopRaisedWhileTheStartIsSentStopsThePrinter) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  ASSERT_EQ(rig.display.last.State, 40);
  auto slow = printeremu::ActionFault("ENABLE", printeremu::FaultPoint::CommandReply, printeremu::FaultAction::Delay);
  slow.ms = 500;
  rig.printer->AddFault(slow);
  rig.requests.Level.Raise({50});
  ASSERT_TRUE(ThreadRig::Until([&] { return Count(rig.printer->Commands(), "ENABLE 1") == 1; }));
  rig.requests.Level.Raise({40});
  ASSERT_TRUE(ThreadRig::Until([&] { return Count(rig.printer->Commands(), "ENABLE 0") == 1; }));
  EXPECT_EQ(rig.printer->State(), 40);
  const int refreshes = rig.display.refreshes;
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > refreshes; }));
  EXPECT_EQ(rig.display.last.StatusText, "Stop");
}

TEST(PrinterThread, SimulationRunsWithoutThePortAndShowsTheDemo) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  rig.simulation = true;
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.last.MachineTypeText == "SOR"; }));
  EXPECT_EQ(rig.display.labels.back(), "Simulation");
  EXPECT_EQ(printerlink::ComPortHandle, printerlink::kNoPort);  // switching on closed the port
  const PrinterMirror& m = rig.display.last;
  EXPECT_EQ(m.CliWord, 8058);
  EXPECT_EQ(rig.thread->GetCliWord(), 8058);
  EXPECT_EQ(m.SleepText, "Aus");
  EXPECT_EQ(m.StartModeText, "Positive Flanke");
  EXPECT_EQ(m.SuppressionText, "Aus");
  EXPECT_EQ(m.ClockSourceText, "Extern CPL (+)");
  EXPECT_EQ(m.PanelTypeText, "REDAdid");
  EXPECT_EQ(m.ModeIndex, (std::array<int, 8>{0, 1, 4, 8, 11, 0, 0, 0}));
  EXPECT_EQ(m.StatusText, "?");  // what the demo does not fill stays unknown
  const std::size_t asked = rig.printer->Commands().size();

  rig.requests.MachineType.Raise({{"t"}, 2});
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.last.MachineTypeText == "RID1"; }));
  EXPECT_EQ(rig.display.last.SleepText, "30 s");
  EXPECT_EQ(rig.display.last.ReverseTime, 700);
  EXPECT_EQ(rig.display.last.Orientation, (std::array<int, 3>{2, 2, 2}));
  rig.requests.MachineType.Raise({{"t"}, 1});  // no values of its own: the last type's stay
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.last.MachineTypeText == "Rerudev"; }));
  EXPECT_EQ(rig.display.last.WaitTime, 30);
  EXPECT_EQ(rig.display.last.SleepText, "Aus");  // named as for any printer of this type, which has no pause
  EXPECT_EQ(rig.printer->Commands().size(), asked);  // nothing was sent meanwhile
  EXPECT_TRUE(rig.messenger.Boxes().empty());

  const std::size_t events = rig.display.events.size();
  rig.simulation = false;
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0 && rig.Connected() &&
                                            rig.display.last.MachineTypeText == "RID1 Hatchery DC"; }));
  Lines after(rig.display.events.begin() + static_cast<long>(events), rig.display.events.end());
  auto off = std::find(after.begin(), after.end(), "label .");
  ASSERT_NE(off, after.end());
  ASSERT_NE(off + 1, after.end());
  EXPECT_EQ(*(off + 1), "reset");  // the demo values do not stay on show
}

TEST(PrinterThread, SimulationNeedsNoDevice) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig({}, false);
  rig.simulation = true;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  EXPECT_EQ(rig.display.labels.back(), "Simulation");
  EXPECT_EQ(rig.display.last.MachineTypeText, "SOR");
  EXPECT_EQ(rig.display.last.CounterIncrement, 1);
  EXPECT_EQ(rig.display.last.Pulse, 36);
  // A writer without a simulation branch fails as with no printer.
  rig.requests.Startup.Raise({{" Ger\xE4t Aufstarten"}, 1});
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.messenger.Boxes().size() == 2; }));
  EXPECT_EQ(rig.messenger.Boxes()[1].kind, BoxKind::Failure);
  EXPECT_EQ(rig.messenger.Boxes()[1].text, MessageText::Of(CatalogueText::DoneFailed));
}

TEST(PrinterThread, StopsWhileWaitingForTheGuiThread) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  // Not pumping: the thread's first display step waits for this thread,
  // which learns of it through the hook that would wake its event loop.
  std::atomic<bool> waiting{false};
  platform::SetSynchronizeWakeHook([&] { waiting = true; });
  rig.Start();
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!waiting && std::chrono::steady_clock::now() < until) std::this_thread::yield();
  platform::SetSynchronizeWakeHook(nullptr);
  ASSERT_TRUE(waiting.load());
  const auto start = std::chrono::steady_clock::now();
  rig.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_EQ(rig.display.resets, 0);  // the step it waited in ran but showed nothing
}

TEST(PrinterThread, StopsInTheMiddleOfASequence) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  // Raised inside the first refresh, so the request step that follows it
  // serves the request before any poll item meets the silent printer.
  rig.display.onRefresh = [&] {
    if (rig.printer->Silent()) return;
    rig.printer->SetSilent(true);  // the sequence's exchanges now wait for their time limits
    rig.requests.Sleep.Raise({{"t"}, 1, 2, 3});
  };
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  ASSERT_TRUE(ThreadRig::Until([&] { return !rig.messenger.Boxes().empty(); }, 5000));
  const auto start = std::chrono::steady_clock::now();
  rig.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
}

namespace {

// A transfer that holds the port lock and reports progress.
class ProgressTransfer final : public GroupTransfer {
 public:
  std::atomic<bool> started{false}, go{false}, done{false};
  std::atomic<int> ran{0};
  int ranWhenPosted = -1;
  bool synchronizeRefused = false;
  std::vector<int> order;

  void DownloadGroup(PrinterSession& session, const DownloadGroupRequest&) override {
    started = true;
    while (!go) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    printerlink::ComLockGuard lock;
    for (int i = 0; i < 5; ++i)
      session.Post([this, i] {
        order.push_back(i);
        ++ran;
      });
    ranWhenPosted = ran.load();
    try {
      session.Synchronize([] {});
    } catch (const std::logic_error&) {
      synchronizeRefused = true;
    }
    done = true;
  }
  void UploadGroup(PrinterSession&, const UploadGroupRequest&) override {}
};

}  // namespace

TEST(PrinterThread, ProgressUnderThePortLockIsPostedNotWaitedFor) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  ProgressTransfer transfer;
  rig.env.groupTransfer = &transfer;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  rig.requests.DownloadGroup.Raise({"Daten speichern"});
  ASSERT_TRUE(ThreadRig::Until([&] { return transfer.started.load(); }));
  transfer.go = true;  // this thread pumps no more until the transfer is done
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!transfer.done && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(transfer.done);
  EXPECT_EQ(transfer.ranWhenPosted, 0);
  EXPECT_TRUE(transfer.synchronizeRefused);
  ASSERT_TRUE(ThreadRig::Until([&] { return transfer.ran == 5; }));
  EXPECT_EQ(transfer.order, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(PrinterThread, AfterThePcSettingsChangedTheThreadClosesThePortItself) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  // The GUI thread only asks; the thread closes the port at its next turn.
  const int resets = rig.display.resets;
  rig.thread->RequestPortClose();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.resets > resets; }, 15000));
  const int refreshes = rig.display.refreshes;
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > refreshes && rig.Connected(); }, 15000));
}

TEST(PrinterThread, PrintDataTransfersAreNotAvailableYet) {
  testsupport::ScopedFakeTime time;
  ThreadRig rig;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  const std::size_t asked = rig.printer->Commands().size();
  rig.requests.DownloadGroup.Raise({"Daten speichern"});
  rig.requests.UploadGroup.Raise({"Daten \xF6" "ffnen"});
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.messenger.Boxes().size() == 2; }));
  // The request step may be past the first flag when both are raised: the
  // second is then served first, and the first on the next pass.
  auto boxes = rig.messenger.Boxes();
  std::sort(boxes.begin(), boxes.end(), [](const PrinterBox& a, const PrinterBox& b) { return a.title < b.title; });
  EXPECT_EQ(boxes[0].title, "Daten speichern");
  EXPECT_EQ(boxes[1].title, "Daten \xF6" "ffnen");
  for (const PrinterBox& box : boxes) {
    EXPECT_EQ(box.kind, BoxKind::Notice) << box.title;
    EXPECT_EQ(box.text, MessageText::Of(CatalogueText::NotAvailable)) << box.title;
  }
  Lines after = rig.CommandsFrom(asked);
  EXPECT_EQ(Count(after, "ENABLE 0"), 0u);  // nothing was sent for them
}

TEST(PrinterThread, TheOptionUnitSendsChangedDisplayLineFiles) {
  testsupport::ScopedFakeTime time;
  testsupport::TempDir tmp;
  const std::string line0(352, 'A'), line1(352, 'B');
  ASSERT_TRUE(platform::WriteFileAtomic(tmp / "D0216F0.SYS", line0));
  ASSERT_TRUE(platform::WriteFileAtomic(tmp / "D0216F1.SYS", line1));
  ThreadRig rig;
  rig.env.tmpDir = tmp.path() + "/";
  rig.printer->PutFile("SYSTEM\\D0216F1.SYS", line1);  // the second is there already
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  const std::size_t asked = rig.printer->Commands().size();
  PanelOptionRequest option{{" Bedienteil Option"}, 3, 0, 1, 2, 0, {}, {}, {}};
  rig.requests.PanelOption.Raise(option);
  ASSERT_TRUE(ThreadRig::Until([&] { return Count(rig.CommandsFrom(asked), "RESET") == 1; }));
  Lines words;
  for (const auto& c : rig.CommandsFrom(asked)) words.push_back(c.substr(0, c.find(' ', c.find(' ') + 1)));
  auto from = std::find(words.begin(), words.end(), "OPTION.D0216.MODUS 2");
  ASSERT_NE(from, words.end());
  EXPECT_EQ(Lines(from, from + 6), (Lines{"OPTION.D0216.MODUS 2", "CRC SYSTEM\\D0216F0.SYS",
                                          "DOWNLOADS SYSTEM\\D0216F0.SYS", "DOWNLOADS SYSTEM\\D0216F0.SYS",
                                          "CRC SYSTEM\\D0216F1.SYS", "OPTION.SIGNALUNIT.TYP 0"}));
  EXPECT_EQ(rig.printer->File("SYSTEM\\D0216F0.SYS"), line0);
  EXPECT_EQ(rig.printer->File("SYSTEM\\D0216F1.SYS"), line1);
}

TEST(PrinterThread, ADisplayLineFileThatDoesNotArriveFailsTheOptionSetting) {
  testsupport::ScopedFakeTime time;
  testsupport::TempDir tmp;
  ASSERT_TRUE(platform::WriteFileAtomic(tmp / "D0216F0.SYS", std::string(352, 'A')));
  ASSERT_TRUE(platform::WriteFileAtomic(tmp / "D0216F1.SYS", std::string(352, 'B')));
  ThreadRig rig;
  rig.env.tmpDir = tmp.path() + "/";
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  rig.printer->AddFault(printeremu::ReplyFault("DOWNLOADS", printeremu::FaultPoint::CommandReply, "Fehler 7", 0, -1));
  const std::size_t asked = rig.printer->Commands().size();
  rig.requests.PanelOption.Raise({{" Bedienteil Option"}, 3, 0, 1, 2, 0, {}, {}, {}});
  ASSERT_TRUE(ThreadRig::Until([&] { return Count(rig.CommandsFrom(asked), "STATUS 40 ZAMFI") == 1; }));
  ASSERT_TRUE(ThreadRig::Until([&] { return !rig.messenger.Boxes().empty() &&
                                            rig.messenger.Boxes().back().kind == BoxKind::Failure; }));
  Lines after = rig.CommandsFrom(asked);
  EXPECT_EQ(Count(after, "OPTION.D0216.MODUS 2"), 1u);
  // Neither the signal unit, nor a save, nor a restart: the printer keeps
  // what it had.
  EXPECT_EQ(Count(after, "OPTION.SIGNALUNIT.TYP 0"), 0u);
  EXPECT_EQ(Count(after, "KONFIG.SAVE"), 0u);
  EXPECT_EQ(Count(after, "RESET"), 0u);
  EXPECT_EQ(rig.messenger.Boxes().back().title, " Bedienteil Option");
  EXPECT_EQ(rig.messenger.Boxes().back().text, MessageText::Of(CatalogueText::DoneFailed));
  EXPECT_FALSE(rig.printer->File("SYSTEM\\D0216F0.SYS"));
}
