// One full pass of the printer thread's poll schedule (every item due, as
// after a connection or a request) against the printer emulator paced at
// the line's 115200 baud. The figure is the time the pass's own command and
// reply characters need on the line, one after the other, as a fraction of
// the time the pass took: 1.0 would be a line that never pauses.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/support/Measure.h"
#include "bench/support/PacedPrinter.h"
#include "printerlink/SerialLink.h"
#include "printerlink/thread/PollSchedule.h"
#include "printerlink/thread/PortCommandLink.h"

namespace {

constexpr double kCharSeconds = 10.0 / 115200;  // start, eight data bits, stop

// Characters that crossed the line, and the exchanges they belong to.
std::size_t LineCharacters(const printeremu::PrinterEmulator& printer, std::size_t& exchanges) {
  std::size_t n = 0;
  exchanges = 0;
  for (const auto& e : printer.Transcript()) {
    n += bench::LineCharacters(e);
    if (e.kind == printeremu::EntryKind::Command) ++exchanges;
  }
  return n;
}

}  // namespace

int main() {
  using namespace printerlink;
  using namespace printerthread;
  bench::PacedPrinter paced;
  if (!paced.Open()) return 1;
  printeremu::PrinterEmulator& printer = paced.Printer();

  PortCommandLink link;
  PrinterSession session(link, nullptr, [] { return false; });
  PrinterMirror mirror;
  PrinterWindowState windows;
  PrinterQueries queries(session, mirror, {});
  PollSchedule schedule(mirror, windows);

  constexpr int kPasses = 7;
  std::vector<double> fractions, passSeconds;
  double lineSeconds = 0;
  std::size_t exchanges = 0;
  bool ok = true;
  for (int pass = 0; pass <= kPasses; ++pass) {
    PollCounters counters;  // Cycle 0: every item is due
    printer.ClearTranscript();
    const auto start = std::chrono::steady_clock::now();
    const auto end = schedule.RunPass(queries, counters, [] { return false; }, [] {});
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ok = ok && end == PollSchedule::PassEnd::Completed && counters.Changes == kPollItems;
    const double line = LineCharacters(printer, exchanges) * kCharSeconds;
    if (pass == 0) continue;  // the first pass warms up
    fractions.push_back(line / took);
    passSeconds.push_back(took);
    lineSeconds = line;
  }
  (void)ComPortClose(&ComPortHandle);

  std::sort(fractions.begin(), fractions.end());
  std::printf("poll schedule, one full pass of %zu items (%zu exchanges) at 115200 baud, %d passes\n", kPollItems,
              exchanges, kPasses);
  std::printf("ours: the printer thread's queries on the link, 115200 8N1 with XON/XOFF; peer: the printer\n");
  std::printf("emulator on a pseudo-terminal, paced to 115200 baud. The line sets the pace; the machine's\n");
  std::printf("load moves the figures by the pauses it adds (%s).\n", bench::MachineLoad().c_str());
  std::printf("  pass: median %.1f ms, its characters on the line: %.1f ms\n", bench::Median(passSeconds) * 1000,
              lineSeconds * 1000);
  std::printf("  line time / pass time: median %.3f (worst %.3f, best %.3f)%s\n", bench::Median(fractions),
              fractions.front(), fractions.back(), ok ? "" : "  FAILED");
  return ok ? 0 : 1;
}
