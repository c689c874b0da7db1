// Editing a print text in the main window: the data page opens its marked
// print text in the editor, OK brings the working copy back into the open
// data and its row, Abbrechen leaves the data as it was, and the data
// page's refresher keeps the editor's dates and times current.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTimer>

#include "AppFixture.h"
#include "app/TForm_Main.h"
#include "rendering/DateFormats.h"
#include "rendering/LocalClock.h"
#include "rendering/ParameterValues.h"
#include "rendering/TimeFormats.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenNotiz.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "editor/ui/TFrameBearbeitenZeit.h"
#include "printdata/Init.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/Thread_Daten.h"

using apptest::DoubleClick;
using apptest::Screenshot;

namespace {

// 5 March 2024, 13:05:09.
editor::LocalDateTime At(int hour, int minute, int second, int day = 5) {
  editor::LocalDateTime t;
  t.Date = {2024, 3, day};
  t.Hour = hour;
  t.Minute = minute;
  t.Second = second;
  return t;
}

class EditPrintText : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    now_ = At(13, 5, 9);
    editor::SetLocalClock([this] { return now_; });
    // The refresher's passes are the test's to run.
    Daten().Refresher->Terminate();
  }
  void TearDown() override {
    AppFixture::TearDown();
    editor::SetLocalClock({});
  }

  TFrameBearbeiten& Editor() { return *Form_Main->FrameBearbeiten; }

  // Open data "Eier" of `count` print texts: a text, a date and a time each,
  // lengths in whole millimetres as the editor keeps them.
  void Open(int count) {
    TFrameDaten& d = Daten();
    for (int i = 0; i < count; ++i) {
      printdata::PrintText& t = d.Group.Texts[static_cast<std::size_t>(i)];
      printdata::PrintTextInit(t);
      t.Parameters.X1.Drucklaenge = 400 + 10 * i;
      t.Parameters.X1.Anzahl = 2;
      t.Layers[0].Kind = printdata::kKindText;
      t.Layers[0].Text = "Charge " + std::to_string(1000 + i);
      t.Layers[1].Kind = printdata::kKindDate;
      editor::ApplyDateFormat(t, 1, editor::FindDateFormat("dd.mm.yyyy"));
      t.Layers[1].PosX = 100;
      t.Layers[2].Kind = printdata::kKindTime;
      editor::ApplyTimeFormat(t, 2, editor::FindTimeFormat("hh:mm"));
      t.Layers[2].PosX = 180;
      t.Note = "Notiz " + std::to_string(i + 1);
    }
    ShowOpenData(count);
  }

  const platform::Bitmap& EditorLayer(int n) {
    return Editor().FrameBearbeitenVorschau->Images.Layers[static_cast<std::size_t>(n)];
  }

  static bool Blank(const platform::Bitmap& b) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.Pixel(x, y) != platform::kWhite) return false;
    return true;
  }

  // Whether row `row`'s picture is, dot for dot, the ink of the editor's
  // five layer images: black where any layer has a dot, white elsewhere.
  ::testing::AssertionResult RowIsTheEditorsLayers(int row) {
    const QImage& picture = Daten().RowImages[static_cast<std::size_t>(row)]->Picture();
    const platform::Bitmap& field = EditorLayer(0);
    if (picture.width() != field.Width() || picture.height() != field.Height())
      return ::testing::AssertionFailure() << "row " << picture.width() << " x " << picture.height() << ", editor "
                                           << field.Width() << " x " << field.Height();
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        bool dot = false;
        for (int n = 0; n < 5; ++n) dot = dot || EditorLayer(n).Pixel(x, y) != platform::kWhite;
        ink += dot;
        const QRgb want = dot ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        if (picture.pixel(x, y) != want)
          return ::testing::AssertionFailure() << "dot " << x << ", " << y << " differs";
      }
    if (ink == 0) return ::testing::AssertionFailure() << "no ink at all";
    return ::testing::AssertionSuccess();
  }

  editor::LocalDateTime now_;
};

}  // namespace

