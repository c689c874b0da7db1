#pragma once
// Keeping the printed dates and times of the working copy current while
// the editor shows it: one pass, with the local time read once by the
// caller, so that every layer of the pass shows the same moment.
#include <array>

#include "editor/LocalClock.h"
#include "printdata/PrintText.h"

namespace editor {

// Recomputes the texts of the dynamic date layers, and of the dynamic time
// layers whose step allows this pass (a step of 0 or less always, else
// only when the second of the day is a multiple of it), stores those that
// changed and reports which layers they were.
std::array<bool, printdata::kLayerCount> RefreshChangedTexts(printdata::PrintText& work, const LocalDateTime& now);

}  // namespace editor
