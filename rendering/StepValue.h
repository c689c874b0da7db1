#pragma once
// The values of the editor's step controls: a number between two limits
// that a Down and an Up button move, where the button of a limit that has
// been reached shows no sign. Values come from files too, so every step is
// worked out in 64 bits and saturates instead of overflowing.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace editor {

struct StepRange {
  std::int32_t Min;
  std::int32_t Max;
};

struct ClampedStep {
  std::int32_t Value;
  bool AtMin;  // the Down button shows no sign
  bool AtMax;  // the Up button shows no sign
};

inline ClampedStep ClampStep(std::int64_t value, StepRange range) {
  const std::int32_t v = static_cast<std::int32_t>(std::clamp<std::int64_t>(value, range.Min, range.Max));
  return {v, v <= range.Min, v >= range.Max};
}

// `value` + `delta`, kept within the 32 bits the value is held in.
inline std::int32_t Stepped(std::int64_t value, std::int64_t delta) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value + delta, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

// The ranges of the object panes' step controls.
inline constexpr StepRange kPositionXRange{-600, 600};
inline constexpr StepRange kPositionYRange{-50, 50};
inline constexpr StepRange kFontWidthRange{1, 500};
inline constexpr StepRange kFontHeightRange{1, 500};
inline constexpr StepRange kSpacingRange{-1, 100};
inline constexpr StepRange kDayOffsetRange{-800, 800};
inline constexpr StepRange kTimeOffsetRange{-86399, 86399};
inline constexpr std::int32_t kTimeOffsetStep = 60;

// Milliseconds from the press to the first repeat, and between repeats.
inline constexpr int kRepeatDelayMs = 500;
inline constexpr int kPositionRepeatMs = 25;
inline constexpr int kFontRepeatMs = 125;
inline constexpr int kOffsetRepeatMs = 25;
// The graphic pane repeats its position and its size at one pace.
inline constexpr int kGraphicRepeatMs = 25;

}  // namespace editor
