// The font chooser on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWheelEvent>

#include "editor/ui/TForm_Font.h"
#include "platform/font/FontRenderer.h"
#include "platform/qt/SystemMessageBox.h"
#include "platform/qt/TextCodec.h"

namespace {

class FontChooser : public ::testing::Test {
 protected:
  void SetUp() override {
    previousBox_ = platform::SetSystemBoxSink([this](const QString& title, const QString& text, platform::SystemBoxIcon icon) {
      boxes.push_back(title + "|" + text);
      EXPECT_EQ(icon, platform::SystemBoxIcon::Stop);
    });
    form = std::make_unique<TForm_Font>();
    form->ListFamilies = [] { return std::vector<std::string>{"Arial", "DejaVu Sans", "Liberation Serif"}; };
    form->Services.LanguageId = [this] { return language; };
  }
  void TearDown() override { platform::SetSystemBoxSink(previousBox_); }

  int Run(const std::function<void()>& steps) {
    QTimer::singleShot(0, form.get(), [&] {
      steps();
      if (form->isVisible()) form->SpeedButtonAbbrechenClick();
    });
    return form->ShowModal();
  }
  void Key(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }
  void Wheel(int delta) {
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->ListBox_Name, &wheel);
  }
  // The font's own average width at `size` points.
  static int Natural(const std::string& name, int size) {
    platform::FontDescription d;
    d.Name = name;
    d.PointSize = size;
    return (*platform::FontRenderer::Instance().CreateFont(d))->Metrics().AveCharWidth;
  }

  std::unique_ptr<TForm_Font> form;
  std::vector<QString> boxes;
  int language = 0;

 private:
  platform::SystemBoxSink previousBox_;
};

}  // namespace

