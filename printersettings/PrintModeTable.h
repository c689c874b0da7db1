#pragma once
// The printer's print modes: up to eight, each one entry of a fixed table
// of resolutions and print-head row patterns with a code byte the printer
// takes ("DPI.ANZEIGE"). The coarse steps (0, 1, 4, 8, 11) are what the
// operator steps through; the others are reached in expert mode or by a
// preset, and always show their row pattern.
#include <array>
#include <string>

namespace printersettings {

inline constexpr int kPrintModeEntries = 12;
inline constexpr int kMaxPrintModes = 8;

struct PrintModeEntry {
  const char* coverage;     // "25 %"
  const char* text;         // without the expert panel
  const char* expertText;   // with it: every entry carries its row pattern
  int code;
};

// Entry `index` (0 to 11) of the table.
const PrintModeEntry& PrintModeAt(int index);
// The resolution text of a row, with its pattern while the expert panel
// is shown.
std::string ResolutionText(int index, bool expertPanelVisible);

// Single steps in expert mode, else the coarse steps; the form clamps the
// result to 0..11.
int PrintModeDown(int index, bool expertMode);
int PrintModeUp(int index, bool expertMode);

struct PrintModePreset {
  const char* title;    // "Konfiguration 1"
  const char* caption;  // "0% 25% 50% 75% 100%"
  int count;
  std::array<int, kMaxPrintModes> indexes;  // beyond the count 0
};
inline constexpr int kPresets = 5;
const PrintModePreset& PresetAt(int n);  // 0 to 4, the last one "Test"
// The first preset whose count and all eight indexes are these, else -1.
int MatchingPreset(int count, const std::array<int, kMaxPrintModes>& indexes);

}  // namespace printersettings
