#include "printerlink/thread/PrinterWriters.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "printerlink/thread/LevelChange.h"
#include "printerlink/thread/LockedFileSync.h"

namespace printerthread {
namespace {

std::string Join(const char* word, std::initializer_list<long long> values) {
  std::string line = word;
  for (long long v : values) line += " " + std::to_string(v);
  return line;
}

template <std::size_t N>
std::string JoinArray(const char* word, const std::array<int, N>& values) {
  std::string line = word;
  for (int v : values) line += " " + std::to_string(v);
  return line;
}

SettingStep Send(std::string command) { return SettingStep::Send(std::move(command)); }

}  // namespace

const char* PrinterWeekday(const std::tm& t) {
  // Worked out from the date itself (days since 1.1.1970, a Thursday), so
  // the weekday sent always belongs to the date sent beside it.
  const long long year = static_cast<long long>(t.tm_year) + 1900 - (t.tm_mon < 2 ? 1 : 0);
  const long long month = t.tm_mon + 1;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + t.tm_mday - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const long long days = era * 146097 + dayOfEra - 719468;
  static const char* const kDays[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};  // 0 Sunday
  return kDays[((days + 4) % 7 + 7) % 7];
}

PrinterWriters::PrinterWriters(PrinterSession& session, PrinterMirror& mirror, PrinterWindowState& windows,
                               std::function<std::tm()> localNow, std::string tmpDir)
    : session_(session),
      m_(mirror),
      windows_(windows),
      localNow_(localNow ? std::move(localNow) : std::function<std::tm()>(platform::LocalNow)),
      tmpDir_(std::move(tmpDir)) {}

// ---- device ----

void PrinterWriters::WriteMachineType(const MachineTypeRequest& r) {
  if (simulating_) {
    m_.MachineType = r.EditMachineType;
    return;
  }
  session_.RunSettingSequence(r.Title, {Send(Join("MASCHINE", {r.EditMachineType})), SettingStep::Save()},
                              BracketEnd::Reset);
}

void PrinterWriters::WriteAlignment(const AlignmentRequest& r) {
  if (m_.CliWord >= 10) return WriteHeads(r);
  session_.RunSettingSequence(r.Title, {Send(Join("AUSRICHTUNG", {r.EditOrientation[0]})), SettingStep::Save()},
                              BracketEnd::Stop);
}

void PrinterWriters::WriteHeads(const AlignmentRequest& r) {
  std::vector<SettingStep> steps{Send(Join("HEAD.CMD", {r.EditHeadMode}))};
  // Twelfths of a millimetre; computed wide so that no offset wraps.
  for (int n = 0; n < 3; ++n)
    steps.push_back(Send(Join("HEAD.VERSATZ", {n, static_cast<long long>(r.EditHeadOffset[static_cast<std::size_t>(n)]) * 12})));
  for (int n = 0; n < 3; ++n)
    steps.push_back(Send(Join("HEAD.AUSRICHTUNG", {n, r.EditOrientation[static_cast<std::size_t>(n)]})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::ResetAlways);
}

void PrinterWriters::WriteStartup(const StartupRequest& r) {
  session_.RunSettingSequence(r.Title, {Send(Join("STARTUP", {r.EditStartupState})), SettingStep::Save()},
                              BracketEnd::Stop);
}

void PrinterWriters::WriteSleep(const SleepRequest& r) {
  session_.RunSettingSequence(
      r.Title, {Send(Join("SLEEP", {r.EditWaitTime, r.EditReverseTime, r.EditReversePower})), SettingStep::Save()},
      BracketEnd::Stop);
}

void PrinterWriters::WritePrintModes(const PrintModesRequest& r) {
  const int cli = m_.CliWord;
  if (!(cli < 0 || (cli & kCliPrintModeTable))) return;  // older firmware has a fixed table
  std::vector<SettingStep> steps{Send(Join("DPI.ANZAHL", {r.EditModeCount}))};
  for (int n = 0; n < 8; ++n) steps.push_back(Send(Join("DPI.MODUS", {n, r.EditModeIndex[static_cast<std::size_t>(n)]})));
  for (int n = 0; n < 8; ++n) steps.push_back(Send(Join("DPI.ANZEIGE", {n, r.EditModeCode[static_cast<std::size_t>(n)]})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::ResetAlways);
}

// ---- start, suppression, run-out, speed ----

void PrinterWriters::WriteStartMode(const StartModeRequest& r) {
  if (simulating_) {
    m_.StartMode = r.EditStartMode;
    m_.StartFilter = r.EditFilter;
    return;
  }
  std::vector<SettingStep> steps{Send(Join("START", {r.EditStartMode}))};
  if (FilterGate(m_.CliWord)) steps.push_back(Send(Join("START.FILTER", {r.EditFilter})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Stop);
}

void PrinterWriters::WriteStartShift(const ShiftRequest& r) {
  session_.RunSettingSequence(
      r.Title,
      {Send(Join("START.VERSCHIEBEN", {r.EditShiftMode, r.EditShiftDistance, r.EditShiftTime})),
       SettingStep::Save()},
      BracketEnd::Stop);
}

void PrinterWriters::WriteInterfaceStart(const InterfaceStartRequest& r) {
  std::vector<SettingStep> steps{Send(Join("AUX.CMD", {r.EditInterfaceMode, r.EditSignalLines}))};
  for (int n = 0; n < 16; ++n)
    steps.push_back(Send(Join("AUX.PROG", {n, r.EditSignalText[static_cast<std::size_t>(n)]})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Stop);
}

void PrinterWriters::WriteSuppression(const SuppressionRequest& r) {
  if (simulating_) {
    m_.SuppressionMode = r.EditSuppressionMode;
    m_.SuppressionFilter = r.EditFilter;
    return;
  }
  std::vector<SettingStep> steps{Send(Join("UNTERDRUECKUNG", {r.EditSuppressionMode}))};
  if (FilterGate(m_.CliWord)) steps.push_back(Send(Join("UNTERDRUECKUNG.FILTER", {r.EditFilter})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Stop);
}

void PrinterWriters::WriteSuppressionShift(const ShiftRequest& r) {
  session_.RunSettingSequence(
      r.Title,
      {Send(Join("UNTERDRUECKUNG.VERSCHIEBEN", {r.EditShiftMode, r.EditShiftDistance, r.EditShiftTime})),
       SettingStep::Save()},
      BracketEnd::Stop);
}

void PrinterWriters::WriteRunOut(const RunOutRequest& r) {
  session_.RunSettingSequence(r.Title, {Send(Join("AUSLAUF", {r.EditRunOutMode, r.EditFilter})), SettingStep::Save()},
                              BracketEnd::Stop);
}

void PrinterWriters::WriteClockSource(const ClockSourceRequest& r) {
  if (simulating_) {
    m_.ClockSource = r.EditClockSource;
    m_.InternalSpeed = r.EditSpeed;
    return;
  }
  session_.RunSettingSequence(r.Title, {Send(Join("SPEED", {r.EditClockSource, r.EditSpeed})), SettingStep::Save()},
                              BracketEnd::Stop);
}

void PrinterWriters::WriteSpeedFactor(const SpeedFactorRequest& r) {
  session_.RunSettingSequence(
      r.Title, {Send(Join("SPEED.FAKTOR", {r.EditFactorMode, r.EditFactor})), SettingStep::Save()},
      BracketEnd::Stop);
}

// ---- operator panel, option unit, programs ----

void PrinterWriters::WritePanelType(const PanelTypeRequest& r) {
  if (r.EditPanelType < 0) return;  // not chosen: the printer keeps its panel
  std::vector<SettingStep> steps{Send(Join("MMI", {r.EditPanelType}))};
  // Older firmware is neither asked nor told the REDAdid mode.
  if (r.EditPanelType == 2 && m_.CliWord >= 2) steps.push_back(Send(Join("MMI.REDADID.MODUS", {r.EditPanelMode})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Reset);
}

void PrinterWriters::WritePanelOption(const PanelOptionRequest& r) {
  if (m_.CliWord < 2) return;
  if (r.EditOption < 0) return;  // not chosen: the printer keeps its unit
  std::vector<SettingStep> steps{Send(Join("OPTION", {r.EditOption}))};
  if (r.EditOption == 1) steps.push_back(Send(Join("OPTION.REDADID.MODUS", {r.EditMmiMode})));
  if (r.EditOption == 3) {
    steps.push_back(Send(Join("OPTION.D0216.BUTTON", {r.EditDisplayButton})));
    steps.push_back(Send(Join("OPTION.D0216.MODUS", {r.EditDisplayMode})));
    // Mode 2 shows the lines of the two files: one that does not reach the
    // printer fails the setting like a refused command.
    if (r.EditDisplayMode == 2) steps.push_back(SettingStep::Check([this] { return SyncDisplayFormatFiles() >= 0; }));
  }
  // The SignalUnit values go with every option, so the printer keeps the
  // ones last chosen.
  steps.push_back(Send(Join("OPTION.SIGNALUNIT.TYP", {r.EditSignalType})));
  steps.push_back(Send(JoinArray("OPTION.SIGNALUNIT.ALARM", r.EditAlarm)));
  steps.push_back(Send(JoinArray("OPTION.SIGNALUNIT.HORN", r.EditHorn)));
  steps.push_back(Send(JoinArray("OPTION.SIGNALUNIT.SIGNAL", r.EditLamp)));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Reset);
}

int PrinterWriters::SyncDisplayFormatFiles() {
  int result = -1;
  for (const char* name : {"D0216F0.SYS", "D0216F1.SYS"}) {
    result = SendFileToPrinter(tmpDir_ + name, std::string("SYSTEM\\") + name);
    if (result < 0) break;
  }
  return result;
}

void PrinterWriters::WritePrograms(const ProgramsRequest& r) {
  std::vector<SettingStep> steps;
  for (std::size_t n = 0; n < 3; ++n)
    steps.push_back(Send(Join("PROG", {static_cast<long long>(n), r.EditProgramMode[n], r.EditProgramText[n],
                                       r.EditProgramSpeed[n], r.EditProgramPause[n]})));
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Stop);
}

// ---- controller ----

void PrinterWriters::WriteClock(const ClockRequest& r) {
  // The printer clock is set from the PC clock; the clock keeps no
  // configuration, so nothing is saved.
  const std::tm now = localNow_();
  session_.RunSettingSequence(r.Title,
                              {Send("RTC.TIME " + platform::LongTimeText(now)),
                               Send("RTC.DATE " + platform::ShortDateText(now) + " " + PrinterWeekday(now))},
                              BracketEnd::Stop);
}

void PrinterWriters::WriteCounter(const CounterRequest& r) {
  std::string command = r.EditCounterReset == 1 ? Join("COUNTER", {r.EditIncrement, 0}) + " ZAMFI"
                                                 : Join("COUNTER", {r.EditIncrement});
  session_.RunSettingSequence(r.Title, {Send(command), SettingStep::Save()}, BracketEnd::Stop);
}

void PrinterWriters::WritePulseDuration(const PulseDurationRequest& r) {
  std::vector<SettingStep> steps;
  if (HasCliBit(m_.CliWord, kCliExtendedPulse)) {
    steps.push_back(Send(Join("HEAD.PULSDAUER", {r.EditPulse, r.EditPulsePause, r.EditPrePulse})));
    steps.push_back(Send(Join("HEAD.HEIZUNG", {r.EditRefresh})));
    steps.push_back(Send(Join("HEAD.H600DPI", {r.EditInkQuantity})));
  } else {
    steps.push_back(Send(Join("HEAD.PULSDAUER", {r.EditPulse})));
  }
  steps.push_back(SettingStep::Save());
  session_.RunSettingSequence(r.Title, steps, BracketEnd::Stop);
}

// ---- remote control ----

void PrinterWriters::SelectDt(const SelectDtRequest& r) {
  if (r.EditPrintText == windows_.PrinterPrintText.load()) return;
  windows_.PrinterPrintText = r.EditPrintText;
  session_.SendQuiet(Join("DT", {r.EditPrintText}));
}

void PrinterWriters::WriteRemoteDpi(const RemoteDpiRequest& r) {
  // A printer with a print-mode table is told the index the operator chose
  // in the remote control; the GUI thread never talks to the port.
  if (HasCliBit(m_.CliWord, kCliPrintModeTable)) {
    if (r.PrintModeIndex >= 0) session_.SendQuiet(Join("DPI.INDEX", {r.PrintModeIndex}));
    return;
  }
  if (r.EditPrintMode == windows_.PrinterPrintMode.load()) return;
  windows_.PrinterPrintMode = r.EditPrintMode;
  session_.SendQuiet(Join("DPI", {r.EditPrintMode}));
}

void PrinterWriters::ChangeLevel(const LevelRequest& r) {
  const std::vector<const char*> commands = LevelCommands(r.TargetState, m_.State);
  for (const char* c : commands) session_.SendQuiet(c);
  if (commands.empty()) return;
  // The printer counts as being where it was sent until "STATUS" shows it
  // got there or will not: a Stop that follows a Start at once still finds
  // something to stop, even while the printer is slow to start.
  m_.LevelSent = LevelSentFrom(m_.LevelSent, m_.State, r.TargetState, commands.size(), platform::TickCount());
  m_.State = r.TargetState;
}

void PrinterWriters::PressDisplayButton(const DisplayButtonRequest& r) {
  if (m_.CliWord >= 2 && m_.Option == 3) session_.SendQuiet(Join("OPTION.D0216.BUTTON.PRESS", {r.ButtonPressValue}));
}

}  // namespace printerthread
