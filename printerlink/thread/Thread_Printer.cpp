#include "printerlink/thread/Thread_Printer.h"

#include "platform/Clock.h"
#include "printerlink/PortControl.h"
#include "printerlink/PortHandles.h"
#include "printerlink/PortSearch.h"
#include "printerlink/PortState.h"
#include "printerlink/thread/AbandonServiceRequests.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/SimulationDemo.h"

using namespace printerthread;

namespace {

ThreadEnvironment WithDefaults(ThreadEnvironment env) {
  if (!env.requests) env.requests = &PrinterRequests();
  if (!env.captions) env.captions = &PrinterCaptionTable();
  if (!env.windows) env.windows = &PrinterWindows();
  if (!env.displays) env.displays = &PrinterDisplays();
  if (!env.useRs232Usb) env.useRs232Usb = [] { return true; };
  if (!env.useBluetooth) env.useBluetooth = [] { return false; };
  if (!env.simulation) env.simulation = [] { return false; };
  return env;
}

}  // namespace

Thread_Printer::Thread_Printer(ThreadEnvironment env)
    : platform::WorkerThread("Printer"),
      env_(WithDefaults(std::move(env))),
      captions_(env_.captions->Get()),
      session_(env_.link ? *env_.link : portLink_, env_.messenger, [this] { return Terminated(); }),
      queries_(session_, mirror_, env_.localNow),
      writers_(session_, mirror_, *env_.windows, env_.localNow, env_.tmpDir),
      schedule_(mirror_, *env_.windows) {}

Thread_Printer::~Thread_Printer() {
  // The loop must be gone before the members it uses. An exchange waiting
  // on a hung line (a console command may wait 30 s) ends at once, so the
  // program's close never waits for the printer.
  Terminate();
  printerlink::CancelAllPorts();
  WaitFor();
  session_.Retire();
}

void Thread_Printer::Execute() {
  try {
    ResetDisplay();
    ZeroCounters();
    mirror_.LinkState = kUnknown;
    Simulating = false;
    searchPosition_ = 0;
    for (;;) {
      if (Terminated()) break;
      if (closeRequested_.exchange(false)) ClosePort();
      captions_ = env_.captions->Get();
      queries_.SetCaptions(captions_);
      SimulationStep();
      queries_.SetSimulating(Simulating);
      writers_.SetSimulating(Simulating);
      if (Simulating) {
        SimulationCycle();
        continue;
      }
      if (mirror_.LinkState == kUnknown && !SearchAndOpen()) {
        AnswerWithoutPrinter();
        continue;
      }
      if ((counters_.Cycle == 0 || counters_.Errors != 0) && !Probe()) {
        AnswerWithoutPrinter();
        continue;
      }
      PollCycle();
    }
  } catch (...) {
    // Whatever escaped the loop ends the thread; the port is closed below.
  }
  ClosePort();
  Terminate();
}

void Thread_Printer::ZeroCounters() { counters_ = PollCounters{}; }

// ---- connecting ----

bool Thread_Printer::SearchAndOpen() {
  const unsigned n = printerlink::ComPortFind(searchPosition_, env_.useRs232Usb(), env_.useBluetooth());
  searchPosition_ = n;
  if (n == 0) {
    ShowSearching(10);
    session_.Sleep(10);
    return false;
  }
  if (OpenPort(n) != 0) {
    ShowSearching(10);
    ResetDisplay();
    session_.Sleep(10);
    return false;
  }
  ZeroCounters();  // so the probe follows at once
  return true;
}

void Thread_Printer::AnswerWithoutPrinter() {
  // A request left waiting for a printer that may never come back would
  // look to the operator as if nothing happened: each sequence runs now,
  // meets no port and ends with its own failure box.
  if (!Terminated()) ServeRequests();
}

bool Thread_Printer::Probe() {
  mirror_.LinkState = kUnknown;
  if (!Terminated()) queries_.ProbeSystem();
  if (mirror_.LinkState == kUnknown) {
    ClosePort();
    // What the operator asked of the printer that has gone is not done to
    // whichever printer answers next.
    if (!Terminated()) AbandonServiceRequests(*env_.requests, Services(), session_);
    ShowSearching(10);
    ResetDisplay();
    session_.Sleep(10);
    return false;
  }
  PortLabelText.clear();
  ShowPortLabel();
  counters_.Errors = 0;
  return true;
}

