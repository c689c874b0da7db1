#include "app/pc/MemoView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/qt/Colour.h"

namespace app {

MemoView::MemoView(QWidget* parent, const QFont& font, std::uint32_t textColour, std::uint32_t background)
    : QWidget(parent), textColour_(textColour), background_(background) {
  setFont(font);
  setFocusPolicy(Qt::NoFocus);
}

void MemoView::SetLines(const QStringList& lines) {
  lines_ = lines;
  update();
}

int MemoView::LineStep() const {
  const int pixels = font().pixelSize();
  return pixels > 0 ? pixels + 2 : QFontMetrics(font()).height();
}

QSize MemoView::TextSize() const {
  const QFontMetrics fm(font());
  int width = 0;
  for (const QString& line : lines_) width = std::max(width, fm.horizontalAdvance(line));
  return {width, static_cast<int>(lines_.size()) * LineStep()};
}

void MemoView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), platform::VclColor(background_));
  // The colour stays when the memo's panel is disabled.
  p.setPen(platform::VclColor(textColour_));
  p.setFont(font());
  const QFontMetrics fm(font());
  const int step = LineStep();
  // The glyphs sit in the middle of their step.
  const int baseline = (step - fm.height()) / 2 + fm.ascent();
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i)
    p.drawText(0, i * step + baseline, lines_[static_cast<qsizetype>(i)]);
}

}  // namespace app
