#include "printersettings/StartCoupling.h"

#include "printerlink/thread/PrinterMirror.h"
#include "printersettings/SettingValues.h"

namespace printersettings {
namespace {

bool Coupled(int cliWord) { return printerthread::HasCliBit(cliWord, printerthread::kCliExtendedInputs); }

SelectionSetting Switched(int mode, const SelectionSetting& printer) {
  SelectionSetting s;
  s.mode = mode;
  s.lines = Clamp(printer.lines, 0, 3);
  for (std::size_t n = 0; n < s.texts.size(); ++n) s.texts[n] = Clamp(printer.texts[n], 0, 99);
  return s;
}

}  // namespace

std::optional<SelectionSetting> SelectionAfterStart(int cliWord, int chosenStartMode,
                                                    const SelectionSetting& printerSelection) {
  if (!Coupled(cliWord)) return std::nullopt;
  const int s = chosenStartMode;
  const int p = printerSelection.mode;
  if ((s == 0 || s == 1 || s == 2) && (p == 1 || p == 2)) return Switched(0, printerSelection);
  if ((s == 5 || s == 6) && p == 0) return Switched(1, printerSelection);
  return std::nullopt;
}

std::optional<StartSetting> StartAfterSelection(int cliWord, int chosenSelectionMode, const StartSetting& printerStart) {
  if (!Coupled(cliWord)) return std::nullopt;
  const int m = chosenSelectionMode;
  const int q = printerStart.mode;
  int mode = -1;
  if (m == 0 && (q == 0 || q == 5)) mode = 3;
  else if (m == 0 && q == 6) mode = 4;
  else if ((m == 1 || m == 2) && (q == 0 || q == 1)) mode = 5;
  else if ((m == 1 || m == 2) && q == 2) mode = 6;
  if (mode < 0) return std::nullopt;
  return StartSetting{mode, Clamp(printerStart.filter, 0, 200)};
}

}  // namespace printersettings
