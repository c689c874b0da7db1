#pragma once
// The captions of a value row's step buttons. A row is split into a "-"
// half and a "+" half (or "<" and ">" for a mode); the sign sits at the
// outer edge of its half, padded with blanks towards the centre. The side
// of a reached limit shows "" (its button stays enabled: a click beyond
// the limit is clamped back by the form's refresh).
#include <string>

namespace printersettings {

inline constexpr int kStepPadding = 20;

struct StepCaptionPair {
  std::string down, up;
  bool operator==(const StepCaptionPair&) const = default;
};

// "-" and 20 blanks, 20 blanks and "+"; "" at `low` or `high`.
StepCaptionPair StepCaptions(int value, int low, int high, char down = '-', char up = '+',
                             int padding = kStepPadding);
// The mode arrows "<" and ">".
inline StepCaptionPair ModeCaptions(int value, int low, int high) { return StepCaptions(value, low, high, '<', '>'); }

}  // namespace printersettings
