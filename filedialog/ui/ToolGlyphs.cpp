#include "filedialog/ui/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace filedialogui {
namespace {

const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 170);
const QColor kGreen(40, 140, 60);
const QColor kRed(200, 40, 40);
const QColor kFolder(230, 185, 70);
const QColor kPaper(255, 255, 255);

void Page(QPainter& p, QRectF r) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3) p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void FolderShape(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top() + 3);
  path.lineTo(r.left() + r.width() * 0.4, r.top() + 3);
  path.lineTo(r.left() + r.width() * 0.5, r.top());
  path.lineTo(r.right(), r.top());
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kInk.lighter(130), 1.2));
  p.setBrush(kFolder);
  p.drawPath(path);
}

void Draw(QPainter& p, Glyph g) {
  p.setRenderHint(QPainter::Antialiasing);
  switch (g) {
    case Glyph::Back: {
      QPainterPath arrow;
      arrow.moveTo(3, 12);
      arrow.lineTo(11, 4);
      arrow.lineTo(11, 8.5);
      arrow.lineTo(21, 8.5);
      arrow.lineTo(21, 15.5);
      arrow.lineTo(11, 15.5);
      arrow.lineTo(11, 20);
      arrow.closeSubpath();
      p.setPen(QPen(kGreen.darker(130), 1.2));
      p.setBrush(kGreen);
      p.drawPath(arrow);
      break;
    }
    case Glyph::Home: {
      QPainterPath roof;
      roof.moveTo(2, 12);
      roof.lineTo(12, 3);
      roof.lineTo(22, 12);
      p.setPen(QPen(kRed.darker(120), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(roof);
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(QColor(245, 235, 210));
      p.drawRect(QRectF(5.5, 11, 13, 10));
      p.setBrush(kBlue);
      p.drawRect(QRectF(10, 14, 4, 7));
      break;
    }
    case Glyph::Browse: {
      FolderShape(p, QRectF(2, 7, 14, 11));
      p.setPen(QPen(kInk, 2.2));
      p.setBrush(QColor(210, 230, 250, 200));
      p.drawEllipse(QRectF(10, 5, 9, 9));
      p.drawLine(QPointF(17.5, 12.5), QPointF(22, 19));
      break;
    }
    case Glyph::Refresh: {
      p.setPen(QPen(kBlue, 2.4, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 270 * 16);
      QPainterPath head;
      head.moveTo(13, 1.5);
      head.lineTo(19, 4.5);
      head.lineTo(13.5, 8.5);
      head.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawPath(head);
      break;
    }
    case Glyph::Icons:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kBlue.lighter(150));
      for (int y : {3, 13})
        for (int x : {3, 13}) p.drawRect(QRectF(x, y, 8, 8));
      break;
    case Glyph::List:
      for (int col : {2, 13})
        for (int y = 4; y <= 18; y += 5) {
          p.setPen(Qt::NoPen);
          p.setBrush(kBlue);
          p.drawRect(QRectF(col, y, 3, 3));
          p.setPen(QPen(kInk, 1.4));
          p.drawLine(QPointF(col + 5, y + 1.5), QPointF(col + 9, y + 1.5));
        }
      break;
    case Glyph::Report:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kPaper);
      p.drawRect(QRectF(2.5, 3.5, 19, 17));
      p.setBrush(kBlue.lighter(150));
      p.drawRect(QRectF(2.5, 3.5, 19, 4));
      for (qreal y = 11; y < 20; y += 4) p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
      p.drawLine(QPointF(10, 3.5), QPointF(10, 20.5));
      break;
    case Glyph::Delete:
      p.setPen(QPen(kRed, 3.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(5, 5), QPointF(19, 19));
      p.drawLine(QPointF(19, 5), QPointF(5, 19));
      break;
    case Glyph::Cut:
      p.setPen(QPen(kInk, 1.6));
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(8, 2), QPointF(15, 15));
      p.drawLine(QPointF(16, 2), QPointF(9, 15));
      p.setPen(QPen(kRed, 2));
      p.drawEllipse(QRectF(3, 14, 7, 7));
      p.drawEllipse(QRectF(14, 14, 7, 7));
      break;
    case Glyph::Copy:
      Page(p, QRectF(3.5, 2.5, 11, 14));
      Page(p, QRectF(9.5, 7.5, 11, 14));
      break;
    case Glyph::Insert:
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(QColor(190, 140, 80));
      p.drawRoundedRect(QRectF(3.5, 4, 13, 17), 1.5, 1.5);
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(7, 2.5, 6, 3));
      Page(p, QRectF(10.5, 9.5, 10, 12));
      break;
    case Glyph::Rename: {
      QFont f;
      f.setPixelSize(13);
      f.setBold(true);
      p.setFont(f);
      p.setPen(kBlue);
      p.drawText(QRectF(1, 3, 16, 17), Qt::AlignCenter, QStringLiteral("ab"));
      p.setPen(QPen(kInk, 1.4));
      p.drawLine(QPointF(19, 4), QPointF(19, 20));
      p.drawLine(QPointF(17, 4), QPointF(21, 4));
      p.drawLine(QPointF(17, 20), QPointF(21, 20));
      break;
    }
    case Glyph::NewFolder:
      FolderShape(p, QRectF(2, 7, 16, 13));
      p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(18, 2), QPointF(18, 10));
      p.drawLine(QPointF(14, 6), QPointF(22, 6));
      break;
    case Glyph::Grip:
      // Three diagonal lines of dots in the bottom right corner (16 x 16).
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
          const qreal x = 12 - j * 4, y = 12 - (i - j) * 4;
          p.fillRect(QRectF(x + 1, y + 1, 2, 2), Qt::white);
          p.fillRect(QRectF(x, y, 2, 2), QColor(128, 128, 128));
        }
      break;
  }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
  const int size = glyph == Glyph::Grip ? 16 : 24;
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(size * scale, size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    Draw(p, glyph);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace filedialogui
