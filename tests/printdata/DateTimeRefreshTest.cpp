#include <gtest/gtest.h>

#include <memory>

#include "printdata/DateTimeRefresh.h"

using namespace printdata;

namespace {

LocalMoment At(int hour, int minute, int second, std::int64_t day = 20000) {
  return {day, hour * 3600 + minute * 60 + second};
}

LayerObject Date(std::int32_t mask) {
  LayerObject l;
  l.Kind = kKindDate;
  l.WeekdayMask = mask;
  return l;
}

LayerObject Time(std::int32_t interval, std::int32_t step) {
  LayerObject l;
  l.Kind = kKindTime;
  l.Interval = interval;
  l.TimeStep = step;
  return l;
}

struct Fixture {
  std::unique_ptr<PrintGroup> group = std::make_unique<PrintGroup>();
  DateTimeRefresh refresh;

  // A pass that draws what it returns, as the data view does.
  std::vector<int> Pass(int count, const LocalMoment& now) {
    const std::vector<int> rows = refresh.DataViewPass(*group, count, now);
    for (int r : rows) refresh.RowDrawn(r, now);
    return rows;
  }
};

using Rows = std::vector<int>;

}  // namespace

TEST(DateTimeRefresh, WhatCountsAsDynamic) {
  EXPECT_TRUE(IsDynamicDate(Date(127)));
  EXPECT_TRUE(IsDynamicDate(Date(1)));
  EXPECT_FALSE(IsDynamicDate(Date(0)));
  EXPECT_FALSE(IsDynamicDate(Date(0x80)));  // only bit 7
  EXPECT_TRUE(IsDynamicTime(Time(0, 0)));
  EXPECT_TRUE(IsDynamicTime(Time(600, 60)));
  EXPECT_FALSE(IsDynamicTime(Time(-1, 0)));
  LayerObject text = Date(127);
  text.Kind = kKindText;
  EXPECT_FALSE(IsDynamicDate(text));
  EXPECT_FALSE(IsDynamicTime(text));
}

TEST(DateTimeRefresh, NothingOpenScansNothing) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Time(0, 0);
  EXPECT_EQ(f.Pass(0, At(10, 0, 0)), Rows{});
  EXPECT_EQ(f.Pass(0, At(10, 0, 1)), Rows{});
}

TEST(DateTimeRefresh, StaticLayersAreNeverRedrawnContinuousTimesEveryPass) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Date(0);
  f.group->Texts[0].Layers[1] = Date(0x80);
  f.group->Texts[0].Layers[2] = Time(-1, 0);
  f.group->Texts[1].Layers[4] = Time(0, 0);
  for (int s = 0; s < 5; ++s) EXPECT_EQ(f.Pass(2, At(10, 0, s)), Rows{1}) << s;
}

TEST(DateTimeRefresh, FirstPassAndReturnFromTheEditorRedrawEveryDynamicRow) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Date(127);
  f.group->Texts[1].Layers[0] = Time(0, 3600);
  f.group->Texts[2].Layers[0] = Date(0);
  f.group->Texts[3].Layers[1] = Time(600, 60);
  EXPECT_TRUE(f.refresh.EditorWasShown());
  EXPECT_EQ(f.Pass(4, At(10, 0, 17)), (Rows{0, 1, 3}));
  EXPECT_FALSE(f.refresh.EditorWasShown());
  EXPECT_EQ(f.refresh.LastDate(), 20000);
  EXPECT_EQ(f.Pass(4, At(10, 0, 18)), Rows{});

  // The editor was shown for a while; back in the data view every dynamic
  // row is redrawn, whatever the steps say.
  EXPECT_EQ(f.refresh.EditorPass(f.group->Texts[0], At(10, 0, 19)), 1u);
  EXPECT_TRUE(f.refresh.EditorWasShown());
  EXPECT_EQ(f.Pass(4, At(10, 0, 20)), (Rows{0, 1, 3}));
}

TEST(DateTimeRefresh, TimeStepsRedrawOncePerStep) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Time(0, 60);
  f.group->Texts[1].Layers[0] = Time(0, 3600);
  EXPECT_EQ(f.Pass(2, At(10, 58, 30)), (Rows{0, 1}));  // first pass: everything
  EXPECT_EQ(f.Pass(2, At(10, 58, 59)), Rows{});
  EXPECT_EQ(f.Pass(2, At(10, 59, 0)), Rows{0});
  EXPECT_EQ(f.Pass(2, At(10, 59, 1)), Rows{});
  EXPECT_EQ(f.Pass(2, At(11, 0, 0)), (Rows{0, 1}));
  EXPECT_EQ(f.Pass(2, At(11, 0, 1)), Rows{});
}

