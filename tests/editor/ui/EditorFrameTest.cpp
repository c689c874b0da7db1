// The editor page: opening, layer selection and kinds, OK and Abbrechen,
// the words of the data-view rows, the bitmap export, and the rendering
// for printer files.
#include <QImage>
#include <filesystem>

#include "EditorFixture.h"
#include "rendering/LayerRendering.h"
#include "editor/WorkCopyRenderer.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenGrafik.h"
#include "editor/ui/TFrameBearbeitenNotiz.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "editor/ui/TFrameBearbeitenZeit.h"
#include "support/TempDir.h"

using namespace editortest;

class EditorFrame : public EditorFixture {};

namespace {

printdata::PrintText ThreeLayers() {
  printdata::PrintText t;
  t.Layers[0].Kind = printdata::kKindText;
  t.Layers[0].Text = "  KAT A ";
  t.Layers[1].Kind = printdata::kKindDate;
  t.Layers[1].PosX = 60;
  t.Layers[1].DatePreview = "04.03.2024";
  t.Layers[2].Kind = printdata::kKindTime;
  t.Layers[2].PosX = 120;
  t.Layers[2].TimeOffset = 5400;
  t.Layers[2].Interval = printdata::kStaticTimeInterval;
  t.Layers[2].TimePreview = "09:00:00";
  t.Parameters.X1.Drucklaenge = 305;
  t.Parameters.X1.Anzahl = 2;
  t.Note = "Zeile 1\r\nZeile 2";
  return t;
}

}  // namespace

TEST_F(EditorFrame, OpeningStartsAtZoomFourWithThePixelGridOnTheViewAsked) {
  zoomMenu->LabelZoom->Tag = 2;
  editor->LabelRaster->Tag = 3;
  const printdata::PrintText text = ThreeLayers();
  Open(&text, 1);
  EXPECT_FALSE(editor->isHidden());
  EXPECT_TRUE(host.OthersHidden);
  EXPECT_EQ(editor->PanelTitel->Caption(), QStringLiteral("Bearbeiten - Eier [1]"));
  EXPECT_EQ(editor->EditorZoom(), 4);
  EXPECT_EQ(editor->LabelZoom->text(), QStringLiteral("4x"));
  EXPECT_EQ(editor->GridMode(), 1);
  EXPECT_EQ(editor->LabelRaster->text(), QStringLiteral("Pixel"));
  EXPECT_EQ(editor->LabelAnsicht->text(), QStringLiteral("Ebene 2"));
  EXPECT_EQ(editor->CurrentLayer, 1);
  EXPECT_FALSE(editor->FrameBearbeitenDatum->isHidden());
  EXPECT_EQ(editor->LabelObjektTyp->text(), QStringLiteral("Datum"));
  // The print field follows the print length in whole millimetres.
  EXPECT_EQ(editor->FrameBearbeitenVorschau->Images.Field.Width(), 180);
  EXPECT_EQ(Layer(0).Text, "  KAT A ");
  EXPECT_EQ(editor->WorkText.Parameters.X1.Drucklaenge, 300);
  // The edited layer is red, the others black.
  EXPECT_TRUE(LayerHas(1, 255));
  EXPECT_FALSE(LayerHas(0, 255));
  EXPECT_TRUE(LayerHas(0, 0));
}

