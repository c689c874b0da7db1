// The date and time refresher: which rows and editor layers a pass redraws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "DataPageFixture.h"
#include "rendering/DateCode.h"
#include "rendering/TimeCode.h"
#include "rendering/TimeFormats.h"
#include "printdata/ui/Thread_Daten.h"

using dataviewtest::DataPage;

namespace {

class Refresher : public DataPage {
 protected:
  void SetUp() override {
    DataPage::SetUp();
    Open(4);
  }

  // A time layer "hh:mm:ss" (or "hh:mm" for a step of 60) in print text `row`.
  void GiveTime(int row, std::int32_t step, std::int32_t interval = 0) {
    printdata::PrintText& t = d->Group.Texts[static_cast<std::size_t>(row)];
    editor::ApplyTimeFormat(t, 1, step == 60 ? editor::FindTimeFormat("hh:mm") : editor::FindTimeFormat("hh:mm:ss"));
    t.Layers[1].Kind = printdata::kKindTime;
    t.Layers[1].Interval = interval;
    t.Layers[1].TimeStep = step;
    t.Layers[1].PosX = 60;
  }

  void GiveDate(int row, std::int32_t mask) {
    printdata::LayerObject& l = d->Group.Texts[static_cast<std::size_t>(row)].Layers[2];
    l.Kind = printdata::kKindDate;
    l.WeekdayMask = mask;
    l.PosX = 120;
  }

  // Draws all rows at the present clock, as loading the data would.
  void DrawAll() {
    for (int i = 0; i < d->Count; ++i) d->RenderRow(i);
  }

  QImage Row(int i) const { return d->RowImages[static_cast<std::size_t>(i)]->Picture(); }
  void Blank(int i) {
    d->RowImages[static_cast<std::size_t>(i)]->SetPicture(platform::Bitmap(Row(i).width(), Row(i).height()));
  }

  // The rows a pass at the given time redraws, told by their pictures: each
  // row's picture is white before the pass.
  std::vector<int> PassAt(int hour, int minute, int second, int day = 14) {
    SetClock(hour, minute, second, day);
    for (int i = 0; i < d->Count; ++i) Blank(i);
    std::vector<QImage> before;
    for (int i = 0; i < d->Count; ++i) before.push_back(Row(i));
    d->Refresher->Refresh();
    std::vector<int> drawn;
    for (int i = 0; i < d->Count; ++i)
      if (Row(i) != before[static_cast<std::size_t>(i)]) drawn.push_back(i);
    return drawn;
  }
};

using Rows = std::vector<int>;

}  // namespace

TEST_F(Refresher, StartsWithTheRowsAndStopsWithTheView) {
  // (The fixture stops it; a fresh view's refresher is running.)
  EXPECT_FALSE(d->Refresher->Running());
  d->Refresher->Resume();
  EXPECT_TRUE(d->Refresher->Running());
  EXPECT_EQ(d->Refresher->objectName(), QStringLiteral("Daten"));
  d->Refresher->Terminate();
  EXPECT_FALSE(d->Refresher->Running());
}

TEST_F(Refresher, NoDataNoRows) {
  GiveTime(0, 0);
  d->Count = 0;
  d->Repaint();
  EXPECT_EQ(PassAt(10, 0, 1), Rows{});
}

TEST_F(Refresher, ContinuousTimesEveryPassStaticOnesNever) {
  GiveTime(1, 0);
  GiveTime(2, 0, printdata::kStaticTimeInterval);
  GiveDate(3, 0);
  GiveDate(0, 0x80);
  DrawAll();
  EXPECT_EQ(PassAt(10, 0, 1), Rows{1});  // the first pass after start: every dynamic row
  EXPECT_EQ(PassAt(10, 0, 2), Rows{1});
  EXPECT_EQ(PassAt(10, 0, 3), Rows{1});
  // What the pass drew is the print text at the pass's time.
  SetClock(10, 0, 4);
  d->Refresher->Refresh();
  QImage fresh = Row(1);
  d->RenderRow(1);
  EXPECT_EQ(fresh, Row(1));
}

TEST_F(Refresher, MinuteStepsRedrawOncePerMinuteEvenWhenThePassIsLate) {
  GiveTime(0, 60);
  GiveTime(2, 3600);
  DrawAll();
  EXPECT_EQ(PassAt(9, 59, 58), (Rows{0, 2}));  // first pass
  EXPECT_EQ(PassAt(9, 59, 59), Rows{});
  // The pass comes a second late: the new minute and hour are drawn anyway.
  EXPECT_EQ(PassAt(10, 0, 1), (Rows{0, 2}));
  EXPECT_EQ(PassAt(10, 0, 2), Rows{});
  EXPECT_EQ(PassAt(10, 0, 59), Rows{});
  EXPECT_EQ(PassAt(10, 1, 0), Rows{0});
}

TEST_F(Refresher, MidnightRedrawsTheDates) {
  GiveDate(1, 127);
  GiveTime(3, 60);
  DrawAll();
  PassAt(23, 59, 30, 14);
  EXPECT_EQ(PassAt(23, 59, 31, 14), Rows{});
  EXPECT_EQ(PassAt(0, 0, 0, 15), (Rows{1, 3}));
  EXPECT_EQ(PassAt(0, 0, 1, 15), Rows{});
}

