// The data view: rows, layout, selection, opening a row, the modified mark,
// the protection queries and the top bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "DataPageFixture.h"
#include "rendering/LayerRendering.h"
#include "rendering/RowPainting.h"
#include "platform/qt/TextCodec.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printdata/ui/TFrameMenuSchutz.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "printdata/ui/Thread_Daten.h"

using dataviewtest::DataPage;
using platform::OwnEnabled;

namespace {

using DataView = DataPage;

void SetColumns(TFrameMenuAnsicht* v, int layers, int parameters, int notes) {
  v->SpeedButtonEbenen->Tag = layers;
  v->SpeedButtonParameter->Tag = parameters;
  v->SpeedButtonNotizen->Tag = notes;
  v->ApplyColumns();
}

void SetZoom(TFrameMenuAnsicht* v, int zoom) {
  v->LabelZoom->Tag = zoom;
  v->ApplyZoom();
}

// The row picture the editor's rendering makes of `text` at the fixture's
// clock.
QImage Expected(const printdata::PrintText& text) {
  printdata::PrintText work;
  editor::PreviewImages images;
  editor::LoadAndRender(&text, work, images);
  const platform::Bitmap b = editor::ComposeRowImage(images, work);
  QImage img(b.Width(), b.Height(), QImage::Format_RGB32);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const auto c = b.Pixel(x, y);
      img.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    }
  return img;
}

}  // namespace

TEST_F(DataView, NothingOpen) {
  EXPECT_EQ(d->objectName(), QStringLiteral("FrameDaten"));
  EXPECT_EQ(d->Count, 0);
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Daten"));
  EXPECT_EQ(d->PanelTitel->Hint(), QString());
  EXPECT_FALSE(d->PanelTitel->ShowHint());
  for (int i = 0; i < 99; ++i) {
    EXPECT_TRUE(d->RowImages[i]->isHidden());
    EXPECT_TRUE(d->RowNumbers[i]->isHidden());
    EXPECT_TRUE(d->RowLayers[i]->isHidden());
  }
  EXPECT_TRUE(d->ShapeSelector->isHidden());
  EXPECT_TRUE(OwnEnabled(d->SpeedButtonOeffnen));
  for (QWidget* b : {d->SpeedButtonAnsichtDown, d->SpeedButtonSpeichern, d->SpeedButtonSchliessen,
                     d->SpeedButtonWerkzeug, d->SpeedButtonSchutz, d->SpeedButtonRapport})
    EXPECT_FALSE(OwnEnabled(b));
  EXPECT_TRUE(OwnEnabled(d->SpeedButtonHilfe));
  EXPECT_FALSE(d->IsModified());
  // The refresher was made and started with the rows.
  ASSERT_TRUE(d->Refresher);
}

TEST_F(DataView, RowsAreBuiltOnceWithTheirNumbers) {
  EXPECT_EQ(d->RowNumbers[0]->text(), QStringLiteral("1"));
  EXPECT_EQ(d->RowNumbers[98]->text(), QStringLiteral("99"));
  EXPECT_EQ(d->RowNumbers[5]->geometry(), QRect(8, d->RowNumbers[5]->y(), 20, 13));
  EXPECT_EQ(d->RowNumbers[5]->alignment() & Qt::AlignRight, Qt::AlignRight);
  EXPECT_EQ(d->RowLayers[3]->size(), QSize(668, 80));
  EXPECT_EQ(d->RowParameters[3]->size(), QSize(668, 56));
  EXPECT_EQ(d->RowNotes[3]->size(), QSize(668, 32));
  EXPECT_EQ(d->RowLayers[3]->x(), 44);
  EXPECT_EQ(d->RowImages[3]->x(), 44);
  EXPECT_EQ(d->RowLayers[0]->PanelEbene[2]->objectName(), QStringLiteral("PanelEbene3"));
  EXPECT_EQ(d->RowLayers[0]->PanelEbeneInner[2]->objectName(), QStringLiteral("PanelEbene31"));
  EXPECT_EQ(d->RowLayers[0]->LabelTitelEbene[4]->text(), QStringLiteral("Ebene 5:"));
  EXPECT_EQ(d->RowLayers[0]->LabelEbene[4]->text(), QStringLiteral("Kein"));
  EXPECT_EQ(d->RowImages[7]->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(d->RowLayers[7]->PanelEbene[0]->cursor().shape(), Qt::PointingHandCursor);
  d->CreateRows();  // a second call builds nothing
  EXPECT_EQ(d->findChildren<QWidget*>(QStringLiteral("FrameDatenNotiz")).size(), 99u);
}

TEST_F(DataView, ZoomTwoWithoutColumns) {
  Open(3);
  EXPECT_EQ(d->RowImages[0]->y(), 3);
  EXPECT_EQ(d->RowImages[1]->y(), 69);
  EXPECT_EQ(d->RowImages[2]->y(), 135);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d->RowNumbers[i]->y(), d->RowImages[i]->y() + 18);
    EXPECT_FALSE(d->RowImages[i]->isHidden());
    EXPECT_TRUE(d->RowLayers[i]->isHidden());
  }
  EXPECT_TRUE(d->RowImages[3]->isHidden());
  EXPECT_EQ(d->Zoom(), 2);
}

