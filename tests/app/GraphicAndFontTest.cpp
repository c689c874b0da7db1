// The editor's graphic pane, painter and font chooser as start-up connects
// them: a graphic layer shows the pane, a picture chosen in the program's
// file dialog lands in the preview and, after OK, in the data view's row;
// the text pane's font button opens the font chooser and its choice lands
// in the layer. F1 in each of these dialogs opens the user guide and the
// pages' "?" buttons the quick help.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "AppFixture.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/TForm_Main.h"
#include "editor/BmpFile.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenGrafik.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/Colours.h"
#include "platform/FileIO.h"
#include "platform/FontDescription.h"
#include "platform/qt/UserGuide.h"
#include "printdata/Init.h"
#include "printdata/ui/RowFrames.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/Thread_Daten.h"

using apptest::DoubleClick;
using apptest::PressKey;
using apptest::WhenModal;

namespace {

// A 6 x 3 picture: the corners and the middle of the second row are dots.
const char* const kLogoRows[] = {"100001", "001100", "100001"};

class GraphicAndFont : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Daten().Refresher->Terminate();
    previousGuide_ = platform::SetUserGuideAction([this] { ++guides_; });
  }
  void TearDown() override {
    platform::SetUserGuideAction(previousGuide_);
    AppFixture::TearDown();
  }

  TFrameBearbeiten& Editor() { return *Form_Main->FrameBearbeiten; }
  TFrameBearbeitenGrafik* Pane() { return dynamic_cast<TFrameBearbeitenGrafik*>(Editor().GraphicPane()); }

  // Open data of one print text whose first layer is a text.
  void OpenOneText() {
    TFrameDaten& d = Daten();
    printdata::PrintText& t = d.Group.Texts[0];
    printdata::PrintTextInit(t);
    t.Parameters.X1.Drucklaenge = 400;
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].Text = "Eier";
    ShowOpenData(1);
    TFrameMenuAnsicht* v = Form_Main->FrameMenuAnsicht;
    v->SpeedButtonEbenen->Tag = 1;
    v->ApplyColumns();
  }

  void WriteLogo() {
    platform::Bitmap logo(6, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 6; ++x)
        if (kLogoRows[y][x] == '1') logo.SetPixel(x, y, platform::kBlack);
    WriteFile(Form_Main->BmpDir + "Logo.bmp", editor::EncodeBmp(logo));
  }

  // Whether the image holds exactly the logo's dots, at column x and with
  // its top row on row top, in `colour`.
  static ::testing::AssertionResult ShowsLogo(const platform::Bitmap& image, int x, int top,
                                              platform::ColourValue colour) {
    int dots = 0;
    for (int row = 0; row < image.Height(); ++row)
      for (int col = 0; col < image.Width(); ++col) {
        const int lx = col - x, ly = row - top;
        const bool dot = lx >= 0 && lx < 6 && ly >= 0 && ly < 3 && kLogoRows[ly][lx] == '1';
        const platform::ColourValue want = dot ? colour : platform::kWhite;
        if (image.Pixel(col, row) != want)
          return ::testing::AssertionFailure() << "pixel " << col << ", " << row << " is " << std::hex
                                               << image.Pixel(col, row);
        dots += dot;
      }
    if (dots != 6) return ::testing::AssertionFailure() << "the logo is cut off";
    return ::testing::AssertionSuccess();
  }

  int guides_ = 0;

 private:
  platform::UserGuideAction previousGuide_;
};

}  // namespace

