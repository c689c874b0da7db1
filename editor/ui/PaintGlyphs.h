#pragma once
// The painter's pictures: the glyphs of its tool and operation buttons and
// its four mouse cursors (fill, cross, pencil, brush), drawn here rather
// than loaded, and the flat glyph button they sit on.
#include <QAbstractButton>
#include <QCursor>
#include <QPixmap>

namespace editor::ui {

enum class PaintGlyph {
  Zeichnen, Pinsel, Linie, Rechteck, RechteckGefuellt, Kreis, KreisGefuellt, Fuellen, Kopieren, Ausschneiden,
  Einfuegen, SchwarzWeiss, WeissSchwarz, Invertieren, RasternH, RasternV, Rastern, SpiegelnH, SpiegelnV, UndoBwd,
  UndoFwd, ChangeSize,
};

// A 24 x 24 glyph (16 x 16 for ChangeSize).
QPixmap PaintGlyphPixmap(PaintGlyph glyph);

// The cursors of the tools: 5 "FILL", 6 "PLUS", 7 "DRAW", 8 "ERASE".
QCursor PaintCursor(int number);

// A flat button showing a glyph: a bevel while pointed at or pressed, the
// glyph greyed while switched off. Its hint is its tool tip.
class GlyphButton : public QAbstractButton {
 public:
  GlyphButton(QWidget* parent, PaintGlyph glyph);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap glyph_;
  bool hover_ = false;
};

}  // namespace editor::ui
