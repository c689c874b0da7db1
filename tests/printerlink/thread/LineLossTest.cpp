// The printer thread when the printer's USB adapter is pulled out: the
// emulator's pseudo-terminal closes in the middle of an exchange (the open
// port gets a hang-up) and its device name goes with it. The thread leaves
// the port, resets the displays, searches without using the processor, and
// finds a printer plugged in again under the same name. These run on the
// real clock: the thread's pauses are what keeps its search from spinning.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <memory>

#include "FakeDesk.h"
#include "ThreadRig.h"
#include "printerlink/PortState.h"
#include "printerlink/thread/PrintDataTransfer.h"
#include "support/TempDir.h"

using namespace printerthread;
using printeremu::ActionFault;
using printeremu::FaultAction;
using printeremu::FaultPoint;
using threadtest::ThreadRig;

namespace {

using Clock = std::chrono::steady_clock;

const std::string kDownloadTitle = "Printer - Daten speichern";
const std::string kUploadTitle = "Printer - Daten \xF6" "ffnen";  // Windows-1252

// The processor time this process has used, user and system.
std::chrono::microseconds ProcessCpuTime() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto us = [](const timeval& t) { return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec); };
  return us(usage.ru_utime) + us(usage.ru_stime);
}

// The thread against printers plugged in under one device name (a link in
// a folder of the test's, registered as a USB serial port), with the print
// data's transfer plugged in over a fake desk.
class LineLossRig {
 public:
  LineLossRig() : rig({}, false), transfer(desk, tmp.path() + "/") {
    rig.registry = platform::FixedPortRegistry({{threadtest::kRigPort, name, platform::kPortKindUsb}});
    rig.env.groupTransfer = &transfer;
    desk.Texts = {"Text A", "Text B"};
  }
  // The thread works with the transfer and the desk: it goes first.
  ~LineLossRig() { rig.Stop(); }

  // A printer comes (back) under the name, or under another one.
  bool PlugIn() { return PlugIn(name); }
  bool PlugIn(const std::string& path) {
    printeremu::EmulatorOptions options;
    options.linkPath = path;
    if (rig.printer) rig.printer->Stop();
    rig.printer = std::make_unique<printeremu::PrinterEmulator>(options);
    auto started = rig.printer->Start();
    EXPECT_TRUE(started.ok()) << started.error();
    return started.ok();
  }
  // The thread started with a printer plugged in, and polling it.
  bool StartPolling() {
    if (!PlugIn()) return false;
    rig.Start();
    return UntilPolled();
  }
  // Then the plug pulled, and the thread searching.
  bool StartThenUnplug() {
    if (!StartPolling()) return false;
    Printer().Unplug();
    return ThreadRig::Until([&] { return Searching(); }, 30000);
  }
  printeremu::PrinterEmulator& Printer() { return *rig.printer; }

  bool Connected() const { return rig.Connected() && printerlink::ComPortNumber.load() == int(threadtest::kRigPort); }
  // The thread has left the port and shows the search strip.
  bool Searching() const {
    return printerlink::ComPortNumber.load() == printerlink::kNoPort && !rig.display.labels.empty() &&
           rig.display.labels.back().size() == 16;
  }
  // Waits until the thread is connected and has shown a whole cycle of a
  // printer that answers.
  bool UntilPolled() {
    const int refreshes = rig.display.refreshes;
    return ThreadRig::Until(
        [&] { return Connected() && rig.display.refreshes > refreshes && rig.display.last.StatusText == "Stop"; },
        30000);
  }
  // Waits for the box titled `title` of `kind`.
  bool UntilBox(const std::string& title, BoxKind kind) {
    return ThreadRig::Until(
        [&] {
          for (const auto& box : rig.messenger.Boxes())
            if (box.title == title && box.kind == kind) return true;
          return false;
        },
        60000);
  }
  // The box the sequence titled `title` ended with.
  PrinterBox LastBox(const std::string& title) const {
    PrinterBox last;
    for (const auto& box : rig.messenger.Boxes())
      if (box.title == title) last = box;
    return last;
  }

