#pragma once
// The painter's picture and tools without its window: the black-and-white
// image, the chosen tool, line width and colours, the mouse steps of every
// tool (press, move with a button held, release), the clip of copy, cut and
// paste, the whole-image operations and the undo ring. The window turns
// mouse positions into pixels and shows the image.
#include <cstdint>

#include "editor/PaintDrawing.h"
#include "editor/UndoRing.h"
#include "platform/Bitmap.h"

namespace editor {

// The tool codes.
enum class PaintTool : int {
  Zeichnen = 10,          // freehand, one pixel
  Pinsel = 20,            // freehand with the line width
  Linie = 30,
  Rechteck = 40,
  RechteckGefuellt = 50,
  Kreis = 60,
  KreisGefuellt = 70,
  Fuellen = 80,
  Kopieren = 90,
  Ausschneiden = 100,
  Einfuegen = 110,
};

enum class PaintButton { Left, Right, Middle };

// Colours of the dotted frames while a selection or a clip is dragged.
inline constexpr platform::ColourValue kCopyFrame = 0xF0CAA6;
inline constexpr platform::ColourValue kCutFrame = 0x0000FF;
inline constexpr platform::ColourValue kPasteFrame = 0x008000;

class PaintCanvas {
 public:
  // The image becomes a copy of `graphic` reduced to two colours (exactly
  // white stays white, every other colour becomes black). 0, or -10 when
  // the graphic has no size or one beyond 1000 x 1000, or -20 when the copy
  // cannot be had; the image then stays as it was.
  int SetImage(const platform::Bitmap& graphic);
  const platform::Bitmap& Image() const { return image_; }

  // One use of the painter begins: the undo ring is made for the image's
  // size (false when it cannot be had: no undo and no mirroring this time).
  bool BeginUse();
  // The use ends: the ring is released, a press still open is dropped.
  void EndUse();

  // Kept from one use to the next.
  PaintTool Tool = PaintTool::Zeichnen;
  int LineWidth = 1;  // 1..10
  platform::ColourValue LeftColour = platform::kBlack;
  platform::ColourValue RightColour = platform::kWhite;
  bool Transparent = true;  // paste leaves the clip's white out

  // The mouse, in pixels of the image. A press pushes an undo step (a copy
  // too) and starts the tool with LeftColour for the left button and
  // RightColour for any other; moves count only while the left or the
  // right button is held (`held`), so a middle-button press finishes at its
  // release without following the mouse. A second button pressed during a
  // press is ignored.
  void Press(paint::Point pixel, PaintButton button);
  void Move(paint::Point pixel, bool held);
  void Release(paint::Point pixel);
  bool Pressing() const { return pressing_; }

  // The whole-image operations; each pushes an undo step first. Mirroring
  // reads the entry just pushed, so it needs the ring. Nothing happens
  // during a press.
  void Invert();
  void HatchRows();
  void HatchColumns();
  void HatchChecker();
  void MirrorHorizontal();
  void MirrorVertical();
  void Undo();
  void Redo();

  const UndoRing& Ring() const { return ring_; }
  bool UndoOn() const { return ring_.On(); }
  // "Einfügen" can be chosen from the first copy or cut on, also in later
  // uses: the clip stays until the program ends.
  bool PasteEnabled() const { return pasteEnabled_; }
  const platform::Bitmap& Clip() const { return clip_; }

 private:
  void PushUndo();
  void DrawShape(paint::Point p);
  void CopySelection(paint::Point p, platform::ColourValue frame, bool framed);
  void CutSelection(paint::Point p, bool final);
  void PasteAt(paint::Point p, bool framed);
  void Finish();
  // A moved or released press: the tool follows the pointer to `p`.
  void Follow(paint::Point p, bool released);

  platform::Bitmap image_;
  platform::Bitmap snapshot_;
  platform::Bitmap clip_;
  bool pasteEnabled_ = false;
  UndoRing ring_;

  bool pressing_ = false;
  PaintButton pressButton_ = PaintButton::Left;
  platform::ColourValue colour_ = platform::kBlack;
  int penWidth_ = 1;
  paint::Point pen_;
  paint::Point anchor_;
};

}  // namespace editor