TEST_F(EditorFrame, OpeningOnTheNoteViewSelectsNoLayer) {
  const printdata::PrintText text = ThreeLayers();
  Open(&text, 6);
  EXPECT_EQ(editor->CurrentLayer, -1);
  EXPECT_TRUE(editor->PanelObjekt->isHidden());
  EXPECT_FALSE(editor->FrameBearbeitenNotiz->isHidden());
  EXPECT_TRUE(editor->FrameBearbeitenText->isHidden());
  EXPECT_EQ(editor->FrameBearbeitenNotiz->MemoNotiz->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
}

TEST_F(EditorFrame, PositionNumbersShowOnlyInTheHighestMode) {
  for (int mode : {0, 1, 2, 3, -1}) {
    host.Mode = mode;
    Open(nullptr, 0);
    const bool shown = mode == 3 || mode == -1;
    EXPECT_EQ(!editor->FrameBearbeitenText->LabelPositionX->isHidden(), shown) << mode;
    EXPECT_EQ(!editor->FrameBearbeitenZeit->LabelPositionY->isHidden(), shown) << mode;
  }
}

TEST_F(EditorFrame, TheKindSwitchStopsAtItsEnds) {
  Open(nullptr, 0);
  EXPECT_EQ(editor->LabelObjektTyp->Tag, 0);
  EXPECT_EQ(editor->SpeedButtonObjektTypDown->Caption(), QString());
  editor->SpeedButtonObjektTypDownClick(nullptr);
  EXPECT_EQ(Layer(0).Kind, 0);
  EXPECT_EQ(editor->LabelObjektTyp->text(), QStringLiteral("Kein"));
  for (int i = 0; i < 6; ++i) editor->SpeedButtonObjektTyptUpClick(nullptr);
  EXPECT_EQ(Layer(0).Kind, 4);
  EXPECT_EQ(editor->LabelObjektTyp->text(), QStringLiteral("Grafik"));
  EXPECT_EQ(editor->SpeedButtonObjektTyptUp->Caption(), QString());
  EXPECT_FALSE(editor->SpeedButtonObjektTypDown->Caption().isEmpty());
  // No graphic pane is installed: the graphic layer draws, no pane shows.
  EXPECT_TRUE(editor->FrameBearbeitenText->isHidden());
  EXPECT_TRUE(LayerHas(0, 255));
}

TEST_F(EditorFrame, RetypingKeepsTheLayersOtherFields) {
  printdata::PrintText text;
  text.Layers[0].Kind = printdata::kKindText;
  text.Layers[0].FontName = "DejaVu Sans";
  text.Layers[0].Spacing = 3;
  text.Layers[0].PosX = 40;
  text.Layers[0].PosY = -4;
  Open(&text, 0);
  editor->SpeedButtonObjektTyptUpClick(nullptr);
  const printdata::LayerObject& l = Layer(0);
  EXPECT_EQ(l.Kind, printdata::kKindDate);
  EXPECT_EQ(l.FontName, "DejaVu Sans");
  EXPECT_EQ(l.Spacing, 3);
  EXPECT_EQ(l.PosX, 40);
  EXPECT_EQ(l.PosY, -4);
  // The date settings are the layer's own (defaults here), its text fresh.
  EXPECT_EQ(l.DateFormat, "dd.mm.yyyy");
  EXPECT_EQ(l.WeekdayMask, 127);
  EXPECT_EQ(l.DatePreview, "05.03.2024");
  EXPECT_EQ(editor->FrameBearbeitenDatum->LabelDatumFormat->text(), QStringLiteral("dd.mm.yyyy"));
  EXPECT_TRUE(LayerHas(0, 255));
}

TEST_F(EditorFrame, OkStoresTheWorkingCopyAtTheSelectedRow) {
  data.SelectedRow = 4;
  const printdata::PrintText text = ThreeLayers();
  Open(&text, 0);
  editor->FrameBearbeitenText->EditEingabe->setText(QStringLiteral("NEU"));
  editor->SpeedButtonDruckansichtClick(nullptr);
  ASSERT_TRUE(editor->PrintViewShown());
  now.Date = {2024, 3, 6};
  editor->SpeedButtonOKClick(nullptr);

  ASSERT_EQ(data.Stored.size(), 1u);
  EXPECT_EQ(data.Stored[0].first, 4);
  const printdata::PrintText& stored = data.Stored[0].second;
  EXPECT_EQ(stored.Layers[0].Text, "NEU");
  EXPECT_EQ(stored.Layers[1].DatePreview, "06.03.2024");  // recomputed on OK
  EXPECT_EQ(stored.Layers[2].TimePreview, "09:00:00");    // static: kept
  EXPECT_EQ(stored.Parameters.X1.Drucklaenge, 300);       // as the parameters pane keeps it
  EXPECT_EQ(stored.Note, "Zeile 1\r\nZeile 2");
  EXPECT_EQ(stored, editor->WorkText);
  // The layer images show what was stored, black on white: the red of the
  // edited layer too.
  for (int n = 0; n < 5; ++n) EXPECT_FALSE(LayerHas(n, 255)) << n;
  EXPECT_TRUE(LayerHas(0, 0));
  EXPECT_EQ(data.Modified, std::vector<bool>{true});
  EXPECT_FALSE(editor->PrintViewShown());
  EXPECT_TRUE(editor->isHidden());
  EXPECT_TRUE(host.DataPageShown);
}

TEST_F(EditorFrame, TheRowWordsAreThoseThePanesShow) {
  editor->KindNames[1] = QStringLiteral("Texte");
  editor->FrameBearbeitenDatum->LabelDatumOffsetTitel->setText(QStringLiteral("D\u00e9calage"));
  editor->FrameBearbeitenZeit->ChangeTexts[5] = QStringLiteral("Jamais");
  viewMenu->LabelEbene[2]->setText(QStringLiteral("Couche 3"));
  editor->FrameBearbeitenParameter->Values[editor::kNachlauf].Title->setText(QStringLiteral("Fin"));
  const editor::RowWords w = editor->RowWords();
  EXPECT_EQ(w.Summaries.KindNames[1], "Texte");
  EXPECT_EQ(w.Summaries.KindNames[5], "Grafik");
  EXPECT_EQ(w.Summaries.DateOffsetTitle, "D\xE9" "calage");
  EXPECT_EQ(w.Summaries.DateChangeTexts[0], "T\xE4glich");
  EXPECT_EQ(w.Summaries.TimeChangeTexts[5], "Jamais");
  EXPECT_EQ(w.LayerTitles[0], "Ebene 1");
  EXPECT_EQ(w.LayerTitles[2], "Couche 3");
  EXPECT_EQ(w.ParameterTitles[1], "Druckl\xE4nge");
  EXPECT_EQ(w.ParameterTitles[7], "Fin");
}

TEST_F(EditorFrame, OkWithoutAValidRowAndAbbrechenStoreNothing) {
  const printdata::PrintText text = ThreeLayers();
  for (int selected : {-1, 99}) {
    data.SelectedRow = selected;
    Open(&text, 0);
    editor->SpeedButtonOKClick(nullptr);
    EXPECT_TRUE(editor->isHidden());
  }
  data.SelectedRow = 0;
  Open(&text, 0);
  editor->FrameBearbeitenText->EditEingabe->setText(QStringLiteral("NEU"));
  editor->SpeedButtonAbbrechenClick(nullptr);
  EXPECT_TRUE(editor->isHidden());
  EXPECT_TRUE(data.Stored.empty());
  EXPECT_TRUE(data.Modified.empty());
}

TEST_F(EditorFrame, EveryLayerOfARenderingShowsTheSameDay) {
  // The clock moves on to the next day after its first reading.
  int reads = 0;
  editor::SetLocalClock([&reads] {
    editor::LocalDateTime t = FixedNow();
    t.Date.Day += reads++ == 0 ? 0 : 1;
    return t;
  });
  printdata::PrintText text;
  for (int n = 0; n < 5; ++n) text.Layers[static_cast<std::size_t>(n)].Kind = printdata::kKindDate;
  editor->LoadAndRender(&text);
  EXPECT_EQ(reads, 1);
  for (int n = 1; n < 5; ++n) EXPECT_EQ(Layer(n).DatePreview, Layer(0).DatePreview) << n;
  data.SelectedRow = 0;
  Open(&text, 5);
  reads = 0;
  editor->SpeedButtonOKClick(nullptr);
  EXPECT_EQ(reads, 1);
  for (int n = 1; n < 5; ++n) EXPECT_EQ(data.Stored.back().second.Layers[static_cast<std::size_t>(n)].DatePreview,
                                        data.Stored.back().second.Layers[0].DatePreview);
}

TEST_F(EditorFrame, LoadAndRenderGivesWhatTheHeadlessRendererGives) {
  printdata::PrintText text = ThreeLayers();
  text.Layers[3].Kind = printdata::kKindGraphic;
  text.Layers[3].PosX = 150;
  text.Layers[3].PosY = 5;
  editor->LoadAndRender(&text);

  printdata::PrintText work;
  editor::PreviewImages images;
  editor::WorkCopyRenderer headless(work, images, [] { return FixedNow(); });
  headless.LoadAndRender(text);
  EXPECT_EQ(editor->WorkText, headless.WorkText());
  for (int n = 0; n < 5; ++n)
    EXPECT_EQ(editor->FrameBearbeitenVorschau->Images.Layers[static_cast<std::size_t>(n)], headless.LayerImage(n))
        << n;
  EXPECT_EQ(editor->CurrentLayer, -1);
}

TEST_F(EditorFrame, ExportWritesTheLayerBlackOnWhite) {
  testsupport::TempDir dir;
  printdata::PrintText text = ThreeLayers();
  Open(&text, 0);
  ASSERT_TRUE(LayerHas(0, 255));
  host.BitmapFile = dir.path() + "/layer.bmp";
  editor->SpeedButtonExportEbeneBMPClick(nullptr);
  EXPECT_EQ(host.BitmapTitle, QStringLiteral("Exportieren Grafik Eier Ebene 1"));
  QImage layer(QString::fromStdString(*host.BitmapFile));
  ASSERT_FALSE(layer.isNull());
  EXPECT_EQ(layer.size(), QSize(180, 25));
  int black = 0;
  for (int y = 0; y < layer.height(); ++y)
    for (int x = 0; x < layer.width(); ++x) {
      const QRgb c = layer.pixel(x, y);
      ASSERT_TRUE(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255)) << x << "," << y;
      black += c == qRgb(0, 0, 0);
      // Only layer 1's ink, which lies left of the date at column 60.
      if (x >= 60) {
        ASSERT_EQ(c, qRgb(255, 255, 255));
      }
    }
  EXPECT_GT(black, 0);

  host.BitmapFile = dir.path() + "/text.bmp";
  editor->SpeedButtonExportDrucktextBMPClick(nullptr);
  EXPECT_EQ(host.BitmapTitle, QStringLiteral("Exportieren Grafik Eier"));
  QImage whole(QString::fromStdString(*host.BitmapFile));
  ASSERT_FALSE(whole.isNull());
  bool dateInk = false;
  for (int x = 60; x < 100; ++x)
    for (int y = 0; y < 25; ++y) dateInk = dateInk || whole.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_TRUE(dateInk);
}

