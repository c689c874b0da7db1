#pragma once
// The auto-repeat of a held step button in the setting forms. Pressing a
// "-" or "+" starts the form's timer with a delay of kRepeatDelayMs and a
// tag of -1 or +1; every tick then moves the value by the step the tag
// stands for and sets the interval to the row's repeat interval; releasing
// stops the timer (the click that follows the release steps once more, as
// a plain click does).
//
// A constant step keeps the tag at +-1. An accelerating step counts the
// ticks in the tag: the k-th tick (|tag| = k) takes the step of the band k
// falls in (bands of `bandTicks` ticks: 1 .. bandTicks-1, then bandTicks ..
// 2*bandTicks-1, ...) and moves the tag one further from 0, except in the
// last band, where the tag stays.
#include <array>

namespace printersettings {

inline constexpr int kRepeatDelayMs = 500;

struct RepeatPlan {
  int intervalMs;
  int bandTicks;               // 0: a constant step, steps[0]
  std::array<int, 4> steps;    // the step of each band
};

// Input filters of the start, suppression and run-out forms.
inline constexpr RepeatPlan kFilterRepeat{100, 0, {1, 1, 1, 1}};
// Shift distance and time, the internal speed.
inline constexpr RepeatPlan kShiftRepeat{50, 50, {1, 4, 8, 16}};
// The speed factor.
inline constexpr RepeatPlan kFactorRepeat{50, 50, {1, 8, 16, 32}};
// The print text of a selection signal.
inline constexpr RepeatPlan kPrintTextRepeat{250, 10, {1, 2, 4, 8}};

// The signed step of the tick that `tag` stands for; moves the tag on as
// the plan says. A tag of 0 (no direction) gives 0.
int TakeRepeatStep(const RepeatPlan& plan, int& tag);

}  // namespace printersettings
