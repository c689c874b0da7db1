#pragma once
// What a date layer prints: today plus the layer's day offset, held back to
// the last weekday on which the date may move on, written out through the
// layer's date code. The printer fills the same placeholders itself for a
// dynamic date; the PC's text is what the layer image shows and, for a
// static date, what is printed.
//
// Placeholders: A0..A6 day of month and of year, B0/B1 weekday, C0..C4
// month, D0..D4 year, E0..E2 ISO week; every other byte prints as itself.
#include <cstdint>
#include <string>

#include "rendering/LocalClock.h"
#include "printdata/PrintText.h"

namespace editor {

// Days to go back from a base date of ISO weekday `weekday` (1..7) so that
// the date moves on only on the weekdays of `mask`. Only the masks the date
// pane offers hold back (9, 18, 36 and the single days); 127, 0 and any
// other mask give 0.
int HoldBackDays(std::int32_t mask, int weekday);

// The day number the layer prints when today is `today`.
std::int64_t PrintedDay(const printdata::LayerObject& layer, const CivilDate& today);

// The years a printed date can have; a date outside them prints "".
inline constexpr std::int64_t kFirstYear = 1, kLastYear = 9999;

// The layer's date code written out for day number `day`.
std::string ExpandDateCode(const printdata::LayerObject& layer, std::int64_t day);

// The date text of layer `layer` of the working copy at `now`; "" for a
// layer outside 0..4, for a date outside the years 1 to 9999 and for a
// `now` that is no date and time (IsValidDateTime), such as a failed clock
// gives.
std::string FormatDate(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now);

// FormatDate for the present local date (or `now`); "" when the clock gives
// no date. Only reads, so the data view's refresher may call it on its
// own thread on a copy of the layer it holds.
std::string RenderDateText(const printdata::PrintText& work, unsigned layer);
std::string RenderDateText(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now);

}  // namespace editor
