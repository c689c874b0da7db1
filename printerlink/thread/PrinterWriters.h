#pragma once
// The sequences the printer thread runs for the setting forms' requests
// (each inside the settings-level bracket) and for the remote control's
// (single quiet commands). The values come from the request, copied when
// the window raised it.
#include <ctime>
#include <functional>
#include <string>

#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

class PrinterWriters {
 public:
  PrinterWriters(PrinterSession& session, PrinterMirror& mirror, PrinterWindowState& windows,
                 std::function<std::tm()> localNow, std::string tmpDir);

  void SetSimulating(bool simulating) { simulating_ = simulating; }

  void WriteMachineType(const MachineTypeRequest& r);
  void WriteAlignment(const AlignmentRequest& r);  // WriteHeads on firmware with print positions
  void WriteHeads(const AlignmentRequest& r);
  void WriteStartup(const StartupRequest& r);
  void WriteSleep(const SleepRequest& r);
  void WritePrintModes(const PrintModesRequest& r);
  void WriteStartMode(const StartModeRequest& r);
  void WriteStartShift(const ShiftRequest& r);
  void WriteInterfaceStart(const InterfaceStartRequest& r);
  void WriteSuppression(const SuppressionRequest& r);
  void WriteSuppressionShift(const ShiftRequest& r);
  void WriteRunOut(const RunOutRequest& r);
  void WriteClockSource(const ClockSourceRequest& r);
  void WriteSpeedFactor(const SpeedFactorRequest& r);
  void WritePanelType(const PanelTypeRequest& r);
  void WritePanelOption(const PanelOptionRequest& r);
  void WritePrograms(const ProgramsRequest& r);
  void WriteClock(const ClockRequest& r);
  void WriteCounter(const CounterRequest& r);
  void WritePulseDuration(const PulseDurationRequest& r);

  void SelectDt(const SelectDtRequest& r);
  void WriteRemoteDpi(const RemoteDpiRequest& r);
  void ChangeLevel(const LevelRequest& r);
  void PressDisplayButton(const DisplayButtonRequest& r);

  // The two display-line files of the option unit, each sent only when the
  // printer's copy differs: the result of the last transfer (0 unchanged,
  // 1 sent, negative failed), -1 on an exception.
  int SyncDisplayFormatFiles();

 private:
  PrinterSession& session_;
  PrinterMirror& m_;
  PrinterWindowState& windows_;
  std::function<std::tm()> localNow_;
  std::string tmpDir_;
  bool simulating_ = false;
};

// The two-letter weekday the printer's clock takes ("Mo" ... "So") of the
// date in `t` (day, month, year; its tm_wday is not read).
const char* PrinterWeekday(const std::tm& t);

}  // namespace printerthread
