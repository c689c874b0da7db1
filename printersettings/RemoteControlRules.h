#pragma once
// The remote control's rules without its widgets: the order in which the
// print-text selection runs, the print-mode steps, and the captions and
// labels the window shows for what the operator has chosen. (Its print-text
// buttons repeat while held by printersettings/StepRepeat.h's plan
// kPrintTextRepeat.)
#include <array>
#include <optional>
#include <string>

namespace printersettings {

// Print-data codes of "DT": the nozzle cleaning, the print data 1 to the
// printer's count, the special entries "AU", "P1", "P2", "P3".
inline constexpr int kNozzleCleaning = 0;
inline constexpr int kFirstSpecialText = 1000;
inline constexpr int kLastSpecialText = 1003;

// Keeps a chosen print text in the order 0, 1..textCount, 1000..1003 after a
// step from `from`: nothing below 0 or above 1003, and no number between
// textCount + 1 and 999 (a step up lands on 1000, a step down on textCount).
int NormalizePrintText(int value, int from, int textCount);

// The print mode ("DPI" value) kept within what the firmware knows: 0 to 8
// below CliWord 2, else 0 to 11.
int ClampPrintMode(int mode, int cliWord);
// Firmware without a print-mode table steps through fixed modes: 0, 3, 4, 8
// below CliWord 2, else 0, 3, 4, 10, 11. `up` or down by one place; a value
// not in the list stays.
int StepFixedPrintMode(int mode, bool up, int cliWord);
// Firmware with a print-mode table steps its index from `current` (above 7
// counts as 7): down to 0, up to the table's last mode (and 7). Nothing for
// an unknown index, an unknown count (up) or an empty table.
std::optional<int> StepPrintModeIndex(int current, bool up, int modeCount);

// What the window shows for the operator's choice.
struct RemoteChoice {
  int EditPrintText = -1;
  int EditPrintMode = -1;
  int PrintModeIndex = -1;
  int PrinterModeCount = -1;  // of the printer's print-mode table
  int CliWord = -1;
};
struct RemoteChoiceView {
  std::string PrintTextDown, PrintTextUp;
  std::optional<std::string> PrintTextLabel;  // nothing: the label stays as it is
  std::string PrintModeDown, PrintModeUp;
  std::string PrintModeLabel;
  bool PrintModeEnabled = true;  // off while the nozzle cleaning is chosen
  bool operator==(const RemoteChoiceView&) const = default;
};
// `names` are the window's NameTexts: the nozzle cleaning and the special
// entries first.
RemoteChoiceView RemoteChoiceTexts(const RemoteChoice& c, const std::array<std::string, 17>& names);

}  // namespace printersettings
