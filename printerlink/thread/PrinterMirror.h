#pragma once
// The printer's last polled values as the printer thread keeps them: a text
// (what the windows show) and a value (what the setting forms take) per
// setting, plus state, diagnosis, communication kit and display lines. A
// fresh record holds the reset values: "?" and -1 mean unknown.
//
// Only the printer thread writes it. Windows read it inside the display
// steps (the worker then waits), and CliWord and DpiIndex at any time.
// Texts are Windows-1252 bytes, as on the wire.
#include <array>
#include <cstdint>
#include <string>

#include "printerlink/thread/SharedInt.h"

namespace printerthread {

inline constexpr int kLinkAnswering = 23;  // the answer of "INFO.SYSTEM", and LinkState while connected
inline constexpr int kUnknown = -1;

template <std::size_t N>
constexpr std::array<int, N> Filled(int value) {
  std::array<int, N> a{};
  a.fill(value);
  return a;
}

// A level the remote control sent that the printer has not yet been seen to
// reach (printerlink/thread/LevelChange.h).
struct LevelOnTheWay {
  int Target = kUnknown;     // kUnknown: none
  std::uint16_t Passing = 0;  // bit level / 10 of each level the printer may still report on its way
  std::uint32_t SentAt = 0;   // tick count
};

struct PrinterMirror {
  int LinkState = kUnknown;  // 23 while a printer (or the simulation) answers
  SharedInt CliWord = kUnknown;

  // Device.
  std::string MachineTypeText = "?";
  int MachineType = kUnknown;
  std::string AlignmentText = "?";
  int HeadMode = kUnknown;
  std::array<int, 3> Orientation = Filled<3>(kUnknown);
  std::array<int, 3> HeadOffset = Filled<3>(0);  // mm
  std::string StartupText = "?";
  int StartupState = kUnknown;
  std::string SleepText = "?";
  int WaitTime = kUnknown;
  int ReverseTime = kUnknown;
  int ReversePower = kUnknown;
  std::string PrintModeText = "?";
  SharedInt DpiIndex = kUnknown;
  int ModeCount = kUnknown;
  std::array<int, 8> ModeIndex = Filled<8>(kUnknown);
  std::array<int, 8> ModeCode = Filled<8>(kUnknown);  // never asked; shown as unknown

  // Print start.
  std::string StartModeText = "?";
  int StartMode = kUnknown;
  int StartFilter = kUnknown;
  int StartShiftMode = kUnknown;
  std::string StartShiftDistanceText = "?";
  int StartShiftDistance = 0;
  std::string StartShiftTimeText = "?";
  int StartShiftTime = 0;
  std::string InterfaceModeText = "?";
  int InterfaceMode = kUnknown;
  int SignalLines = kUnknown;
  std::array<int, 16> SignalText = Filled<16>(kUnknown);

  // Suppression and run-out.
  std::string SuppressionText = "?";
  int SuppressionMode = kUnknown;
  int SuppressionFilter = kUnknown;
  int SuppressionShiftMode = kUnknown;
  std::string SuppressionShiftDistanceText = "?";
  int SuppressionShiftDistance = 0;
  std::string SuppressionShiftTimeText = "?";
  int SuppressionShiftTime = 0;
  std::string RunOutText = "?";
  int RunOutMode = kUnknown;
  int RunOutFilter = kUnknown;

  // Speed.
  std::string CarriageSpeedText = "?";
  std::string ClockSourceText = "?";
  int ClockSource = kUnknown;
  int InternalSpeed = 150;
  int FactorMode = kUnknown;
  std::string FactorText = "?";
  int Factor = 1000;  // thousandths
  std::string ClockSpeedText = "?";
  int ClockSpeed = 0;
  std::string ActualSpeedText = "?";
  std::string MaximumSpeedText = "?";

  // Operator panel, option unit, programs.
  std::string PanelTypeText = "?";
  int PanelType = kUnknown;
  int PanelMode = kUnknown;
  std::string OptionText = "?";
  int Option = kUnknown;
  int OptionMmiMode = kUnknown;
  int DisplayMode = kUnknown;
  int DisplayButton = kUnknown;
  std::array<int, 4> DisplayFormat = Filled<4>(kUnknown);
  int SignalType = kUnknown;
  std::array<int, 8> SignalLamp = Filled<8>(kUnknown);
  std::array<int, 8> SignalHorn = Filled<8>(kUnknown);
  std::array<int, 8> SignalAlarm = Filled<8>(kUnknown);
  std::array<int, 3> ProgramMode = Filled<3>(kUnknown);
  std::array<int, 3> ProgramText = Filled<3>(kUnknown);
  std::array<int, 3> ProgramSpeed = Filled<3>(kUnknown);
  std::array<int, 3> ProgramPause = Filled<3>(kUnknown);

  // Controller.
  std::string ClockText = "?";
  std::string PcClockText = "?";
  std::string StatusText = "?";
  int State = kUnknown;  // the printer state: 10 Standby ... 80 Fehler; the level sent while on its way
  // What the printer itself last said to "STATUS", which the state's name
  // tells: State may still be a level sent that it has not reached.
  int ReportedState = kUnknown;
  int ErrorCode = 0;  // the error of state 80, part of its name
  LevelOnTheWay LevelSent;
  std::string StartSignalText = "?";
  std::string SelectSignalText = "?";
  std::string SuppressionSignalText = "?";
  std::string RunOutSignalText = "?";
  std::string BeltSignalText = "?";
  std::string SpeedSignalText = "?";
  std::string DeviceText = "?";
  std::string FirmwareText = "?";
  std::string Voltage24Text = "?";
  std::string Voltage5Text = "?";
  std::string BatteryText = "?";
  std::string ReferenceText = "?";
  std::string TemperatureText = "?";
  int CounterIncrement = kUnknown;
  std::string CounterText = "?";
  std::array<std::uint8_t, 8> CommKit{};  // nibble n of the kit word; non-zero: module fitted
  std::string LanName = "-";
  std::string LanMac = "-";
  std::string LanIp = "-";
  int Pulse = kUnknown;
  int PulsePause = kUnknown;
  int PrePulse = kUnknown;
  int RefreshPulse = kUnknown;
  int InkQuantity = kUnknown;

  // Remote control.
  std::string DtText = "?";
  int DtValue = kUnknown;
  int DtCount = kUnknown;
  std::string RemoteDpiText = "?";
  int RemoteDpi = kUnknown;
  std::string DisplayLine0;  // at most 16 characters
  std::string DisplayLine1;
};

// Bits of CliWord; a negative CliWord has none.
inline constexpr int kCliFilters = 0x20;
inline constexpr int kCliFirmwareInstall = 0x40;
inline constexpr int kCliPulsePresets = 0x80;
inline constexpr int kCliPrintModeTable = 0x100;
inline constexpr int kCliExtendedPulse = 0x400;
inline constexpr int kCliExtendedInputs = 0x800;
inline constexpr int kCliRunOutAndPause = 0x1000;

inline bool HasCliBit(int cliWord, int bit) { return cliWord >= 0 && (cliWord & bit) != 0; }
// The input filters are asked, written and shown only on firmware that has them.
inline bool FilterGate(int cliWord) {
  return cliWord >= 0 && ((cliWord & kCliFilters) || (cliWord >= 3 && cliWord <= 9));
}
inline bool MachineTypeIn(int type, int low, int high) { return type >= low && type <= high; }

}  // namespace printerthread
