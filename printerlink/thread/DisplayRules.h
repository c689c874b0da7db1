#pragma once
// The display rules the printer windows share: which tiles of the settings
// view are offered, the rows the setting forms enable, and the texts made
// of several mirror values. The windows apply them in their display steps.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "printerlink/thread/PrinterCaptions.h"
#include "printerlink/thread/PrinterMirror.h"

namespace printerthread {

inline constexpr std::uint32_t kOfferedColour = 11439276;   // chosen value, active tile
inline constexpr std::uint32_t kWithheldColour = 12632256;  // silver

// One tile of the settings view. A tile is offered (offered colour, button
// visible) or withheld (silver, button hidden); the print-mode and programs
// tiles are disabled instead of losing their button. Fields left empty are
// not touched.
struct TileState {
  std::uint32_t colour = kOfferedColour;
  std::optional<bool> buttonVisible;
  std::optional<bool> enabled;
  bool operator==(const TileState&) const = default;
};

struct SettingsTiles {
  TileState GeraetSleep, GeraetDPI, DruckstartVerschieben, DruckstartInterface, UnterdrueckungVerschieben,
      AuslaufModus, DruckgeschwindigkeitTaktquelle, DruckgeschwindigkeitFaktor, BedienteilOption,
      BedienteilProgramme;
};

SettingsTiles TilesAfterRefresh(const PrinterMirror& m);

// Makes the mirror's texts that are captions of the setting forms (and the
// state and print-data names) again from the mirror's values, in the
// language of `captions`: the printer thread before every display refresh,
// as a value may have been read while another language was in force; the
// settings view when the language changes, from the mirror it shows.
void DeriveCaptionTexts(PrinterMirror& m, const PrinterCaptions& captions);
SettingsTiles TilesAfterReset();

// The start-shift and suppression-shift forms enable their off button and
// their four step buttons exactly when their tile is offered.
bool ShiftButtonsEnabled(int machineType);
// The six orientation buttons of a row of the alignment form.
std::array<bool, 6> OrientationButtonsEnabled(int machineType);
// The filter rows of the start-mode and suppression-mode forms.
bool FilterRowShown(int cliWord);

// The shift tiles: the form's off caption, the distance or the time by mode.
std::string ShiftLabel(int mode, const std::string& distanceText, const std::string& timeText,
                       const std::string& offCaption);

// The factor form's target speed: the clock speed text (mode 0), the clock
// speed times the factor in thousandths (mode 1), else "?".
std::string TargetSpeedText(int factorMode, int factor, int clockSpeed, const std::string& clockSpeedText);

// The counter tile and the counter form's count: in parentheses while the
// open counter form holds a change not yet sent.
bool CounterChangePending(bool formVisible, int editIncrement, int printerIncrement, int editCounterReset);
std::string CounterLabel(const std::string& counterText, bool changePending);

// "RS232, USB" and the fitted modules: ", BT", ", LAN", ", WLAN".
std::string CommunicationLabel(const std::array<std::uint8_t, 8>& kit);

// One module row group of the communication window.
struct CommunicationRow {
  bool fitted = false;
  std::array<std::string, 5> labels;  // only the module's own rows are used
  bool operator==(const CommunicationRow&) const = default;
};
struct CommunicationRows {
  CommunicationRow bluetooth, lan, wlan, ntp, link;  // 2, 3, 5, 3 and 2 rows
};
CommunicationRows CommunicationWindowRows(const PrinterMirror& m);

// The display-unit lines of the remote control and the diagnosis window.
struct DisplayUnitView {
  bool shown = false;                // the key button is enabled
  std::string line0, line1;          // right-aligned in 16 characters, or ""
  std::string title, value;          // "" while shown, else "Display" and "-"
};
DisplayUnitView DisplayUnitLines(const PrinterMirror& m);
// What ResetDisplay shows there.
DisplayUnitView DisplayUnitUnknown();

// The remote control shows the printer's print text again (instead of the
// edited one) once the printer reports the edited value and no change is
// pending.
bool ShowPrinterPrintText(int printerPrintText, int editPrintText, bool selectDtPending, bool timerRunning);
// The same for the print mode: by the print-mode index with bit 0x100,
// else by the value sent.
bool ShowPrinterPrintMode(int cliWord, int dpiIndex, int printModeIndex, int printerPrintMode, int editPrintMode,
                          bool remoteDpiPending);

}  // namespace printerthread