TEST_F(DataView, ZoomTwoWithAllColumns) {
  Open(5);
  SetColumns(menus.Ansicht, 1, 1, 1);
  EXPECT_EQ(d->RowLayers[0]->y(), 61);
  EXPECT_EQ(d->RowParameters[0]->y(), 149);
  EXPECT_EQ(d->RowNotes[0]->y(), 213);
  EXPECT_EQ(d->RowImages[1]->y() - d->RowImages[0]->y(), 258);
  EXPECT_FALSE(d->RowNotes[4]->isHidden());
  EXPECT_TRUE(d->RowNotes[5]->isHidden());
  // A stored toggle of 2 counts as hidden.
  SetColumns(menus.Ansicht, 2, 0, 0);
  EXPECT_TRUE(d->RowLayers[0]->isHidden());
}

TEST_F(DataView, PictureOfAPrintLength) {
  Open(1);
  d->Group.Texts[0].Parameters.X1.Drucklaenge = 305;
  d->RenderRow(0);
  SetZoom(menus.Ansicht, 3);
  EXPECT_EQ(d->RowImages[0]->Picture().size(), QSize(180, 25));
  EXPECT_EQ(d->RowImages[0]->size(), QSize(540, 75));
  // Zoom only stretches the control.
  SetZoom(menus.Ansicht, 1);
  EXPECT_EQ(d->RowImages[0]->Picture().size(), QSize(180, 25));
  EXPECT_EQ(d->RowImages[0]->size(), QSize(180, 25));
}

TEST_F(DataView, PrintLengthsOutsideOneToOneHundredMillimetresAreLaidOutWithin) {
  Open(3);
  d->Group.Texts[0].Parameters.X1.Drucklaenge = 2000000000;
  d->Group.Texts[1].Parameters.X1.Drucklaenge = -40;
  d->Group.Texts[2].Parameters.X1.Drucklaenge = 3;
  for (int i = 0; i < 3; ++i) d->RenderRow(i);
  d->Repaint();
  EXPECT_EQ(d->RowImages[0]->size(), QSize(1200, 50));
  EXPECT_EQ(d->RowImages[0]->Picture().size(), QSize(600, 25));
  EXPECT_EQ(d->RowImages[1]->size(), QSize(12, 50));
  EXPECT_EQ(d->RowImages[2]->size(), QSize(12, 50));
  // The data keeps what the file said.
  EXPECT_EQ(d->Group.Texts[0].Parameters.X1.Drucklaenge, 2000000000);
  EXPECT_EQ(d->Group.Texts[1].Parameters.X1.Drucklaenge, -40);
  EXPECT_EQ(d->Group.Texts[2].Parameters.X1.Drucklaenge, 3);
  EXPECT_FALSE(d->IsModified());
}

