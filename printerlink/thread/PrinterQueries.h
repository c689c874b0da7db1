#pragma once
// The poll queries of the printer thread: each asks the printer one group
// of values and stores them in the mirror. Results: 1 stored, 0 done
// without a change of the mirror (where stated), negative on failure (the
// poll schedule takes that for a link error).
//
// While the simulation runs, the machine type, start mode, suppression and
// clock source queries take their values from the mirror instead of asking.
#include <ctime>
#include <functional>
#include <memory>

#include "printerlink/thread/PrinterCaptions.h"
#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/PrinterSession.h"

namespace printerthread {

class PrinterQueries {
 public:
  PrinterQueries(PrinterSession& session, PrinterMirror& mirror, std::function<std::tm()> localNow);

  // The captions to build texts from, taken once per poll cycle.
  void SetCaptions(std::shared_ptr<const PrinterCaptions> captions) { captions_ = std::move(captions); }
  void SetSimulating(bool simulating) { simulating_ = simulating; }

  int ProbeSystem();  // "INFO.SYSTEM" up to three times: LinkState 23 or -1
  int QueryCli();
  // Device.
  int QueryMachineType();
  int QueryAlignment();
  int QueryHeads();
  int QueryStartup();
  int QuerySleep();
  int QueryPrintModes();
  // Start, suppression, run-out, speed.
  int QueryStartMode();
  int QueryStartShift();
  int QueryAuxCommand();
  int QueryAuxPrograms();
  int QuerySuppression();
  int QuerySuppressionShift();
  int QueryRunOut();
  int QueryClockSource();
  int QuerySpeedFactor();
  int QueryActualSpeed();
  int QueryCarriageSpeed();
  // Operator panel, option unit, programs.
  int QueryPanelType();
  int QueryPanelOption();
  int QueryPrograms();
  // Controller.
  int QueryClock();
  int QueryCounter();
  int QueryCommKit();
  int QueryLanName();
  int QueryLanMac();
  int QueryLanIp();
  int QueryPulseDuration();
  // Information and diagnosis.
  int QueryDeviceInfo();
  int QueryFirmwareInfo();
  int QueryIoBasic();
  int QueryAnalog();
  int QueryAnalogExt();
  // Remote control.
  int QueryStatus();
  int QueryDt();
  int QueryRemoteDpi();
  int QueryDisplayLines();

 private:
  template <std::size_t N>
  std::optional<std::array<int, N>> AskIntegers(std::string_view command);
  // Start and suppression: the mode text, then the filter under its gate.
  int QueryShift(const char* command, int& mode, std::string& distanceText, int& distance, std::string& timeText,
                 int& time);
  int QueryFilter(const char* command, int& filter);
  int QueryLanWord(const char* command, std::string& into);
  int QueryIdentification(const char* command, std::string& into);

  PrinterSession& session_;
  PrinterMirror& m_;
  std::function<std::tm()> localNow_;
  std::shared_ptr<const PrinterCaptions> captions_;
  bool simulating_ = false;
};

}  // namespace printerthread
