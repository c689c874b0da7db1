#pragma once
// The start mode and the selection input must agree: the start modes 5 and
// 6 ("Interface + Wahl") need the selection input on, the modes 0, 1 and 2
// need it off. When the operator confirms one of the two forms, on firmware
// with the extended inputs (CliWord >= 0 with bit 0x800), the other form is
// corrected from the printer's values and sent as well. Every value copied
// goes through the target form's limits first (lines 0..3, print texts
// 0..99, filter 0..200).
#include <array>
#include <optional>

namespace printersettings {

struct StartSetting {
  int mode = -1, filter = -1;
  bool operator==(const StartSetting&) const = default;
};

struct SelectionSetting {
  int mode = -1, lines = -1;
  std::array<int, 16> texts{};
  bool operator==(const SelectionSetting&) const = default;
};

// After the start form was confirmed with `chosenStartMode`: the selection
// to send besides, from the selection form's printer values; nothing when
// it stays as it is.
std::optional<SelectionSetting> SelectionAfterStart(int cliWord, int chosenStartMode,
                                                    const SelectionSetting& printerSelection);

// After the selection form was confirmed with `chosenSelectionMode`: the
// start setting to send besides, from the start form's printer values.
std::optional<StartSetting> StartAfterSelection(int cliWord, int chosenSelectionMode, const StartSetting& printerStart);

}  // namespace printersettings
