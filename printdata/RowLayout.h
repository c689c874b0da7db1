#pragma once
// Where the data view puts its 99 rows: the row picture, the number beside
// it and, under it, the optional columns (layers, parameters, notes). The
// tops are those of the list at scroll position 0; the view moves its
// controls there. Hidden rows keep their columns' places in the count, so a
// row's columns stay where they are when print texts come and go.
#include <array>
#include <cstdint>

#include "printdata/PrintGroup.h"

namespace printdata {

enum RowColumn { kColumnLayers = 0, kColumnParameters = 1, kColumnNotes = 2, kRowColumnCount = 3 };

inline constexpr int kRowNumberLeft = 8;
inline constexpr int kRowNumberWidth = 20;
inline constexpr int kRowNumberHeight = 13;
inline constexpr int kRowLeft = 44;
inline constexpr int kRowColumnWidth = 668;
inline constexpr std::array<int, kRowColumnCount> kRowColumnHeights = {80, 56, 32};
inline constexpr int kMinZoom = 1, kMaxZoom = 5;
// A print length lays out as 1 to 100 whole millimetres whatever a file
// holds; the print text itself keeps its value.
inline constexpr int kMinLayoutMillimetres = 1, kMaxLayoutMillimetres = 100;

// Whole millimetres of a print length in tenths, as the row picture is laid
// out: truncated, then kept within 1..100.
int LayoutMillimetres(std::int32_t drucklaenge);

struct RowPlace {
  bool Shown = false;  // a row of the open data (index below the count)
  int ImageTop = 0;
  int ImageWidth = 0;   // of the control: millimetres x 6 x zoom
  int ImageHeight = 0;  // 25 x zoom
  int BitmapWidth = 0;  // of the picture: one pixel per dot column
  int NumberTop = 0;
  std::array<bool, kRowColumnCount> ColumnOn{};
  std::array<int, kRowColumnCount> ColumnTop{};  // meaningful where ColumnOn
};

using RowPlaces = std::array<RowPlace, kMaxPrintTexts>;

// The places of all 99 rows for `count` print texts in use at `zoom`
// (kept within 1..5) with the columns that `columns` switches on.
RowPlaces LayOutRows(const PrintGroup& group, int count, int zoom, const std::array<bool, kRowColumnCount>& columns);

}  // namespace printdata
