#pragma once
// The texts the printer thread makes of printer values: units, the speed
// factor in thousandths, state and print-data names, coverage, the input
// signals. Free of the locale; Windows-1252 like every mirror text.
#include <array>
#include <cstdint>
#include <string>

#include "printerlink/thread/PrinterCaptions.h"

namespace printerthread {

// "%d mm", "%d ms", "%d mm/s".
std::string WithUnit(long long value, const char* unit);

// The speed factor (thousandths) as "%d.%03d", the sign kept also for
// -999..-1: 1000 "1.000", -1500 "-1.500", -5 "-0.005".
std::string FactorText(int factor);

// The state name of "STATUS" (0, 10, ... 80; 80 with the error code as two
// or more upper-case hexadecimal digits), or nothing for another state.
bool StatusName(int state, int errorCode, const PrinterCaptions& captions, std::string& text);

// The name of a print-data code of "DT": the nozzle cleaning (0), the
// special entries (1000..1003) or the number (1..999); nothing otherwise.
// `names` are the remote control's NameTexts.
bool PrintDataName(int code, const std::array<std::string, 17>& names, std::string& text);

// The coverage text of a "DPI" value ("0 %" ... "100 %"); nothing for a
// value the firmware (by CliWord) does not know.
bool CoverageText(int value, int cliWord, std::string& text);

// The print-start mode's text (0 "-", 1..6 from the start form's captions);
// nothing for another mode.
bool StartModeName(int mode, const PrinterCaptions& captions, std::string& text);

// The texts of the settings whose names are captions of their setting
// forms: the caption of the value's choice, "?" for a value outside the
// form's choices. The thread makes them when it reads a value and again
// before every display refresh (DeriveCaptionTexts), so that they follow
// the UI language without waiting for the next reading.
std::string MachineTypeName(int type, const PrinterCaptions& captions);
// The first head's orientation, or "X" while the coupled heads disagree.
std::string AlignmentName(const std::array<int, 3>& orientation, int headMode, const PrinterCaptions& captions);
std::string StartupName(int state, const PrinterCaptions& captions);
// "-" on firmware without the pause setting, the off caption for machine
// types without it and for 0, that caption and "+" for 1, else seconds.
std::string SleepName(int cliWord, int machineType, int waitTime, const PrinterCaptions& captions);
std::string InterfaceModeName(int mode, const PrinterCaptions& captions);
std::string SuppressionName(int mode, const PrinterCaptions& captions);
// "-" on firmware without the run-out setting, the off caption for machine
// types without it.
std::string RunOutName(int cliWord, int machineType, int mode, const PrinterCaptions& captions);
// "Intern" with the internal speed, or the external source.
std::string ClockSourceName(int source, int internalSpeed, const PrinterCaptions& captions);
// The off caption, or the factor in thousandths.
std::string FactorName(int mode, int factor, const PrinterCaptions& captions);
std::string PanelTypeName(int type, const PrinterCaptions& captions);
std::string OptionName(int option, const PrinterCaptions& captions);

// The input word of "IO.BASIC" as the diagnosis shows it.
struct SignalInputs {
  int cliWord, startMode, interfaceMode, signalLines, machineType, clockSource;
  std::string carriageSpeedText;
};
struct SignalTexts {
  std::string start, select, suppression, runOut, belt, speed;
};
SignalTexts DecodeInputWord(std::uint32_t word, const SignalInputs& in);

// A voltage in volts, two decimals: "24.13 V".
std::string VoltageText(double volts);

}  // namespace printerthread
