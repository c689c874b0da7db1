// The painter's window on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

#include "editor/GraphicBitmap.h"
#include "editor/ui/TForm_Paint.h"
#include "platform/qt/Colour.h"

using editor::PaintTool;
using platform::Bitmap;

namespace {

class Painter : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm_Paint>();
    form->Services.MainWindowFrame = [] { return QRect(100, 50, 1200, 900); };
  }
  // Shows the painter modally, runs `steps` inside, returns the result.
  int Run(const std::function<void()>& steps) {
    int result = 0;
    QTimer::singleShot(0, form.get(), [&] {
      steps();
      if (form->isVisible()) form->SpeedButtonAbbrechenClick();
    });
    result = form->ShowModal();
    return result;
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(form->ComboBox_Dicke, &press);  // keys reach the window before its controls
  }
  void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->Image_Paint, &wheel);
  }
  // Left click at image pixel (x, y) at the present zoom.
  void ClickPixel(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at(x * form->Zoom + form->Zoom / 2, y * form->Zoom + form->Zoom / 2);
    form->Image_PaintMouseDown(button, at);
    form->Image_PaintMouseUp(button, at);
  }

  std::unique_ptr<TForm_Paint> form;
};

}  // namespace

TEST_F(Painter, SetBitmapTakesTheGraphicInBlackAndWhite) {
  Bitmap picture(30, 12);
  picture.SetPixel(3, 4, platform::kRed);
  EXPECT_EQ(form->SetBitmap(picture), 0);
  EXPECT_EQ(form->windowTitle(), "Ruskavel (30 x 12)");
  EXPECT_EQ(form->Picture().Pixel(3, 4), platform::kBlack);
  EXPECT_EQ(form->SetBitmap(Bitmap()), -10);
  EXPECT_EQ(form->SetBitmap(Bitmap(1001, 3)), -10);
  EXPECT_EQ(form->Picture().Width(), 30);
}

TEST_F(Painter, OkHandsBackTheEditedPictureAndEscCancels) {
  ASSERT_EQ(form->SetBitmap(Bitmap(20, 10)), 0);
  EXPECT_EQ(Run([&] {
              ClickPixel(4, 5);
              Key(Qt::Key_Return);
            }),
            1);
  EXPECT_EQ(form->Picture().Pixel(4, 5), platform::kBlack);
  EXPECT_EQ(form->Picture().Width(), 20);
  EXPECT_EQ(Run([&] { Key(Qt::Key_Escape); }), 2);
  EXPECT_EQ(Run([&] { form->reject(); }), 2);  // closing the window
}

TEST_F(Painter, EachShowStartsAtTenTimesWithAFreshRingAndCentresOnlyTheFirstTime) {
  TForm_Paint::FirstShow = true;
  ASSERT_EQ(form->SetBitmap(Bitmap(20, 10)), 0);
  QPoint firstPlace;
  Run([&] {
    EXPECT_EQ(form->Zoom, 10);
    EXPECT_EQ(form->Image_Paint->width(), 200);
    EXPECT_FALSE(form->SpeedButton_UndoBwd->isEnabled());
    EXPECT_FALSE(form->SpeedButton_UndoFwd->isEnabled());
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(frame.left(), 100 + 1200 / 2 - frame.width() / 2);
    EXPECT_EQ(frame.top(), 50 + 900 / 2 - frame.height() / 2);
    ClickPixel(1, 1);
    EXPECT_TRUE(form->SpeedButton_UndoBwd->isEnabled());
    form->ComboBox_Zoom->setCurrentIndex(0);
    form->move(10, 20);
    firstPlace = form->pos();
  });
  Run([&] {
    EXPECT_EQ(form->Zoom, 10);
    EXPECT_FALSE(form->SpeedButton_UndoBwd->isEnabled());
    EXPECT_EQ(form->pos(), firstPlace);
  });
}

TEST_F(Painter, ZoomKeysWheelAndGrid) {
  ASSERT_EQ(form->SetBitmap(Bitmap(20, 10)), 0);
  Run([&] {
    EXPECT_TRUE(form->Image_Raster->isVisible());
    EXPECT_EQ(form->Image_Raster->width(), 201);
    for (int i = 0; i < 10; ++i) Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(form->ComboBox_Zoom->currentIndex(), 8);  // 1x, and no further
    EXPECT_EQ(form->Zoom, 1);
    EXPECT_FALSE(form->Image_Raster->isVisible());  // ticked, but at 1x no grid
    EXPECT_EQ(platform::ToVclColor(form->CheckBox_Raster->palette().color(QPalette::WindowText)), 0x808080u);
    Key(Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);  // Ctrl must be alone
    Wheel(-120, Qt::NoModifier);                                  // the wheel without Ctrl does nothing
    EXPECT_EQ(form->ComboBox_Zoom->currentIndex(), 8);
    Wheel(120, Qt::ControlModifier);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(form->Zoom, 4);
    EXPECT_TRUE(form->Image_Raster->isVisible());
    EXPECT_EQ(form->Image_Raster->Zoom(), 4);
    EXPECT_EQ(platform::ToVclColor(form->CheckBox_Raster->palette().color(QPalette::WindowText)), 0x800000u);
    form->CheckBox_Raster->click();
    EXPECT_FALSE(form->Image_Raster->isVisible());
    for (int i = 0; i < 10; ++i) Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(form->Zoom, 16);
    EXPECT_EQ(form->Image_Paint->width(), 320);
  });
}

