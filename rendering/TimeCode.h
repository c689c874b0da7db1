#pragma once
// What a time layer prints: the present local time plus the layer's offset,
// cut down to the last multiple of its interval since midnight, written out
// through the layer's time code.
//
// Placeholders: A0..A2 second, B0..B2 minute, C0..C2 hour on the 12-hour
// clock, D0..D2 hour, E0 the AM or PM text; every other byte prints as
// itself.
#include <string>

#include "rendering/LocalClock.h"
#include "printdata/PrintText.h"

namespace editor {

// `now` plus the layer's offset, cut to its interval (an interval of 0 or
// -1 cuts nothing).
LocalDateTime PrintedTime(const printdata::LayerObject& layer, const LocalDateTime& now);

// The layer's time code written out for `time`.
std::string ExpandTimeCode(const printdata::LayerObject& layer, const LocalDateTime& time);

// The time text of layer `layer` of the working copy at `now`; "" for a
// layer outside 0..4 and for a `now` that is no date and time
// (IsValidDateTime), such as a failed clock gives.
std::string FormatTime(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now);

// FormatTime for the present local time (or `now`); "" when the clock gives
// no time. Only reads.
std::string RenderTimeText(const printdata::PrintText& work, unsigned layer);
std::string RenderTimeText(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now);

}  // namespace editor
