#include "printerlink/thread/PrinterQueries.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "printerlink/thread/LevelChange.h"
#include "printerlink/thread/ReplyScan.h"
#include "printerlink/thread/ValueTexts.h"

namespace printerthread {
namespace {

bool InRange(int v, int low, int high) { return v >= low && v <= high; }

}  // namespace

PrinterQueries::PrinterQueries(PrinterSession& session, PrinterMirror& mirror, std::function<std::tm()> localNow)
    : session_(session),
      m_(mirror),
      localNow_(localNow ? std::move(localNow) : std::function<std::tm()>(platform::LocalNow)),
      captions_(std::make_shared<const PrinterCaptions>()) {}

template <std::size_t N>
std::optional<std::array<int, N>> PrinterQueries::AskIntegers(std::string_view command) {
  Reply r = session_.Query(command);
  if (!r.ok()) return std::nullopt;
  return ScanIntegers<N>(r.text);
}

int PrinterQueries::ProbeSystem() {
  for (int attempt = 0; attempt < 3; ++attempt) {
    auto id = AskIntegers<1>("INFO.SYSTEM");
    if (!id) continue;  // no answer, a refusal or no number: unchanged
    if ((*id)[0] == kLinkAnswering) {
      m_.LinkState = kLinkAnswering;
      return 1;
    }
    m_.LinkState = kUnknown;
  }
  return m_.LinkState == kLinkAnswering ? 1 : -1;
}

int PrinterQueries::QueryCli() {
  auto v = AskIntegers<1>("INFO.CLI");
  if (!v) return -1;
  m_.CliWord = (*v)[0];
  return 1;
}

// ---- device ----

int PrinterQueries::QueryMachineType() {
  int value;
  if (simulating_) {
    value = m_.MachineType;
  } else {
    auto v = AskIntegers<1>("MASCHINE");
    if (!v) return -1;
    value = (*v)[0];
  }
  m_.MachineType = InRange(value, 0, 4) ? value : kUnknown;
  m_.MachineTypeText = MachineTypeName(m_.MachineType, *captions_);
  return 1;
}

int PrinterQueries::QueryAlignment() {
  if (m_.CliWord >= 10) return QueryHeads();
  m_.HeadMode = 0;
  m_.HeadOffset = {0, 0, 0};
  m_.Orientation[1] = m_.Orientation[2] = 0;
  auto v = AskIntegers<1>("AUSRICHTUNG");
  if (!v) return -1;
  const int value = (*v)[0];
  m_.Orientation[0] = InRange(value, 0, 5) ? value : kUnknown;
  m_.AlignmentText = AlignmentName(m_.Orientation, m_.HeadMode, *captions_);
  return 1;
}

int PrinterQueries::QueryHeads() {
  auto mode = AskIntegers<1>("HEAD.CMD");
  if (!mode) return -1;
  m_.HeadMode = InRange((*mode)[0], 0, 2) ? (*mode)[0] : kUnknown;
  for (int n = 0; n < 3; ++n) {
    auto v = AskIntegers<1>("HEAD.VERSATZ " + std::to_string(n));
    if (!v) return -1;
    m_.HeadOffset[static_cast<std::size_t>(n)] = (*v)[0] / 12;  // the printer counts twelfths of a millimetre
  }
  for (int n = 0; n < 3; ++n) {
    auto v = AskIntegers<1>("HEAD.AUSRICHTUNG " + std::to_string(n));
    if (!v) return -1;
    m_.Orientation[static_cast<std::size_t>(n)] = InRange((*v)[0], 0, 5) ? (*v)[0] : kUnknown;
  }
  m_.AlignmentText = AlignmentName(m_.Orientation, m_.HeadMode, *captions_);
  return 1;
}

int PrinterQueries::QueryStartup() {
  Reply r = session_.Query("STARTUP");
  if (r.kind == Reply::Kind::LinkFailure) return -1;
  // Firmware without this setting refuses it and stays connected.
  if (!r.ok()) return 0;
  auto v = ScanIntegers<1>(r.text);
  if (!v) return 0;
  const int value = (*v)[0];
  m_.StartupState = value == 0 || value == 1 ? value : kUnknown;
  m_.StartupText = StartupName(m_.StartupState, *captions_);
  return 1;
}

int PrinterQueries::QuerySleep() {
  if (!HasCliBit(m_.CliWord, kCliRunOutAndPause) || !MachineTypeIn(m_.MachineType, 2, 4)) {
    m_.WaitTime = m_.ReverseTime = m_.ReversePower = 0;
  } else {
    auto v = AskIntegers<3>("SLEEP");
    if (!v) return -1;
    m_.WaitTime = (*v)[0];
    m_.ReverseTime = (*v)[1];
    m_.ReversePower = (*v)[2];
  }
  m_.SleepText = SleepName(m_.CliWord, m_.MachineType, m_.WaitTime, *captions_);
  return 1;
}

int PrinterQueries::QueryPrintModes() {
  const int cli = m_.CliWord;
  if (cli == 0 || cli == 1) {
    m_.PrintModeText = "1..4";
    m_.DpiIndex = kUnknown;
    m_.ModeCount = 4;
    m_.ModeIndex = {0, 3, 4, 11, 0, 0, 0, 0};
    return 1;
  }
  if (cli >= 2 && !(cli & kCliPrintModeTable)) {
    m_.PrintModeText = "1..5";
    m_.DpiIndex = kUnknown;
    m_.ModeCount = 5;
    m_.ModeIndex = {0, 3, 4, 10, 11, 0, 0, 0};
    return 1;
  }
  auto index = AskIntegers<1>("DPI.INDEX");
  if (!index) return -1;
  m_.DpiIndex = (*index)[0];
  auto count = AskIntegers<1>("DPI.ANZAHL");
  if (!count) return -1;
  m_.ModeCount = (*count)[0];
  if (m_.ModeCount == 1)
    m_.PrintModeText = "1";
  else if (m_.ModeCount > 8)
    m_.PrintModeText = "?";
  else
    m_.PrintModeText = "1.." + std::to_string(m_.ModeCount);
  for (int n = 0; n < 8; ++n) {
    auto v = AskIntegers<1>("DPI.MODUS " + std::to_string(n));
    if (!v) return -1;
    m_.ModeIndex[static_cast<std::size_t>(n)] = (*v)[0];
  }
  return 1;
}

// ---- start, suppression, run-out, speed ----

int PrinterQueries::QueryFilter(const char* command, int& filter) {
  if (!FilterGate(m_.CliWord)) {
    filter = 0;
    return 1;
  }
  if (simulating_) return 1;  // the mirror's value stands
  auto v = AskIntegers<1>(command);
  if (!v) return -1;
  filter = (*v)[0];
  return 1;
}

int PrinterQueries::QueryStartMode() {
  int value;
  if (simulating_) {
    value = m_.StartMode;
  } else {
    auto v = AskIntegers<1>("START");
    if (!v) return -1;
    value = (*v)[0];
  }
  std::string text;
  if (StartModeName(value, *captions_, text)) {
    m_.StartModeText = text;
    m_.StartMode = value;
  } else {
    m_.StartModeText = "?";
    m_.StartMode = kUnknown;
  }
  return QueryFilter("START.FILTER", m_.StartFilter);
}

int PrinterQueries::QueryShift(const char* command, int& mode, std::string& distanceText, int& distance,
                               std::string& timeText, int& time) {
  auto v = AskIntegers<3>(command);
  if (!v) return -1;
  const auto [shiftMode, shiftDistance, shiftTime] = *v;
  if (InRange(shiftMode, 0, 2)) {
    mode = shiftMode;
    distanceText = WithUnit(shiftDistance, "mm");
    distance = shiftDistance;
    timeText = WithUnit(shiftTime, "ms");
    time = shiftTime;
  } else {
    mode = kUnknown;
    distanceText = timeText = "?";
    distance = time = 0;
  }
  return 1;
}

int PrinterQueries::QueryStartShift() {
  return QueryShift("START.VERSCHIEBEN", m_.StartShiftMode, m_.StartShiftDistanceText, m_.StartShiftDistance,
                    m_.StartShiftTimeText, m_.StartShiftTime);
}

int PrinterQueries::QuerySuppressionShift() {
  return QueryShift("UNTERDRUECKUNG.VERSCHIEBEN", m_.SuppressionShiftMode, m_.SuppressionShiftDistanceText,
                    m_.SuppressionShiftDistance, m_.SuppressionShiftTimeText, m_.SuppressionShiftTime);
}

int PrinterQueries::QueryAuxCommand() {
  auto v = AskIntegers<2>("AUX.CMD");
  if (!v) return -1;
  const auto [mode, lines] = *v;
  m_.InterfaceMode = InRange(mode, 0, 2) ? mode : kUnknown;
  m_.InterfaceModeText = InterfaceModeName(m_.InterfaceMode, *captions_);
  m_.SignalLines = InRange(lines, 0, 3) ? lines : kUnknown;
  return 1;
}

int PrinterQueries::QueryAuxPrograms() {
  for (int n = 0; n < 16; ++n) {
    auto v = AskIntegers<1>("AUX.PROG " + std::to_string(n));
    if (!v) return -1;
    m_.SignalText[static_cast<std::size_t>(n)] = (*v)[0];
  }
  return 1;
}

int PrinterQueries::QuerySuppression() {
  int value;
  if (simulating_) {
    value = m_.SuppressionMode;
  } else {
    auto v = AskIntegers<1>("UNTERDRUECKUNG");
    if (!v) return -1;
    value = (*v)[0];
  }
  m_.SuppressionMode = InRange(value, 0, 4) ? value : kUnknown;
  m_.SuppressionText = SuppressionName(m_.SuppressionMode, *captions_);
  return QueryFilter("UNTERDRUECKUNG.FILTER", m_.SuppressionFilter);
}

int PrinterQueries::QueryRunOut() {
  if (!HasCliBit(m_.CliWord, kCliRunOutAndPause) || !MachineTypeIn(m_.MachineType, 2, 4)) {
    m_.RunOutMode = m_.RunOutFilter = 0;
  } else {
    auto v = AskIntegers<2>("AUSLAUF");
    if (!v) return -1;
    const auto [mode, filter] = *v;
    m_.RunOutMode = InRange(mode, 0, 2) ? mode : kUnknown;
    m_.RunOutFilter = filter;
  }
  m_.RunOutText = RunOutName(m_.CliWord, m_.MachineType, m_.RunOutMode, *captions_);
  return 1;
}

int PrinterQueries::QueryClockSource() {
  int source = kUnknown, speed = 150;
  if (simulating_) {
    source = m_.ClockSource;
    speed = m_.InternalSpeed;
  } else {
    auto v = AskIntegers<2>("SPEED");
    if (!v) return -1;
    source = (*v)[0];
    speed = (*v)[1];
  }
  const bool known = InRange(source, 0, 6);
  m_.ClockSource = known ? source : kUnknown;
  m_.InternalSpeed = known ? speed : 150;
  m_.ClockSourceText = ClockSourceName(m_.ClockSource, m_.InternalSpeed, *captions_);
  return 1;
}

int PrinterQueries::QuerySpeedFactor() {
  auto v = AskIntegers<3>("SPEED.FAKTOR");
  if (!v) return -1;
  const auto [mode, factor, clockSpeed] = *v;
  m_.Factor = factor;
  m_.FactorMode = mode == 0 || mode == 1 ? mode : kUnknown;
  m_.FactorText = FactorName(m_.FactorMode, factor, *captions_);
  if (InRange(m_.ClockSource, 1, 6)) {
    m_.ClockSpeed = clockSpeed;
    m_.ClockSpeedText = WithUnit(clockSpeed, "mm/s");
  } else {
    m_.ClockSpeed = 0;
    m_.ClockSpeedText = m_.ClockSourceText;
  }
  return 1;
}

int PrinterQueries::QueryActualSpeed() {
  auto v = AskIntegers<2>("SPEED.IST");
  if (!v) return -1;
  m_.ActualSpeedText = WithUnit((*v)[0], "mm/s");
  m_.MaximumSpeedText = WithUnit((*v)[1], "mm/s");
  return 1;
}

int PrinterQueries::QueryCarriageSpeed() {
  if (!HasCliBit(m_.CliWord, kCliRunOutAndPause) || !MachineTypeIn(m_.MachineType, 3, 4)) {
    m_.CarriageSpeedText = "0 mm/s";
    return 1;
  }
  auto v = AskIntegers<2>("ZPOS.SPEED");
  if (!v) return -1;
  m_.CarriageSpeedText = WithUnit((*v)[0], "mm/s");
  return 1;
}

// ---- operator panel, option unit, programs ----

int PrinterQueries::QueryPanelType() {
  auto v = AskIntegers<1>("MMI");
  if (!v) return -1;
  const int value = (*v)[0];
  m_.PanelType = InRange(value, 0, 3) ? value : kUnknown;
  m_.PanelTypeText = PanelTypeName(m_.PanelType, *captions_);
  if (m_.CliWord < 2) {
    m_.PanelMode = 0;  // older firmware has no REDAdid mode
    return 1;
  }
  auto mode = AskIntegers<1>("MMI.REDADID.MODUS");
  if (!mode) return -1;
  m_.PanelMode = (*mode)[0];
  return 1;
}

int PrinterQueries::QueryPanelOption() {
  if (m_.CliWord < 2) return 0;
  auto option = AskIntegers<1>("OPTION");
  if (!option) return -1;
  const int value = (*option)[0];
  m_.Option = InRange(value, 0, 4) ? value : kUnknown;
  m_.OptionText = OptionName(m_.Option, *captions_);
  auto one = [&](const char* command, int& into) {
    auto v = AskIntegers<1>(command);
    if (v) into = (*v)[0];
    return v.has_value();
  };
  auto eight = [&](const char* command, std::array<int, 8>& into) {
    auto v = AskIntegers<8>(command);
    if (v) into = *v;
    return v.has_value();
  };
  if (!one("OPTION.REDADID.MODUS", m_.OptionMmiMode)) return -1;
  if (!one("OPTION.D0216.MODUS", m_.DisplayMode)) return -1;
  if (!one("OPTION.D0216.BUTTON", m_.DisplayButton)) return -1;
  auto format = AskIntegers<4>("OPTION.D0216.FORMAT.ID");
  if (!format) return -1;
  m_.DisplayFormat = *format;
  if (!one("OPTION.SIGNALUNIT.TYP", m_.SignalType)) return -1;
  if (!eight("OPTION.SIGNALUNIT.ALARM", m_.SignalAlarm)) return -1;
  if (!eight("OPTION.SIGNALUNIT.HORN", m_.SignalHorn)) return -1;
  if (!eight("OPTION.SIGNALUNIT.SIGNAL", m_.SignalLamp)) return -1;
  return 1;
}

int PrinterQueries::QueryPrograms() {
  for (std::size_t n = 0; n < 3; ++n) {
    Reply r = session_.Query("PROG " + std::to_string(n));
    if (r.kind == Reply::Kind::LinkFailure) return -1;
    if (!r.ok()) continue;  // a refused program keeps its values
    auto v = ScanIntegers<4>(r.text);
    if (!v) continue;
    m_.ProgramMode[n] = (*v)[0];
    m_.ProgramText[n] = (*v)[1];
    m_.ProgramSpeed[n] = (*v)[2];
    m_.ProgramPause[n] = (*v)[3];
  }
  return 1;
}

// ---- controller ----

int PrinterQueries::QueryClock() {
  Reply r = session_.Query("RTC");
  if (!r.ok()) return -1;
  auto words = ScanWords(r.text, 3);
  if (words.size() < 3) return -1;
  m_.ClockText = words[0] + "   " + words[2];  // date and time; the weekday is not shown
  const std::tm now = localNow_();
  m_.PcClockText = platform::ShortDateText(now) + "   " + platform::LongTimeText(now);
  return 1;
}

int PrinterQueries::QueryCounter() {
  auto v = AskIntegers<2>("COUNTER");
  if (!v) return -1;
  m_.CounterIncrement = (*v)[0];
  m_.CounterText = std::to_string((*v)[1]);
  return 1;
}

int PrinterQueries::QueryCommKit() {
  Reply r = session_.Query("ECOM.INFO.KIT");
  if (r.kind == Reply::Kind::LinkFailure) return -1;
  if (r.kind == Reply::Kind::Refused) {
    m_.CommKit.fill(0);
    return -1;
  }
  auto word = ScanHexWord(r.text);
  if (!word) return -1;
  for (std::size_t n = 0; n < 8; ++n) m_.CommKit[n] = static_cast<std::uint8_t>((*word >> (4 * n)) & 0xFu);
  return 1;
}

int PrinterQueries::QueryLanWord(const char* command, std::string& into) {
  Reply r = session_.Query(command);
  if (!r.ok()) return -1;
  auto words = ScanWords(r.text, 1);
  if (words.empty()) return -1;
  into = words[0];
  return 1;
}

int PrinterQueries::QueryLanName() { return QueryLanWord("ECOM.LAN.NAME", m_.LanName); }
int PrinterQueries::QueryLanMac() { return QueryLanWord("ECOM.LAN.MAC", m_.LanMac); }
int PrinterQueries::QueryLanIp() { return QueryLanWord("ECOM.LAN.IP", m_.LanIp); }

int PrinterQueries::QueryPulseDuration() {
  Reply r = session_.Query("HEAD.PULSDAUER");
  if (!r.ok()) return -1;
  if (HasCliBit(m_.CliWord, kCliExtendedPulse)) {
    auto v = ScanIntegers<3>(r.text);
    if (!v) return -1;
    m_.Pulse = (*v)[0];
    m_.PulsePause = (*v)[1];
    m_.PrePulse = (*v)[2];
    auto refresh = AskIntegers<1>("HEAD.HEIZUNG");
    if (!refresh) return -1;
    m_.RefreshPulse = (*refresh)[0];
    auto ink = AskIntegers<1>("HEAD.H600DPI");
    if (!ink) return -1;
    m_.InkQuantity = (*ink)[0];
    return 1;
  }
  auto v = ScanIntegers<1>(r.text);
  if (!v) return -1;
  m_.Pulse = (*v)[0];
  m_.PulsePause = m_.PrePulse = m_.RefreshPulse = m_.InkQuantity = 0;
  return 1;
}

// ---- information and diagnosis ----

int PrinterQueries::QueryIdentification(const char* command, std::string& into) {
  Reply r = session_.Query(command);
  if (r.kind == Reply::Kind::LinkFailure) return -1;
  if (r.kind == Reply::Kind::Refused) return 0;
  std::string line = FirstLine(r.text);
  if (line.empty()) return 0;
  into = std::move(line);
  return 1;
}

int PrinterQueries::QueryDeviceInfo() { return QueryIdentification("INFO.DEVICE", m_.DeviceText); }
int PrinterQueries::QueryFirmwareInfo() { return QueryIdentification("INFO.FIRMWARE", m_.FirmwareText); }

int PrinterQueries::QueryIoBasic() {
  Reply r = session_.Query("IO.BASIC");
  if (!r.ok()) return -1;
  auto word = ScanHexWord(r.text);
  if (!word) return -1;
  SignalTexts s = DecodeInputWord(*word, {m_.CliWord, m_.StartMode, m_.InterfaceMode, m_.SignalLines,
                                          m_.MachineType, m_.ClockSource, m_.CarriageSpeedText});
  m_.StartSignalText = s.start;
  m_.SuppressionSignalText = s.suppression;
  m_.RunOutSignalText = s.runOut;
  m_.BeltSignalText = s.belt;
  m_.SelectSignalText = s.select;
  m_.SpeedSignalText = s.speed;
  return 1;
}

int PrinterQueries::QueryAnalog() {
  if (m_.CliWord >= 10) return QueryAnalogExt();
  m_.BatteryText = m_.ReferenceText = m_.TemperatureText = "-";
  Reply r = session_.Query("AD");
  if (!r.ok()) return -1;
  auto v = ScanFractions<4>(r.text);
  if (!v) return -1;
  m_.Voltage24Text = VoltageText((*v)[0] + 4.0);
  m_.Voltage5Text = VoltageText((*v)[1]);
  return 1;
}

int PrinterQueries::QueryAnalogExt() {
  auto v = AskIntegers<6>("AD");
  if (!v) return -1;
  const auto& mv = *v;  // millivolts; the battery is the fifth value
  m_.Voltage24Text = VoltageText(mv[0] * 0.001);
  m_.Voltage5Text = VoltageText(mv[1] * 0.001);
  m_.BatteryText = VoltageText(mv[4] * 0.001);
  m_.ReferenceText = VoltageText(mv[3] * 0.001);
  m_.TemperatureText = std::to_string(mv[5]) + " \xB0" "C";
  return 1;
}

// ---- remote control ----

int PrinterQueries::QueryStatus() {
  auto v = AskIntegers<3>("STATUS");
  if (!v) return -1;
  std::string text;
  const bool named = StatusName((*v)[0], (*v)[2], *captions_, text);
  // The text is what the printer said; the state it counts as in may still
  // be the level just sent, which a slow printer has not reached yet.
  m_.StatusText = named ? text : "?";
  m_.ReportedState = named ? (*v)[0] : kUnknown;
  if (named) m_.ErrorCode = (*v)[2];
  m_.State = CountedLevel(m_.LevelSent, m_.ReportedState, platform::TickCount());
  return 1;
}

int PrinterQueries::QueryDt() {
  auto v = AskIntegers<2>("DT");
  if (!v) return -1;
  std::string text;
  if (PrintDataName((*v)[0], captions_->NameTexts, text)) {
    m_.DtText = text;
    m_.DtValue = (*v)[0];
  } else {
    m_.DtText = "?";
    m_.DtValue = kUnknown;
  }
  m_.DtCount = (*v)[1];
  return 1;
}

int PrinterQueries::QueryRemoteDpi() {
  auto v = AskIntegers<1>("DPI");
  if (!v) return -1;
  std::string text;
  if (CoverageText((*v)[0], m_.CliWord, text)) {
    m_.RemoteDpiText = text;
    m_.RemoteDpi = (*v)[0];
  } else {
    m_.RemoteDpiText = "?";
    m_.RemoteDpi = kUnknown;
  }
  if (m_.DtValue == 0) m_.RemoteDpiText = "100 %";  // the nozzle cleaning prints at full coverage
  return 1;
}

int PrinterQueries::QueryDisplayLines() {
  if (!(m_.CliWord >= 2 && m_.Option == 3)) {
    m_.DisplayLine0.clear();
    m_.DisplayLine1.clear();
    return 0;
  }
  for (int n = 0; n < 2; ++n) {
    Reply r = session_.Query("OPTION.D0216.ZEILE " + std::to_string(n));
    if (!r.ok() || r.text.size() != 18) return -1;
    (n == 0 ? m_.DisplayLine0 : m_.DisplayLine1) = r.text.substr(0, 16);
  }
  return 1;
}

}  // namespace printerthread
