// The painter's picture and tools: the undo ring, the mouse steps of the
// tools, copy, cut and paste, and the whole-image operations.
#include <gtest/gtest.h>

#include <string>

#include "editor/GraphicBitmap.h"
#include "editor/PaintCanvas.h"

using namespace editor;
using paint::Point;
using platform::Bitmap;

namespace {

// A canvas in use on a white picture of w x h.
struct Painter {
  PaintCanvas canvas;
  Painter(int w, int h) {
    EXPECT_EQ(canvas.SetImage(Bitmap(w, h)), 0);
    EXPECT_TRUE(canvas.BeginUse());
  }
  void Click(Point p, PaintButton b = PaintButton::Left) {
    canvas.Press(p, b);
    canvas.Release(p);
  }
  void Drag(Point from, Point to, PaintButton b = PaintButton::Left) {
    canvas.Press(from, b);
    canvas.Move(to, b != PaintButton::Middle);
    canvas.Release(to);
  }
  std::string Pixels() const { return BitmapToPixels(canvas.Image()); }
  int Dots() const {
    int n = 0;
    for (char c : Pixels()) n += c == '1';
    return n;
  }
};

// Change number k sets pixel k of a 8 x 8 picture.
void Change(Painter& p, int k) { p.Click({k % 8, k / 8}); }

}  // namespace

TEST(PaintCanvas, SetImageReducesToTwoColoursAndRefusesOddSizes) {
  PaintCanvas canvas;
  Bitmap picture(3, 1);
  picture.SetPixel(0, 0, 0xFEFFFF);
  picture.SetPixel(1, 0, platform::kRed);
  ASSERT_EQ(canvas.SetImage(picture), 0);
  EXPECT_EQ(canvas.Image().Pixel(0, 0), platform::kBlack);
  EXPECT_EQ(canvas.Image().Pixel(1, 0), platform::kBlack);
  EXPECT_EQ(canvas.Image().Pixel(2, 0), platform::kWhite);
  EXPECT_EQ(canvas.SetImage(Bitmap()), -10);
  EXPECT_EQ(canvas.SetImage(Bitmap(1001, 1)), -10);
  EXPECT_EQ(canvas.Image().Width(), 3);  // a refused picture changes nothing
}

TEST(PaintCanvas, SixtyTwoChangesCanAllBeTakenBack) {
  Painter p(8, 8);
  for (int k = 0; k < 62; ++k) Change(p, k);
  EXPECT_EQ(p.Dots(), 62);
  int steps = 0;
  while (p.canvas.Ring().UndoEnabled()) {
    p.canvas.Undo();
    ++steps;
  }
  EXPECT_EQ(steps, 62);
  EXPECT_EQ(p.Dots(), 0);  // the starting image
  while (p.canvas.Ring().RedoEnabled()) p.canvas.Redo();
  EXPECT_EQ(p.Dots(), 62);  // back to the newest image, and no further
  p.canvas.Redo();
  EXPECT_EQ(p.Dots(), 62);
}

TEST(PaintCanvas, TheSixtyThirdChangeLosesTheStartingImage) {
  Painter p(8, 8);
  for (int k = 0; k < 63; ++k) Change(p, k);
  int steps = 0;
  while (p.canvas.Ring().UndoEnabled()) {
    p.canvas.Undo();
    ++steps;
  }
  EXPECT_EQ(steps, 62);
  EXPECT_EQ(p.Dots(), 1);
  p.canvas.Undo();  // nothing left
  EXPECT_EQ(p.Dots(), 1);
  while (p.canvas.Ring().RedoEnabled()) p.canvas.Redo();
  EXPECT_EQ(p.Dots(), 63);
}

TEST(PaintCanvas, ANewChangeAfterAStepBackDropsTheStepsForward) {
  Painter p(8, 8);
  for (int k = 0; k < 3; ++k) Change(p, k);
  p.canvas.Undo();
  EXPECT_TRUE(p.canvas.Ring().RedoEnabled());
  Change(p, 10);
  EXPECT_FALSE(p.canvas.Ring().RedoEnabled());
  EXPECT_EQ(p.Pixels().substr(0, 11), "11000000001");  // change 3 is gone
  p.canvas.Undo();
  EXPECT_EQ(p.Dots(), 2);
  p.canvas.Redo();
  EXPECT_EQ(p.Pixels().substr(0, 11), "11000000001");
}

TEST(PaintCanvas, ACopyAddsAnUndoStepWithoutChangingTheImage) {
  Painter p(8, 8);
  p.canvas.Tool = PaintTool::Kopieren;
  EXPECT_FALSE(p.canvas.Ring().UndoEnabled());
  p.Drag({1, 1}, {3, 3});
  EXPECT_TRUE(p.canvas.Ring().UndoEnabled());
  EXPECT_EQ(p.canvas.Ring().Current(), 1);
  EXPECT_EQ(p.Dots(), 0);  // the frame went with the release
}