TEST_F(EditPrintText, BearbeitenAndADoubleClickOnEachLineOpenTheEditorOnThatView) {
  Open(3);
  ShowAllColumns();
  TFrameDaten& d = Daten();
  const struct {
    QWidget* control;
    int view;
  } cases[] = {{d.RowLayers[2]->PanelEbene[0], 0}, {d.RowLayers[2]->PanelEbene[1], 1},
               {d.RowLayers[2]->PanelEbene[2], 2}, {d.RowLayers[2]->PanelEbene[3], 3},
               {d.RowLayers[2]->PanelEbene[4], 4}, {d.RowParameters[2], 5},
               {d.RowNotes[2], 6},                 {d.RowImages[2], 0},
               {d.RowNumbers[2], 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control->objectName().toStdString());
    DoubleClick(c.control);
    ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
    EXPECT_TRUE(d.isHidden());
    EXPECT_EQ(d.Selected, 2);
    EXPECT_EQ(Editor().EditorView(), c.view);
    EXPECT_EQ(Editor().CurrentLayer, c.view < 5 ? c.view : -1);
    EXPECT_EQ(Editor().PanelTitel->Caption(), QStringLiteral("Bearbeiten - Eier [3]"));
    EXPECT_EQ(Editor().WorkText.Layers[0].Text, "Charge 1002");
    EXPECT_EQ(Editor().WorkText.Note, "Notiz 3");
    Editor().SpeedButtonAbbrechen->click();
    ASSERT_EQ(Form_Main->ShownPage(), app::Page::Data);
    EXPECT_FALSE(d.isHidden());
  }

  // "Bearbeiten" in the edit menu: the marked print text on the start view.
  d.SelectRow(d.RowImages[1]);
  d.SpeedButtonWerkzeug->click();
  ASSERT_FALSE(Form_Main->FrameMenuBearbeiten->isHidden());
  Form_Main->FrameMenuBearbeiten->SpeedButtonBearbeiten->click();
  EXPECT_TRUE(Form_Main->FrameMenuBearbeiten->isHidden());
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  EXPECT_EQ(Editor().EditorView(), 0);
  EXPECT_EQ(Editor().PanelTitel->Caption(), QStringLiteral("Bearbeiten - Eier [2]"));
  EXPECT_EQ(Editor().WorkText.Layers[0].Text, "Charge 1001");
  Editor().SpeedButtonAbbrechen->click();
  EXPECT_FALSE(d.IsModified());
}

TEST_F(EditPrintText, OkStoresTheChangedLayerAtTheMarkedRowAndRedrawsIt) {
  Open(3);
  ShowAllColumns();
  TFrameDaten& d = Daten();
  const printdata::PrintText first = d.Group.Texts[0], last = d.Group.Texts[2];
  const QImage before = d.RowImages[1]->Picture();
  DoubleClick(d.RowLayers[1]->PanelEbene[0]);
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  Editor().FrameBearbeitenText->EditEingabe->setText(QStringLiteral("NEU 42"));
  // The open data changes only on OK.
  EXPECT_EQ(d.Group.Texts[1].Layers[0].Text, "Charge 1001");
  Editor().SpeedButtonOK->click();

  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Data);
  EXPECT_TRUE(Editor().isHidden());
  EXPECT_EQ(d.Count, 3);
  EXPECT_EQ(d.Group.Texts[1].Layers[0].Text, "NEU 42");
  EXPECT_EQ(d.Group.Texts[1], Editor().WorkText);
  EXPECT_EQ(d.Group.Texts[0], first);
  EXPECT_EQ(d.Group.Texts[2], last);
  EXPECT_EQ(d.Selected, 1);
  EXPECT_TRUE(d.IsModified());
  // The row shows the stored print text: its picture is the editor's
  // layers dot for dot, its summary the new text, its parameter values
  // those the parameters pane showed.
  EXPECT_NE(d.RowImages[1]->Picture(), before);
  EXPECT_TRUE(RowIsTheEditorsLayers(1));
  EXPECT_EQ(d.RowLayers[1]->LabelEbene[0]->text(), QStringLiteral("Text NEU 42"));
  const TFrameDatenParameter* row = d.RowParameters[1];
  const TFrameBearbeitenParameter* pane = Editor().FrameBearbeitenParameter;
  const std::pair<const QLabel*, int> values[] = {
      {row->LabelVorlauf, editor::kVorlauf}, {row->LabelDrucklaenge, editor::kDrucklaenge},
      {row->LabelLage, editor::kLage},       {row->LabelAnzahl, editor::kAnzahl},
      {row->LabelAbstand, editor::kAbstand}, {row->LabelAnzahl2, editor::kAnzahl2},
      {row->LabelAbstand2, editor::kAbstand2}, {row->LabelNachlauf, editor::kNachlauf}};
  for (const auto& [label, index] : values) EXPECT_EQ(label->text(), pane->Value(index)->text()) << index;
  EXPECT_EQ(d.ShapeSelector->geometry(), d.RowImages[1]->geometry().adjusted(-3, -3, 3, 3));
}

