#include "printerlink/thread/ValueTexts.h"

#include <cstdio>

#include "platform/NumberText.h"
#include "printerlink/thread/PrinterMirror.h"

namespace printerthread {
namespace {

char Bit(std::uint32_t word, int bit) { return (word >> bit) & 1u ? '1' : '0'; }
char InvertedBit(std::uint32_t word, int bit) { return (word >> bit) & 1u ? '0' : '1'; }

std::string ThreeDigits(long long n) {
  std::string s = std::to_string(n);
  return std::string(s.size() < 3 ? 3 - s.size() : 0, '0') + s;
}

}  // namespace

std::string WithUnit(long long value, const char* unit) { return std::to_string(value) + " " + unit; }

namespace {

// Entry `value` of a form's choice captions, "?" outside them.
template <std::size_t N>
std::string Choice(const std::array<std::string, N>& captions, int value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? captions[static_cast<std::size_t>(value)] : "?";
}

}  // namespace

std::string MachineTypeName(int type, const PrinterCaptions& captions) { return Choice(captions.MachineType, type); }

std::string AlignmentName(const std::array<int, 3>& o, int headMode, const PrinterCaptions& captions) {
  if (o[0] < 0 || o[0] > 5) return "?";
  if ((headMode == 1 && o[0] != o[1]) || (headMode == 2 && (o[0] != o[1] || o[1] != o[2]))) return "X";
  return captions.Orientation[static_cast<std::size_t>(o[0])];
}

std::string StartupName(int state, const PrinterCaptions& captions) { return Choice(captions.Startup, state); }

std::string SleepName(int cliWord, int machineType, int waitTime, const PrinterCaptions& captions) {
  if (!HasCliBit(cliWord, kCliRunOutAndPause)) return "-";
  const std::string& off = captions.RunOut[0];
  if (!MachineTypeIn(machineType, 2, 4) || waitTime == 0) return off;
  if (waitTime == 1) return off + "+";
  if (waitTime == kUnknown) return "?";
  return WithUnit(waitTime, "s");
}

std::string InterfaceModeName(int mode, const PrinterCaptions& captions) {
  return Choice(captions.InterfaceMode, mode);
}

std::string SuppressionName(int mode, const PrinterCaptions& captions) { return Choice(captions.Suppression, mode); }

std::string RunOutName(int cliWord, int machineType, int mode, const PrinterCaptions& captions) {
  if (!HasCliBit(cliWord, kCliRunOutAndPause)) return "-";
  if (!MachineTypeIn(machineType, 2, 4)) return captions.RunOut[0];
  return Choice(captions.RunOut, mode);
}

std::string ClockSourceName(int source, int internalSpeed, const PrinterCaptions& captions) {
  if (source == 0) return captions.ClockInternal + " " + WithUnit(internalSpeed, "mm/s");
  if (source >= 1 && source <= 6) return captions.ClockExternal[static_cast<std::size_t>(source - 1)];
  return "?";
}

std::string FactorName(int mode, int factor, const PrinterCaptions& captions) {
  if (mode == 0) return captions.FactorOff;
  if (mode == 1) return FactorText(factor);
  return "?";
}

std::string PanelTypeName(int type, const PrinterCaptions& captions) { return Choice(captions.PanelType, type); }

std::string OptionName(int option, const PrinterCaptions& captions) { return Choice(captions.Option, option); }

std::string FactorText(int factor) {
  // Wide enough that the most negative factor keeps its sign and digits.
  const long long f = factor;
  const long long q = f / 1000, r = f % 1000;
  if (f >= 0) return std::to_string(q) + "." + ThreeDigits(r);
  if (f <= -1000) return std::to_string(q) + "." + ThreeDigits(-r);
  return "-" + std::to_string(q) + "." + ThreeDigits(-r);
}

bool StatusName(int state, int errorCode, const PrinterCaptions& captions, std::string& text) {
  const auto& names = captions.NameTexts;
  switch (state) {
    case 0: text = names[5]; return true;
    case 10: text = names[6]; return true;
    case 20: text = names[7]; return true;
    case 30: text = names[11]; return true;
    case 40: text = names[12]; return true;
    case 50: text = names[13]; return true;
    case 60: text = names[14]; return true;
    case 70: text = names[15]; return true;
    case 80: {
      char code[16];
      std::snprintf(code, sizeof code, "%02X", static_cast<unsigned>(errorCode));
      text = names[16] + " " + code;
      return true;
    }
    default: return false;
  }
}

bool PrintDataName(int code, const std::array<std::string, 17>& names, std::string& text) {
  if (code == 0) {
    text = names[0];
    return true;
  }
  if (code >= 1 && code <= 999) {
    text = std::to_string(code);
    return true;
  }
  if (code >= 1000 && code <= 1003) {
    text = names[static_cast<std::size_t>(code - 1000 + 1)];
    return true;
  }
  return false;
}

bool CoverageText(int value, int cliWord, std::string& text) {
  const bool newer = cliWord >= 2;
  if (value == 0) text = "0 %";
  else if (value >= 1 && value <= 3) text = "25 %";
  else if (value >= 4 && value <= 7) text = "50 %";
  else if (value == 8) text = newer ? "75 %" : "100 %";
  else if ((value == 9 || value == 10) && newer) text = "75 %";
  else if (value == 11 && newer) text = "100 %";
  else return false;
  return true;
}

bool StartModeName(int mode, const PrinterCaptions& c, std::string& text) {
  switch (mode) {
    case 0: text = "-"; return true;
    case 1: text = c.StartRisingEdge; return true;
    case 2: text = c.StartFallingEdge; return true;
    case 3: text = c.StartLabelTitles[0] + " " + c.StartLabel4; return true;
    case 4: text = c.StartLabelTitles[1] + " " + c.StartLabel5; return true;
    case 5: text = c.StartLabelTitles[2] + " " + c.StartLabel4 + "..."; return true;
    case 6: text = c.StartLabelTitles[3] + " " + c.StartLabel5 + "..."; return true;
    default: return false;
  }
}

SignalTexts DecodeInputWord(std::uint32_t word, const SignalInputs& in) {
  SignalTexts out;
  if (HasCliBit(in.cliWord, kCliExtendedInputs)) {
    if (in.startMode == 1 || in.startMode == 2) out.start = Bit(word, 0);
    else if (in.startMode >= 3 && in.startMode <= 6) out.start = Bit(word, 1);
    else out.start = "0";
  } else {
    out.start = (in.interfaceMode == 1 || in.interfaceMode == 2) ? Bit(word, 1) : Bit(word, 0);
  }
  out.suppression = Bit(word, 6);
  out.runOut = (in.machineType >= 2 && in.machineType <= 4) ? std::string(1, Bit(word, 10)) : "-";
  out.belt = (in.machineType == 3 || in.machineType == 4)
                 ? std::string(1, Bit(word, 11)) + "   " + in.carriageSpeedText
                 : "-";

  // Selection lines: bit 2 is line 1, shown highest line first.
  if (in.signalLines >= 0 && in.signalLines <= 3) {
    const int lines = in.signalLines + 1;
    std::string bits;
    for (int k = lines - 1; k >= 0; --k) {
      if (!bits.empty()) bits += ' ';
      bits += Bit(word, 2 + k);
    }
    int code = 0;
    for (int k = 0; k < lines; ++k) {
      const bool set = (word >> (2 + k)) & 1u;
      if (in.interfaceMode == 1 ? set : !set) code |= 1 << k;
    }
    if (in.interfaceMode == 1 || in.interfaceMode == 2)
      out.select = bits + " = " + std::to_string(code);
    else
      out.select = "-";
  } else {
    out.select = "?";
  }

  const char a = Bit(word, 7), b = Bit(word, 8);
  switch (in.clockSource) {
    case 0: out.speed = "-"; break;
    case 1:
    case 2:
      out.speed = {a, ' ', InvertedBit(word, 7), ' ', b, ' ', InvertedBit(word, 8)};
      break;
    case 3:
    case 4: out.speed = {a, ' ', b}; break;
    case 5: out.speed = Bit(word, 9); break;
    case 6: out.speed = Bit(word, 10); break;
    default: out.speed = "?"; break;
  }
  return out;
}

std::string VoltageText(double volts) { return platform::FixedText(volts, 2) + " V"; }

}  // namespace printerthread