TEST(PaintCanvas, ClicksWithoutMovingSetOnlyTheAnchor) {
  for (PaintTool tool : {PaintTool::Linie, PaintTool::Rechteck, PaintTool::RechteckGefuellt, PaintTool::Kreis,
                         PaintTool::KreisGefuellt, PaintTool::Zeichnen, PaintTool::Pinsel}) {
    Painter p(8, 8);
    p.canvas.Tool = tool;
    p.Click({4, 5});
    EXPECT_EQ(p.Dots(), 1) << static_cast<int>(tool);
    EXPECT_EQ(p.canvas.Image().Pixel(4, 5), platform::kBlack);
  }
}

TEST(PaintCanvas, ShapesSpanTheDraggedRectangle) {
  Painter p(8, 6);
  p.canvas.Tool = PaintTool::Rechteck;
  p.Drag({5, 4}, {1, 1});  // any corner first
  EXPECT_EQ(p.Pixels(),
            "00000000"
            "01111100"
            "01000100"
            "01000100"
            "01111100"
            "00000000");
  Painter filled(8, 6);
  filled.canvas.Tool = PaintTool::RechteckGefuellt;
  filled.Drag({1, 1}, {5, 4});
  EXPECT_EQ(filled.Dots(), 20);
  Painter line(8, 6);
  line.canvas.Tool = PaintTool::Linie;
  line.Drag({0, 0}, {5, 5});
  for (int i = 0; i < 6; ++i) EXPECT_EQ(line.canvas.Image().Pixel(i, i), platform::kBlack) << i;
  EXPECT_EQ(line.Dots(), 6);  // the end pixel too at width 1
  Painter ellipse(9, 9);
  ellipse.canvas.Tool = PaintTool::KreisGefuellt;
  ellipse.Drag({0, 0}, {8, 8});
  EXPECT_EQ(ellipse.canvas.Image().Pixel(4, 4), platform::kBlack);
  EXPECT_EQ(ellipse.canvas.Image().Pixel(0, 0), platform::kWhite);  // corners stay out
  EXPECT_EQ(ellipse.canvas.Image().Pixel(0, 4), platform::kBlack);
}

TEST(PaintCanvas, WidePensDrawThickLines) {
  Painter p(12, 12);
  p.canvas.Tool = PaintTool::Linie;
  p.canvas.LineWidth = 3;
  p.Drag({2, 6}, {9, 6});
  for (int x = 2; x <= 9; ++x)
    for (int y = 5; y <= 7; ++y) EXPECT_EQ(p.canvas.Image().Pixel(x, y), platform::kBlack) << x << "," << y;
  EXPECT_EQ(p.canvas.Image().Pixel(5, 4), platform::kWhite);
}

TEST(PaintCanvas, FreehandFollowsTheMouseWithoutGaps) {
  Painter p(10, 3);
  p.canvas.Press({0, 1}, PaintButton::Left);
  p.canvas.Move({5, 1}, true);
  p.canvas.Move({9, 1}, true);
  p.canvas.Release({9, 1});
  EXPECT_EQ(p.Pixels().substr(10, 10), "1111111111");
}

TEST(PaintCanvas, TheMiddleButtonUsesTheRightColourAndFinishesAtTheRelease) {
  Painter p(8, 8);
  p.canvas.SetImage([] {
    Bitmap black(8, 8);
    black.Clear(platform::kBlack);
    return black;
  }());
  p.canvas.Tool = PaintTool::Linie;
  p.canvas.Press({0, 0}, PaintButton::Middle);
  p.canvas.Move({7, 0}, true);  // the image does not follow
  EXPECT_EQ(p.canvas.Image().Pixel(3, 0), platform::kBlack);
  p.canvas.Release({7, 0});
  for (int x = 0; x < 8; ++x) EXPECT_EQ(p.canvas.Image().Pixel(x, 0), platform::kWhite) << x;
}

TEST(PaintCanvas, ASecondButtonDuringAPressIsIgnored) {
  Painter p(8, 8);
  p.canvas.Tool = PaintTool::Zeichnen;
  p.canvas.Press({1, 1}, PaintButton::Left);
  p.canvas.Press({5, 5}, PaintButton::Right);
  p.canvas.Release({1, 1});
  EXPECT_EQ(p.Dots(), 1);
  EXPECT_EQ(p.canvas.Ring().Current(), 1);
}

TEST(PaintCanvas, FillFollowsFourNeighboursOnly) {
  Painter p(5, 5);
  // A diagonal wall: the fill must not leak through its corners.
  for (int i = 0; i < 5; ++i) p.Click({i, i});
  p.canvas.Tool = PaintTool::Fuellen;
  p.Click({4, 0});
  EXPECT_EQ(p.Pixels(),
            "11111"
            "01111"
            "00111"
            "00011"
            "00001");
  const int current = p.canvas.Ring().Current();
  p.Click({4, 0});  // already that colour: nothing changes but the undo step
  EXPECT_EQ(p.canvas.Ring().Current(), current + 1);
  EXPECT_EQ(p.Dots(), 15);
}

