#include "printing/ReportLayout.h"

#include <algorithm>

namespace printing {
namespace {

constexpr int kMaxRows = 99;

}  // namespace

int ReportFirstRowTop(const ReportSections& s, bool firstPage) {
  // Indexed by layers, parameters, notes as bits 2, 1, 0.
  constexpr int kFirst[8] = {337, 356, 356, 356, 336, 356, 356, 356};
  constexpr int kLater[8] = {160, 140, 160, 200, 200, 220, 130, 140};
  const int key = (s.layers ? 4 : 0) | (s.parameters ? 2 : 0) | (s.notes ? 1 : 0);
  return firstPage ? kFirst[key] : kLater[key];
}

ReportPagePlan PlanReportPage(const PageGeometry& g, const ReportSections& s, int startRow, int count,
                              const std::function<ReportRowSizes(int row)>& sizes) {
  ReportPagePlan plan;
  const std::array<bool, 3> chosen = {s.layers, s.parameters, s.notes};
  int y = g.U(ReportFirstRowTop(s, startRow == 0));
  const int x = g.U(350);
  const int last = std::min(count, kMaxRows);
  for (int i = std::max(startRow, 0); i < last; ++i) {
    const bool first = plan.rows.empty();
    if (!first) y += s.Any() ? g.U(50) : g.U(96);
    const ReportRowSizes size = sizes(i);
    ReportRowPlan row;
    row.row = i;
    row.preview = {x, y, x + g.U(2 * size.preview.width), y + g.U(2 * size.preview.height)};
    const int pb = row.preview.bottom;
    row.frame = {x - g.U(10), y - g.U(10), row.preview.right + g.U(10), pb + g.U(10)};
    int bottom = row.frame.bottom;
    for (std::size_t k = 0; k < 3; ++k) {
      if (!chosen[k]) continue;
      const int width = g.U(3 * size.frames[k].width);
      const int top = bottom + g.U(30);
      row.frames[k] = {(g.width - width) / 2, top, (g.width - width) / 2 + width, top + g.U(3 * size.frames[k].height)};
      bottom = row.frames[k].bottom;
    }
    // The whole row, frame and sub-frames included, stays above the footer.
    if (!first && bottom > g.height - g.U(50)) {
      plan.nextRow = i;
      return plan;
    }
    row.numberX = g.U(165);
    row.numberY = y - g.U(8);
    plan.rows.push_back(row);
    plan.nextRow = 0;
    y = bottom;
  }
  return plan;
}

int CountReportPages(const PageGeometry& g, const ReportSections& s, int count,
                     const std::function<ReportRowSizes(int row)>& sizes) {
  int pages = 1;
  int start = 0;
  for (;;) {
    const ReportPagePlan plan = PlanReportPage(g, s, start, count, sizes);
    if (plan.nextRow == 0) return pages;
    start = plan.nextRow;
    ++pages;
  }
}

}  // namespace printing
