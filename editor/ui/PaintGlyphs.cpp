#include "editor/ui/PaintGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include "platform/qt/Panel.h"

namespace editor::ui {
namespace {

QPen Ink(int width = 2) { return QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Pencil(QPainter& p) {
  p.setPen(Ink(1));
  p.setBrush(QColor(240, 200, 80));
  QPolygon body;
  body << QPoint(6, 18) << QPoint(17, 4) << QPoint(20, 7) << QPoint(9, 21);
  p.drawPolygon(body);
  p.setBrush(Qt::black);
  QPolygon tip;
  tip << QPoint(6, 18) << QPoint(9, 21) << QPoint(4, 22);
  p.drawPolygon(tip);
}

void Brush(QPainter& p) {
  p.setPen(Ink(3));
  p.drawLine(18, 4, 11, 13);
  p.setPen(Ink(1));
  p.setBrush(Qt::black);
  QPainterPath tuft;
  tuft.moveTo(11, 12);
  tuft.cubicTo(5, 13, 7, 20, 3, 21);
  tuft.cubicTo(9, 22, 14, 18, 13, 14);
  tuft.closeSubpath();
  p.drawPath(tuft);
}

void Bucket(QPainter& p) {
  p.setPen(Ink(1));
  p.setBrush(Qt::white);
  QPolygon can;
  can << QPoint(5, 10) << QPoint(12, 3) << QPoint(20, 11) << QPoint(13, 18);
  p.drawPolygon(can);
  p.setBrush(Qt::black);
  QPainterPath drop;
  drop.moveTo(20, 12);
  drop.cubicTo(23, 16, 23, 20, 20, 20);
  drop.cubicTo(17, 20, 17, 16, 20, 12);
  p.drawPath(drop);
}

// Two dotted frames, the copy beside its original.
void Selection(QPainter& p, QColor colour) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(colour, 2, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(3, 3, 11, 11);
  p.drawRect(10, 10, 11, 11);
}

void Scissors(QPainter& p) {
  p.setPen(Ink(1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPoint(7, 18), 3, 3);
  p.drawEllipse(QPoint(17, 18), 3, 3);
  p.setPen(Ink(2));
  p.drawLine(9, 16, 17, 3);
  p.drawLine(15, 16, 7, 3);
}

void Clipboard(QPainter& p) {
  p.setPen(Ink(1));
  p.setBrush(QColor(200, 160, 100));
  p.drawRect(5, 4, 14, 17);
  p.setBrush(Qt::white);
  p.drawRect(8, 8, 8, 10);
  p.setBrush(Qt::gray);
  p.drawRect(9, 2, 6, 4);
}

void Halves(QPainter& p, QColor left, QColor right) {
  p.setPen(Ink(1));
  p.setBrush(left);
  p.drawRect(3, 3, 12, 12);
  p.setBrush(right);
  p.drawRect(9, 9, 12, 12);
}

void Arrow(QPainter& p, bool back) {
  p.setPen(Ink(2));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  if (back) {
    path.moveTo(19, 19);
    path.cubicTo(21, 10, 14, 6, 6, 9);
  } else {
    path.moveTo(5, 19);
    path.cubicTo(3, 10, 10, 6, 18, 9);
  }
  p.drawPath(path);
  p.setBrush(Qt::black);
  QPolygon head;
  if (back)
    head << QPoint(3, 10) << QPoint(9, 4) << QPoint(10, 13);
  else
    head << QPoint(21, 10) << QPoint(15, 4) << QPoint(14, 13);
  p.drawPolygon(head);
}

void Mirror(QPainter& p, bool horizontal) {
  p.save();
  if (!horizontal) {
    p.translate(24, 0);
    p.rotate(90);
  }
  p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  p.drawLine(12, 2, 12, 22);
  p.setPen(Ink(1));
  p.setBrush(Qt::black);
  QPolygon left, right;
  left << QPoint(10, 6) << QPoint(3, 18) << QPoint(10, 18);
  right << QPoint(14, 6) << QPoint(21, 18) << QPoint(14, 18);
  p.drawPolygon(left);
  p.setBrush(Qt::white);
  p.drawPolygon(right);
  p.restore();
}

void Hatch(QPainter& p, int kind) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      const bool white = kind == 0 ? y % 2 : kind == 1 ? x % 2 : (x + y) % 2;
      if (!white) p.drawRect(3 + 2 * x, 3 + 2 * y, 2, 2);
    }
  p.setPen(Ink(1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(2, 2, 19, 19);
}

}  // namespace

QPixmap PaintGlyphPixmap(PaintGlyph glyph) {
  const int size = glyph == PaintGlyph::ChangeSize ? 16 : 24;
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (glyph) {
    case PaintGlyph::Zeichnen: Pencil(p); break;
    case PaintGlyph::Pinsel: Brush(p); break;
    case PaintGlyph::Linie:
      p.setPen(Ink(2));
      p.drawLine(4, 20, 20, 4);
      break;
    case PaintGlyph::Rechteck:
    case PaintGlyph::RechteckGefuellt:
      p.setPen(Ink(2));
      p.setBrush(glyph == PaintGlyph::Rechteck ? QBrush(Qt::NoBrush) : QBrush(Qt::black));
      p.drawRect(4, 6, 16, 12);
      break;
    case PaintGlyph::Kreis:
    case PaintGlyph::KreisGefuellt:
      p.setPen(Ink(2));
      p.setBrush(glyph == PaintGlyph::Kreis ? QBrush(Qt::NoBrush) : QBrush(Qt::black));
      p.drawEllipse(3, 5, 18, 14);
      break;
    case PaintGlyph::Fuellen: Bucket(p); break;
    case PaintGlyph::Kopieren: Selection(p, QColor(0, 0, 128)); break;
    case PaintGlyph::Ausschneiden: Scissors(p); break;
    case PaintGlyph::Einfuegen: Clipboard(p); break;
    case PaintGlyph::SchwarzWeiss: Halves(p, Qt::black, Qt::white); break;
    case PaintGlyph::WeissSchwarz: Halves(p, Qt::white, Qt::black); break;
    case PaintGlyph::Invertieren:
      p.setPen(Ink(1));
      p.setBrush(Qt::white);
      p.drawEllipse(3, 3, 18, 18);
      p.setBrush(Qt::black);
      p.drawPie(3, 3, 18, 18, 90 * 16, 180 * 16);
      break;
    case PaintGlyph::RasternH: Hatch(p, 0); break;
    case PaintGlyph::RasternV: Hatch(p, 1); break;
    case PaintGlyph::Rastern: Hatch(p, 2); break;
    case PaintGlyph::SpiegelnH: Mirror(p, true); break;
    case PaintGlyph::SpiegelnV: Mirror(p, false); break;
    case PaintGlyph::UndoBwd: Arrow(p, true); break;
    case PaintGlyph::UndoFwd: Arrow(p, false); break;
    case PaintGlyph::ChangeSize:
      p.setRenderHint(QPainter::Antialiasing, false);
      for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::white);
        p.drawLine(4 + 4 * i, 15, 15, 4 + 4 * i);
        p.setPen(Qt::gray);
        p.drawLine(5 + 4 * i, 15, 15, 5 + 4 * i);
      }
      break;
  }
  return pixmap;
}

QCursor PaintCursor(int number) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  // A white halo keeps the black cursor visible on black pixels.
  auto cross = [&p](QColor colour, int width) {
    p.setPen(QPen(colour, width));
    p.drawLine(16, 4, 16, 28);
    p.drawLine(4, 16, 28, 16);
  };
  switch (number) {
    case 5:
      p.translate(8, 8);
      Bucket(p);
      p.resetTransform();
      cross(Qt::white, 3);
      cross(Qt::black, 1);
      return QCursor(pixmap, 16, 16);
    case 7:
      p.translate(4, -4);
      Pencil(p);
      return QCursor(pixmap, 8, 18);
    case 8:
      p.translate(4, -4);
      Brush(p);
      return QCursor(pixmap, 7, 17);
    default:
      p.setRenderHint(QPainter::Antialiasing, false);
      cross(Qt::white, 3);
      cross(Qt::black, 1);
      return QCursor(pixmap, 16, 16);
  }
}

GlyphButton::GlyphButton(QWidget* parent, PaintGlyph glyph)
    : QAbstractButton(parent), glyph_(PaintGlyphPixmap(glyph)) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void GlyphButton::enterEvent(QEnterEvent* event) {
  hover_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void GlyphButton::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void GlyphButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (isEnabled() && (isDown() || hover_))
    platform::DrawBevel(p, rect().adjusted(0, 0, -1, -1), isDown() ? platform::BevelKind::Lowered : platform::BevelKind::Raised);
  QPixmap shown = glyph_;
  if (!isEnabled()) {
    QStyleOption option;
    option.initFrom(this);
    shown = style()->generatedIconPixmap(QIcon::Disabled, glyph_, &option);
  }
  const int shift = isDown() ? 1 : 0;
  p.drawPixmap((width() - shown.width()) / 2 + shift, (height() - shown.height()) / 2 + shift, shown);
}

}  // namespace editor::ui