TEST_F(DataView, ARowShowsItsPrintText) {
  Open(2);
  printdata::PrintText& t = d->Group.Texts[1];
  t.Layers[2].Kind = printdata::kKindGraphic;
  t.Parameters.X1.Drucklaenge = 455;
  t.Parameters.X1.Anzahl = 3;
  t.Parameters.X1.Abstand = 105;
  t.Note = "erste\r\nzweite <b>";
  d->RenderRow(1);
  EXPECT_EQ(d->RowImages[1]->Picture(), Expected(t));
  EXPECT_NE(d->RowImages[1]->Picture(), Expected(d->Group.Texts[0]));
  const TFrameDatenEbenen* layers = d->RowLayers[1];
  EXPECT_EQ(layers->LabelEbene[0]->text(), QStringLiteral("Text Text 2"));
  EXPECT_EQ(layers->LabelEbene[1]->text(), QStringLiteral("-"));
  EXPECT_EQ(layers->LabelEbene[2]->text(), QStringLiteral("Grafik"));
  const TFrameDatenParameter* p = d->RowParameters[1];
  EXPECT_EQ(p->LabelDrucklaenge->text(), QStringLiteral("45 mm"));
  EXPECT_EQ(p->LabelAnzahl->text(), QStringLiteral("3"));
  EXPECT_EQ(p->LabelAbstand->text(), QStringLiteral("10.5 mm"));
  EXPECT_FALSE(p->LabelAbstand->isHidden());
  EXPECT_TRUE(p->LabelAnzahl2->isHidden());
  EXPECT_EQ(d->RowNotes[1]->MemoNotiz->text(), QStringLiteral("erste\nzweite <b>"));
  EXPECT_EQ(d->RowNotes[1]->MemoNotiz->textFormat(), Qt::PlainText);
  // Drawing a row changes neither the data, the mark nor the modified state.
  EXPECT_EQ(d->Group.Texts[1].Parameters.X1.Drucklaenge, 455);
  EXPECT_EQ(d->Selected, 0);
  EXPECT_FALSE(d->IsModified());
  // A row outside the list draws nothing.
  d->RenderRow(99);
  d->RenderRow(-1);
}

TEST_F(DataView, TheRowsWordsAreTheEditorsInTheChosenLanguage) {
  Open(1);
  editor.words.Summaries.KindNames[1] = "Text:";
  editor.words.LayerTitles[0] = "Layer 1";
  editor.words.ParameterTitles[1] = "Print length";
  editor.words.ParameterTitles[7] = "Run-out";
  d->RenderRow(0);
  EXPECT_EQ(d->RowLayers[0]->LabelTitelEbene[0]->text(), QStringLiteral("Layer 1:"));
  EXPECT_EQ(d->RowLayers[0]->LabelTitelEbene[1]->text(), QStringLiteral("Ebene 2:"));
  EXPECT_EQ(d->RowLayers[0]->LabelEbene[0]->text(), QStringLiteral("Text: Text 1"));
  EXPECT_EQ(d->RowParameters[0]->LabelTitelDrucklaenge->text(), QStringLiteral("Print length:"));
  EXPECT_EQ(d->RowParameters[0]->LabelTitelNachlauf->text(), QStringLiteral("Run-out:"));
  EXPECT_EQ(d->RowParameters[0]->LabelTitelVorlauf->text(), QStringLiteral("Vorlauf:"));
}

TEST_F(DataView, TheEditorsOkReplacesThePrintTextAndRedrawsItsRowMarked) {
  Open(3);
  d->SetModified(false);
  printdata::PrintText edited = d->Group.Texts[1];
  edited.Layers[0].Text = "NEU";
  edited.Parameters.X1.Drucklaenge = 600;
  edited.Note = "neu";
  const printdata::PrintText before0 = d->Group.Texts[0], before2 = d->Group.Texts[2];
  d->StoreEditedText(1, edited);
  EXPECT_EQ(d->Group.Texts[1], edited);
  EXPECT_EQ(d->Group.Texts[0], before0);
  EXPECT_EQ(d->Group.Texts[2], before2);
  EXPECT_EQ(d->RowImages[1]->Picture(), Expected(edited));
  EXPECT_EQ(d->RowImages[1]->width(), 60 * 6 * 2);
  EXPECT_EQ(d->RowLayers[1]->LabelEbene[0]->text(), QStringLiteral("Text NEU"));
  EXPECT_EQ(d->RowNotes[1]->MemoNotiz->text(), QStringLiteral("neu"));
  // The row is marked; the marker takes the picture's new width.
  EXPECT_EQ(d->Selected, 1);
  EXPECT_EQ(d->ShapeSelector->geometry(), d->RowImages[1]->geometry().adjusted(-3, -3, 3, 3));
  // The modified mark is the caller's.
  EXPECT_FALSE(d->IsModified());
  // No row outside the list.
  d->StoreEditedText(99, edited);
  d->StoreEditedText(-1, edited);
  EXPECT_EQ(d->Selected, 1);
}