  // The thread leaves the dead port and searches: the displays are reset
  // (again, after `resetsBefore`) to unknown values, the strip moves, and
  // it takes (nearly) no processor time meanwhile. The time is measured
  // over some sixty moves of the strip (at least 10 ms apart each),
  // against the wall time they took.
  void ExpectLeftAndSearchingQuietly(int resetsBefore) {
    ASSERT_TRUE(ThreadRig::Until([&] { return Searching() && rig.display.resets > resetsBefore; }, 30000));
    EXPECT_EQ(rig.display.last.StatusText, "?");
    EXPECT_EQ(rig.display.last.LinkState, -1);
    const std::size_t moves = rig.display.labels.size();
    const auto cpu = ProcessCpuTime();
    const auto wall = Clock::now();
    ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.labels.size() >= moves + 60; }, 30000));
    const auto usedCpu = ProcessCpuTime() - cpu;
    const auto usedWall = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - wall);
    // A search that spins takes a whole core; this one sleeps between its
    // turns, and so does the test's own pumping.
    EXPECT_LT(usedCpu.count(), usedWall.count() / 5)
        << usedCpu.count() << " us of processor time in " << usedWall.count() << " us";
    EXPECT_TRUE(Searching());
  }

  testsupport::TempDir tmp;
  const std::string name = tmp / "ttyUSB0";
  ThreadRig rig;
  threadtest::FakeDesk desk;
  PrintDataTransfer transfer;
};

printeremu::Fault HangUpAt(const std::string& command, FaultPoint point, int skip) {
  return ActionFault(command, point, FaultAction::HangUp, skip);
}

}  // namespace

TEST(PrinterLineLoss, AHangUpWhilePollingIsLeftAndThePrinterFoundAgainUnderItsName) {
  LineLossRig r;
  ASSERT_TRUE(r.StartPolling());
  const int resets = r.rig.display.resets;
  r.Printer().AddFault(HangUpAt("STATUS", FaultPoint::CommandReply, 0));
  r.ExpectLeftAndSearchingQuietly(resets);
  EXPECT_TRUE(r.Printer().Unplugged());

  ASSERT_TRUE(r.PlugIn());
  ASSERT_TRUE(r.UntilPolled());
  EXPECT_EQ(r.rig.thread->GetCliWord(), 8058);
  EXPECT_EQ(r.Printer().Commands().front(), "INFO.SYSTEM");
}

// A USB adapter plugged into another socket comes back under the next
// device name: the search goes over every port there is and finds it.
TEST(PrinterLineLoss, APrinterThatComesBackUnderAnotherNameIsFoundThere) {
  LineLossRig r;
  const std::string other = r.tmp / "ttyUSB1";
  r.rig.registry = platform::FixedPortRegistry({{threadtest::kRigPort, r.name, platform::kPortKindUsb},
                                                {threadtest::kRigPort + 1, other, platform::kPortKindUsb}});
  ASSERT_TRUE(r.StartThenUnplug());
  const int resets = r.rig.display.resets;
  ASSERT_TRUE(r.PlugIn(other));
  ASSERT_TRUE(ThreadRig::Until(
      [&] {
        return r.rig.Connected() && printerlink::ComPortNumber.load() == int(threadtest::kRigPort + 1) &&
               r.rig.display.last.StatusText == "Stop";
      },
      30000));
  EXPECT_GE(r.rig.display.resets, resets);
  EXPECT_EQ(r.Printer().Commands().front(), "INFO.SYSTEM");
}

