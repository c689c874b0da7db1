// The step buttons' auto-repeat bands and captions.
#include <gtest/gtest.h>

#include "printersettings/StepCaptions.h"
#include "printersettings/StepRepeat.h"

using namespace printersettings;

namespace {

// The step of every tick of a button held in `direction`, from the first.
std::vector<int> HeldSteps(const RepeatPlan& plan, int direction, int ticks) {
  int tag = direction;
  std::vector<int> steps;
  for (int i = 0; i < ticks; ++i) steps.push_back(TakeRepeatStep(plan, tag));
  return steps;
}

}  // namespace

TEST(StepRepeat, EachBandHoldsToItsEdge) {
  struct Case {
    const char* rows;
    RepeatPlan plan;
    int tick;  // 1-based
    int step;
  };
  const Case cases[] = {
      {"filter", kFilterRepeat, 1, 1},          {"filter", kFilterRepeat, 50, 1},
      {"filter", kFilterRepeat, 400, 1},        {"print text", kPrintTextRepeat, 1, 1},
      {"print text", kPrintTextRepeat, 9, 1},   {"print text", kPrintTextRepeat, 10, 2},
      {"print text", kPrintTextRepeat, 19, 2},  {"print text", kPrintTextRepeat, 20, 4},
      {"print text", kPrintTextRepeat, 29, 4},  {"print text", kPrintTextRepeat, 30, 8},
      {"print text", kPrintTextRepeat, 500, 8}, {"shift", kShiftRepeat, 1, 1},
      {"shift", kShiftRepeat, 49, 1},           {"shift", kShiftRepeat, 50, 4},
      {"shift", kShiftRepeat, 99, 4},           {"shift", kShiftRepeat, 100, 8},
      {"shift", kShiftRepeat, 149, 8},          {"shift", kShiftRepeat, 150, 16},
      {"shift", kShiftRepeat, 2000, 16},        {"factor", kFactorRepeat, 49, 1},
      {"factor", kFactorRepeat, 50, 8},         {"factor", kFactorRepeat, 100, 16},
      {"factor", kFactorRepeat, 150, 32},       {"factor", kFactorRepeat, 151, 32},
  };
  for (const Case& c : cases) {
    for (int direction : {+1, -1}) {
      const std::vector<int> steps = HeldSteps(c.plan, direction, c.tick);
      EXPECT_EQ(steps.back(), direction * c.step) << c.rows << " tick " << c.tick << " direction " << direction;
    }
  }
}

TEST(StepRepeat, TheTagCountsTicksUntilTheLastBand) {
  int tag = 1;
  for (int i = 0; i < 149; ++i) TakeRepeatStep(kShiftRepeat, tag);
  EXPECT_EQ(tag, 150);
  TakeRepeatStep(kShiftRepeat, tag);
  EXPECT_EQ(tag, 150);  // the last band keeps it
  tag = -1;
  TakeRepeatStep(kFilterRepeat, tag);
  EXPECT_EQ(tag, -1);  // a constant step only gives the direction
  tag = 0;
  EXPECT_EQ(TakeRepeatStep(kShiftRepeat, tag), 0);
}

TEST(StepRepeat, AShiftHeldFromZeroReachesFortyNineThenGrowsByFour) {
  int value = 0;
  int tag = 1;
  for (int tick = 1; tick <= 49; ++tick) value += TakeRepeatStep(kShiftRepeat, tag);
  EXPECT_EQ(value, 49);
  value += TakeRepeatStep(kShiftRepeat, tag);
  EXPECT_EQ(value, 53);
}

TEST(StepCaptions, TheSignSitsOutsideAndALimitHidesIt) {
  const std::string blanks(20, ' ');
  EXPECT_EQ(StepCaptions(5, 0, 200), (StepCaptionPair{"-" + blanks, blanks + "+"}));
  EXPECT_EQ(StepCaptions(0, 0, 200), (StepCaptionPair{"", blanks + "+"}));
  EXPECT_EQ(StepCaptions(200, 0, 200), (StepCaptionPair{"-" + blanks, ""}));
  EXPECT_EQ(StepCaptions(-1, 0, 200), (StepCaptionPair{"", blanks + "+"}));
  EXPECT_EQ(ModeCaptions(1, 0, 2), (StepCaptionPair{"<" + blanks, blanks + ">"}));
  EXPECT_EQ(StepCaptions(8, 1, 8, '-', '+', 27), (StepCaptionPair{"-" + std::string(27, ' '), ""}));
}