TEST_F(DataView, SelectionMarksTheRowAndScrollsItIntoView) {
  Open(20);
  SetColumns(menus.Ansicht, 1, 1, 0);
  QScrollBar* bar = d->ScrollBoxMain->verticalScrollBar();
  EXPECT_EQ(bar->value(), 0);
  EXPECT_FALSE(d->ShapeSelector->isHidden());
  EXPECT_EQ(d->ShapeSelector->geometry(), d->RowImages[0]->geometry().adjusted(-3, -3, 3, 3));
  EXPECT_TRUE(d->RowNumbers[0]->font().bold());

  // Below the visible area: the bottom of its last shown column comes to
  // the lower edge.
  d->SelectRow(d->RowImages[10]);
  EXPECT_EQ(d->Selected, 10);
  EXPECT_TRUE(d->RowNumbers[10]->font().bold());
  EXPECT_FALSE(d->RowNumbers[0]->font().bold());
  const QWidget* params = d->RowParameters[10];
  EXPECT_EQ(params->y() + params->height() - bar->value(), d->ListHeight());

  // Above: the marker's top comes to the upper edge.
  d->SelectRow(d->RowLayers[2]->PanelEbene[4]);
  EXPECT_EQ(d->Selected, 2);
  EXPECT_EQ(d->ShapeSelector->y() - bar->value(), 0);

  // Visible already: nothing moves.
  const int v = bar->value();
  d->SelectRow(d->RowNotes[3]);  // a hidden column still belongs to its row
  EXPECT_EQ(d->Selected, 3);
  EXPECT_EQ(bar->value(), v);

  // A control of no row changes nothing.
  d->SelectRow(d->PanelTop);
  EXPECT_EQ(d->Selected, 3);
}

TEST_F(DataView, TheNotesColumnKeepsTheLastRowInViewDownToItsNote) {
  Open(30);
  d->SelectRow(d->RowImages[29]);
  menus.Ansicht->SpeedButtonNotizen->click();
  QScrollBar* bar = d->ScrollBoxMain->verticalScrollBar();
  EXPECT_EQ(d->RowNotes[29]->y() + 32 - bar->value(), d->ListHeight());
}

TEST_F(DataView, ClicksReachTheRowsHitAreas) {
  Open(3);
  SetColumns(menus.Ansicht, 1, 1, 1);
  // A click on a layer line's title or value lands on the line's panel, one
  // on the parameter values or the note on the column frame.
  TFrameDatenEbenen* layers = d->RowLayers[1];
  EXPECT_EQ(layers->childAt(layers->LabelEbene[2]->mapTo(layers, QPoint(3, 3))), layers->PanelEbene[2]);
  EXPECT_EQ(layers->childAt(layers->LabelTitelEbene[0]->mapTo(layers, QPoint(3, 3))), layers->PanelEbene[0]);
  TFrameDatenParameter* params = d->RowParameters[1];
  EXPECT_EQ(params->childAt(params->LabelNachlauf->mapTo(params, QPoint(2, 2))), nullptr);
  TFrameDatenNotiz* note = d->RowNotes[1];
  EXPECT_EQ(note->childAt(QPoint(5, 5)), nullptr);

  Click(layers->PanelEbene[2]);
  EXPECT_EQ(d->Selected, 1);
  Click(d->RowNumbers[2]);
  EXPECT_EQ(d->Selected, 2);
  Click(d->RowNotes[0]);
  EXPECT_EQ(d->Selected, 0);
}

