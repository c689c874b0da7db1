#include "printerlink/thread/DisplayRules.h"

#include "printerlink/thread/ValueTexts.h"

namespace printerthread {
namespace {

TileState Offered() { return {kOfferedColour, true, std::nullopt}; }
TileState Withheld() { return {kWithheldColour, false, std::nullopt}; }
TileState Enabled(bool on) { return {on ? kOfferedColour : kWithheldColour, std::nullopt, on}; }
TileState Offer(bool on) { return on ? Offered() : Withheld(); }
TileState SilverOnly() { return {kWithheldColour, std::nullopt, std::nullopt}; }

bool OneToFour(int type) { return MachineTypeIn(type, 1, 4); }
bool TwoToFour(int type) { return MachineTypeIn(type, 2, 4); }

std::string RightAligned16(const std::string& text) {
  return text.size() >= 16 ? text : std::string(16 - text.size(), ' ') + text;
}

}  // namespace

void DeriveCaptionTexts(PrinterMirror& m, const PrinterCaptions& c) {
  m.MachineTypeText = MachineTypeName(m.MachineType, c);
  m.AlignmentText = AlignmentName(m.Orientation, m.HeadMode, c);
  m.StartupText = StartupName(m.StartupState, c);
  m.SleepText = SleepName(m.CliWord, m.MachineType, m.WaitTime, c);
  if (!StartModeName(m.StartMode, c, m.StartModeText)) m.StartModeText = "?";
  m.InterfaceModeText = InterfaceModeName(m.InterfaceMode, c);
  m.SuppressionText = SuppressionName(m.SuppressionMode, c);
  m.RunOutText = RunOutName(m.CliWord, m.MachineType, m.RunOutMode, c);
  m.ClockSourceText = ClockSourceName(m.ClockSource, m.InternalSpeed, c);
  // An internal or unknown clock has no speed of its own: its name stands.
  if (!MachineTypeIn(m.ClockSource, 1, 6)) m.ClockSpeedText = m.ClockSourceText;
  m.FactorText = FactorName(m.FactorMode, m.Factor, c);
  m.PanelTypeText = PanelTypeName(m.PanelType, c);
  m.OptionText = OptionName(m.Option, c);
  if (!StatusName(m.ReportedState, m.ErrorCode, c, m.StatusText)) m.StatusText = "?";
  if (!PrintDataName(m.DtValue, c.NameTexts, m.DtText)) m.DtText = "?";
}

SettingsTiles TilesAfterRefresh(const PrinterMirror& m) {
  const int type = m.MachineType;
  const int cli = m.CliWord;
  SettingsTiles t;
  t.GeraetSleep = Offer(TwoToFour(type) && HasCliBit(cli, kCliRunOutAndPause));
  t.GeraetDPI = Enabled(HasCliBit(cli, kCliPrintModeTable));
  t.DruckstartVerschieben = Offer(!OneToFour(type));
  t.DruckstartInterface = Offer(!OneToFour(type));
  t.UnterdrueckungVerschieben = Offer(!OneToFour(type));
  t.AuslaufModus = Offer(TwoToFour(type) && HasCliBit(cli, kCliRunOutAndPause));
  t.DruckgeschwindigkeitTaktquelle = Offer(!OneToFour(type));
  t.DruckgeschwindigkeitFaktor = Offer(!OneToFour(type) && m.ClockSource != 0);
  t.BedienteilOption = Offer(!TwoToFour(type) && cli >= 2);
  t.BedienteilProgramme = Enabled(!OneToFour(type));
  return t;
}

SettingsTiles TilesAfterReset() {
  SettingsTiles t;
  t.GeraetSleep = Withheld();
  t.DruckstartVerschieben = Withheld();
  t.UnterdrueckungVerschieben = Withheld();
  t.AuslaufModus = Withheld();
  t.DruckgeschwindigkeitFaktor = Withheld();
  t.BedienteilOption = Withheld();
  t.GeraetDPI = SilverOnly();
  t.DruckstartInterface = SilverOnly();
  t.DruckgeschwindigkeitTaktquelle = SilverOnly();
  t.BedienteilProgramme = SilverOnly();
  return t;
}

bool ShiftButtonsEnabled(int machineType) { return !OneToFour(machineType); }

std::array<bool, 6> OrientationButtonsEnabled(int machineType) {
  const bool head = OneToFour(machineType);  // only the two-way orientations 2 and 5
  return {!head, !head, head, !head, !head, head};
}

bool FilterRowShown(int cliWord) { return FilterGate(cliWord); }

std::string ShiftLabel(int mode, const std::string& distanceText, const std::string& timeText,
                       const std::string& offCaption) {
  switch (mode) {
    case 0: return offCaption;
    case 1: return distanceText;
    case 2: return timeText;
    default: return "?";
  }
}

std::string TargetSpeedText(int factorMode, int factor, int clockSpeed, const std::string& clockSpeedText) {
  if (factorMode == 0) return clockSpeedText;
  if (factorMode != 1) return "?";
  // The product of two printer values needs more than 32 bits.
  const long long speed = static_cast<long long>(clockSpeed) * factor / 1000;
  return std::to_string(speed) + " mm/s";
}

bool CounterChangePending(bool formVisible, int editIncrement, int printerIncrement, int editCounterReset) {
  return formVisible && (editIncrement != printerIncrement || editCounterReset == 1);
}

std::string CounterLabel(const std::string& counterText, bool changePending) {
  return changePending ? "(" + counterText + ")" : counterText;
}

std::string CommunicationLabel(const std::array<std::uint8_t, 8>& kit) {
  std::string text = "RS232, USB";
  if (kit[7]) text += ", BT";
  if (kit[0]) text += ", LAN";
  if (kit[1]) text += ", WLAN";
  return text;
}

CommunicationRows CommunicationWindowRows(const PrinterMirror& m) {
  const std::string none(1, '-');
  auto row = [&](bool fitted, std::initializer_list<std::string> shown, std::size_t count) {
    CommunicationRow r;
    r.fitted = fitted;
    std::size_t i = 0;
    for (const auto& s : shown) r.labels[i++] = fitted ? s : none;
    for (; i < count; ++i) r.labels[i] = none;
    return r;
  };
  CommunicationRows rows;
  const auto& kit = m.CommKit;
  rows.bluetooth = row(kit[7] != 0, {"...", "..."}, 2);
  rows.lan = row(kit[0] != 0, {m.LanName, m.LanMac, m.LanIp}, 3);
  rows.wlan = row(kit[1] != 0, {"...", "...", "...", "...", "-... dBm"}, 5);
  rows.ntp = row(kit[2] != 0, {"...", "...", "..."}, 3);
  rows.link = row(kit[3] != 0, {"...", "..."}, 2);
  return rows;
}

DisplayUnitView DisplayUnitLines(const PrinterMirror& m) {
  if (m.CliWord >= 2 && m.Option == 3)
    return {true, RightAligned16(m.DisplayLine0), RightAligned16(m.DisplayLine1), "", ""};
  return {false, "", "", "Display", "-"};
}

DisplayUnitView DisplayUnitUnknown() { return {false, "", "", "Display", "?"}; }

bool ShowPrinterPrintText(int printerPrintText, int editPrintText, bool selectDtPending, bool timerRunning) {
  return printerPrintText == editPrintText && !selectDtPending && !timerRunning;
}

bool ShowPrinterPrintMode(int cliWord, int dpiIndex, int printModeIndex, int printerPrintMode, int editPrintMode,
                          bool remoteDpiPending) {
  if (HasCliBit(cliWord, kCliPrintModeTable)) return dpiIndex == printModeIndex;
  return printerPrintMode == editPrintMode && !remoteDpiPending;
}

}  // namespace printerthread