TEST_F(Refresher, NoRowIsDrawnUnderTheMessageWindowAndTheDayIsNotLost) {
  GiveDate(1, 127);
  GiveTime(2, 0);
  DrawAll();
  PassAt(23, 59, 58, 14);
  host.messageVisible = true;
  EXPECT_EQ(PassAt(0, 0, 1, 15), Rows{});
  EXPECT_EQ(PassAt(0, 0, 2, 15), Rows{});
  host.messageVisible = false;
  EXPECT_EQ(PassAt(0, 0, 3, 15), (Rows{1, 2}));
}

TEST_F(Refresher, BackFromTheEditorEveryDynamicRowIsRedrawn) {
  GiveTime(0, 3600);
  GiveDate(2, 127);
  DrawAll();
  PassAt(11, 20, 0);
  EXPECT_EQ(PassAt(11, 20, 1), Rows{});
  // The editor is shown for a few passes.
  d->HidePage();
  editor.visible = true;
  PassAt(11, 20, 2);
  PassAt(11, 20, 3);
  editor.visible = false;
  d->ShowPage();
  EXPECT_EQ(PassAt(11, 20, 4), (Rows{0, 2}));
  EXPECT_EQ(PassAt(11, 20, 5), Rows{});
}

TEST_F(Refresher, NothingWhileTheOtherPagesAreShown) {
  GiveTime(0, 0);
  DrawAll();
  PassAt(8, 0, 0);
  d->HidePage();
  EXPECT_EQ(PassAt(8, 0, 1), Rows{});
  EXPECT_TRUE(editor.rendered.empty());
}

TEST_F(Refresher, EditorLayersThumbnailsAndPrintView) {
  d->HidePage();
  editor.visible = true;
  editor.viewMenu = true;
  editor.printView = true;
  editor.viewed = 3;
  printdata::PrintText& w = editor.work;
  w.Layers[1].Kind = printdata::kKindDate;
  w.Layers[1].DateFormat = "dd.mm.yyyy";
  w.Layers[3].Kind = printdata::kKindDate;
  w.Layers[4].Kind = printdata::kKindTime;
  w.Layers[4].Interval = 0;
  w.Layers[4].TimeStep = 60;
  SetClock(15, 30, 10);
  d->Refresher->Refresh();
  // Both dates and the time (first visit), the viewed one red, the others
  // black; each thumbnail, then the print view's once.
  EXPECT_EQ(editor.rendered, (std::vector<std::pair<int, std::uint32_t>>{{1, 0}, {3, 255}, {4, 0}}));
  EXPECT_EQ(editor.thumbnails, (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(editor.printViews, 1);
  EXPECT_EQ(w.Layers[1].DatePreview, editor::RenderDateText(w, 1));
  EXPECT_EQ(w.Layers[4].TimePreview, editor::RenderTimeText(w, 4));
  EXPECT_FALSE(w.Layers[1].DatePreview.empty());

  // The next second: the dates again, the minute time not.
  editor.rendered.clear();
  editor.thumbnails.clear();
  editor.viewMenu = false;
  SetClock(15, 30, 11);
  d->Refresher->Refresh();
  EXPECT_EQ(editor.rendered, (std::vector<std::pair<int, std::uint32_t>>{{1, 0}, {3, 255}}));
  EXPECT_TRUE(editor.thumbnails.empty());
  EXPECT_EQ(editor.printViews, 2);

  // Nothing dynamic: nothing drawn, no print view.
  w.Layers[1].Kind = w.Layers[3].Kind = w.Layers[4].Kind = printdata::kKindText;
  editor.rendered.clear();
  d->Refresher->Refresh();
  EXPECT_TRUE(editor.rendered.empty());
  EXPECT_EQ(editor.printViews, 2);
}

TEST_F(Refresher, EveryOpeningOfTheEditorHasItsDynamicLayersDrawnInTheNextPass) {
  GiveTime(1, 60);
  d->Selected = 1;
  ASSERT_TRUE(d->OpenInEditor(DataViewEditor::kStartView));
  editor.visible = true;
  editor.work = d->Group.Texts[1];
  SetClock(9, 0, 10);
  d->Refresher->Refresh();
  EXPECT_EQ(editor.rendered, (std::vector<std::pair<int, std::uint32_t>>{{1, 0}}));
  editor.rendered.clear();
  SetClock(9, 0, 11);
  d->Refresher->Refresh();
  EXPECT_TRUE(editor.rendered.empty());
  // OK, and the same print text opened again before the data view's next
  // pass: its minute, stored with the print text, is drawn afresh at once.
  editor.visible = false;
  d->ShowPage();
  ASSERT_TRUE(d->OpenInEditor(DataViewEditor::kStartView));
  editor.visible = true;
  SetClock(9, 0, 12);
  d->Refresher->Refresh();
  EXPECT_EQ(editor.rendered, (std::vector<std::pair<int, std::uint32_t>>{{1, 0}}));
}

TEST_F(Refresher, TheTimerRunsPassesInTheGuiThread) {
  GiveTime(0, 0);
  DrawAll();
  PassAt(7, 0, 0);
  SetClock(7, 0, 1);
  d->RenderRow(0);
  const QImage expected = Row(0);
  Blank(0);
  d->Refresher->Resume();
  QElapsedTimer t;
  t.start();
  while (Row(0) != expected && t.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(Row(0), expected);
  d->Refresher->Terminate();
}