TEST_F(GraphicAndFont, AGraphicLayerImportsAPictureThroughTheFileDialogAndOkStoresItInTheRow) {
  OpenOneText();
  WriteLogo();
  DoubleClick(Daten().RowLayers[0]->PanelEbene[3]);
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  ASSERT_EQ(Editor().CurrentLayer, 3);
  ASSERT_NE(Pane(), nullptr);
  EXPECT_TRUE(Pane()->isHidden());

  // The kind switch up to "Grafik": the graphic pane alone shows.
  while (Editor().LabelObjektTyp->Tag < printdata::kKindGraphic) Editor().SpeedButtonObjektTyptUp->click();
  EXPECT_EQ(Editor().LabelObjektTyp->text(), QStringLiteral("Grafik"));
  EXPECT_TRUE(Pane()->isVisibleTo(Form_Main));
  EXPECT_EQ(Pane()->parentWidget(), Editor().PanelMain);
  EXPECT_EQ(Pane()->geometry(), Editor().PanelMain->rect());
  EXPECT_FALSE(Editor().FrameBearbeitenText->isVisibleTo(Form_Main));
  Pane()->SetPosition(100, 0);
  Pane()->StoreLayer();

  // "Importieren": the program's file dialog on the pictures' places.
  QString title;
  WhenModal([&] {
    ASSERT_TRUE(Form_FileDialog->isVisible());
    title = Form_FileDialog->windowTitle();
    EXPECT_EQ(Form_FileDialog->HomeItems[0]->text(), QStringLiteral("Tarvik23"));
    ASSERT_TRUE(Form_FileDialog->SelectItemByName("Logo.bmp"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  Pane()->SpeedButtonWerkzeugImportieren->click();
  EXPECT_TRUE(title.startsWith(QStringLiteral(" Grafik - Importieren"))) << title.toStdString();
  EXPECT_EQ(Form_FileDialog->GetFileName(), Form_Main->BmpDir + "Logo.bmp");

  const printdata::LayerObject& work = Editor().WorkText.Layers[3];
  EXPECT_EQ(work.Kind, printdata::kKindGraphic);
  EXPECT_EQ(work.GraphicWidth, 6);
  EXPECT_EQ(work.GraphicHeight, 3);
  EXPECT_EQ(work.Pixels, std::string(kLogoRows[0]) + kLogoRows[1] + kLogoRows[2]);
  EXPECT_EQ(Pane()->LabelGrafikBreite->text(), QStringLiteral("6"));
  // The preview draws the edited layer red.
  EXPECT_TRUE(ShowsLogo(Editor().FrameBearbeitenVorschau->Images.Layers[3], 100, 0, platform::colours::kRed));
  EXPECT_EQ(Daten().Group.Texts[0].Layers[3].Kind, printdata::kKindNone);  // nothing stored before OK

  // "Bearbeiten" paints the graphic in the painter: inverted and back is
  // the logo again, and the painter's OK stores it.
  WhenModal([&] {
    ASSERT_TRUE(Form_Paint->isVisible());
    title = Form_Paint->windowTitle();
    Form_Paint->SpeedButton_InvertierenClick();
    Form_Paint->SpeedButtonOKClick();
  });
  Pane()->SpeedButtonWerkzeugRuskavel->click();
  EXPECT_EQ(title, QStringLiteral("Ruskavel (6 x 3)"));
  std::string inverted = std::string(kLogoRows[0]) + kLogoRows[1] + kLogoRows[2];
  for (char& c : inverted) c = c == '1' ? '0' : '1';
  EXPECT_EQ(work.Pixels, inverted);
  WhenModal([&] {
    Form_Paint->SpeedButton_InvertierenClick();
    Form_Paint->SpeedButtonOKClick();
  });
  Pane()->SpeedButtonWerkzeugRuskavel->click();
  EXPECT_TRUE(ShowsLogo(Editor().FrameBearbeitenVorschau->Images.Layers[3], 100, 0, platform::colours::kRed));
  Form_Main->show();
  apptest::Screenshot(Form_Main, "editor-graphic-pane");
  // At the main window's smallest size every control of the pane lies
  // within its row and every caption fits.
  Form_Main->resize(852, 612);
  apptest::Screenshot(Form_Main, "editor-graphic-pane-smallest");
  EXPECT_TRUE(Editor().PanelMain->rect().contains(Pane()->geometry()));
  for (const QWidget* w : Pane()->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(Pane())) continue;
    EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << w->objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << w->objectName().toStdString();
    }
  }

  // Dragging in the preview moves the graphic through the pane: 40 pixels
  // right at zoom 4 are 10 dots.
  TFrameBearbeitenVorschau* preview = Editor().FrameBearbeitenVorschau;
  preview->ImageRasterMouseDown(true, 100, 40);
  preview->ImageRasterMouseMove(true, 140, 40);
  preview->ImageRasterMouseUp(true, 140, 40);
  EXPECT_EQ(Pane()->LabelPositionX->Tag, 110);
  EXPECT_EQ(work.PosX, 110);
  EXPECT_TRUE(ShowsLogo(preview->Images.Layers[3], 110, 0, platform::colours::kRed));

  Editor().SpeedButtonOK->click();
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Data);
  const printdata::LayerObject& stored = Daten().Group.Texts[0].Layers[3];
  EXPECT_EQ(stored.Pixels, work.Pixels);
  EXPECT_EQ(stored.PosX, 110);
  EXPECT_TRUE(Daten().IsModified());
  EXPECT_TRUE(Daten().RowLayers[0]->LabelEbene[3]->text().startsWith(QStringLiteral("Grafik")))
      << Daten().RowLayers[0]->LabelEbene[3]->text().toStdString();
  // The row's picture holds the logo in black beside the text.
  const QImage& row = Daten().RowImages[0]->Picture();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(row.pixel(110 + x, y), kLogoRows[y][x] == '1' ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x << ", " << y;
}

TEST_F(GraphicAndFont, TheEditorsBitmapExportSavesThroughTheProgramsFileDialog) {
  OpenOneText();
  DoubleClick(Daten().RowLayers[0]->PanelEbene[0]);
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  QString title;
  WhenModal([&] {
    title = Form_FileDialog->windowTitle();
    Form_FileDialog->Edit_FileName->setText(QStringLiteral("Ebene"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  Editor().SpeedButtonExportEbeneBMP->click();
  EXPECT_TRUE(title.startsWith(QStringLiteral(" Exportieren Grafik Eier Ebene 1"))) << title.toStdString();
  const std::string file = Form_Main->BmpDir + "Ebene.bmp";
  const platform::Result<std::string> bytes = platform::ReadWholeFile(file);
  ASSERT_TRUE(bytes) << file;
  EXPECT_EQ(bytes->substr(0, 2), "BM");
  Editor().SpeedButtonAbbrechen->click();
}

TEST_F(GraphicAndFont, TheTextPanesFontButtonOpensTheFontChooserAndItsChoiceLandsInTheLayer) {
  OpenOneText();
  Form_Font->ListFamilies = [] { return std::vector<std::string>{"Arial", "DejaVu Sans"}; };
  DoubleClick(Daten().RowLayers[0]->PanelEbene[0]);
  ASSERT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  TFrameBearbeitenText* text = Editor().FrameBearbeitenText;
  ASSERT_TRUE(text->isVisibleTo(Form_Main));

  Form_Main->show();
  WhenModal([&] {
    apptest::Screenshot(Form_Font, "font-chooser-from-the-text-pane");
    ASSERT_TRUE(Form_Font->isVisible());
    EXPECT_EQ(Form_Font->ComboBox_Name->text(), QStringLiteral("Arial"));  // the layer's font
    Form_Font->ListBox_Name->setCurrentRow(1);
    Form_Font->CheckBox_Bolt->click();
    Form_Font->SpeedButtonOKClick();
  });
  text->SpeedButtonSchriftArt->click();

  EXPECT_EQ(text->LabelSchriftArt->text(), QStringLiteral("DejaVu Sans"));
  const printdata::LayerObject& layer = Editor().WorkText.Layers[0];
  EXPECT_EQ(layer.FontName, "DejaVu Sans");
  EXPECT_EQ(layer.FontStyle & platform::kFontBold, platform::kFontBold);
  Editor().SpeedButtonOK->click();
  EXPECT_EQ(Daten().Group.Texts[0].Layers[0].FontName, "DejaVu Sans");
}

TEST_F(GraphicAndFont, F1InTheProgramsDialogsOpensTheUserGuide) {
  for (QWidget* dialog : {static_cast<QWidget*>(Form_FileDialog), static_cast<QWidget*>(Form_Font),
                          static_cast<QWidget*>(Form_Paint)}) {
    SCOPED_TRACE(dialog->objectName().toStdString());
    const int before = guides_;
    dialog->show();
    // The file dialog takes its keys in its list.
    QWidget* keys = dialog == Form_FileDialog ? Form_FileDialog->lstvwVirtualList->ActiveView() : dialog;
    PressKey(keys, Qt::Key_F1);
    dialog->hide();
    EXPECT_EQ(guides_, before + 1);
  }
  // The print view reaches it through the editor's host.
  OpenOneText();
  DoubleClick(Daten().RowLayers[0]->PanelEbene[0]);
  Editor().SpeedButtonDruckansicht->click();
  ASSERT_TRUE(Editor().PrintViewShown());
  PressKey(Editor().FormBearbeitenDruckansicht, Qt::Key_F1);
  EXPECT_EQ(guides_, 4);
  Editor().SpeedButtonAbbrechen->click();
}

TEST_F(GraphicAndFont, TheQuestionMarksOfTheDataPageAndTheEditorShowTheQuickHelp) {
  OpenOneText();
  QString caption;
  WhenModal([&] {
    caption = FormSchnellhilfe->windowTitle();
    FormSchnellhilfe->SpeedButtonOK->click();
  });
  Daten().SpeedButtonHilfe->click();
  EXPECT_EQ(caption, QStringLiteral(" Daten ?"));

  DoubleClick(Daten().RowLayers[0]->PanelEbene[0]);
  WhenModal([&] {
    caption = FormSchnellhilfe->windowTitle();
    FormSchnellhilfe->SpeedButtonOK->click();
  });
  Editor().SpeedButtonHilfe->click();
  EXPECT_EQ(caption, QStringLiteral(" Bearbeiten ?"));
  Editor().SpeedButtonAbbrechen->click();
}
