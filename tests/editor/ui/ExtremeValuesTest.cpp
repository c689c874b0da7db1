// Print texts from files may carry any number in any field: the editor
// opens, edits, drags, renders and stores them without dividing by zero,
// overflowing or sizing a picture by them.
#include <QApplication>
#include <QMouseEvent>
#include <climits>

#include "EditorFixture.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "editor/ui/TFrameBearbeitenZeit.h"
#include "printdata/PrintField.h"
#include "support/TempDir.h"

using namespace editortest;

namespace {

printdata::PrintText Extreme(std::int32_t v) {
  printdata::PrintText t;
  const std::uint8_t kinds[5] = {printdata::kKindText, printdata::kKindDate, printdata::kKindTime,
                                 printdata::kKindGraphic, 77};
  for (int n = 0; n < 5; ++n) {
    printdata::LayerObject& l = t.Layers[static_cast<std::size_t>(n)];
    l.Kind = kinds[n];
    l.Spacing = v;
    l.Height = v;
    l.Width = v;
    l.PosX = v;
    l.PosY = v;
    l.Text = std::string(300, 'W');
    l.WeekdayMask = v;
    l.DayOffset = v;
    l.DateMode = v;
    l.Interval = v;
    l.TimeOffset = v;
    l.TimeStep = v;
    l.GraphicHeight = v;
    l.GraphicWidth = v;
  }
  for (auto* set : {&t.Parameters.X1, &t.Parameters.X2})
    for (auto field : printdata::kParameterSetXFields) set->*field = v;
  for (auto field : printdata::kParameterSetYFields) t.Parameters.Y.*field = v;
  return t;
}

void ClickEveryStep(PositionFontPane* pane) {
  for (QAbstractButton* b :
       {static_cast<QAbstractButton*>(pane->SpeedButtonPositionXDown), static_cast<QAbstractButton*>(pane->SpeedButtonPositionXUp),
        static_cast<QAbstractButton*>(pane->SpeedButtonPositionYDown), static_cast<QAbstractButton*>(pane->SpeedButtonPositionYUp),
        static_cast<QAbstractButton*>(pane->SpeedButtonSchriftBreiteUp), static_cast<QAbstractButton*>(pane->SpeedButtonSchriftHoeheDown),
        static_cast<QAbstractButton*>(pane->SpeedButtonSchriftAbstandUp)})
    b->click();
  pane->SpeedButtonAusrichtenClick(nullptr);
  pane->SpeedButtonPositionXUp->click();
  pane->SpeedButtonPositionYDown->click();
}

}  // namespace

class ExtremeValues : public EditorFixture {};

TEST_F(ExtremeValues, TheEditorKeepsEveryValueWithinItsControls) {
  testsupport::TempDir dir;
  host.Mode = 3;
  for (std::int32_t v : {INT_MIN, -1, 0, INT_MAX}) {
    SCOPED_TRACE(v);
    const printdata::PrintText text = Extreme(v);
    for (int view = 0; view <= 6; ++view) {
      Open(&text, view);
      const platform::Bitmap& field = editor->FrameBearbeitenVorschau->Images.Field;
      EXPECT_GE(field.Width(), 6);
      EXPECT_LE(field.Width(), 600);
      for (const platform::Bitmap& layer : editor->FrameBearbeitenVorschau->Images.Layers) {
        EXPECT_EQ(layer.Width(), field.Width());
        EXPECT_EQ(layer.Height(), 25);
      }
      if (PositionFontPane* pane = editor->ObjectPane(Layer(view < 5 ? view : 0).Kind); pane && view < 3) {
        ClickEveryStep(pane);
        EXPECT_GE(Layer(view).PosX, -600);
        EXPECT_LE(Layer(view).PosX, 600);
        EXPECT_GE(Layer(view).Height, 1);
        EXPECT_LE(Layer(view).Height, 500);
        // A drag from any stored position.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor->FrameBearbeitenVorschau->ImageRaster, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(-3000, 9000), QPointF(-3000, 9000), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(editor->FrameBearbeitenVorschau->ImageRaster, &move);
        EXPECT_GE(Layer(view).PosY, -50);
      }
      if (view == 1) {
        editor->FrameBearbeitenDatum->SpeedButtonDatumOffsetUp->click();
        EXPECT_LE(Layer(1).DayOffset, 800);
      }
      if (view == 2) {
        editor->FrameBearbeitenZeit->SpeedButtonZeitOffsetUp->click();
        EXPECT_LE(Layer(2).TimeOffset, 86399);
      }
      if (view == 5) {
        TFrameBearbeitenParameter* p = editor->FrameBearbeitenParameter;
        p->Up(p->Values[1].Up);
        p->Lage(p->SpeedButtonLage);
        p->SpeedButtonTauschenX1X2Click(nullptr);
      }
      editor->SpeedButtonDruckansichtClick(nullptr);
      editor->ClosePrintView();
      host.BitmapFile = dir.path() + "/x.bmp";
      editor->SpeedButtonExportDrucktextBMPClick(nullptr);
      data.SelectedRow = 0;
      editor->SpeedButtonOKClick(nullptr);
      ASSERT_FALSE(data.Stored.empty());
      EXPECT_LE(printdata::PrintFieldColumns(data.Stored.back().second), 600);
    }
    editor->LoadAndRender(&text);
    viewMenu->ShowMenu();
  }
  EXPECT_TRUE(beeps.empty());
}
