// From OK in a setting form to its sequence at the printer: the printer
// thread polls the printer emulator paced at the line's 115200 baud, the
// start-mode form raises its request at a moment spread over the poll
// cycle, and the figures are how long until the thread takes the request
// (its busy box shows) and until the first command line of the sequence
// ("ENABLE 0", after the bracket's fixed 1000 ms pause) reaches the
// printer, each beside the time of one full poll pass measured in the same
// run. The aim is that a request is served within the pass that follows
// the OK: taken within a fraction of a pass, with no idle wait.
#include <QApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/support/PacedPrinter.h"
#include "platform/Synchronize.h"
#include "platform/qt/GuiThread.h"
#include "printerlink/SerialLink.h"
#include "printerlink/thread/PollSchedule.h"
#include "printerlink/thread/PortCommandLink.h"
#include "printerlink/thread/PrinterMessenger.h"
#include "printerlink/thread/RequestBoard.h"
#include "printerlink/thread/Thread_Printer.h"
#include "printersettings/ui/TFormPrinterStartModus.h"

namespace {

using Clock = std::chrono::steady_clock;

// The printer port, noting when the sequence's first line goes out.
class MarkingLink final : public printerthread::CommandLink {
 public:
  int Exchange(std::string_view command, std::string& reply, std::uint32_t t, std::size_t capacity) override {
    if (command == "ENABLE 0") enable = Clock::now();
    return port_.Exchange(command, reply, t, capacity);
  }
  std::atomic<Clock::time_point> enable{};

 private:
  printerthread::PortCommandLink port_;
};

// Notes when the busy box of a sequence shows: the thread has taken the
// request.
class MarkingMessenger final : public printerthread::PrinterMessenger {
 public:
  void ShowMessage(const printerthread::PrinterBox& box) override {
    if (box.kind == printerthread::BoxKind::Busy) busy = Clock::now();
  }
  void CloseMessage() override { ++closed; }
  Clock::time_point busy{};
  int closed = 0;
};

// One full pass of the poll schedule, every item due: the unit of the
// figures.
double FullPassSeconds() {
  using namespace printerthread;
  PortCommandLink link;
  PrinterSession session(link, nullptr, [] { return false; });
  PrinterMirror mirror;
  PrinterWindowState windows;
  PrinterQueries queries(session, mirror, {});
  PollSchedule schedule(mirror, windows);
  std::vector<double> passes;
  for (int pass = 0; pass < 4; ++pass) {
    PollCounters counters;
    const auto start = Clock::now();
    schedule.RunPass(queries, counters, [] { return false; }, [] {});
    passes.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(passes.begin(), passes.end());
  return passes[passes.size() / 2];
}

bool Pump(const std::function<bool()>& done, int ms) {
  const auto until = Clock::now() + std::chrono::milliseconds(ms);
  bool met = false;
  platform::WaitWhilePumping(
      [&] {
        QApplication::processEvents();
        met = done();
        return met || Clock::now() > until;
      },
      std::chrono::milliseconds(1));
  return met;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  platform::InstallGuiThread();
  bench::PacedPrinter paced;
  if (!paced.Open()) return 1;
  const double pass = FullPassSeconds();
  (void)printerlink::ComPortClose(&printerlink::ComPortHandle);  // the thread opens it itself

  TFormPrinterStartModus form(nullptr);
  MarkingLink link;
  MarkingMessenger messenger;
  printerthread::ThreadEnvironment env;
  env.link = &link;
  env.messenger = &messenger;
  Thread_Printer thread(env);
  thread.Start();
  if (!Pump([&] { return form.PrinterStartMode >= 0; }, 30000)) {
    std::fprintf(stderr, "no printer values\n");
    return 1;
  }

  constexpr int kTrials = 9;
  std::vector<double> taken, first;
  bool ok = true;
  for (int trial = 0; trial < kTrials; ++trial) {
    // Somewhere in the poll cycle.
    Pump([] { return false; }, 97 * trial % 700);
    form.EditStartMode = 1 + trial % 2;
    form.EditFilter = trial;
    const int closed = messenger.closed;
    const auto ok0 = Clock::now();
    form.RaiseRequest();
    ok = Pump([&] { return messenger.closed > closed; }, 20000) && ok;
    taken.push_back(Ms(messenger.busy - ok0));
    first.push_back(Ms(link.enable.load() - ok0));
  }
  thread.Terminate();
  std::sort(taken.begin(), taken.end());
  std::sort(first.begin(), first.end());
  const double passMs = pass * 1000;
  auto median = [](const std::vector<double>& v) { return v[v.size() / 2]; };
  std::printf("setting request (start mode) against the printer emulator at 115200 baud, %d requests\n", kTrials);
  std::printf("  one full poll pass: %.1f ms (median of 4)\n", passMs);
  std::printf("  OK to the request taken (busy box): median %.1f ms = %.3f of a pass (worst %.1f ms = %.3f)\n",
              median(taken), median(taken) / passMs, taken.back(), taken.back() / passMs);
  std::printf("  OK to \"ENABLE 0\" at the printer: median %.1f ms, of it the bracket's fixed pause 1000 ms;\n"
              "    the rest %.1f ms = %.3f of a pass (worst %.1f ms = %.3f)%s\n",
              median(first), median(first) - 1000, (median(first) - 1000) / passMs, first.back() - 1000,
              (first.back() - 1000) / passMs, ok ? "" : "  FAILED");
  return ok ? 0 : 1;
}