TEST_F(EditorFrame, ACancelledExportOrOneOfNoLayerWritesNothing) {
  testsupport::TempDir dir;
  Open(nullptr, 0);
  host.BitmapFile.reset();
  editor->SpeedButtonExportDrucktextBMPClick(nullptr);
  host.BitmapFile = dir.path() + "/none.bmp";
  viewMenu->SpeedButtonNotizClick(nullptr);
  editor->SpeedButtonExportEbeneBMPClick(nullptr);
  EXPECT_FALSE(std::filesystem::exists(*host.BitmapFile));
  EXPECT_TRUE(beeps.empty());
  // A file that cannot be written: the stop beep.
  host.BitmapFile = dir.path() + "/missing/folder/x.bmp";
  editor->SpeedButtonExportDrucktextBMPClick(nullptr);
  EXPECT_EQ(beeps, std::vector<platform::BeepKind>{platform::BeepKind::Stop});
}

TEST_F(EditorFrame, PageButtonsOpenAndCloseTheirMenus) {
  Open(nullptr, 0);
  editor->SpeedButtonZoomClick(nullptr);
  EXPECT_FALSE(zoomMenu->isHidden());
  editor->SpeedButtonRasterClick(nullptr);
  EXPECT_TRUE(zoomMenu->isHidden());
  EXPECT_FALSE(gridMenu->isHidden());
  editor->SpeedButtonRasterClick(nullptr);
  EXPECT_TRUE(gridMenu->isHidden());
  editor->SpeedButtonAnsichtClick(nullptr);
  EXPECT_FALSE(viewMenu->isHidden());
  editor->SpeedButtonHilfeClick(nullptr);
  EXPECT_TRUE(viewMenu->isHidden());
  EXPECT_EQ(host.QuickHelps, 1);
}