TEST_F(DataView, DoubleClickOpensTheRowInTheEditorOnTheClickedView) {
  Open(15);
  SetColumns(menus.Ansicht, 1, 1, 1);
  const struct {
    QWidget* control;
    int view;
  } cases[] = {{d->RowLayers[11]->PanelEbene[2], 2},
               {d->RowParameters[11], 5},
               {d->RowNotes[11], 6},
               {d->RowNumbers[11], DataViewEditor::kStartView},
               {d->RowImages[11], DataViewEditor::kStartView}};
  for (const auto& c : cases) {
    editor.opened.clear();
    DoubleClick(c.control);
    ASSERT_EQ(editor.opened.size(), 1u);
    EXPECT_EQ(editor.opened[0].view, c.view);
    EXPECT_EQ(editor.opened[0].title, QStringLiteral("Bearbeiten - Eier [12]"));
    EXPECT_EQ(editor.opened[0].text, d->Group.Texts[11]);
    EXPECT_EQ(d->Selected, 11);
    // The editor took it: the data page made way.
    EXPECT_TRUE(d->isHidden());
    d->ShowPage();
  }
}

TEST_F(DataView, AnEditorThatCannotOpenLeavesTheListShown) {
  Open(2);
  editor.accepts = false;
  DoubleClick(d->RowImages[1]);
  EXPECT_EQ(editor.opened.size(), 1u);
  EXPECT_FALSE(d->isHidden());
}

TEST_F(DataView, WhileThePasteDialogIsShownClicksOnlySelect) {
  Open(4);
  host.pasteVisible = true;
  DoubleClick(d->RowImages[2]);
  EXPECT_EQ(d->Selected, 2);
  EXPECT_TRUE(editor.opened.empty());
  Click(d->RowImages[3], Qt::RightButton);
  EXPECT_EQ(d->Selected, 3);
  EXPECT_TRUE(menus.Bearbeiten->isHidden());
}

TEST_F(DataView, RightClickSelectsAndOpensTheEditMenu) {
  Open(4);
  menus.Schutz->show();
  Click(d->RowImages[2], Qt::RightButton);
  EXPECT_EQ(d->Selected, 2);
  EXPECT_FALSE(menus.Bearbeiten->isHidden());
  EXPECT_TRUE(menus.Schutz->isHidden());
  // Any other button only closes the menus.
  Click(d->RowImages[1], Qt::MiddleButton);
  EXPECT_TRUE(menus.Bearbeiten->isHidden());
  EXPECT_EQ(d->Selected, 2);
}

TEST_F(DataView, ModifiedMarkIsABooleanThatTheSaveButtonShows) {
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(d->PanelSpeichern->Color(), 15790320u);
  d->SetModified(true);
  EXPECT_TRUE(d->IsModified());
  EXPECT_EQ(d->PanelSpeichern->Color(), 0x800000u);
  EXPECT_EQ(d->SpeedButtonSpeichern->FontColor(), 0xFFFFFFu);
  EXPECT_TRUE(d->SpeedButtonSpeichern->font().bold());
  d->SetModified(false);
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(d->PanelSpeichern->Color(), 15790320u);
  EXPECT_EQ(d->SpeedButtonSpeichern->FontColor(), 0x800000u);
  EXPECT_FALSE(d->SpeedButtonSpeichern->font().bold());
}

TEST_F(DataView, ProtectionQueries) {
  const struct {
    const char* text;
    int layers, parameters, notes;
    bool any;
  } cases[] = {{"6", 0, 1, 1, true}, {"1", 1, 0, 0, true}, {"x7", 0, 0, 0, false}, {"", 0, 0, 0, false},
               {"7", 1, 1, 1, true}, {"2", 0, 1, 0, true}, {"-1", 1, 1, 1, true}};
  for (const auto& c : cases) {
    d->Group.Protection = c.text;
    EXPECT_EQ(d->LayersProtected(), c.layers) << c.text;
    EXPECT_EQ(d->ParametersProtected(), c.parameters) << c.text;
    EXPECT_EQ(d->NotesProtected(), c.notes) << c.text;
    EXPECT_EQ(d->AnyProtected(), c.any) << c.text;
  }
}

