#pragma once
// The poll schedule: 35 queries in a fixed order, each with its period (some
// shorter while a window shows their values), separated by request steps.
// An item is due in a cycle whose count is 0 (first cycle of a connection,
// after a request or a failed item) or when more than its period has passed
// since its own last poll; an item with several periods keeps one time
// stamp per period.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/PrinterQueries.h"
#include "printerlink/thread/PrinterWindowState.h"

namespace printerthread {

enum class PollItem {
  Cli, MachineType, Alignment, Startup, Sleep, PrintModes,
  StartMode, StartShift, AuxCommand, AuxPrograms,
  Suppression, SuppressionShift,
  RunOut,
  ClockSource, SpeedFactor, ActualSpeed,
  PanelType, PanelOption, Programs,
  Clock, Status, Counter, PulseDuration, DeviceInfo, FirmwareInfo, CommKit, LanName, LanMac, LanIp, IoBasic,
  CarriageSpeed, Analog,
  Dt, RemoteDpi, DisplayLines,
  Requests,  // a request step, not an item
};
inline constexpr std::size_t kPollItems = 35;

// The rows in their order: the 35 items and the request steps between groups.
const std::vector<PollItem>& PollRows();

// The period that applies now and which of the item's time stamps keeps it.
struct PollPeriod {
  std::uint32_t ms;
  std::size_t stamp;
};
PollPeriod PeriodOf(PollItem item, const PrinterMirror& m, const PrinterWindowState& windows);
// False for the LAN queries while the printer has no LAN module.
bool ItemAsked(PollItem item, const PrinterMirror& m);
// The communication kit alone may fail without ending the cycle; it counts
// as a change only when it stored its word.
bool FailureEndsCycle(PollItem item);

int RunQuery(PollItem item, PrinterQueries& q);

// The counters the poll cycle shares with the thread's loop.
struct PollCounters {
  unsigned Cycle = 0;         // completed cycles; 0 makes every item due
  unsigned Changes = 0;       // items that ran since the last display refresh
  unsigned Errors = 0;        // failed items since the last probe
  unsigned RoundRestart = 0;  // requests served since the last item test
};

class PollSchedule {
 public:
  PollSchedule(PrinterMirror& mirror, PrinterWindowState& windows) : m_(mirror), windows_(windows) {}

  enum class PassEnd { Completed, Restart, Terminated };
  // One pass over the rows: Completed after the last row; Restart when a
  // request was served (the next item test sees it) or an item failed (the
  // printer is probed again); Terminated when asked to stop.
  PassEnd RunPass(PrinterQueries& queries, PollCounters& counters, const std::function<bool()>& terminated,
                  const std::function<void()>& serveRequests);

  // The simulation's own short schedule: machine type, start mode,
  // suppression and clock source every 500 ms, then the request step.
  PassEnd RunSimulationPass(PrinterQueries& queries, PollCounters& counters, const std::function<bool()>& terminated,
                            const std::function<void()>& serveRequests);

  // Whether the item is due now; marks it polled when it is.
  bool TakeIfDue(PollItem item, std::uint32_t period, std::size_t stamp, bool cycleZero);

 private:
  PassEnd RunItems(const std::vector<PollItem>& rows, bool simulation, PrinterQueries& queries,
                   PollCounters& counters, const std::function<bool()>& terminated,
                   const std::function<void()>& serveRequests);

  PrinterMirror& m_;
  PrinterWindowState& windows_;
  // Per item and period: the tick of its last poll, set at the item's first use.
  std::array<std::array<std::optional<std::uint32_t>, 3>, kPollItems + 1> stamps_{};
};

}  // namespace printerthread
