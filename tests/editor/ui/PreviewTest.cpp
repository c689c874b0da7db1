// The preview: print field and layer images at every zoom, the grid, the
// dragging of the edited object, and the view, zoom and grid menus.
#include <QApplication>
#include <QMouseEvent>

#include "EditorFixture.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"

using namespace editortest;

class Preview : public EditorFixture {
 protected:
  TFrameBearbeitenVorschau* P() const { return editor->FrameBearbeitenVorschau; }
  void OpenText(int x = 10, int y = 0) {
    printdata::PrintText t;
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].PosX = x;
    t.Layers[0].PosY = y;
    Open(&t, 0);
  }
  // Real mouse events on the grid image, which lies over everything.
  void Mouse(QEvent::Type type, int x, int y, Qt::MouseButtons held) {
    const QPointF at(x, y);
    QMouseEvent e(type, at, P()->ImageRaster->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(P()->ImageRaster, &e);
  }
};

TEST_F(Preview, ImagesFollowThePrintLengthAndTheZoom) {
  OpenText();
  EXPECT_EQ(P()->ImageHintergrund->size(), QSize(720, 100));
  EXPECT_EQ(P()->ImageGross[3]->size(), QSize(720, 100));
  EXPECT_EQ(P()->ImageRaster->size(), QSize(721, 101));
  EXPECT_EQ(P()->ImageRaster->Tag, 1);
  EXPECT_EQ(editor->PanelVorschau->height(), 133);
  zoomMenu->SpeedButtonZoomDownClick(nullptr);
  EXPECT_EQ(P()->ImageGross[0]->size(), QSize(540, 75));
  EXPECT_EQ(P()->ImageRaster->size(), QSize(541, 76));
  EXPECT_EQ(P()->ImageRaster->Tag, 1);  // the zoom keeps the grid
  EXPECT_EQ(editor->PanelVorschau->height(), 108);
  EXPECT_EQ(editor->LabelZoom->text(), QStringLiteral("3x"));
  gridMenu->SpeedButtonMillimeterClick(nullptr);
  EXPECT_EQ(P()->ImageRaster->Tag, 2);
  EXPECT_EQ(P()->ImageRaster->size(), QSize(541, 76));  // the grid keeps the zoom
  EXPECT_EQ(editor->LabelRaster->text(), QStringLiteral("Millimeter"));
  EXPECT_EQ(gridMenu->PanelMillimeter->Color(), 0x800000u);
  EXPECT_NE(gridMenu->PanelPixel->Color(), 0x800000u);
  // Out-of-range arguments are clamped.
  P()->ResizeLayerImage(P()->ImageGross[0], 0, true, 3);
  EXPECT_EQ(P()->Images.Layers[0].Width(), 6);
  EXPECT_EQ(P()->ImageGross[0]->size(), QSize(6, 25));
  P()->ResizeLayerImage(P()->ImageGross[0], 9, true, 1000);
  EXPECT_EQ(P()->ImageGross[0]->size(), QSize(3000, 125));
}

TEST_F(Preview, ZoomStopsAtItsEnds) {
  OpenText();
  for (int i = 0; i < 3; ++i) zoomMenu->SpeedButtonZoomUpClick(nullptr);
  EXPECT_EQ(editor->EditorZoom(), 5);
  EXPECT_EQ(zoomMenu->SpeedButtonZoomUp->Caption(), QString());
  EXPECT_EQ(zoomMenu->LabelZoom->text(), QStringLiteral("5x"));
  for (int i = 0; i < 6; ++i) zoomMenu->SpeedButtonZoomDownClick(nullptr);
  EXPECT_EQ(editor->EditorZoom(), 1);
  EXPECT_EQ(zoomMenu->SpeedButtonZoomDown->Caption(), QString());
  EXPECT_FALSE(zoomMenu->SpeedButtonZoomUp->Caption().isEmpty());
}

TEST_F(Preview, DraggingMovesTheObjectInWholeDots) {
  OpenText(10, 0);
  Mouse(QEvent::MouseButtonPress, 100, 40, Qt::LeftButton);
  EXPECT_EQ(P()->DragObjectX, 10);
  Mouse(QEvent::MouseMove, 110, 30, Qt::LeftButton);  // zoom 4: 2 right, 2 up
  EXPECT_EQ(Layer(0).PosX, 12);
  EXPECT_EQ(Layer(0).PosY, 2);
  EXPECT_EQ(editor->FrameBearbeitenText->LabelPositionX->Tag, 12);
  EXPECT_TRUE(LayerHas(0, 255));
  Mouse(QEvent::MouseMove, 121, 40, Qt::LeftButton);  // from the press, not from the last move
  EXPECT_EQ(Layer(0).PosX, 15);
  EXPECT_EQ(Layer(0).PosY, 0);
  Mouse(QEvent::MouseButtonRelease, 200, 40, Qt::NoButton);  // released: no more moves
  EXPECT_EQ(Layer(0).PosX, 15);
  Mouse(QEvent::MouseMove, 300, 40, Qt::NoButton);
  EXPECT_EQ(Layer(0).PosX, 15);
}

