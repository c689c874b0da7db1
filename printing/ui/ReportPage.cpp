#include "printing/ui/ReportPage.h"

#include <QLabel>
#include <QPainter>

#include "platform/Colours.h"
#include "platform/qt/Colour.h"
#include "printdata/ui/RowFrames.h"
#include "printdata/ui/TFrameDaten.h"
#include "printing/ui/DeviceRectQt.h"

namespace printing::ui {
namespace {

QWidget* Column(const TFrameDaten& data, int row, std::size_t column) {
  const std::size_t i = static_cast<std::size_t>(row);
  switch (column) {
    case 0: return data.RowLayers[i];
    case 1: return data.RowParameters[i];
    default: return data.RowNotes[i];
  }
}

// The note's first two lines over the captured column, in the memo's font
// and colour on white.
void DrawNoteLines(QImage& capture, const QLabel* memo) {
  QPainter p(&capture);
  p.setFont(memo->font());
  p.setPen(memo->palette().color(QPalette::WindowText));
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(Qt::white);
  const QStringList lines = memo->text().split(QLatin1Char('\n'));
  const QFontMetrics m = p.fontMetrics();
  if (lines.size() >= 1 && !lines[0].isEmpty()) p.drawText(0, m.ascent(), lines[0]);
  if (lines.size() >= 2 && !lines[1].isEmpty()) p.drawText(0, m.height() + m.ascent(), lines[1]);
}

// The column as the data view shows it, on white instead of its colour.
QImage CaptureColumn(QWidget* column, const QLabel* memo) {
  QImage capture(column->size(), QImage::Format_RGB32);
  capture.setDotsPerMeterX(qRound(column->logicalDpiX() / 0.0254));
  capture.setDotsPerMeterY(qRound(column->logicalDpiY() / 0.0254));
  capture.fill(Qt::white);
  SetRowColumnColour(column, platform::colours::kWhite);
  column->render(&capture);
  SetRowColumnColour(column, kRowColumnColour);
  if (memo) DrawNoteLines(capture, memo);
  return capture;
}

}  // namespace

std::function<ReportRowSizes(int row)> DataViewRowSizes(const TFrameDaten& data) {
  return [&data](int row) {
    ReportRowSizes s;
    const QImage& preview = data.RowImages[static_cast<std::size_t>(row)]->Picture();
    s.preview = {preview.width(), preview.height()};
    for (std::size_t k = 0; k < 3; ++k) {
      const QWidget* c = Column(data, row, k);
      s.frames[k] = {c->width(), c->height()};
    }
    return s;
  };
}

bool DrawReportPage(PageCanvas& canvas, TFrameDaten& data, const QString& caption, int startRow,
                    const ReportSections& sections, int* nextRow) {
  try {
    const QString date = FooterDate();
    const PageGeometry& g = canvas.Geometry();
    const ReportPagePlan plan = PlanReportPage(g, sections, startRow, data.Count, DataViewRowSizes(data));
    canvas.Clear();
    QPainter p(&canvas.Image());
    canvas.DrawHeader(p, data.TitleNone);
    if (startRow == 0) canvas.DrawCentred(p, 174, 60, data.PanelTitel->Caption());
    const std::array<bool, 3> chosen = {sections.layers, sections.parameters, sections.notes};
    for (const ReportRowPlan& row : plan.rows) {
      canvas.SetFont(p, 40);
      canvas.Text(p, row.numberX, row.numberY, QString::number(row.row + 1));
      p.fillRect(ToQt(row.frame), platform::VclColor(platform::colours::kPurple));
      p.drawImage(ToQt(row.preview), data.RowImages[static_cast<std::size_t>(row.row)]->Picture());
      for (std::size_t k = 0; k < 3; ++k) {
        if (!chosen[k]) continue;
        const QLabel* memo = k == 2 ? data.RowNotes[static_cast<std::size_t>(row.row)]->MemoNotiz : nullptr;
        p.drawImage(ToQt(row.frames[k]), CaptureColumn(Column(data, row.row, k), memo));
      }
    }
    canvas.DrawFooter(p, date, caption);
    if (nextRow && !plan.rows.empty()) *nextRow = plan.nextRow;
    return true;
  } catch (...) {
    return false;
  }
}

int PrintReportPage(PageCanvas& canvas, PrintDevice& device, TFrameDaten& data, const QString& caption, int startRow,
                    const ReportSections& sections, int* nextRow, const EngineOptions& options,
                    const TileProgress& progress) {
  try {
    if (!DrawReportPage(canvas, data, caption, startRow, sections, nextRow)) return 0;
    return canvas.Output(device, options, progress);
  } catch (...) {
    return 0;
  }
}

}  // namespace printing::ui