TEST_F(EditPrintText, AbbrechenLeavesTheDataAsItWas) {
  Open(2);
  ShowAllColumns();
  TFrameDaten& d = Daten();
  const printdata::PrintText first = d.Group.Texts[0], second = d.Group.Texts[1];
  const QImage picture = d.RowImages[0]->Picture();
  const QString summary = d.RowLayers[0]->LabelEbene[0]->text();
  DoubleClick(d.RowParameters[0]);
  ASSERT_EQ(Editor().EditorView(), 5);
  TFrameBearbeitenParameter* pane = Editor().FrameBearbeitenParameter;
  for (int i = 0; i < 5; ++i) pane->Up(pane->Values[editor::kDrucklaenge].Up);
  Form_Main->FormKeyDown(Qt::Key_1, app::Shift::Ctrl);
  Editor().FrameBearbeitenText->EditEingabe->setText(QStringLiteral("WEG"));
  Form_Main->FormKeyDown(Qt::Key_7, app::Shift::Ctrl);
  Editor().FrameBearbeitenNotiz->MemoNotiz->setPlainText(QStringLiteral("weg"));
  ASSERT_EQ(Editor().WorkText.Layers[0].Text, "WEG");
  ASSERT_EQ(Editor().WorkText.Parameters.X1.Drucklaenge, 450);
  Editor().SpeedButtonAbbrechen->click();

  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Data);
  EXPECT_EQ(d.Group.Texts[0], first);
  EXPECT_EQ(d.Group.Texts[1], second);
  EXPECT_EQ(d.RowImages[0]->Picture(), picture);
  EXPECT_EQ(d.RowLayers[0]->LabelEbene[0]->text(), summary);
  EXPECT_FALSE(d.IsModified());
}

TEST_F(EditPrintText, TheRefresherAloneRedrawsTheEditorsDatesAndTimesOncePerStep) {
  Open(1);
  ShowAllColumns();
  const printdata::PrintText stored = Daten().Group.Texts[0];
  DoubleClick(Daten().RowLayers[0]->PanelEbene[2]);
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  ASSERT_EQ(Editor().EditorView(), 2);
  // The editor runs no refresh of its own beside the refresher.
  for (const QTimer* t : Editor().findChildren<QTimer*>()) EXPECT_FALSE(t->isActive()) << t->objectName().toStdString();

  // Which of the date (1) and the time (2) a pass at `t` redraws: their
  // images are white before it.
  auto pass = [this](const editor::LocalDateTime& t) {
    now_ = t;
    for (int n : {1, 2}) Editor().FrameBearbeitenVorschau->Images.Layers[static_cast<std::size_t>(n)].Clear();
    Daten().Refresher->Refresh();
    std::vector<int> drawn;
    for (int n : {1, 2})
      if (!Blank(EditorLayer(n))) drawn.push_back(n);
    return drawn;
  };
  using Layers = std::vector<int>;
  // The first pass after the opening draws both, whatever they were stored
  // with; then the date every pass, the minute time once per minute.
  EXPECT_EQ(pass(At(13, 5, 10)), (Layers{1, 2}));
  EXPECT_EQ(Editor().WorkText.Layers[2].TimePreview, "13:05");
  EXPECT_EQ(pass(At(13, 5, 11)), Layers{1});
  EXPECT_EQ(pass(At(13, 5, 59)), Layers{1});
  // A pass that comes late for the minute's first second still draws it.
  EXPECT_EQ(pass(At(13, 6, 1)), (Layers{1, 2}));
  EXPECT_EQ(Editor().WorkText.Layers[2].TimePreview, "13:06");
  // The viewed layer is drawn red, the other black.
  auto has = [](const platform::Bitmap& b, platform::ColourValue c) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.Pixel(x, y) == c) return true;
    return false;
  };
  EXPECT_TRUE(has(EditorLayer(2), 255u));
  EXPECT_TRUE(has(EditorLayer(1), 0u));
  EXPECT_FALSE(has(EditorLayer(1), 255u));
  EXPECT_EQ(pass(At(13, 6, 2)), Layers{1});
  // The next day shows in the date at once.
  pass(At(0, 0, 0, 6));
  EXPECT_EQ(Editor().WorkText.Layers[1].DatePreview, "06.03.2024");
  // Nothing the refresher did reached the open data.
  EXPECT_EQ(Daten().Group.Texts[0], stored);
  Editor().SpeedButtonAbbrechen->click();
  EXPECT_FALSE(Daten().IsModified());
}

