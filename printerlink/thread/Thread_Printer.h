#pragma once
// The one worker thread that talks to the printer. It searches the ports of
// the enabled link kinds, checks that a printer answers "INFO.SYSTEM" with
// 23, polls the printer's state and settings in a fixed schedule into its
// mirror, serves the windows' requests between groups of polls and has
// every display rewritten after each cycle in which a query ran. With the
// PC setting "Simulation" on it shows a demo state without any port.
//
// It reaches windows only through Synchronize (the display steps and the
// message boxes) and the shared request board, caption table and window
// state; the GUI reads CliWord and DpiIndex at any time.
//
// A port that hangs up (a USB adapter pulled out) fails the exchange at
// once: the failed poll and probe close the port, reset the displays and
// search again, finding the printer under the same or another port. Requests
// raised while no printer answers are served at once and end with their
// failure boxes.
//
// The main window creates it when first shown and deletes it before any
// window it works with: deleting stops the loop (also while it waits for the
// GUI thread or on a hung line) and closes the port.
#include <atomic>
#include <memory>
#include <string>

#include "platform/WorkerThread.h"
#include "printerlink/thread/PortCommandLink.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/NotAvailable.h"
#include "printerlink/thread/PollSchedule.h"
#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/PrinterQueries.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/PrinterWriters.h"
#include "printerlink/thread/SearchStrip.h"
#include "printerlink/thread/ThreadEnvironment.h"

class Thread_Printer : public platform::WorkerThread {
 public:
  explicit Thread_Printer(printerthread::ThreadEnvironment env = {});
  ~Thread_Printer() override;

  int GetCliWord() const { return mirror_.CliWord; }
  int GetDpiIndex() const { return mirror_.DpiIndex; }

  // After the PC settings changed: the thread closes the port at its next
  // turn and searches again with the new link kinds. Returns at once (the
  // GUI thread never waits for the port lock).
  void RequestPortClose() { closeRequested_.store(true); }

 protected:
  void Execute() override;

 private:
  // Connecting.
  bool SearchAndOpen();
  bool Probe();
  void AnswerWithoutPrinter();
  int OpenPort(unsigned n);
  void ClosePort();
  // Polling and serving.
  void PollCycle();
  void SimulationStep();
  void SimulationCycle();
  void ServeRequests();
  // The plugged-in service sequences, else "not available".
  printerthread::ServiceSequences& Services();
  void ZeroCounters();
  // Display steps.
  void ResetDisplay();
  void RefreshDisplay();
  void ShowPortLabel();
  void ShowSearching(std::uint32_t interval);
  void Sync(const std::function<void()>& step);

  printerthread::ThreadEnvironment env_;
  printerthread::PortCommandLink portLink_;
  printerthread::NotAvailable notAvailable_;

  printerthread::PrinterMirror mirror_;
  std::shared_ptr<const printerthread::PrinterCaptions> captions_;
  printerthread::PrinterSession session_;
  printerthread::PrinterQueries queries_;
  printerthread::PrinterWriters writers_;
  printerthread::PollSchedule schedule_;
  printerthread::PollCounters counters_;
  printerthread::SearchStrip strip_;

  std::string PortLabelText;
  bool Simulating = false;
  int lastSimulatedType_ = -1;
  unsigned searchPosition_ = 0;
  std::atomic<bool> closeRequested_{false};
};
