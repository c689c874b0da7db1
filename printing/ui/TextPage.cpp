#include "printing/ui/TextPage.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace printing::ui {
namespace {

constexpr int kTextPoints = 8;

}  // namespace

QFont TextPrintFont(int r) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  // Points of the paper, whatever the bitmap's screen-like resolution says.
  font.setPixelSize(std::max(1, (kTextPoints * r + 36) / 72));
  return font;
}

TextMeasure MeasureText(const PageCanvas& canvas, const QFont& font) {
  const QFontMetrics m(font);
  const PageGeometry& g = canvas.Geometry();
  TextMeasure t;
  t.charsPerLine = std::max(1, g.width / std::max(1, m.horizontalAdvance(QLatin1Char('M'))));
  t.linesPerPage = std::max(1, g.height / std::max(1, m.lineSpacing()));
  return t;
}

std::vector<TextPage> TextPagesFor(const PageCanvas& canvas, const QStringList& lines) {
  const TextMeasure t = MeasureText(canvas, TextPrintFont(canvas.Geometry().r));
  std::vector<int> lengths;
  lengths.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines) lengths.push_back(static_cast<int>(line.size()));
  return LayOutText(lengths, t.charsPerLine, t.linesPerPage);
}

int PrintTextPage(PageCanvas& canvas, PrintDevice& device, const QStringList& lines, const TextPage& page,
                  const EngineOptions& options, const TileProgress& progress) {
  canvas.Clear();
  {
    QPainter p(&canvas.Image());
    if (!p.isActive()) return -1;
    p.setFont(TextPrintFont(canvas.Geometry().r));
    const int step = p.fontMetrics().lineSpacing();
    int y = 0;
    for (const TextSpan& span : page) {
      if (span.line >= 0 && span.line < lines.size())
        canvas.Text(p, 0, y, lines[span.line].mid(span.start, span.length));
      y += step;
    }
  }
  return canvas.Output(device, options, progress);
}

}  // namespace printing::ui
