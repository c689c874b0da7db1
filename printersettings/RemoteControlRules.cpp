#include "printersettings/RemoteControlRules.h"

#include <algorithm>

#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/ValueTexts.h"
#include "printersettings/SettingValues.h"
#include "printersettings/StepCaptions.h"

namespace printersettings {
namespace {

// Both signs while nothing is chosen yet.
StepCaptionPair ChoiceSteps(int value, int low, int high) {
  if (value == kUnknown) return {StepCaptions(high, low, high).down, StepCaptions(low, low, high).up};
  return StepCaptions(value, low, high);
}

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

RemoteChoiceView RemoteChoiceTexts(const RemoteChoice& c, const std::array<std::string, 17>& names) {
  RemoteChoiceView v;
  const int text = c.EditPrintText;
  const StepCaptionPair textSteps = ChoiceSteps(text, kNozzleCleaning, kLastSpecialText);
  v.PrintTextDown = textSteps.down;
  v.PrintTextUp = textSteps.up;
  if (text != kUnknown) {
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
    const StepCaptionPair steps = StepCaptions(c.PrintModeIndex, 0, c.PrinterModeCount - 1);
    v.PrintModeDown = steps.down;
    v.PrintModeUp = steps.up;
    v.PrintModeLabel = known ? "(" + coverage + ")" : "(?)";
    return v;
  }
  const StepCaptionPair steps = ChoiceSteps(mode, 0, c.CliWord < 2 ? 8 : 11);
  v.PrintModeDown = steps.down;
  v.PrintModeUp = steps.up;
  v.PrintModeLabel = known ? "(" + coverage + ")" : "?";
  return v;
}

}  // namespace printersettings
