#pragma once
// How the setting forms hold the printer's values: every value is a signed
// 32-bit number, -1 when it is unknown (not read yet, no printer, a lost
// link). A choice outside a form's range is -1 and lights no panel; a
// number is clamped to its range.
namespace printersettings {

inline constexpr int kUnknown = -1;

inline int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

// `value` when it lies in low..high, else -1.
inline int ChoiceIn(int value, int low, int high) { return value >= low && value <= high ? value : kUnknown; }

// What a choice sends: the operator's choice, or, for a choice not made in
// the form (no panel lit), the printer's own value, so that a value the
// form has no panel for (the start mode 0, for example) stays as it is.
// -1 while both are unknown: the form keeps its OK off then, as -1 is
// never sent.
inline int ChoiceToSend(int edit, int printer) { return edit >= 0 ? edit : printer >= 0 ? printer : kUnknown; }

}  // namespace printersettings
