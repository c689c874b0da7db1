// Keeping the working copy's dates and times current.
#include <gtest/gtest.h>

#include "TestValues.h"
#include "editor/WorkCopyRefresh.h"

using namespace editor;
using testvalues::At;

TEST(WorkCopyRefresh, OnlyChangedDynamicTextsAreStoredAndReported) {
  printdata::PrintText work;
  work.Layers[0].Kind = printdata::kKindDate;
  work.Layers[1].Kind = printdata::kKindDate;
  work.Layers[1].WeekdayMask = 0;  // static: keeps its text
  work.Layers[1].DatePreview = "fixed";
  work.Layers[2].Kind = printdata::kKindTime;
  work.Layers[3].Kind = printdata::kKindText;
  auto changed = RefreshChangedTexts(work, At(13, 5, 9));
  EXPECT_TRUE(changed[0]);
  EXPECT_FALSE(changed[1]);
  EXPECT_TRUE(changed[2]);
  EXPECT_FALSE(changed[3]);
  EXPECT_EQ(work.Layers[0].DatePreview, "05.03.2024");
  EXPECT_EQ(work.Layers[1].DatePreview, "fixed");
  EXPECT_EQ(work.Layers[2].TimePreview, "13:05:09");
  // The same moment again changes nothing.
  changed = RefreshChangedTexts(work, At(13, 5, 9));
  EXPECT_FALSE(changed[0] || changed[2]);
}

TEST(WorkCopyRefresh, ATimeWithAStepIsLookedAtOnlyOnItsMultiples) {
  printdata::PrintText work;
  work.Layers[0].Kind = printdata::kKindTime;
  work.Layers[0].TimeCode = "\xD2:\xB2";
  work.Layers[0].TimeStep = 60;
  EXPECT_FALSE(RefreshChangedTexts(work, At(13, 5, 9))[0]);
  EXPECT_EQ(work.Layers[0].TimePreview, "");
  EXPECT_TRUE(RefreshChangedTexts(work, At(13, 6, 0))[0]);
  EXPECT_EQ(work.Layers[0].TimePreview, "13:06");
  work.Layers[0].TimeStep = -5;  // from a file: every pass
  EXPECT_TRUE(RefreshChangedTexts(work, At(13, 7, 1))[0]);
}