TEST_F(EditorFrame, AGraphicPaneSeesTheWorkingCopyThroughTheFrame) {
  auto* pane = new TFrameBearbeitenGrafik(&editor->GraphicPaneHost());
  editor->SetGraphicPane(pane);
  EXPECT_EQ(pane->parentWidget(), editor->PanelMain);
  printdata::PrintText text = ThreeLayers();
  text.Layers[4].Kind = printdata::kKindGraphic;
  text.Layers[4].GraphicWidth = 4;
  text.Layers[4].GraphicHeight = 2;
  text.Layers[4].Pixels = "10010110";
  Open(&text, 4);
  ASSERT_EQ(editor->CurrentLayer, 4);
  EXPECT_TRUE(pane->isVisibleTo(editor));
  EXPECT_EQ(pane->LabelGrafikBreite->text(), QStringLiteral("4"));

  editor::ui::GraphicPaneEditor& host = editor->GraphicPaneHost();
  EXPECT_EQ(host.WorkLayer(4), &Layer(4));
  EXPECT_EQ(host.WorkLayer(-1), nullptr);
  EXPECT_EQ(host.WorkLayer(5), nullptr);
  EXPECT_EQ(host.CurrentLayer(), 4);
  EXPECT_EQ(host.EditorView(), 4);
  EXPECT_FALSE(host.Loading());
  EXPECT_EQ(host.PrintFieldDots(), editor->PrintFieldDots());

  // A step of the pane lands in the working copy, drawn red, and closes the
  // host's menus.
  viewMenu->show();
  pane->SpeedButtonAusrichten->click();  // Frei
  pane->SpeedButtonPositionXUp->click();
  EXPECT_EQ(Layer(4).PosX, text.Layers[4].PosX + 1);
  EXPECT_TRUE(LayerHas(4, 255));
  EXPECT_TRUE(viewMenu->isHidden());

  // Another layer's kind hides the pane.
  Open(&text, 0);
  EXPECT_FALSE(pane->isVisibleTo(editor));
}
