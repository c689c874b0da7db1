#include "editor/ui/StepButton.h"

#include <QEvent>
#include <QPainter>

#include "platform/qt/Colour.h"
#include "platform/qt/Panel.h"

namespace editor::ui {

QString DownCaption(const QString& sign, int blanks) { return sign + QString(blanks, QLatin1Char(' ')); }
QString UpCaption(const QString& sign, int blanks) { return QString(blanks, QLatin1Char(' ')) + sign; }

StepButton::StepButton(QWidget* parent, const QRect& geometry) : platform::SpeedButton(parent) {
  setGeometry(geometry);
}

// The step button keeps its own geometry when the panel changes size.
bool StepButton::eventFilter(QObject*, QEvent*) { return false; }

void StepButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (isEnabled() && (isDown() || underMouse()))
    platform::DrawBevel(p, rect().adjusted(0, 0, -1, -1),
                        isDown() ? platform::BevelKind::Lowered : platform::BevelKind::Raised);
  const QString caption = text();
  const QString sign = caption.trimmed();
  if (sign.isEmpty()) return;
  // A padded sign goes to the end of the caption it stands at; a plain one
  // to the middle.
  const bool padded = sign.size() != caption.size();
  const Qt::Alignment side = !padded ? Qt::AlignHCenter : caption.front().isSpace() ? Qt::AlignRight : Qt::AlignLeft;
  QFont f = font();
  f.setBold(true);
  f.setPixelSize(15);
  p.setFont(f);
  p.setPen(platform::VclColor(FontColor()));
  const QRect area = rect().adjusted(6, 0, -6, 0).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
  p.drawText(area, side | Qt::AlignVCenter, sign);
}

}  // namespace editor::ui