TEST_F(EditPrintText, APrintTextBuiltInTheEditorShowsInItsRowDotForDot) {
  Form_Main->show();
  TFrameDaten& d = Daten();
  // New data: one default print text.
  printdata::PrintTextInit(d.Group.Texts[0]);
  ShowOpenData(1, d.TitleNew);
  ShowAllColumns();
  QApplication::processEvents();
  Screenshot(Form_Main, "edit-1-new-data");

  DoubleClick(d.RowImages[0]);
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  TFrameBearbeiten& e = Editor();
  // A print length of 50 mm.
  Form_Main->FormKeyDown(Qt::Key_6, app::Shift::Ctrl);
  TFrameBearbeitenParameter* parameters = e.FrameBearbeitenParameter;
  for (int i = 0; i < 20; ++i) parameters->Values[editor::kDrucklaenge].Up->click();
  // Layer 1: a text.
  Form_Main->FormKeyDown(Qt::Key_1, app::Shift::Ctrl);
  e.SpeedButtonObjektTyptUp->click();
  e.FrameBearbeitenText->EditEingabe->setText(QStringLiteral("KAT A"));
  // Layer 2: the date, after the text.
  Form_Main->FormKeyDown(Qt::Key_2, app::Shift::Ctrl);
  for (int i = 0; i < 2; ++i) e.SpeedButtonObjektTyptUp->click();
  TFrameBearbeitenDatum* date = e.FrameBearbeitenDatum;
  date->SpeedButtonAusrichtenClick(nullptr);  // Frei: one dot per click
  while (e.WorkText.Layers[1].PosX < 80) date->SpeedButtonPositionXUp->click();
  // Layer 3: the time, last.
  Form_Main->FormKeyDown(Qt::Key_3, app::Shift::Ctrl);
  for (int i = 0; i < 3; ++i) e.SpeedButtonObjektTyptUp->click();
  TFrameBearbeitenZeit* time = e.FrameBearbeitenZeit;
  time->SpeedButtonAusrichtenClick(nullptr);
  while (e.WorkText.Layers[2].PosX < 180) time->SpeedButtonPositionXUp->click();
  Daten().Refresher->Refresh();
  QApplication::processEvents();
  Screenshot(Form_Main, "edit-2-editor");

  const printdata::PrintText& w = e.WorkText;
  ASSERT_EQ(w.Parameters.X1.Drucklaenge, 500);
  ASSERT_EQ(w.Layers[0].Kind, printdata::kKindText);
  ASSERT_EQ(w.Layers[1].Kind, printdata::kKindDate);
  ASSERT_EQ(w.Layers[2].Kind, printdata::kKindTime);
  EXPECT_EQ(w.Layers[1].DatePreview, "05.03.2024");
  EXPECT_EQ(w.Layers[2].TimePreview, "13:05:09");
  e.SpeedButtonOK->click();
  QApplication::processEvents();
  Screenshot(Form_Main, "edit-3-data-view");

  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Data);
  EXPECT_TRUE(d.IsModified());
  for (int n = 0; n < 3; ++n) EXPECT_FALSE(Blank(EditorLayer(n))) << n;
  EXPECT_EQ(d.RowImages[0]->Picture().width(), 300);
  EXPECT_TRUE(RowIsTheEditorsLayers(0));
  EXPECT_EQ(d.RowLayers[0]->LabelEbene[0]->text(), QStringLiteral("Text KAT A"));
  EXPECT_EQ(d.RowLayers[0]->LabelEbene[1]->text(),
            QStringLiteral("Datum, Offset 0, Wechsel T\u00e4glich, Format dd.mm.yyyy"));
  EXPECT_EQ(d.RowLayers[0]->LabelEbene[2]->text(),
            QStringLiteral("Zeit, Offset 0, Wechsel Forlaufend, Format hh:mm:ss"));
}