TEST_F(Painter, ToolsShowTheirControlsAndTheMouseMapsToPixels) {
  ASSERT_EQ(form->SetBitmap(Bitmap(20, 10)), 0);
  Run([&] {
    form->SpeedButton_Pinsel->click();
    EXPECT_EQ(form->ToolPanels[1]->Color(), 13149858u);
    EXPECT_EQ(form->ToolPanels[0]->Color(), 0xC0C0C0u);
    EXPECT_TRUE(form->Panel_Dicke->isVisible());
    EXPECT_TRUE(form->Panel_SW->isVisible());
    EXPECT_FALSE(form->Panel_Transparent->isVisible());
    form->SpeedButton_Kopieren->click();
    EXPECT_FALSE(form->Panel_SW->isVisible());
    EXPECT_FALSE(form->Panel_Dicke->isVisible());
    EXPECT_EQ(form->Canvas.Tool, PaintTool::Kopieren);

    // Positions are divided by the zoom, truncated toward zero: a drag that
    // leaves the image on the left ends in column 0.
    form->SpeedButton_Linie->click();
    form->Image_PaintMouseDown(Qt::LeftButton, QPoint(59, 5));  // pixel (5, 0)
    form->Image_PaintMouseMove(Qt::LeftButton, QPoint(-9, 5));
    form->Image_PaintMouseUp(Qt::LeftButton, QPoint(-9, 5));
    EXPECT_EQ(editor::BitmapToPixels(form->Picture()).substr(0, 8), "11111100");

    // "Weiss Schwarz": the left button paints white.
    form->SpeedButton_WS->click();
    EXPECT_EQ(form->Panel_WS->Color(), 13149858u);
    form->SpeedButton_Zeichnen->click();
    ClickPixel(0, 0);
    EXPECT_EQ(form->Picture().Pixel(0, 0), platform::kWhite);
    ClickPixel(9, 9, Qt::RightButton);
    EXPECT_EQ(form->Picture().Pixel(9, 9), platform::kBlack);
    form->SpeedButton_SW->click();
  });
}

TEST_F(Painter, PasteStaysOffUntilTheFirstCopyAndCtrlZStepsBack) {
  TForm_Paint fresh;
  ASSERT_EQ(fresh.SetBitmap(Bitmap(10, 10)), 0);
  EXPECT_FALSE(fresh.SpeedButton_Einfuegen->isEnabled());
  form = std::unique_ptr<TForm_Paint>(new TForm_Paint);
  ASSERT_EQ(form->SetBitmap(Bitmap(10, 10)), 0);
  Run([&] {
    EXPECT_FALSE(form->SpeedButton_Einfuegen->isEnabled());
    form->SpeedButton_Kopieren->click();
    ClickPixel(2, 2);
    EXPECT_TRUE(form->SpeedButton_Einfuegen->isEnabled());
    form->SpeedButton_Zeichnen->click();
    ClickPixel(3, 3);
    EXPECT_EQ(form->Picture().Pixel(3, 3), platform::kBlack);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Picture().Pixel(3, 3), platform::kWhite);
    EXPECT_TRUE(form->SpeedButton_UndoFwd->isEnabled());
    form->SpeedButton_UndoFwd->click();
    EXPECT_EQ(form->Picture().Pixel(3, 3), platform::kBlack);
    form->SpeedButton_Invertieren->click();
    EXPECT_EQ(form->Picture().Pixel(3, 3), platform::kWhite);
  });
  // The next use keeps "Einfügen".
  Run([&] { EXPECT_TRUE(form->SpeedButton_Einfuegen->isEnabled()); });
}

TEST_F(Painter, TheWindowKeepsItsMinimumSize) {
  ASSERT_EQ(form->SetBitmap(Bitmap(20, 10)), 0);
  Run([&] {
    form->Panel_UntenMouseDown(QPoint(500, 500));
    EXPECT_TRUE(form->Resizing);
    form->Panel_UntenMouseMove(QPoint(0, 0));
    form->Panel_UntenMouseUp();
    EXPECT_FALSE(form->Resizing);
    EXPECT_EQ(form->size(), QSize(721, 553));
    // A double click on the bar fills the work area, the next one gives the
    // place back.
    const QRect before = form->geometry();
    form->Panel_UntenDblClick();
    EXPECT_EQ(form->frameGeometry(), form->screen()->availableGeometry());
    form->Panel_UntenDblClick();
    EXPECT_EQ(form->geometry(), before);
  });
}