TEST_F(DataView, TopBarTogglesItsMenus) {
  Open(1);
  const struct {
    platform::SpeedButton* button;
    QWidget* menu;
  } cases[] = {{d->SpeedButtonAnsichtDown, menus.Ansicht}, {d->SpeedButtonOeffnen, menus.Oeffnen},
               {d->SpeedButtonSpeichern, menus.Speichern}, {d->SpeedButtonSchliessen, menus.Schliessen},
               {d->SpeedButtonWerkzeug, menus.Bearbeiten}, {d->SpeedButtonSchutz, menus.Schutz}};
  for (const auto& c : cases) {
    c.button->click();
    EXPECT_FALSE(c.menu->isHidden()) << c.button->objectName().toStdString();
    EXPECT_EQ(host.HideMenuFrames(), 1);
    c.button->click();
    c.button->click();  // open, then closed again by the second click
    EXPECT_TRUE(c.menu->isHidden()) << c.button->objectName().toStdString();
  }
  // One menu at a time.
  d->SpeedButtonWerkzeug->click();
  d->SpeedButtonSchutz->click();
  EXPECT_TRUE(menus.Bearbeiten->isHidden());
  EXPECT_FALSE(menus.Schutz->isHidden());
}

TEST_F(DataView, ReportAndQuickHelp) {
  Open(1);
  d->SpeedButtonRapport->click();
  ASSERT_EQ(host.reports.size(), 1u);
  EXPECT_EQ(host.reports[0], (std::array<bool, 5>{true, true, true, true, true}));
  d->SpeedButtonHilfe->click();
  EXPECT_EQ(host.quickHelps, 1);
}

TEST_F(DataView, NarrowPagesKeepTheTopBarApart) {
  for (int width : {784, 744, 700}) {
    d->resize(width, 600);
    const QWidget* panels[] = {d->PanelAnsicht,  d->PanelOeffnen, d->PanelSpeichern, d->PanelSchliessen,
                               d->PanelWerkzeug, d->PanelSchutz,  d->PanelRapport,   d->PanelHilfe};
    for (std::size_t i = 0; i + 1 < std::size(panels); ++i)
      EXPECT_LT(panels[i]->geometry().right(), panels[i + 1]->x()) << width;
    EXPECT_LT(d->PanelHilfe->geometry().right(), width) << width;
  }
  d->resize(784, 600);
  EXPECT_EQ(d->PanelRapport->geometry(), QRect(592, 8, 88, 48));
  EXPECT_EQ(d->PanelHilfe->geometry(), QRect(688, 8, 88, 48));
  EXPECT_EQ(d->PanelSchutz->geometry(), QRect(488, 8, 88, 48));
}

TEST_F(DataView, ComponentsCarryTheirMemberNames) {
  for (const char* name :
       {"PanelTitel", "PanelTop", "SpeedButtonAnsichtDown", "SpeedButtonOeffnen", "SpeedButtonSpeichern",
        "SpeedButtonSchliessen", "SpeedButtonWerkzeug", "SpeedButtonSchutz", "SpeedButtonRapport", "SpeedButtonHilfe",
        "ScrollBoxMain", "ShapeSelector", "PanelDumy1", "PanelDumy2"})
    EXPECT_NE(d->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  EXPECT_EQ(menus.Ansicht->objectName(), QStringLiteral("FrameMenuAnsicht"));
  EXPECT_EQ(menus.Bearbeiten->objectName(), QStringLiteral("FrameMenuBearbeiten"));
  EXPECT_EQ(menus.Schutz->objectName(), QStringLiteral("FrameMenuSchutz"));
  EXPECT_EQ(menus.Schliessen->objectName(), QStringLiteral("FrameMenuSchliessen"));
  EXPECT_NE(menus.Bearbeiten->findChild<QWidget*>(QStringLiteral("SpeedButtonEinfuegenErweitert")), nullptr);
  EXPECT_NE(d->RowParameters[0]->findChild<QLabel*>(QStringLiteral("LabelDrucklaenge")), nullptr);
  EXPECT_NE(d->RowNotes[0]->findChild<QLabel*>(QStringLiteral("MemoNotiz")), nullptr);
}

TEST(DataViewProcess, RestartNoticeEndsTheProcess) {
  // The notice is shown (modal) before the process ends with -1.
  struct PrintingHost : dataviewtest::FakeHost {
    void ShowNotice(const QString& title, const QString& text, std::uint32_t colour) override {
      std::fprintf(stderr, "[%s|%s|%06X]", qPrintable(title), qPrintable(text), colour);
    }
  };
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        PrintingHost host;
        TerminateWithMessage(host);
      },
      ::testing::ExitedWithCode(255), "\\[Tarvik23 - Osmek AG\\|Bitte starten Sie das Programm neu\\.\\|C0C0C0\\]");
}