TEST(DateTimeRefresh, APassThatStraddlesTheFirstSecondStillRedrawsTheStep) {
  // Passes come a little more than a second apart; one jumps from :59 to
  // :01 of the next minute. The minute is redrawn all the same, and once.
  Fixture f;
  f.group->Texts[0].Layers[0] = Time(0, 60);
  f.group->Texts[1].Layers[0] = Time(0, 3600);
  f.Pass(2, At(9, 59, 50));
  EXPECT_EQ(f.Pass(2, At(9, 59, 59)), Rows{});
  EXPECT_EQ(f.Pass(2, At(10, 0, 1)), (Rows{0, 1}));
  EXPECT_EQ(f.Pass(2, At(10, 0, 2)), Rows{});
  // A whole step without any pass (the message window was up): the next
  // pass catches up.
  EXPECT_EQ(f.Pass(2, At(10, 7, 42)), Rows{0});
}

TEST(DateTimeRefresh, ARowDrawnForAnotherReasonStartsItsStepAgain) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Time(0, 60);
  f.Pass(1, At(8, 0, 0));
  // Loaded again (an edit, a paste) at 8:01:30: no redraw until 8:02.
  f.refresh.RowDrawn(0, At(8, 1, 30));
  EXPECT_EQ(f.Pass(1, At(8, 1, 31)), Rows{});
  EXPECT_EQ(f.Pass(1, At(8, 2, 0)), Rows{0});
}

TEST(DateTimeRefresh, MidnightRedrawsDatesAndDueTimes) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Date(127);
  f.group->Texts[1].Layers[0] = Time(0, 60);
  f.group->Texts[2].Layers[0] = Time(0, 3600);
  f.group->Texts[3].Layers[0] = Date(0);
  f.Pass(4, At(23, 59, 58, 20000));
  EXPECT_EQ(f.Pass(4, At(23, 59, 59, 20000)), Rows{});
  EXPECT_EQ(f.Pass(4, At(0, 0, 0, 20001)), (Rows{0, 1, 2}));
  EXPECT_EQ(f.refresh.LastDate(), 20001);
  EXPECT_EQ(f.Pass(4, At(0, 0, 1, 20001)), Rows{});
}

TEST(DateTimeRefresh, ARowWithTwoDynamicLayersIsRedrawnOncePerPass) {
  Fixture f;
  f.group->Texts[0].Layers[0] = Time(0, 0);
  f.group->Texts[0].Layers[3] = Date(127);
  EXPECT_EQ(f.Pass(1, At(12, 0, 0)), Rows{0});
  EXPECT_EQ(f.Pass(1, At(12, 0, 1)), Rows{0});
}

TEST(DateTimeRefresh, CountBeyondTheGroupIsKeptWithin) {
  Fixture f;
  for (auto& t : f.group->Texts) t.Layers[0] = Time(0, 0);
  EXPECT_EQ(f.Pass(200, At(1, 0, 0)).size(), 99u);
  EXPECT_EQ(f.Pass(-4, At(1, 0, 1)).size(), 0u);
}

TEST(DateTimeRefresh, EditorPassesRedrawEveryDateAndDueTimes) {
  DateTimeRefresh r;
  PrintText work;
  work.Layers[0] = Date(127);
  work.Layers[1] = Date(127);
  work.Layers[2] = Time(0, 60);
  work.Layers[3] = Time(-1, 0);
  work.Layers[4] = Time(0, 0);
  auto pass = [&](const LocalMoment& now) {
    const unsigned layers = r.EditorPass(work, now);
    for (int i = 0; i < 5; ++i)
      if (layers & (1u << i)) r.EditorLayerDrawn(i, now);
    return layers;
  };
  EXPECT_EQ(pass(At(10, 0, 30)), 0b10111u);
  EXPECT_EQ(pass(At(10, 0, 31)), 0b10011u);
  EXPECT_EQ(pass(At(10, 1, 1)), 0b10111u);  // the minute, though :00 was missed
  // The date does not change here: no date test while the editor is shown.
  EXPECT_EQ(r.LastDate(), 0);

  // Back in the data view and into the editor again: the new visit starts
  // with every dynamic layer.
  const auto group = std::make_unique<PrintGroup>();
  r.DataViewPass(*group, 0, At(10, 1, 2));
  EXPECT_EQ(pass(At(10, 1, 3)), 0b10111u);

  // Another print text opened before any data-view pass came between: its
  // minute time is drawn in the next pass all the same.
  EXPECT_EQ(pass(At(10, 1, 4)), 0b10011u);
  r.EditorOpened();
  EXPECT_EQ(pass(At(10, 1, 5)), 0b10111u);
  EXPECT_EQ(pass(At(10, 1, 6)), 0b10011u);
}

TEST(DateTimeRefresh, StepBucketsOfEarlyMoments) {
  EXPECT_EQ(TimeStepBucket(60, 0), 0);
  EXPECT_EQ(TimeStepBucket(60, 59), 0);
  EXPECT_EQ(TimeStepBucket(60, 60), 1);
  EXPECT_EQ(TimeStepBucket(60, -1), -1);
  EXPECT_EQ(TimeStepBucket(60, -60), -1);
  EXPECT_EQ(TimeStepBucket(60, -61), -2);
  EXPECT_EQ(TimeStepBucket(0, 17), 17);
  EXPECT_EQ(TimeStepBucket(-5, 17), 17);
}
