#pragma once
// One page of the report of the open print data: the header, the data
// title on the first page, the rows of the data view as it lays them out
// (each print text's number and preview, and the chosen columns captured
// from the data view on white) and the footer.
#include <QString>
#include <functional>

#include "printing/DibPrintEngine.h"
#include "printing/ReportLayout.h"
#include "printing/ui/PageCanvas.h"

class TFrameDaten;

namespace printing::ui {

// The sizes of the data view's rows: each preview bitmap and its three
// column frames.
std::function<ReportRowSizes(int row)> DataViewRowSizes(const TFrameDaten& data);

// Draws the page from `startRow` (0: the first page) on `canvas`; `nextRow`
// as below. False when drawing failed.
bool DrawReportPage(PageCanvas& canvas, TFrameDaten& data, const QString& caption, int startRow,
                    const ReportSections& sections, int* nextRow);

// Draws the page from `startRow` (0: the first page) on `canvas` and prints
// it on `device`. 1 printed, 0 an exception, -1 an empty page bitmap, -2
// the bitmap could not be converted, -3 the print engine failed. `nextRow`
// (may be null) becomes the first row left for the next page, 0 when the
// last row is on this page; unchanged when there are no rows.
int PrintReportPage(PageCanvas& canvas, PrintDevice& device, TFrameDaten& data, const QString& caption, int startRow,
                    const ReportSections& sections, int* nextRow, const EngineOptions& options = {},
                    const TileProgress& progress = {});

}  // namespace printing::ui
