#pragma once
// Which rows of the data view, and which layers of the editor's working
// copy, show a date or time that may have changed since they were drawn.
// The data view asks once a second; whatever it redraws it reports back, so
// that the decisions rest on when each row was really drawn.
//
// A time layer's step (0, 60 or 3600 seconds) limits its redraws to one per
// step: it is due once the moment has moved into another step since its
// last drawing. That holds however late a pass comes, so a pass that misses
// the exact first second of a minute still redraws the minute.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "printdata/PrintGroup.h"

namespace printdata {

// A date with a weekday bit (0 to 6) or a time with an interval other than
// -1: the printer fills these in, and the PC's picture follows the clock.
bool IsDynamicDate(const LayerObject& layer);
bool IsDynamicTime(const LayerObject& layer);

// A local moment: the day number and the second of that day (0..86399).
struct LocalMoment {
  std::int64_t Day = 0;
  std::int32_t Second = 0;
  std::int64_t Seconds() const { return Day * 86400 + Second; }
};

// The step a time layer's text is in at `seconds` (LocalMoment::Seconds); a
// step of 0 or less makes every second a step of its own.
std::int64_t TimeStepBucket(std::int32_t step, std::int64_t seconds);

class DateTimeRefresh {
 public:
  // One pass while the data view is shown: the rows, in ascending order,
  // among the `count` in use, to redraw now. The first pass after start and
  // after the editor was shown takes every row with a dynamic layer; the
  // first pass of a new day every row with a dynamic date; any pass the
  // rows whose dynamic time is due.
  std::vector<int> DataViewPass(const PrintGroup& group, int count, const LocalMoment& now);
  // One pass while the editor is shown: bit n set when layer n of the
  // working copy is to be recomputed and redrawn (every dynamic date, every
  // dynamic time that is due).
  unsigned EditorPass(const PrintText& work, const LocalMoment& now);

  // Every redraw of a row and of an editor layer is reported here.
  void RowDrawn(int row, const LocalMoment& at);
  void EditorLayerDrawn(int layer, const LocalMoment& at);
  // The editor took another print text: its layers show the texts that
  // print text was stored with, so the next editor pass redraws every
  // dynamic layer, whatever was drawn for the one before.
  void EditorOpened();

  bool EditorWasShown() const { return editorWasShown_; }
  std::int64_t LastDate() const { return lastDate_; }

 private:
  static bool TimeDue(const LayerObject& layer, const std::optional<std::int64_t>& drawn, const LocalMoment& now);

  bool editorWasShown_ = true;
  std::int64_t lastDate_ = 0;
  // When each row and editor layer was last drawn (LocalMoment::Seconds).
  std::array<std::optional<std::int64_t>, kMaxPrintTexts> rowDrawn_{};
  std::array<std::optional<std::int64_t>, kLayerCount> layerDrawn_{};
};

}  // namespace printdata
