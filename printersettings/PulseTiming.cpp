#include "printersettings/PulseTiming.h"

#include <algorithm>
#include <cstdio>

#include "platform/NumberText.h"

namespace printersettings {
namespace {

constexpr int kCliPulsePresets = 0x80;
constexpr int kCliExtendedPulse = 0x400;

bool HasBit(int cliWord, int bit) { return cliWord >= 0 && (cliWord & bit) != 0; }

// Puls / Pause / Vorpuls / Auffrischen / Tintenmenge.
constexpr PulseValues kPresets[kPresetCount] = {
    {36, 0, 0, 0, 0},
    {25, 18, 6, 0, 0},
    {25, 18, 6, 6, 0},
    {25, 18, 6, 6, 1},
};
constexpr PulseValues kNarrowHeadPreset = {13, 0, 0, 0, 0};

constexpr int kUnit = 3;  // pixels per 0.1 us
constexpr int kLevelMargin = 8;
constexpr int kStartX = 8;
constexpr int kLeadIn = 20;
constexpr int kRunOut = 40;

// Draws a trace from left to right, one level change or stretch at a time.
class Trace {
 public:
  explicit Trace(int height) : low_(height - kLevelMargin), high_(kLevelMargin), y_(low_) {}
  void AlongPixels(std::uint32_t colour, int pixels) { To(colour, x_ + pixels, y_); }
  void Up(std::uint32_t colour) { To(colour, x_, high_); }
  void Down(std::uint32_t colour) { To(colour, x_, low_); }
  std::vector<DiagramLine> Lines() && { return std::move(lines_); }

 private:
  void To(std::uint32_t colour, int x, int y) {
    lines_.push_back({colour, x_, y_, x, y});
    x_ = x;
    y_ = y;
  }
  int low_, high_;
  int x_ = kStartX, y_;
  std::vector<DiagramLine> lines_;
};

// A stretch of `value` units; values are clamped before, this only keeps
// a wild one from overflowing.
int Pixels(int value) { return std::clamp(value, 0, 10000) * kUnit; }

}  // namespace

std::array<RowLimits, kPulseRowCount> PulseLimits(int cliWord) {
  if (HasBit(cliWord, kCliPulsePresets)) return {{{1, 40}, {0, 0}, {0, 0}, {0, 60}, {0, 0}}};
  return {{{10, 50}, {0, 50}, {0, 50}, {0, 50}, {0, 1}}};
}

PulseValues ClampPulseValues(PulseValues values, int cliWord) {
  const auto limits = PulseLimits(cliWord);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = std::clamp(values[i], limits[i].low, limits[i].high);
  return values;
}

bool ExtendedPulseRows(int cliWord) { return HasBit(cliWord, kCliExtendedPulse); }

PulseValues PresetValues(int preset, int cliWord) {
  if (HasBit(cliWord, kCliPulsePresets)) return kNarrowHeadPreset;
  return kPresets[std::clamp(preset, 0, kPresetCount - 1)];
}

std::string PresetCaption(int preset) {
  const PulseValues& v = kPresets[std::clamp(preset, 0, kPresetCount - 1)];
  char text[32];
  std::snprintf(text, sizeof text, "%dx %02d/%02d/%02d/%02d", v[kInkRow] + 1, v[kPrePulseRow], v[kPauseRow],
                v[kPulseRow], v[kRefreshRow]);
  return text;
}

int MatchingPreset(const PulseValues& values, int cliWord) {
  const int candidates = HasBit(cliWord, kCliPulsePresets) ? 1 : kPresetCount;
  for (int p = 0; p < candidates; ++p)
    if (values == PresetValues(p, cliWord)) return p;
  return -1;
}

std::string MicrosecondsText(int tenths) { return platform::FixedText(tenths / 10.0, 1) + " \xB5s"; }

std::string InkFactorText(int ink) { return std::to_string(static_cast<long long>(ink) + 1) + "x"; }

std::vector<DiagramLine> PulseDiagram(int pulse, int pause, int prePulse, int height) {
  Trace t(height);
  t.AlongPixels(kDiagramBase, kLeadIn);
  if (prePulse >= 1) {
    t.Up(kDiagramPrePulse);
    t.AlongPixels(kDiagramPrePulse, Pixels(prePulse));
    if (pause > 0) {
      t.Down(kDiagramPrePulse);
      t.AlongPixels(kDiagramPause, Pixels(pause));
      t.Up(kDiagramPulse);
    }
  } else {
    t.Up(kDiagramPulse);
  }
  t.AlongPixels(kDiagramPulse, Pixels(pulse));
  t.Down(kDiagramPulse);
  t.AlongPixels(kDiagramBase, kRunOut);
  return std::move(t).Lines();
}

std::vector<DiagramLine> RefreshDiagram(int refresh, int height) {
  if (refresh <= 0) return {};
  Trace t(height);
  t.AlongPixels(kDiagramBase, kLeadIn);
  t.Up(kDiagramPrePulse);
  t.AlongPixels(kDiagramPrePulse, Pixels(refresh));
  t.Down(kDiagramPrePulse);
  t.AlongPixels(kDiagramBase, kRunOut);
  return std::move(t).Lines();
}

}  // namespace printersettings
