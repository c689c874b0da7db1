#include "printersettings/RemoteControlRules.h"

#include <algorithm>
#include <cstdlib>

#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/ValueTexts.h"

namespace printersettings {
namespace {

const std::string kPadding(20, ' ');

}  // namespace

int NormalizePrintText(int value, int from, int textCount) {
  if (value <= kNozzleCleaning) return kNozzleCleaning;
  if (value > kLastSpecialText) return kLastSpecialText;
  if (value >= kFirstSpecialText) return value;
  // Below the special entries only the printer's print data are kept.
  if (from >= kFirstSpecialText) return std::max(textCount, kNozzleCleaning);
  if (value > textCount) return value > from ? kFirstSpecialText : std::max(textCount, kNozzleCleaning);
  return value;
}

int PrintTextRepeatStep(int counter) {
  const int size = std::abs(counter);
  const int step = size < 10 ? 1 : size < 20 ? 2 : size < 30 ? 4 : 8;
  return counter < 0 ? -step : step;
}

int NextPrintTextCounter(int counter) {
  if (counter >= 30 || counter <= -30) return counter;
  return counter < 0 ? counter - 1 : counter + 1;
}

int ClampPrintMode(int mode, int cliWord) {
  if (mode <= 0) return 0;
  if (cliWord < 2) return mode > 7 ? 8 : mode;
  return mode > 10 ? 11 : mode;
}

int StepFixedPrintMode(int mode, bool up, int cliWord) {
  static constexpr std::array<int, 4> kOlder = {0, 3, 4, 8};
  static constexpr std::array<int, 5> kNewer = {0, 3, 4, 10, 11};
  auto step = [&](const auto& modes) {
    const auto at = std::find(modes.begin(), modes.end(), mode);
    if (at == modes.end()) return mode;
    if (up) return at + 1 == modes.end() ? mode : *(at + 1);
    return at == modes.begin() ? mode : *(at - 1);
  };
  return cliWord < 2 ? step(kOlder) : step(kNewer);
}

std::optional<int> StepPrintModeIndex(int current, bool up, int modeCount) {
  if (up && modeCount < 0) return std::nullopt;
  if (current < 0) return std::nullopt;
  current = std::min(current, 7);
  if (!up) return current > 0 ? current - 1 : current;
  const int next = std::min(current < modeCount - 1 ? current + 1 : modeCount - 1, 7);
  // A table without modes has no index to choose.
  if (next < 0) return std::nullopt;
  return next;
}

std::string StepDownCaption(bool shown) { return shown ? "-" + kPadding : std::string(); }
std::string StepUpCaption(bool shown) { return shown ? kPadding + "+" : std::string(); }

RemoteChoiceView RemoteChoiceTexts(const RemoteChoice& c, const std::array<std::string, 17>& names) {
  RemoteChoiceView v;
  const int text = c.EditPrintText;
  v.PrintTextDown = StepDownCaption(text == -1 || text > kNozzleCleaning);
  v.PrintTextUp = StepUpCaption(text != kLastSpecialText);
  if (text != -1) {
    std::string name;
    if (!printerthread::PrintDataName(std::max(text, kNozzleCleaning), names, name)) name = std::to_string(text);
    v.PrintTextLabel = "(" + name + ")";
  }
  if (text == kNozzleCleaning) {
    // The nozzle cleaning prints at full coverage, whatever the mode.
    v.PrintModeLabel = "(100 %)";
    v.PrintModeEnabled = false;
    return v;
  }
  const int mode = c.EditPrintMode;
  std::string coverage;
  const bool known = printerthread::CoverageText(mode, c.CliWord, coverage);
  if (printerthread::HasCliBit(c.CliWord, printerthread::kCliPrintModeTable)) {
    v.PrintModeDown = StepDownCaption(c.PrintModeIndex >= 1);
    v.PrintModeUp = StepUpCaption(c.PrintModeIndex < c.PrinterModeCount - 1);
    v.PrintModeLabel = known ? "(" + coverage + ")" : "(?)";
    return v;
  }
  const int last = c.CliWord < 2 ? 8 : 11;
  v.PrintModeDown = StepDownCaption(mode != 0);
  v.PrintModeUp = StepUpCaption(mode != last);
  v.PrintModeLabel = known ? "(" + coverage + ")" : "?";
  return v;
}

}  // namespace printersettings
