#include "printerlink/thread/PollSchedule.h"

#include "platform/Clock.h"

namespace printerthread {
namespace {

constexpr std::uint32_t kMinute = 60000;

}  // namespace

const std::vector<PollItem>& PollRows() {
  using P = PollItem;
  static const std::vector<PollItem> rows = {
      P::Cli, P::MachineType, P::Alignment, P::Startup, P::Sleep, P::PrintModes, P::Requests,
      P::StartMode, P::StartShift, P::AuxCommand, P::AuxPrograms, P::Requests,
      P::Suppression, P::SuppressionShift, P::Requests,
      P::RunOut, P::Requests,
      P::ClockSource, P::SpeedFactor, P::ActualSpeed, P::Requests,
      P::PanelType, P::PanelOption, P::Programs, P::Requests,
      P::Clock, P::Status, P::Counter, P::PulseDuration, P::DeviceInfo, P::FirmwareInfo, P::CommKit, P::LanName,
      P::LanMac, P::LanIp, P::IoBasic, P::CarriageSpeed, P::Analog, P::Requests,
      P::Dt, P::RemoteDpi, P::DisplayLines, P::Requests,
  };
  return rows;
}

PollPeriod PeriodOf(PollItem item, const PrinterMirror& m, const PrinterWindowState& w) {
  const bool diagnosis = w.DiagnosisVisible.load();
  const bool remote = w.RemoteControlVisible.load();
  auto either = [](bool fast, std::uint32_t ms) { return fast ? PollPeriod{ms, 1} : PollPeriod{kMinute, 0}; };
  switch (item) {
    case PollItem::SpeedFactor:
      return either((w.SpeedFactorFormVisible.load() || diagnosis) && m.ClockSource != 0, 500);
    case PollItem::ActualSpeed: return either(m.ClockSource != 0, 500);
    case PollItem::Clock: return {1000, 0};
    case PollItem::Status: return {500, 0};
    case PollItem::Counter: return {1000, 0};
    case PollItem::LanIp: return {10000, 0};
    case PollItem::IoBasic: return either(diagnosis, 10);
    case PollItem::CarriageSpeed: return either(diagnosis, 500);
    case PollItem::Analog: return either(diagnosis, 100);
    case PollItem::Dt:
    case PollItem::RemoteDpi: return either(remote, 100);
    case PollItem::DisplayLines:
      if (remote && !diagnosis && m.Option == 3) return {100, 1};
      if (diagnosis && m.Option == 3) return {1000, 2};
      return {kMinute, 0};
    default: return {kMinute, 0};
  }
}

bool ItemAsked(PollItem item, const PrinterMirror& m) {
  if (item == PollItem::LanName || item == PollItem::LanMac || item == PollItem::LanIp) return m.CommKit[0] != 0;
  return true;
}

bool FailureEndsCycle(PollItem item) { return item != PollItem::CommKit; }

int RunQuery(PollItem item, PrinterQueries& q) {
  switch (item) {
    case PollItem::Cli: return q.QueryCli();
    case PollItem::MachineType: return q.QueryMachineType();
    case PollItem::Alignment: return q.QueryAlignment();
    case PollItem::Startup: return q.QueryStartup();
    case PollItem::Sleep: return q.QuerySleep();
    case PollItem::PrintModes: return q.QueryPrintModes();
    case PollItem::StartMode: return q.QueryStartMode();
    case PollItem::StartShift: return q.QueryStartShift();
    case PollItem::AuxCommand: return q.QueryAuxCommand();
    case PollItem::AuxPrograms: return q.QueryAuxPrograms();
    case PollItem::Suppression: return q.QuerySuppression();
    case PollItem::SuppressionShift: return q.QuerySuppressionShift();
    case PollItem::RunOut: return q.QueryRunOut();
    case PollItem::ClockSource: return q.QueryClockSource();
    case PollItem::SpeedFactor: return q.QuerySpeedFactor();
    case PollItem::ActualSpeed: return q.QueryActualSpeed();
    case PollItem::PanelType: return q.QueryPanelType();
    case PollItem::PanelOption: return q.QueryPanelOption();
    case PollItem::Programs: return q.QueryPrograms();
    case PollItem::Clock: return q.QueryClock();
    case PollItem::Status: return q.QueryStatus();
    case PollItem::Counter: return q.QueryCounter();
    case PollItem::PulseDuration: return q.QueryPulseDuration();
    case PollItem::DeviceInfo: return q.QueryDeviceInfo();
    case PollItem::FirmwareInfo: return q.QueryFirmwareInfo();
    case PollItem::CommKit: return q.QueryCommKit();
    case PollItem::LanName: return q.QueryLanName();
    case PollItem::LanMac: return q.QueryLanMac();
    case PollItem::LanIp: return q.QueryLanIp();
    case PollItem::IoBasic: return q.QueryIoBasic();
    case PollItem::CarriageSpeed: return q.QueryCarriageSpeed();
    case PollItem::Analog: return q.QueryAnalog();
    case PollItem::Dt: return q.QueryDt();
    case PollItem::RemoteDpi: return q.QueryRemoteDpi();
    case PollItem::DisplayLines: return q.QueryDisplayLines();
    case PollItem::Requests: return 0;
  }
  return -1;
}

bool PollSchedule::TakeIfDue(PollItem item, std::uint32_t period, std::size_t stamp, bool cycleZero) {
  const std::uint32_t now = platform::TickCount();
  auto& last = stamps_[static_cast<std::size_t>(item)][stamp];
  if (!last) last = now;
  // Unsigned, so the comparison survives the tick count's wrap-around.
  if (!cycleZero && !(now - *last > period)) return false;
  last = now;
  return true;
}

PollSchedule::PassEnd PollSchedule::RunItems(const std::vector<PollItem>& rows, bool simulation,
                                             PrinterQueries& queries, PollCounters& c,
                                             const std::function<bool()>& terminated,
                                             const std::function<void()>& serveRequests) {
  for (PollItem item : rows) {
    if (terminated()) return PassEnd::Terminated;
    if (item == PollItem::Requests) {
      serveRequests();
      continue;
    }
    if (c.RoundRestart != 0) {
      c.RoundRestart = 0;
      c.Cycle = 0;
      return PassEnd::Restart;
    }
    if (!simulation && !ItemAsked(item, m_)) continue;
    const PollPeriod period = simulation ? PollPeriod{500, 2} : PeriodOf(item, m_, windows_);
    if (!TakeIfDue(item, period.ms, period.stamp, c.Cycle == 0)) continue;
    const int result = RunQuery(item, queries);
    if (result < 0) {
      if (!FailureEndsCycle(item)) continue;
      ++c.Errors;
      c.Cycle = 0;
      return PassEnd::Restart;
    }
    if (item != PollItem::CommKit || result == 1) ++c.Changes;
  }
  return PassEnd::Completed;
}

PollSchedule::PassEnd PollSchedule::RunPass(PrinterQueries& queries, PollCounters& counters,
                                            const std::function<bool()>& terminated,
                                            const std::function<void()>& serveRequests) {
  return RunItems(PollRows(), false, queries, counters, terminated, serveRequests);
}

PollSchedule::PassEnd PollSchedule::RunSimulationPass(PrinterQueries& queries, PollCounters& counters,
                                                      const std::function<bool()>& terminated,
                                                      const std::function<void()>& serveRequests) {
  using P = PollItem;
  static const std::vector<PollItem> rows = {P::MachineType, P::StartMode, P::Suppression, P::ClockSource,
                                             P::Requests};
  return RunItems(rows, true, queries, counters, terminated, serveRequests);
}

}  // namespace printerthread
