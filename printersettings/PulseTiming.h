#pragma once
// The print head's pulse timing as the pulse form edits it: the five values
// in 0.1 us (the ink quantity a factor step), their limits by firmware, the
// four presets, the labels, and the two diagrams as lines to draw.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace printersettings {

// The rows in the form's order: "Puls", "Pause", "Vorpuls", "Auffrischen",
// "Tintenmenge".
enum PulseRow { kPulseRow, kPauseRow, kPrePulseRow, kRefreshRow, kInkRow, kPulseRowCount };
using PulseValues = std::array<int, kPulseRowCount>;

struct RowLimits {
  int low, high;
};
// Firmware with CliWord bit 0x80 has other heads: a shorter pulse, a longer
// refresh, no pause, pre-pulse or second ink step.
std::array<RowLimits, kPulseRowCount> PulseLimits(int cliWord);
// Each value brought into its limits.
PulseValues ClampPulseValues(PulseValues values, int cliWord);
// Firmware with bit 0x400 knows the rows beyond "Puls" and the presets 2 to 4.
bool ExtendedPulseRows(int cliWord);

inline constexpr int kPresetCount = 4;
// The values of "Konfiguration 1" to "Konfiguration 4" (preset 0 to 3).
PulseValues PresetValues(int preset, int cliWord);
// The preset's caption: "1x 06/18/25/00" (ink factor, then pre-pulse,
// pause, pulse and refresh in 0.1 us).
std::string PresetCaption(int preset);
// The preset whose values are `values`, or -1. With bit 0x80 only preset 0
// can match.
int MatchingPreset(const PulseValues& values, int cliWord);

// "2.5 \xB5s" of a value in 0.1 us (Windows-1252), "2x" of an ink quantity.
std::string MicrosecondsText(int tenths);
std::string InkFactorText(int ink);

// A diagram line: colour (0x00BBGGRR) and end points in the picture's
// pixels, drawn with a 3-pixel pen on white.
struct DiagramLine {
  std::uint32_t colour;
  int x1, y1, x2, y2;
  bool operator==(const DiagramLine&) const = default;
};
inline constexpr std::uint32_t kDiagramBase = 0x000000;      // black
inline constexpr std::uint32_t kDiagramPrePulse = 0x0000FF;  // red
inline constexpr std::uint32_t kDiagramPause = 0x008000;     // dark green
inline constexpr std::uint32_t kDiagramPulse = 0xFF0000;     // blue
inline constexpr int kDiagramWidth = 569;
inline constexpr int kDiagramHeight = 48;

// The pulse: base line, pre-pulse and pause when set, the pulse, base line;
// one unit of 0.1 us is 3 pixels; high at 8, low at height - 8.
std::vector<DiagramLine> PulseDiagram(int pulse, int pause, int prePulse, int height = kDiagramHeight);
// The refresh pulse the same way; nothing while it is 0.
std::vector<DiagramLine> RefreshDiagram(int refresh, int height = kDiagramHeight);

}  // namespace printersettings
