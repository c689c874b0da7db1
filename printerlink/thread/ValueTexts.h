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
