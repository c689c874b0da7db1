#pragma once
// Where the rows of a report page go. Each row is the print text's number,
// its preview at twice its pixel size in a purple frame, and below it the
// chosen sub-frames of the data view (layers, parameters, note) at three
// times their screen size, centred across the page. A row that would reach
// into the footer starts the next page, except the first row of a page,
// which is drawn whatever its height.
#include <array>
#include <functional>
#include <vector>

#include "printing/DeviceRect.h"
#include "printing/PageGeometry.h"

namespace printing {

// Which sub-frames each row shows.
struct ReportSections {
  bool layers = true;
  bool parameters = true;
  bool notes = true;
  bool Any() const { return layers || parameters || notes; }
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

// A row's preview bitmap and its three sub-frames (layers, parameters,
// notes) in screen pixels.
struct ReportRowSizes {
  PixelSize preview;
  std::array<PixelSize, 3> frames;
};

// The first row's top in 1/300 inch, by sections and page.
int ReportFirstRowTop(const ReportSections& sections, bool firstPage);

struct ReportRowPlan {
  int row = 0;       // the print text's index
  int numberX = 0;   // the number's top-left corner
  int numberY = 0;
  DeviceRect frame;  // purple, around the preview
  DeviceRect preview;
  std::array<DeviceRect, 3> frames;  // empty for a section not chosen
};

struct ReportPagePlan {
  std::vector<ReportRowPlan> rows;
  int nextRow = 0;  // the first row that did not fit; 0 when the last row is on this page
};

// The rows of the page that starts at `startRow` (0: the first page, which
// carries the data title) of `count` print texts (at most 99).
ReportPagePlan PlanReportPage(const PageGeometry& page, const ReportSections& sections, int startRow, int count,
                              const std::function<ReportRowSizes(int row)>& sizes);

// How many pages the rows take (at least 1).
int CountReportPages(const PageGeometry& page, const ReportSections& sections, int count,
                     const std::function<ReportRowSizes(int row)>& sizes);

}  // namespace printing
