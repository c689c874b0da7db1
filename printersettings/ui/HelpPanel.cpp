#include "printersettings/ui/HelpPanel.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"

namespace printersettings::ui {
namespace {

using namespace platform::colours;

QColor Ink() { return platform::VclColor(kNavy); }
QColor Wire() { return platform::VclColor(kGrey); }

// A signal trace from x0 to x1 at `y` (its high level; low is y + h) that
// changes level at `at`; rising when `rising`.
void Trace(QPainter& p, int x0, int x1, int y, int h, int at, bool rising) {
  const int from = rising ? y + h : y;
  const int to = rising ? y : y + h;
  QPainterPath path;
  path.moveTo(x0, from);
  path.lineTo(at, from);
  path.lineTo(at, to);
  path.lineTo(x1, to);
  p.drawPath(path);
  // The arrow on the edge that counts.
  const int mid = y + h / 2;
  const int tip = rising ? mid - 5 : mid + 5;
  const int back = rising ? mid + 3 : mid - 3;
  p.drawLine(at, tip, at - 4, back);
  p.drawLine(at, tip, at + 4, back);
}

// A level line: high while active for a positive level, low for a negative
// one; a short active window in the middle.
void Level(QPainter& p, int x0, int x1, int y, int h, bool positive) {
  const int idle = positive ? y + h : y;
  const int active = positive ? y : y + h;
  const int a = x0 + (x1 - x0) * 2 / 5;
  const int b = x0 + (x1 - x0) * 4 / 5;
  QPainterPath path;
  path.moveTo(x0, idle);
  path.lineTo(a, idle);
  path.lineTo(a, active);
  path.lineTo(b, active);
  path.lineTo(b, idle);
  path.lineTo(x1, idle);
  p.drawPath(path);
}

void Pulses(QPainter& p, int x0, int x1, int y, int h, bool inverted) {
  QPainterPath path;
  const int period = 24;
  int x = x0;
  path.moveTo(x, inverted ? y : y + h);
  for (bool high = !inverted; x < x1; high = !high) {
    const int next = std::min(x + period / 2, x1);
    path.lineTo(x, high ? y : y + h);
    path.lineTo(next, high ? y : y + h);
    x = next;
  }
  p.drawPath(path);
}

void Box(QPainter& p, const QRect& r, const QString& name, int terminals) {
  p.setPen(QPen(Ink(), 2));
  p.drawRect(r);
  p.setFont(platform::VerdanaPx(13, true));
  p.drawText(r.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
  p.setPen(QPen(Wire(), 1));
  for (int t = 0; t < terminals; ++t) {
    const int x = r.right() - 14 - t * 18;
    p.drawRect(x - 5, r.top() + 6, 10, 10);
    p.drawLine(x, r.top(), x, r.top() - 10);
  }
}

void Caption(QPainter& p, int x, int y, const QString& text) {
  p.setFont(platform::VerdanaPx(11, true));
  p.setPen(Ink());
  p.drawText(x, y, text);
}

void SensorStart(QPainter& p, const QSize& s, bool rising, int lines, bool positiveLevel) {
  const int x0 = 70, x1 = s.width() - 16;
  const int rows = 1 + lines;
  const int rowHeight = (s.height() - 16) / std::max(rows, 3);
  p.setPen(QPen(Ink(), 2));
  Caption(p, 8, 8 + rowHeight / 2 + 5, QStringLiteral("START"));
  p.setPen(QPen(Ink(), 2));
  Trace(p, x0, x1, 8 + 6, rowHeight - 18, (x0 + x1) * 3 / 5, rising);
  for (int n = 0; n < lines; ++n) {
    const int y = 8 + (n + 1) * rowHeight;
    Caption(p, 8, y + rowHeight / 2 + 5, QStringLiteral("A%1").arg(n));
    p.setPen(QPen(Wire(), 2));
    Level(p, x0, x1, y + 6, rowHeight - 18, positiveLevel);
  }
}

}  // namespace

QPixmap WiringSketch(const std::string& name, const QSize& size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  if (name.empty() || name == "ImageNO") return pixmap;
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QString n = QString::fromStdString(name);
  if (n == QLatin1String("ImageSP") || n == QLatin1String("ImageSN")) {
    SensorStart(p, size, n == QLatin1String("ImageSP"), 0, true);
  } else if (n.startsWith(QLatin1String("ImageS")) && n.size() == 11 && n[7] == QLatin1Char('W')) {
    // ImageSPWP1 ...: the start edge and 1 to 4 selection lines.
    SensorStart(p, size, n[6] == QLatin1Char('P'), n.right(1).toInt(), n[8] == QLatin1Char('P'));
  } else if (n == QLatin1String("ImageDrehgeberP") || n == QLatin1String("ImageDrehgeberN") ||
             n == QLatin1String("ImageTakt")) {
    const bool encoder = n != QLatin1String("ImageTakt");
    p.setPen(QPen(Ink(), 2));
    if (encoder) {
      const int r = size.height() / 4;
      p.drawEllipse(QPoint(16 + r, size.height() / 2), r, r);
      for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(16 + r, size.height() / 2);
        p.rotate(45.0 * k);
        p.drawLine(r - 8, 0, r, 0);
        p.restore();
      }
    } else {
      Caption(p, 8, size.height() / 2 + 5, QStringLiteral("CLK"));
    }
    const int x0 = encoder ? 32 + size.height() / 2 : 60;
    p.setPen(QPen(Ink(), 2));
    Pulses(p, x0, size.width() - 16, size.height() / 2 - 20, 40, n == QLatin1String("ImageDrehgeberN"));
  } else if (n.startsWith(QLatin1String("ImageMMI"))) {
    Box(p, QRect(4, 6, size.width() - 9, size.height() - 10),
        n == QLatin1String("ImageMMI_N_AU") ? QStringLiteral("MMI  N  AU") : QStringLiteral("MMI  N"), 0);
  } else {
    // The units: MU, MU Intern, MU CPL, MU 24V, SU 101, SU 141.
    QString unit = n.mid(5);
    unit.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (unit.startsWith(QLatin1String("SU"))) unit.insert(2, QLatin1Char(' '));
    const int terminals = unit.startsWith(QLatin1String("SU 141")) ? 6 : unit.startsWith(QLatin1String("SU")) ? 4 : 3;
    Box(p, QRect(4, 18, size.width() - 9, size.height() - 24), unit, terminals);
  }
  return pixmap;
}

HelpPanel::HelpPanel(QWidget* parent, const QPoint& at, const std::vector<QSize>& sizes) : platform::Panel(parent) {
  SetColor(kWhite);
  int y = 8;
  int width = 0;
  for (const QSize& s : sizes) {
    auto* label = new QLabel(this);
    label->setGeometry(8, y, s.width(), s.height());
    labels_.push_back(label);
    names_.push_back("ImageNO");
    label->setPixmap(WiringSketch("ImageNO", s));
    y += s.height() + 8;
    width = std::max(width, s.width());
  }
  setGeometry(at.x(), at.y(), width + 16, y);
}

void HelpPanel::SetPicture(int slot, const std::string& name) {
  if (slot < 0 || slot >= static_cast<int>(labels_.size())) return;
  const auto i = static_cast<std::size_t>(slot);
  if (names_[i] == name) return;
  names_[i] = name;
  labels_[i]->setPixmap(WiringSketch(name, labels_[i]->size()));
}

}  // namespace printersettings::ui
