#include "printersettings/PrintModeTable.h"

namespace printersettings {
namespace {

const PrintModeEntry kTable[kPrintModeEntries] = {
    {"0 %", "  0x0 dpi", "  0x0 dpi   [-][-]", 0x00},
    {"25 %", "150x150 dpi", "150x150 dpi   [A][-]", 0x01},
    {"25 %", "150x150 dpi   [-][B]", "150x150 dpi   [-][B]", 0x20},
    {"25 %", "150x150 dpi   [A][-]/[-][B]", "150x150 dpi   [A][-]/[-][B]", 0x41},
    {"50 %", "150x300 dpi", "150x300 dpi   [AB][-]", 0x21},
    {"50 %", "300x150 dpi   [A][A]", "300x150 dpi   [A][A]", 0x05},
    {"50 %", "300x150 dpi   [B][B]", "300x150 dpi   [B][B]", 0x28},
    {"50 %", "300x150 dpi   [A][A]/[B][B]", "300x150 dpi   [A][A]/[B][B]", 0x45},
    {"75 %", "300x225 dpi", "300x225 dpi   [AB][A]", 0x25},
    {"75 %", "300x225 dpi   [AB][B]", "300x225 dpi   [AB][B]", 0x29},
    {"75 %", "300x225 dpi   [AB][A]/[AB][B]", "300x225 dpi   [AB][A]/[AB][B]", 0x65},
    {"100 %", "300x300 dpi", "300x300 dpi   [AB][AB]", 0x2D},
};

const PrintModePreset kPresetTable[kPresets] = {
    {"Konfiguration 1", "0% 25% 50% 75% 100%", 5, {0, 1, 4, 8, 11, 0, 0, 0}},
    {"Konfiguration 2", "0% 50% 75% 100%", 4, {0, 4, 8, 11, 0, 0, 0, 0}},
    {"Konfiguration 3", "0% 50% 100%", 3, {0, 4, 11, 0, 0, 0, 0, 0}},
    {"Konfiguration 4", "0% 100%", 2, {0, 11, 0, 0, 0, 0, 0, 0}},
    {"Konfiguration 5", "Test", 4, {0, 5, 6, 11, 0, 0, 0, 0}},
};

int Bounded(int index) { return index < 0 ? 0 : index >= kPrintModeEntries ? kPrintModeEntries - 1 : index; }

}  // namespace

const PrintModeEntry& PrintModeAt(int index) { return kTable[Bounded(index)]; }

std::string ResolutionText(int index, bool expertPanelVisible) {
  const PrintModeEntry& e = PrintModeAt(index);
  return expertPanelVisible ? e.expertText : e.text;
}

int PrintModeDown(int index, bool expertMode) {
  if (expertMode) return index - 1;
  if (index > 11) return 11;
  if (index == 11) return 8;
  if (index >= 8) return 4;
  if (index >= 4) return 1;
  return 0;
}

int PrintModeUp(int index, bool expertMode) {
  if (expertMode) return index + 1;
  if (index < 0) return 0;
  if (index == 0) return 1;
  if (index <= 3) return 4;
  if (index <= 7) return 8;
  return 11;
}

const PrintModePreset& PresetAt(int n) { return kPresetTable[n < 0 ? 0 : n >= kPresets ? kPresets - 1 : n]; }

int MatchingPreset(int count, const std::array<int, kMaxPrintModes>& indexes) {
  for (int n = 0; n < kPresets; ++n)
    if (kPresetTable[n].count == count && kPresetTable[n].indexes == indexes) return n;
  return -1;
}

}  // namespace printersettings
