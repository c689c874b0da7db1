// The arithmetic behind the panes' controls: Fix anchors, proportional
// font sizes, dragging in the preview and the saturating steps.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "editor/FixAlignment.h"
#include "editor/PreviewDrag.h"
#include "editor/ProportionalSize.h"
#include "rendering/StepValue.h"

using namespace editor;

TEST(FixAlignment, HorizontalAnchorsWalkLeftCentreRight) {
  // Print field 100 mm (600 dots), a text 100 dots wide: centre 250, right 500.
  const HorizontalAnchors a = HorizontalAnchorsFor(600, 100);
  EXPECT_EQ(a.Centre, 250);
  EXPECT_EQ(a.Right, 500);
  struct Case {
    std::int64_t x;
    bool up;
    std::int64_t next;
  } cases[] = {
      {0, true, 250},   {250, true, 500}, {500, true, 500}, {400, true, 500}, {-30, true, 0},  {100, true, 250},
      {500, false, 250}, {250, false, 0}, {0, false, 0},    {400, false, 250}, {700, false, 500}, {100, false, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(NextAnchorX(c.x, c.up, a), c.next) << c.x << (c.up ? " up" : " down");
}

TEST(FixAlignment, ATextWiderThanTheFieldHasAnchorsLeftOfZero) {
  const HorizontalAnchors a = HorizontalAnchorsFor(600, 800);
  EXPECT_EQ(a.Centre, -100);
  EXPECT_EQ(a.Right, -200);
  EXPECT_EQ(NextAnchorX(0, true, a), -100);
  EXPECT_EQ(NextAnchorX(-100, true, a), -200);
  EXPECT_EQ(NextAnchorX(-200, true, a), -200);
  EXPECT_EQ(NextAnchorX(-50, true, a), 0);
  EXPECT_EQ(NextAnchorX(-150, true, a), 0);
  // Halves truncate toward zero.
  EXPECT_EQ(HorizontalAnchorsFor(7, 3).Centre, 3 - 1);
}

TEST(FixAlignment, VerticalAnchorsWalkTopMiddleBottom) {
  const VerticalAnchors a = VerticalAnchorsFor(12);
  EXPECT_EQ(a.Middle, -6);
  EXPECT_EQ(a.Bottom, -13);
  EXPECT_EQ(NextAnchorY(0, false, a), -6);
  EXPECT_EQ(NextAnchorY(-6, false, a), -13);
  EXPECT_EQ(NextAnchorY(-13, false, a), -13);
  EXPECT_EQ(NextAnchorY(-13, true, a), -6);
  EXPECT_EQ(NextAnchorY(-6, true, a), 0);
  EXPECT_EQ(NextAnchorY(0, true, a), 0);
  EXPECT_EQ(NextAnchorY(5, false, a), 0);
  EXPECT_EQ(NextAnchorY(-20, true, a), -13);
  EXPECT_EQ(NextAnchorY(-10, true, a), -6);
}

TEST(ProportionalSize, OtherValueFollowsTheRecordedRatio) {
  EXPECT_EQ(ProportionalValue(8, 7, 12), 13);
  EXPECT_EQ(ProportionalValue(14, 7, 12), 24);
  EXPECT_EQ(ProportionalValue(1, 7, 12), 1);
  EXPECT_EQ(ProportionalValue(8, 7, 500), 571);  // the caller clamps to 500
  EXPECT_EQ(ProportionalValue(24, 12, 7), 14);
}

TEST(ProportionalSize, RecordedValuesOfZeroFromAFileDivideByOne) {
  EXPECT_EQ(ProportionalValue(8, 0, 12), 96);
  EXPECT_EQ(ProportionalValue(8, -5, 0), 8);
  EXPECT_EQ(ProportionalValue(500, INT_MIN, INT_MAX), 500LL * INT_MAX);
}

TEST(PreviewDrag, TheObjectFollowsInWholeDotsFromThePress) {
  const DragStart start{100, 40, 12, 0};
  // Zoom 4, 10 pixels right and 10 up: 2 dots right and 2 up.
  auto p = DragTarget(start, 110, 30, 4);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->X, 14);
  EXPECT_EQ(p->Y, 2);
  // Left and down truncate toward zero.
  p = DragTarget(start, 93, 47, 4);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->X, 11);
  EXPECT_EQ(p->Y, -1);
}

TEST(PreviewDrag, AMoveAlongOneAxisAloneMovesTheObject) {
  const DragStart start{100, 40, 12, 5};
  auto across = DragTarget(start, 120, 40, 2);
  ASSERT_TRUE(across);
  EXPECT_EQ(across->X, 22);
  EXPECT_EQ(across->Y, 5);
  auto along = DragTarget(start, 100, 20, 2);
  ASSERT_TRUE(along);
  EXPECT_EQ(along->X, 12);
  EXPECT_EQ(along->Y, 15);
  EXPECT_FALSE(DragTarget(start, 100, 40, 2));  // on the press point
  EXPECT_FALSE(DragTarget(start, 120, 20, 0));  // no zoom
}

TEST(StepValue, ClampsMarksLimitsAndSaturates) {
  const ClampedStep low = ClampStep(-601, kPositionXRange);
  EXPECT_EQ(low.Value, -600);
  EXPECT_TRUE(low.AtMin);
  EXPECT_FALSE(low.AtMax);
  const ClampedStep mid = ClampStep(3, kSpacingRange);
  EXPECT_FALSE(mid.AtMin || mid.AtMax);
  EXPECT_TRUE(ClampStep(INT_MAX, kFontHeightRange).AtMax);
  EXPECT_EQ(Stepped(INT_MAX, 1), INT_MAX);
  EXPECT_EQ(Stepped(INT_MIN, -60), INT_MIN);
  EXPECT_EQ(Stepped(5, -60), -55);
}