TEST_F(FontChooser, AnInstalledFamilyIsSelectedWithoutANotice) {
  form->SetNameAndStyle("DejaVu Sans", platform::kFontBold);
  form->SetSizeAndWidth(12, 7, "ABC");
  Run([&] {
    EXPECT_EQ(form->ListBox_Name->count(), 3);
    EXPECT_EQ(form->ListBox_Name->currentRow(), 1);
    EXPECT_EQ(form->ComboBox_Name->text(), "DejaVu Sans");
    EXPECT_TRUE(form->CheckBox_Bolt->isChecked());
    EXPECT_FALSE(form->CheckBox_Italic->isChecked());
    EXPECT_EQ(form->focusWidget(), form->ComboBox_Name);
  });
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FontChooser, AMissingFamilyIsReportedInTheUiLanguage) {
  form->SetNameAndStyle("Wingdings 9", 0);
  form->SetSizeAndWidth(12, 7, "ABC");
  struct Case {
    int language;
    QString text;
  };
  for (const Case& c : {Case{1, "The font 'Wingdings 9' is not available on this PC!\n\n"},
                        Case{0, "Die Schrift 'Wingdings 9' ist auf diesem PC nicht vorhanden!\n\n"},
                        Case{3, "Il tipo di carattere 'Wingdings 9' non \u00e8 disponibile su questo PC!\n\n"},
                        Case{7, "Die Schrift 'Wingdings 9' ist auf diesem PC nicht vorhanden!\n\n"}}) {
    language = c.language;
    boxes.clear();
    Run([&] {
      EXPECT_TRUE(form->ListBox_Name->selectedItems().isEmpty());
      EXPECT_EQ(form->PreviewFontName(), "Wingdings 9");
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Tarvik23 - Osmek AG|" + c.text);
  }
}

TEST_F(FontChooser, TheNaturalWidthHidesBestQuality) {
  const int natural = Natural("DejaVu Sans", 12);
  form->SetNameAndStyle("DejaVu Sans", 0);
  form->SetSizeAndWidth(12, natural, "ABC");
  EXPECT_EQ(Run([&] {
              EXPECT_FALSE(form->CheckBox_BesteBreite->isVisible());
              form->SpeedButtonOKClick();
            }),
            1);
  EXPECT_EQ(form->ResultWidth(), natural);
}

TEST_F(FontChooser, AnotherWidthOffersTheFontsOwnWidth) {
  const int natural = Natural("DejaVu Sans", 12);
  ASSERT_NE(natural, 3);
  form->SetNameAndStyle("DejaVu Sans", 0);
  form->SetSizeAndWidth(12, 3, "ABC");
  EXPECT_EQ(Run([&] {
              EXPECT_TRUE(form->CheckBox_BesteBreite->isVisible());
              EXPECT_EQ(form->Label_BesteBreite->text(), QStringLiteral("Breite %1").arg(natural));
              Key(form->ComboBox_Name, Qt::Key_Return);
            }),
            1);
  EXPECT_EQ(form->ResultWidth(), 3);
  form->SetSizeAndWidth(12, 3, "ABC");
  EXPECT_EQ(Run([&] {
              form->CheckBox_BesteBreite->click();
              form->SpeedButtonOKClick();
            }),
            1);
  EXPECT_EQ(form->ResultWidth(), natural);
}

TEST_F(FontChooser, AbbrechenLeavesTheFontOfRecordAsItWas) {
  form->SetNameAndStyle("DejaVu Sans", 0);
  form->SetSizeAndWidth(12, 7, "ABC");
  EXPECT_EQ(Run([&] {
              form->ListBox_Name->setCurrentRow(2);
              EXPECT_EQ(form->PreviewFontName(), "Liberation Serif");
              form->CheckBox_Bolt->click();
              Key(form->ComboBox_Name, Qt::Key_Escape);
            }),
            2);
  EXPECT_EQ(form->PreviewFontName(), "DejaVu Sans");
  EXPECT_EQ(form->PreviewFontStyle(), 0);
}

TEST_F(FontChooser, OkTakesTheChosenFamilyAndStyle) {
  form->SetNameAndStyle("Arial", 0);
  form->SetSizeAndWidth(12, 7, "ABC");
  EXPECT_EQ(Run([&] {
              form->ComboBox_Name->setText("liberation serif");  // typed, any case
              EXPECT_EQ(form->ListBox_Name->currentRow(), 2);
              form->CheckBox_Italic->click();
              form->ListBox_Name->setFocus();
              Key(form->ListBox_Name, Qt::Key_Return);  // Enter in the list does nothing
              EXPECT_TRUE(form->isVisible());
              form->SpeedButtonOKClick();
            }),
            1);
  EXPECT_EQ(form->PreviewFontName(), "Liberation Serif");
  EXPECT_EQ(form->PreviewFontStyle(), platform::kFontItalic);
}

TEST_F(FontChooser, TheWheelStepsThroughTheFamilies) {
  form->SetNameAndStyle("Arial", 0);
  form->SetSizeAndWidth(12, 7, "ABC");
  Run([&] {
    Wheel(-120);
    EXPECT_EQ(form->PreviewFontName(), "DejaVu Sans");
    Wheel(-120);
    Wheel(-120);  // past the end: no row, the sample stays
    EXPECT_EQ(form->ListBox_Name->selectedItems().size(), 0);
    EXPECT_EQ(form->PreviewFontName(), "Liberation Serif");
    Wheel(-120);  // from no row the first
    EXPECT_EQ(form->PreviewFontName(), "Arial");
    Wheel(120);  // before the first: no row
    EXPECT_EQ(form->ListBox_Name->selectedItems().size(), 0);
  });
}

TEST_F(FontChooser, FiveClicksOnTheSampleRunThroughTheSamples) {
  form->SetSizeAndWidth(12, 7, "Eier");
  Run([&] {
    std::vector<std::string> texts;
    std::vector<QString> dots;
    for (int i = 0; i < 5; ++i) {
      form->Panel_VorschauClick();
      texts.push_back(form->Panel_Vorschau->Text());
      dots.push_back(form->Label_VorschauNr->text());
    }
    EXPECT_EQ(texts[0], "ABCDEFGHIJKLMNOPQRSTUVWXYZ \xC4\xD6\xDC \xC9\xC8\xCA\xCB");
    EXPECT_EQ(texts[2], "0123456789");
    EXPECT_EQ(platform::ToQt(texts[3]), QStringLiteral("\u00b0%&=^~_-+\u20ac\u00a3$*/|\\.,:;#@()[]{}"));
    EXPECT_EQ(texts[4], "Eier");
    EXPECT_EQ(dots, (std::vector<QString>{"..", "...", "....", ".....", "."}));
  });
}

TEST_F(FontChooser, TheWindowKeepsItsMinimumSize) {
  form->SetSizeAndWidth(12, 7, "ABC");
  Run([&] {
    EXPECT_EQ(form->size(), QSize(600, 400));
    form->BottomPanelMouseDown(QPoint(400, 400));
    form->BottomPanelMouseMove(QPoint(0, 0));
    form->BottomPanelMouseUp();
    EXPECT_EQ(form->size(), QSize(500, 300));
  });
}