int Thread_Printer::OpenPort(unsigned n) {
  ClosePort();
  printerlink::ComLockGuard lock;
  printerlink::ComPortHandle = printerlink::ComPortOpen(n);
  if (printerlink::ComPortHandle == printerlink::kNoPort) return -2;
  platform::SleepMs(10);
  if (printerlink::ComPortSetup(printerlink::ComPortHandle, printerlink::kLinkBaud, false) != 0) {
    (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
    return -3;
  }
  platform::SleepMs(10);
  return 0;
}

void Thread_Printer::ClosePort() {
  printerlink::ComLockGuard lock;
  (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
}

// ---- polling ----

void Thread_Printer::PollCycle() {
  const auto end = schedule_.RunPass(
      queries_, counters_, [this] { return Terminated(); }, [this] { ServeRequests(); });
  if (end != PollSchedule::PassEnd::Completed) return;
  if (counters_.Changes != 0) {
    counters_.Changes = 0;
    if (!Terminated()) RefreshDisplay();
  }
  if (mirror_.LinkState == kUnknown) {
    ZeroCounters();
    return;
  }
  // The items' periods alone pace the exchanges.
  session_.Sleep(1);
  ++counters_.Cycle;
}

void Thread_Printer::SimulationStep() {
  if (env_.simulation()) {
    if (!Simulating) {
      Simulating = true;
      // The demo needs no port, and a printer left connected would keep a
      // port that the search cannot hand to anyone else.
      ClosePort();
      ResetDisplay();
      // In force before the label tells the windows that the demo runs.
      mirror_.LinkState = kLinkAnswering;
      mirror_.CliWord = kSimulatedCliWord;
      mirror_.MachineType = 0;
      lastSimulatedType_ = kUnknown;
      PortLabelText = captions_->Simulation;
      ShowPortLabel();
    }
    if (mirror_.MachineType == lastSimulatedType_) return;
    lastSimulatedType_ = mirror_.MachineType;
    FillDemoValues(mirror_, *captions_);
    return;
  }
  if (Simulating) {
    ZeroCounters();
    mirror_.LinkState = kUnknown;
    PortLabelText.assign(1, '.');
    ShowPortLabel();
    // The demo values must not stay on show as if a printer had sent them.
    ResetDisplay();
  }
  Simulating = false;
}

void Thread_Printer::SimulationCycle() {
  const auto end = schedule_.RunSimulationPass(
      queries_, counters_, [this] { return Terminated(); }, [this] { ServeRequests(); });
  if (end != PollSchedule::PassEnd::Completed) return;
  if (counters_.Changes != 0) {
    counters_.Changes = 0;
    RefreshDisplay();
  }
  session_.Sleep(100);
  ++counters_.Cycle;
}

printerthread::ServiceSequences& Thread_Printer::Services() {
  return env_.services ? *env_.services : static_cast<ServiceSequences&>(notAvailable_);
}

void Thread_Printer::ServeRequests() {
  RequestBoard& b = *env_.requests;
  GroupTransfer& transfer = env_.groupTransfer ? *env_.groupTransfer : static_cast<GroupTransfer&>(notAvailable_);
  ServiceSequences& services = Services();
  unsigned count = 0;
  // Each flag is taken with its values before its sequence runs; raised
  // again meanwhile, it is served on the next pass.
  auto serve = [&](auto& slot, auto&& run) {
    auto request = slot.Take();
    if (!request) return;
    try {
      run(*request);
    } catch (...) {
      // A failing sequence has reported what it could; the others still run.
    }
    ++count;
  };
  // A sequence of its own moves the printer through levels of its own
  // (the settings level, "RESET"): where it ends is not known until asked,
  // and a level the remote control sent before no longer counts.
  auto serveSequence = [&](auto& slot, auto&& run) {
    serve(slot, [&](const auto& r) {
      mirror_.LevelSent = LevelOnTheWay{};
      run(r);
      mirror_.State = kUnknown;
    });
  };
  PrinterWriters& w = writers_;
  PrinterSession& s = session_;
  serveSequence(b.MachineType, [&](const auto& r) { w.WriteMachineType(r); });
  serveSequence(b.Alignment, [&](const auto& r) { w.WriteAlignment(r); });
  serveSequence(b.Startup, [&](const auto& r) { w.WriteStartup(r); });
  serveSequence(b.Sleep, [&](const auto& r) { w.WriteSleep(r); });
  serveSequence(b.PrintModes, [&](const auto& r) { w.WritePrintModes(r); });
  serveSequence(b.StartMode, [&](const auto& r) { w.WriteStartMode(r); });
  serveSequence(b.StartShift, [&](const auto& r) { w.WriteStartShift(r); });
  serveSequence(b.InterfaceStart, [&](const auto& r) { w.WriteInterfaceStart(r); });
  serveSequence(b.Suppression, [&](const auto& r) { w.WriteSuppression(r); });
  serveSequence(b.SuppressionShift, [&](const auto& r) { w.WriteSuppressionShift(r); });
  serveSequence(b.RunOut, [&](const auto& r) { w.WriteRunOut(r); });
  serveSequence(b.ClockSource, [&](const auto& r) { w.WriteClockSource(r); });
  serveSequence(b.SpeedFactor, [&](const auto& r) { w.WriteSpeedFactor(r); });
  serveSequence(b.PanelType, [&](const auto& r) { w.WritePanelType(r); });
  serveSequence(b.PanelOption, [&](const auto& r) { w.WritePanelOption(r); });
  serveSequence(b.Programs, [&](const auto& r) { w.WritePrograms(r); });
  serveSequence(b.Clock, [&](const auto& r) { w.WriteClock(r); });
  serveSequence(b.Counter, [&](const auto& r) { w.WriteCounter(r); });
  serveSequence(b.PulseDuration, [&](const auto& r) { w.WritePulseDuration(r); });
  serve(b.SelectDt, [&](const auto& r) { w.SelectDt(r); });
  serve(b.RemoteDpi, [&](const auto& r) { w.WriteRemoteDpi(r); });
  serve(b.Level, [&](const auto& r) {
    // After such a sequence, or before the first poll of a new connection,
    // the printer is asked its level first, so the click is not lost.
    if (mirror_.State == kUnknown && mirror_.LinkState == kLinkAnswering && !Simulating) queries_.QueryStatus();
    w.ChangeLevel(r);
  });
  serve(b.DisplayButton, [&](const auto& r) { w.PressDisplayButton(r); });
  serveSequence(b.BackupConfig, [&](const auto& r) { services.BackupConfig(s, r); });
  serveSequence(b.RestoreConfig, [&](const auto& r) { services.RestoreConfig(s, r); });
  serveSequence(b.ConsoleCommand, [&](const auto& r) { services.RunConsoleCommand(s, r); });
  serveSequence(b.StoreConfig, [&](const auto& r) { services.StoreConfigFromEditor(s, r); });
  serveSequence(b.FetchConfig, [&](const auto& r) { services.FetchConfigForEditor(s, r); });
  serveSequence(b.FirmwareInstall, [&](const auto& r) { services.InstallFirmware(s, r); });
  serveSequence(b.DownloadGroup, [&](const auto& r) { transfer.DownloadGroup(s, r); });
  serveSequence(b.UploadGroup, [&](const auto& r) { transfer.UploadGroup(s, r); });
  counters_.RoundRestart += count;
}

// ---- display steps ----

void Thread_Printer::Sync(const std::function<void()>& step) { session_.Synchronize(step); }

void Thread_Printer::ResetDisplay() {
  mirror_ = PrinterMirror{};  // LinkState and CliWord -1, every value unknown
  Sync([this] {
    env_.windows->PrinterPrintText = kUnknown;
    env_.windows->PrinterPrintMode = kUnknown;
    const DisplayView view{mirror_, *captions_, *env_.requests, *env_.windows};
    env_.displays->ForEach([&](PrinterDisplay& d) { d.ResetDisplay(view); });
  });
}

void Thread_Printer::RefreshDisplay() {
  // The captions as they are now: a value read before a change of language
  // is shown in the new one.
  captions_ = env_.captions->Get();
  DeriveCaptionTexts(mirror_, *captions_);
  Sync([this] {
    env_.windows->PrinterPrintText = mirror_.DtValue;
    env_.windows->PrinterPrintMode = mirror_.RemoteDpi;
    const DisplayView view{mirror_, *captions_, *env_.requests, *env_.windows};
    env_.displays->ForEach([&](PrinterDisplay& d) { d.RefreshDisplay(view); });
  });
}

void Thread_Printer::ShowPortLabel() {
  Sync([this] { env_.displays->ForEach([&](PrinterDisplay& d) { d.ShowPortLabel(PortLabelText); }); });
}

void Thread_Printer::ShowSearching(std::uint32_t interval) {
  if (auto strip = strip_.Move(platform::TickCount(), interval)) {
    PortLabelText = *strip;
    ShowPortLabel();
  }
}