TEST_F(Preview, AStraightMoveAlongOneAxisMovesTheObject) {
  OpenText(10, 0);
  Mouse(QEvent::MouseButtonPress, 100, 40, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 140, 40, Qt::LeftButton);
  EXPECT_EQ(Layer(0).PosX, 20);
  EXPECT_EQ(Layer(0).PosY, 0);
  Mouse(QEvent::MouseMove, 100, 20, Qt::LeftButton);
  EXPECT_EQ(Layer(0).PosX, 10);
  EXPECT_EQ(Layer(0).PosY, 5);
}

TEST_F(Preview, DraggingStopsAtTheLimitsAndNeedsAnObject) {
  OpenText(590, 45);
  Mouse(QEvent::MouseButtonPress, 10, 10, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 700, -90, Qt::LeftButton);
  EXPECT_EQ(Layer(0).PosX, 600);
  EXPECT_EQ(Layer(0).PosY, 50);
  // A layer of kind 0, the parameters and the note do not drag.
  viewMenu->SpeedButtonEbene2Click(nullptr);
  const printdata::LayerObject before = Layer(1);
  Mouse(QEvent::MouseButtonPress, 10, 10, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 50, 10, Qt::LeftButton);
  EXPECT_EQ(Layer(1), before);
  viewMenu->SpeedButtonParameterClick(nullptr);
  const printdata::PrintText work = editor->WorkText;
  Mouse(QEvent::MouseButtonPress, 10, 10, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 50, 10, Qt::LeftButton);
  EXPECT_EQ(editor->WorkText, work);
}

TEST_F(Preview, ADoubleClickOpensAndClosesTheViewMenu) {
  OpenText();
  P()->ImageRasterDblClick();
  EXPECT_FALSE(viewMenu->isHidden());
  P()->ImageRasterDblClick();
  EXPECT_TRUE(viewMenu->isHidden());
}

TEST_F(Preview, TheViewMenuShowsThumbnailsAndKeepsTheViewInRange) {
  printdata::PrintText t;
  t.Layers[0].Kind = printdata::kKindText;
  t.Parameters.X1.Drucklaenge = 10;
  t.Note = "Erste\r\nZweite";
  Open(&t, 0);
  viewMenu->ShowMenu();
  EXPECT_EQ(viewMenu->ImageVorschauEbene[0]->Picture().Width(), 6);
  EXPECT_EQ(viewMenu->ImageVorschauEbene[0]->size(), QSize(6, 25));
  EXPECT_EQ(viewMenu->ImageVorschauParameter->size(), QSize(7, 32));
  EXPECT_EQ(viewMenu->MemoVorschauNotiz->toPlainText(), QStringLiteral("Erste\nZweite"));
  EXPECT_EQ(viewMenu->PanelEbene[0]->Color(), 0x800000u);
  host.CloseMenusAndRefresh();

  t.Parameters.X1.Drucklaenge = 1000;
  Open(&t, 0);
  viewMenu->ShowMenu();
  EXPECT_EQ(viewMenu->ImageVorschauEbene[0]->size(), QSize(600, 25));
  EXPECT_EQ(viewMenu->ImageVorschauParameter->size().width(), 600);
  // Ctrl+Up on layer 1 stays on layer 1; Ctrl+Down on the note stays there.
  editor->LabelAnsicht->Tag -= 1;
  viewMenu->ApplyView();
  EXPECT_EQ(editor->EditorView(), 0);
  editor->LabelAnsicht->Tag = 7;
  viewMenu->ApplyView();
  EXPECT_EQ(editor->EditorView(), 6);
  EXPECT_EQ(editor->LabelAnsicht->text(), QStringLiteral("Notiz"));
  EXPECT_TRUE(viewMenu->isHidden());  // every view change closes the menu
}

TEST_F(Preview, ChoosingALayerClosesThePrintViewTheParametersKeepIt) {
  OpenText();
  editor->SpeedButtonDruckansichtClick(nullptr);
  ASSERT_TRUE(editor->PrintViewShown());
  EXPECT_EQ(editor->EditorView(), 5);
  viewMenu->SpeedButtonNotizClick(nullptr);
  EXPECT_TRUE(editor->PrintViewShown());
  viewMenu->SpeedButtonParameterClick(nullptr);
  EXPECT_TRUE(editor->PrintViewShown());
  viewMenu->SpeedButtonEbene3Click(nullptr);
  EXPECT_FALSE(editor->PrintViewShown());
  EXPECT_EQ(editor->CurrentLayer, 2);
}