TEST(PrinterLineLoss, ATransferCutByAHangUpEndsWithItsBoxAndThePrinterIsFoundAgain) {
  struct Case {
    const char* what;
    bool download;
    printeremu::Fault fault;
  } cases[] = {
      {"download, a block's data", true, HangUpAt("DOWNLOADS", FaultPoint::BlockReply, 3)},
      {"download, an announcement", true, HangUpAt("DOWNLOADS", FaultPoint::CommandReply, 5)},
      {"upload, a block's count", false, HangUpAt("UPLOADS", FaultPoint::CommandReply, 2)},
      {"upload, a block's trailer", false, HangUpAt("UPLOADS", FaultPoint::BlockReply, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LineLossRig r;
    ASSERT_TRUE(r.StartPolling());
    const std::string title = c.download ? kDownloadTitle : kUploadTitle;
    if (!c.download) {
      // The printer holds print data to fetch.
      r.rig.requests.DownloadGroup.Raise({"Daten speichern"});
      ASSERT_TRUE(r.UntilBox(kDownloadTitle, BoxKind::Success));
      ASSERT_TRUE(r.UntilPolled());
    }
    r.Printer().AddFault(c.fault);
    const int resets = r.rig.display.resets;
    if (c.download)
      r.rig.requests.DownloadGroup.Raise({"Daten speichern"});
    else
      r.rig.requests.UploadGroup.Raise({"Daten \xF6" "ffnen"});
    // The sequence ends with its own red box, the printer left at once.
    ASSERT_TRUE(r.UntilBox(title, BoxKind::Failure));
    EXPECT_EQ(r.LastBox(title).text, MessageText::Of(CatalogueText::DoneFailed));
    EXPECT_TRUE(r.Printer().Unplugged());
    r.ExpectLeftAndSearchingQuietly(resets);
    EXPECT_EQ(r.desk.Calls("unblock"), r.desk.Calls("block"));  // the operator's input is back

    ASSERT_TRUE(r.PlugIn());
    ASSERT_TRUE(r.UntilPolled());
  }
}

TEST(PrinterLineLoss, ARequestRaisedWithoutAPrinterIsAnsweredWithItsBox) {
  LineLossRig r;
  ASSERT_TRUE(r.StartThenUnplug());
  r.rig.requests.MachineType.Raise({{" Ger\xE4t Typ"}, 2});
  r.rig.requests.DownloadGroup.Raise({"Daten speichern"});
  r.rig.requests.UploadGroup.Raise({"Daten \xF6" "ffnen"});
  // Each sequence runs, meets no port and says so; none waits for a
  // printer that may never come back.
  for (const std::string& title : {std::string(" Ger\xE4t Typ"), kDownloadTitle, kUploadTitle}) {
    ASSERT_TRUE(r.UntilBox(title, BoxKind::Failure)) << title;
    EXPECT_EQ(r.LastBox(title).text, MessageText::Of(CatalogueText::DoneFailed)) << title;
  }
  EXPECT_FALSE(r.rig.requests.MachineType.Pending());
  EXPECT_FALSE(r.rig.requests.DownloadGroup.Pending());
  EXPECT_FALSE(r.rig.requests.UploadGroup.Pending());
  EXPECT_TRUE(r.Searching());
}

TEST(PrinterLineLoss, StoppingWhileThePortIsGoneEndsAtOnce) {
  LineLossRig r;
  ASSERT_TRUE(r.StartThenUnplug());
  const auto start = Clock::now();
  r.rig.Stop();
  // Bounded: nothing it does waits on the line (a few turns of 10 ms).
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
}

namespace {

// A sequence that asks a question with a long time limit of a printer that
// never answers, as the console's "FORMAT" waits 30 s.
class HungQuestion final : public GroupTransfer {
 public:
  std::atomic<int> result{1};
  void DownloadGroup(PrinterSession& session, const DownloadGroupRequest&) override {
    std::string reply;
    result = session.AskPrinter("FORMAT", reply, 600000);
  }
  void UploadGroup(PrinterSession&, const UploadGroupRequest&) override {}
};

}  // namespace

TEST(PrinterLineLoss, StoppingDoesNotWaitForAHungLine) {
  ThreadRig rig;
  HungQuestion question;
  rig.env.groupTransfer = &question;
  rig.Start();
  ASSERT_TRUE(ThreadRig::Until([&] { return rig.display.refreshes > 0; }));
  rig.printer->AddFault(ActionFault("FORMAT", FaultPoint::CommandReply, FaultAction::Silence));
  rig.requests.DownloadGroup.Raise({"Daten speichern"});
  ASSERT_TRUE(ThreadRig::Until([&] {
    const auto commands = rig.printer->Commands();
    return !commands.empty() && commands.back() == "FORMAT";
  }));
  const auto start = Clock::now();
  rig.Stop();
  // The question's limit is ten minutes; the close cancels the wait.
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(60));
  EXPECT_EQ(question.result.load(), -1);
}
