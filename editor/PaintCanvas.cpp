#include "editor/PaintCanvas.h"

#include <algorithm>
#include <new>

#include "editor/BmpFile.h"
#include "editor/GraphicSize.h"

namespace editor {
using paint::Point;
using platform::Bitmap;
using platform::ColourValue;

int PaintCanvas::SetImage(const Bitmap& graphic) {
  if (graphic.Width() < kGraphicMinSize || graphic.Height() < kGraphicMinSize ||
      graphic.Width() > kGraphicMaxSize || graphic.Height() > kGraphicMaxSize)
    return -10;
  try {
    Bitmap copy = graphic;
    MakeBlackAndWhite(copy);
    image_ = std::move(copy);
  } catch (const std::bad_alloc&) {
    return -20;
  }
  return 0;
}

bool PaintCanvas::BeginUse() {
  pressing_ = false;
  return ring_.Create(image_.Width(), image_.Height());
}

void PaintCanvas::EndUse() {
  if (pressing_) {
    // A press the window did not see end: its frame must not stay.
    if (Tool == PaintTool::Kopieren || Tool == PaintTool::Ausschneiden || Tool == PaintTool::Einfuegen)
      image_ = snapshot_;
    pressing_ = false;
  }
  snapshot_ = Bitmap();
  ring_.Release();
}

void PaintCanvas::PushUndo() { (void)ring_.Push(image_); }

void PaintCanvas::Press(Point p, PaintButton button) {
  if (pressing_) return;
  pressing_ = true;
  pressButton_ = button;
  PushUndo();
  colour_ = button == PaintButton::Left ? LeftColour : RightColour;
  const int width = std::clamp(LineWidth, 1, 10);
  switch (Tool) {
    case PaintTool::Zeichnen:
      penWidth_ = 1;
      pen_ = p;
      image_.SetPixel(p.X, p.Y, colour_);
      break;
    case PaintTool::Pinsel:
      penWidth_ = width;
      pen_ = p;
      // A click alone leaves the brush's mark, at any width.
      paint::DrawDot(image_, p, penWidth_, colour_);
      break;
    case PaintTool::Linie:
    case PaintTool::Rechteck:
    case PaintTool::Kreis:
    case PaintTool::RechteckGefuellt:
    case PaintTool::KreisGefuellt:
      penWidth_ = Tool == PaintTool::RechteckGefuellt || Tool == PaintTool::KreisGefuellt ? 1 : width;
      anchor_ = p;
      snapshot_ = image_;
      DrawShape(p);
      break;
    case PaintTool::Fuellen:
      paint::FloodFill(image_, p, colour_);
      break;
    case PaintTool::Kopieren:
      anchor_ = p;
      snapshot_ = image_;
      CopySelection(p, kCopyFrame, true);
      break;
    case PaintTool::Ausschneiden:
      anchor_ = p;
      snapshot_ = image_;
      CutSelection(p, false);
      break;
    case PaintTool::Einfuegen:
      snapshot_ = image_;
      PasteAt(p, true);
      break;
  }
}

void PaintCanvas::Move(Point p, bool held) {
  if (!pressing_ || !held || pressButton_ == PaintButton::Middle) return;
  Follow(p, false);
}

void PaintCanvas::Release(Point p) {
  if (!pressing_) return;
  Follow(p, true);
  Finish();
}

void PaintCanvas::Follow(Point p, bool released) {
  switch (Tool) {
    case PaintTool::Zeichnen:
    case PaintTool::Pinsel:
      paint::DrawLine(image_, pen_, p, penWidth_, colour_, penWidth_ == 1);
      pen_ = p;
      break;
    case PaintTool::Linie:
    case PaintTool::Rechteck:
    case PaintTool::RechteckGefuellt:
    case PaintTool::Kreis:
    case PaintTool::KreisGefuellt:
      DrawShape(p);
      break;
    case PaintTool::Kopieren:
      CopySelection(p, kCopyFrame, !released);
      break;
    case PaintTool::Ausschneiden:
      CutSelection(p, released);
      break;
    case PaintTool::Einfuegen:
      PasteAt(p, !released);
      break;
    case PaintTool::Fuellen:
      break;
  }
}

void PaintCanvas::Finish() {
  pressing_ = false;
  snapshot_ = Bitmap();
}

void PaintCanvas::DrawShape(Point p) {
  image_ = snapshot_;
  if (p == anchor_ && penWidth_ == 1) {
    image_.SetPixel(p.X, p.Y, colour_);
    return;
  }
  const paint::Rect r = paint::SpannedRect(anchor_, p);
  switch (Tool) {
    case PaintTool::Linie: paint::DrawLine(image_, anchor_, p, penWidth_, colour_, penWidth_ == 1); break;
    case PaintTool::Rechteck: paint::DrawRectangle(image_, r, penWidth_, colour_, std::nullopt); break;
    case PaintTool::RechteckGefuellt: paint::DrawRectangle(image_, r, penWidth_, colour_, colour_); break;
    case PaintTool::Kreis: paint::DrawEllipse(image_, r, penWidth_, colour_, std::nullopt); break;
    case PaintTool::KreisGefuellt: paint::DrawEllipse(image_, r, penWidth_, colour_, colour_); break;
    default: break;
  }
}

namespace {

// The selection's corner follows the mouse only as far as the image
// reaches.
Point IntoImage(Point p, const Bitmap& image) {
  return {std::clamp<std::int64_t>(p.X, 0, std::max(image.Width() - 1, 0)),
          std::clamp<std::int64_t>(p.Y, 0, std::max(image.Height() - 1, 0))};
}

}  // namespace

void PaintCanvas::CopySelection(Point p, ColourValue frame, bool framed) {
  image_ = snapshot_;
  const paint::Rect r = paint::SpannedRect(IntoImage(anchor_, image_), IntoImage(p, image_));
  clip_ = paint::CopyRect(image_, r);
  pasteEnabled_ = true;
  if (framed) paint::DrawDottedFrame(image_, r, frame);
}

void PaintCanvas::CutSelection(Point p, bool final) {
  CopySelection(p, kCutFrame, !final);
  if (final) {
    const paint::Rect r = paint::SpannedRect(IntoImage(anchor_, image_), IntoImage(p, image_));
    image_.FillRect(r.Left, r.Top, r.Right, r.Bottom, platform::kWhite);
  }
}

void PaintCanvas::PasteAt(Point p, bool framed) {
  image_ = snapshot_;
  paint::PasteClip(image_, clip_, p, Transparent);
  if (framed && clip_.Width() > 0)
    paint::DrawDottedFrame(image_, {p.X, p.Y, p.X + clip_.Width(), p.Y + clip_.Height()}, kPasteFrame);
}

void PaintCanvas::Invert() {
  if (pressing_) return;
  PushUndo();
  paint::Invert(image_);
}

void PaintCanvas::HatchRows() {
  if (pressing_) return;
  PushUndo();
  paint::HatchRows(image_);
}

void PaintCanvas::HatchColumns() {
  if (pressing_) return;
  PushUndo();
  paint::HatchColumns(image_);
}

void PaintCanvas::HatchChecker() {
  if (pressing_) return;
  PushUndo();
  paint::HatchChecker(image_);
}

void PaintCanvas::MirrorHorizontal() {
  if (pressing_ || !ring_.On()) return;
  PushUndo();
  Bitmap stored;
  if (ring_.ReadNewest(stored)) paint::MirrorHorizontal(image_, stored);
}

void PaintCanvas::MirrorVertical() {
  if (pressing_ || !ring_.On()) return;
  PushUndo();
  Bitmap stored;
  if (ring_.ReadNewest(stored)) paint::MirrorVertical(image_, stored);
}

void PaintCanvas::Undo() {
  if (pressing_) return;
  (void)ring_.Undo(image_);
}

void PaintCanvas::Redo() {
  if (pressing_) return;
  (void)ring_.Redo(image_);
}

}  // namespace editor