TEST(PaintCanvas, ASelectionDraggedBeyondTheEdgeEndsThere) {
  Painter p(6, 4);
  p.Click({5, 3});
  p.canvas.Tool = PaintTool::Ausschneiden;
  p.canvas.Press({3, 2}, PaintButton::Left);
  p.canvas.Move({40, 40}, true);
  EXPECT_NE(p.canvas.Image().Pixel(3, 2), platform::kWhite);  // the dotted frame shows
  p.canvas.Release({40, 40});
  EXPECT_EQ(p.canvas.Clip().Width(), 3);
  EXPECT_EQ(p.canvas.Clip().Height(), 2);
  EXPECT_EQ(p.canvas.Clip().Pixel(2, 1), platform::kBlack);
  EXPECT_EQ(p.Dots(), 0);  // cut: the rectangle is white now
}

TEST(PaintCanvas, PasteIsOffUntilTheFirstCopyAndTheClipOutlivesTheUse) {
  PaintCanvas canvas;
  ASSERT_EQ(canvas.SetImage(Bitmap(4, 4)), 0);
  ASSERT_TRUE(canvas.BeginUse());
  EXPECT_FALSE(canvas.PasteEnabled());
  canvas.Press({0, 0}, PaintButton::Left);  // a dot at 0,0
  canvas.Release({0, 0});
  canvas.Tool = PaintTool::Kopieren;
  canvas.Press({0, 0}, PaintButton::Left);
  canvas.Release({1, 0});
  EXPECT_TRUE(canvas.PasteEnabled());
  canvas.EndUse();

  // The next use, another layer's graphic of another size.
  ASSERT_EQ(canvas.SetImage(Bitmap(10, 3)), 0);
  ASSERT_TRUE(canvas.BeginUse());
  EXPECT_TRUE(canvas.PasteEnabled());
  canvas.Tool = PaintTool::Einfuegen;
  canvas.Press({2, 2}, PaintButton::Left);
  canvas.Move({8, 1}, true);  // the clip follows the mouse
  canvas.Release({8, 1});
  EXPECT_EQ(BitmapToPixels(canvas.Image()), "0000000000" "0000000010" "0000000000");
}

TEST(PaintCanvas, PastingWithoutTransparencyWritesTheClipsWhite) {
  Painter p(4, 1);
  p.Click({1, 0});
  p.canvas.Tool = PaintTool::Kopieren;
  p.Drag({0, 0}, {1, 0});  // clip "01"
  p.canvas.Tool = PaintTool::Zeichnen;
  p.Click({2, 0});
  p.Click({3, 0});  // "0111"
  p.canvas.Tool = PaintTool::Einfuegen;
  p.canvas.Transparent = true;
  p.Click({2, 0});
  EXPECT_EQ(p.Pixels(), "0111");
  p.canvas.Transparent = false;
  p.Click({2, 0});
  EXPECT_EQ(p.Pixels(), "0101");
}

TEST(PaintCanvas, WholeImageOperations) {
  Painter p(4, 4);
  p.canvas.Invert();
  EXPECT_EQ(p.Dots(), 16);
  p.canvas.HatchRows();
  EXPECT_EQ(p.Pixels(), "1111" "0000" "1111" "0000");
  p.canvas.Undo();
  p.canvas.HatchColumns();
  EXPECT_EQ(p.Pixels(), "1010" "1010" "1010" "1010");
  p.canvas.Undo();
  p.canvas.HatchChecker();
  EXPECT_EQ(p.Pixels(), "1010" "0101" "1010" "0101");

  Painter m(3, 2);
  m.Click({0, 0});
  m.canvas.MirrorHorizontal();
  EXPECT_EQ(m.Pixels(), "001" "000");
  m.canvas.MirrorVertical();
  EXPECT_EQ(m.Pixels(), "000" "001");
}

TEST(PaintCanvas, WithoutTheRingThereIsNoUndoAndNoMirror) {
  PaintCanvas canvas;
  ASSERT_EQ(canvas.SetImage(Bitmap(3, 1)), 0);  // not in use: no ring
  canvas.Press({0, 0}, PaintButton::Left);
  canvas.Release({0, 0});
  canvas.MirrorHorizontal();
  EXPECT_EQ(BitmapToPixels(canvas.Image()), "100");
  canvas.Undo();
  EXPECT_EQ(BitmapToPixels(canvas.Image()), "100");
  canvas.Invert();  // works on without its undo step
  EXPECT_EQ(BitmapToPixels(canvas.Image()), "011");
}

TEST(PaintCanvas, FarAwayMousePositionsAreClipped) {
  Painter p(5, 5);
  p.canvas.Tool = PaintTool::Kreis;
  p.canvas.LineWidth = 10;
  p.canvas.Press({2, 2}, PaintButton::Left);
  p.canvas.Move({-100000000, 900000000}, true);
  p.canvas.Release({std::int64_t{1} << 40, -(std::int64_t{1} << 40)});
  p.canvas.Tool = PaintTool::Linie;
  p.Drag({0, 0}, {-(std::int64_t{1} << 50), std::int64_t{1} << 50});
  EXPECT_EQ(p.canvas.Image().Width(), 5);
}
