// The data page inside the main window: its place among the main window's
// controls, keys and wheel, the report and the message window's hold on
// input. The page's own behaviour is tested in tests/printdata/ui.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>
#include <filesystem>

#include "AppFixture.h"
#include "app/links/DataViewLinks.h"
#include "app/links/PrintLinks.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "rendering/DateFormats.h"
#include "rendering/TimeFormats.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printdata/ui/TFrameMenuSchutz.h"
#include "printing/ReportLayout.h"
#include "printing/ui/PageCanvas.h"
#include "printing/ui/PrintService.h"
#include "printing/ui/PrinterDevice.h"
#include "printing/ui/ReportPage.h"
#include "support/PdfFile.h"

using apptest::PressKey;
using platform::OwnEnabled;

namespace {

class DataView : public apptest::AppFixture {
 protected:
  // A data set of `count` print texts with every kind of layer and a note.
  void Open(int count) {
    TFrameDaten& d = Daten();
    for (int i = 0; i < count; ++i) {
      printdata::PrintText& t = d.Group.Texts[static_cast<std::size_t>(i)];
      t.Parameters.X1.Drucklaenge = 500 + 10 * (i % 40);
      t.Parameters.X1.Anzahl = 1 + i % 3;
      t.Layers[0].Kind = printdata::kKindText;
      t.Layers[0].Text = "Charge " + std::to_string(1000 + i);
      t.Layers[1].Kind = printdata::kKindDate;
      editor::ApplyDateFormat(t, 1, i % 39);
      t.Layers[1].PosX = 110;
      t.Layers[2].Kind = printdata::kKindTime;
      editor::ApplyTimeFormat(t, 2, i % 12);
      t.Layers[2].PosX = 200;
      t.Layers[3].Kind = printdata::kKindGraphic;
      t.Layers[3].PosX = 260;
      t.Layers[3].GraphicWidth = 12;
      t.Layers[3].GraphicHeight = 12;
      t.Layers[3].Pixels = std::string(144, '1');
      t.Note = "Notiz " + std::to_string(i + 1) + "\r\nzweite Zeile";
    }
    ShowOpenData(count);
  }

  // With TARVIK_SCREENSHOT_DIR set, the main window as the screen shows it.
  void Screenshot(const char* name) { apptest::Screenshot(Form_Main, name); }
};

}  // namespace

TEST_F(DataView, NinetyNineRowsAtZoomTwoWithAllColumnsAtTheSmallestSize) {
  Form_Main->show();
  Form_Main->resize(852, 612);
  Open(99);
  ShowAllColumns();
  QApplication::processEvents();
  Screenshot("dataview-99-zoom2-min");
  TFrameDaten& d = Daten();
  // The top bar's buttons lie side by side inside the page.
  const QWidget* panels[] = {d.PanelAnsicht,  d.PanelOeffnen, d.PanelSpeichern, d.PanelSchliessen,
                             d.PanelWerkzeug, d.PanelSchutz,  d.PanelRapport,   d.PanelHilfe};
  for (std::size_t i = 0; i + 1 < std::size(panels); ++i)
    EXPECT_LT(panels[i]->geometry().right(), panels[i + 1]->x()) << i;
  EXPECT_LE(d.PanelHilfe->geometry().right(), d.PanelTop->width() - 1);
  EXPECT_EQ(d.PanelSchutz->x(), 488);
  // The columns fit beside the vertical scroll bar.
  EXPECT_GE(d.ScrollBoxMain->viewport()->width(), 44 + 668);
  EXPECT_EQ(d.RowLayers[0]->y(), 61);
  EXPECT_EQ(d.RowImages[1]->y() - d.RowImages[0]->y(), 258);

  // The menus open inside the window, under their buttons.
  d.SpeedButtonAnsichtDown->click();
  Screenshot("dataview-menu-ansicht");
  EXPECT_TRUE(Form_Main->rect().contains(Form_Main->FrameMenuAnsicht->geometry()));
  d.SpeedButtonWerkzeug->click();
  Screenshot("dataview-menu-werkzeug");
  EXPECT_TRUE(Form_Main->rect().contains(Form_Main->FrameMenuBearbeiten->geometry()));
  d.SpeedButtonSchutz->click();
  Screenshot("dataview-menu-schutz");
  d.SpeedButtonSchliessen->click();
  Screenshot("dataview-menu-schliessen");
  Form_Main->CloseMenusAndRefresh();
  d.SelectRow(d.RowImages[50]);
  Form_Main->resize(892, 673);
  Screenshot("dataview-99-zoom2-row51");
}

TEST_F(DataView, KeysPressTheEditMenusButtonsWhileTheyMayBeUsed) {
  Form_Main->show();
  FormBedienungsmodus->SetOperatingMode(1);
  Open(99);
  TFrameDaten& d = Daten();
  // 99 print texts: no new one by key.
  PressKey(Form_Main, Qt::Key_Insert);
  PressKey(Form_Main, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(d.Count, 99);
  EXPECT_FALSE(d.IsModified());
  // Nothing cut or copied yet: Ctrl+V does nothing.
  PressKey(Form_Main, Qt::Key_V, Qt::ControlModifier);
  EXPECT_FALSE(d.IsModified());
  PressKey(Form_Main, Qt::Key_End);
  EXPECT_EQ(d.Selected, 98);
  PressKey(Form_Main, Qt::Key_Delete);
  EXPECT_EQ(d.Count, 98);
  EXPECT_EQ(d.Selected, 97);
  PressKey(Form_Main, Qt::Key_Home);
  PressKey(Form_Main, Qt::Key_Down);
  EXPECT_EQ(d.Selected, 1);
  PressKey(Form_Main, Qt::Key_C, Qt::ControlModifier);
  PressKey(Form_Main, Qt::Key_Up);
  PressKey(Form_Main, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(d.Group.Texts[0].Layers[0].Text, "Charge 1001");
  PressKey(Form_Main, Qt::Key_Insert);
  EXPECT_EQ(d.Count, 99);
  EXPECT_EQ(d.Selected, 1);
}

TEST_F(DataView, ProtectedDataInTheUserModeRefusesTheChangingKeys) {
  Form_Main->show();
  FormBedienungsmodus->SetOperatingMode(0);
  Open(3);
  TFrameDaten& d = Daten();
  d.Group.Protection = "2";
  Form_Main->CloseMenusAndRefresh();
  PressKey(Form_Main, Qt::Key_X, Qt::ControlModifier);
  PressKey(Form_Main, Qt::Key_Delete);
  EXPECT_EQ(d.Count, 3);
  EXPECT_FALSE(d.IsModified());
  EXPECT_EQ(d.Group.Texts[0].Layers[0].Text, "Charge 1000");
  // Copying and opening the editor stay.
  PressKey(Form_Main, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(d.Clipboard.Layers[0].Text, "Charge 1000");
  PressKey(Form_Main, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  EXPECT_EQ(Form_Main->FrameBearbeiten->PanelTitel->Caption(), QStringLiteral("Bearbeiten - Eier [1]"));
}

TEST_F(DataView, ColumnKeysWorkWithoutDataAndShowWhenDataOpens) {
  Form_Main->show();
  PressKey(Form_Main, Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->SpeedButtonParameter->Tag, 1);
  EXPECT_FALSE(OwnEnabled(Daten().SpeedButtonAnsichtDown));
  Open(2);
  EXPECT_FALSE(Daten().RowParameters[1]->isHidden());
  EXPECT_EQ(Daten().RowParameters[0]->y(), 61);
}

TEST_F(DataView, WheelSelectsAndZooms) {
  Form_Main->show();
  Open(3);
  TFrameDaten& d = Daten();
  auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(d.RowImages[0], &e);
  };
  wheel(-120, Qt::NoModifier);
  wheel(-120, Qt::NoModifier);
  wheel(-120, Qt::NoModifier);
  EXPECT_EQ(d.Selected, 2);
  wheel(120, Qt::NoModifier);
  EXPECT_EQ(d.Selected, 1);
  wheel(120, Qt::ControlModifier);
  EXPECT_EQ(d.Zoom(), 3);
  EXPECT_EQ(d.RowImages[0]->height(), 75);
}

// The report button and Ctrl+Q show the report options first and print
// the blocks chosen there: the rows' pages as they are laid out with those
// blocks, and the info window's page when it is chosen. "Abbrechen" ends
// the report before the print dialog.
TEST_F(DataView, ReportAsksForItsOptionsByButtonAndKey) {
  Form_Main->show();
  const std::string pdf = temp_.path() + "/Rapport.pdf";
  int printDialogs = 0;
  Form_Main->PrintLinks->choosePrinter = [&](QPrinter& printer) {
    ++printDialogs;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  apptest::EventCounter optionsShows(FormRapport, QEvent::Show);
  PressKey(Form_Main, Qt::Key_Q, Qt::ControlModifier);
  QApplication::processEvents();  // whatever the key started has run
  EXPECT_EQ(optionsShows.count, 0);  // no data, no report
  EXPECT_EQ(printDialogs, 0);

  const int count = 12;
  Open(count);
  // The rows' pages as the PDF printer's page lays them out.
  const auto rowPages = [&](printing::ReportSections sections) {
    const printing::ui::PageCanvas canvas =
        *printing::ui::PageCanvas::Create(printing::ui::CapsOf(Form_Main->Printing->Printer()));
    return printing::CountReportPages(canvas.Geometry(), sections, count, printing::ui::DataViewRowSizes(Daten()));
  };
  const auto lastPage = [&] { return testsupport::PdfText(pdf, testsupport::PdfPages(pdf)); };
  const printing::ReportSections chosen{true, false, true};

  // The button: the options first, every block on at the start.
  apptest::WhenModal([&] {
    EXPECT_EQ(QApplication::activeModalWidget(), FormRapport);
    EXPECT_EQ(FormRapport->IncludeLayers + FormRapport->IncludeParameters + FormRapport->IncludeNotes +
                  FormRapport->IncludeInfo,
              4);
    FormRapport->SpeedButtonParameter->click();
    FormRapport->SpeedButtonOK->click();
  });
  Daten().SpeedButtonRapport->click();
  EXPECT_EQ(optionsShows.count, 1);  // one options dialog, no second one
  ASSERT_EQ(printDialogs, 1);
  // The rows' page count tells the blocks apart: each one switched alone
  // from the choice lays the rows out on another number of pages.
  for (const printing::ReportSections other :
       {printing::ReportSections{false, false, true}, printing::ReportSections{true, true, true},
        printing::ReportSections{true, false, false}})
    ASSERT_NE(rowPages(other), rowPages(chosen));
  EXPECT_EQ(testsupport::PdfPages(pdf), rowPages(chosen) + 1);
  EXPECT_NE(lastPage().find("Hilfe"), std::string::npos) << lastPage();  // the info window's page

  // Ctrl+Q offers the last choice again; Esc prints nothing.
  std::filesystem::remove(pdf);
  apptest::WhenModal([&] {
    EXPECT_EQ(FormRapport->IncludeParameters, 0);
    PressKey(FormRapport, Qt::Key_Escape);
  });
  PressKey(Form_Main, Qt::Key_Q, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(printDialogs, 1);
  EXPECT_FALSE(std::filesystem::exists(pdf));

  // Without the info page.
  apptest::WhenModal([&] {
    FormRapport->SpeedButtonInfo->click();
    PressKey(FormRapport, Qt::Key_Return);
  });
  PressKey(Form_Main, Qt::Key_Q, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(printDialogs, 2);
  const int pages = rowPages(chosen);
  EXPECT_EQ(testsupport::PdfPages(pdf), pages);
  const std::string last = lastPage();
  EXPECT_EQ(last.find("Hilfe"), std::string::npos) << last;
  EXPECT_NE(last.find("Seite " + std::to_string(pages) + " von " + std::to_string(pages)), std::string::npos) << last;
  EXPECT_EQ(optionsShows.count, 3);
  EXPECT_TRUE(FormRapport->isHidden());
}

TEST_F(DataView, MenusOpenUnderTheirButtons) {
  Form_Main->show();
  Open(1);
  TFrameDaten& d = Daten();
  d.SpeedButtonSchutz->click();
  const QPoint button = d.PanelSchutz->mapTo(Form_Main, QPoint());
  EXPECT_EQ(Form_Main->FrameMenuSchutz->pos(), QPoint(button.x(), button.y() + 50));
  EXPECT_FALSE(Form_Main->FrameMenuSchutz->isHidden());
  // Every menu fits into the smallest window.
  Form_Main->resize(852, 612);
  const QWidget* menus[] = {Form_Main->FrameMenuAnsicht, Form_Main->FrameMenuBearbeiten, Form_Main->FrameMenuSchutz,
                            Form_Main->FrameMenuSchliessen};
  for (const QWidget* menu : menus)
    EXPECT_TRUE(Form_Main->rect().contains(menu->geometry())) << menu->objectName().toStdString();
}

TEST_F(DataView, ABusyMessageHoldsTheUsersInputButNotThePainting) {
  Form_Main->show();
  FormBedienungsmodus->SetOperatingMode(1);
  Open(4);
  TFrameDaten& d = Daten();
  auto* canvas = new QWidget(Form_Main);
  apptest::EventCounter painted(canvas, QEvent::Paint);
  canvas->setGeometry(0, 0, 10, 10);
  canvas->show();
  QApplication::processEvents();

  FormMessage->ShowBusy(QStringLiteral("Öffnen"), FormMessage->MsgRunning, TFormMessage::kYellow, false);
  // Keys, clicks and the wheel of the user go nowhere.
  PressKey(Form_Main, Qt::Key_Delete);
  PressKey(Form_Main, Qt::Key_End);
  PressKey(Form_Main, Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(d.Count, 4);
  EXPECT_EQ(d.Selected, 0);
  EXPECT_EQ(Form_Main->FrameMenuAnsicht->SpeedButtonParameter->Tag, 0);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(d.SpeedButtonSchliessen, &press);
  QApplication::sendEvent(d.SpeedButtonSchliessen, &release);
  EXPECT_TRUE(Form_Main->FrameMenuSchliessen->isHidden());
  QApplication::sendEvent(d.RowImages[2], &press);
  QApplication::sendEvent(d.RowImages[2], &release);
  EXPECT_EQ(d.Selected, 0);
  // Painting goes on.
  const int paints = painted.count;
  canvas->update();
  apptest::PumpUntil([&] { return painted.count > paints; }, 2);
  EXPECT_GT(painted.count, paints);
  // The program's own work goes on as well.
  d.SelectRow(d.RowImages[3]);
  EXPECT_EQ(d.Selected, 3);

  // A question during the work is answered as usual.
  apptest::WhenModal([] { PressKey(QApplication::activeModalWidget(), Qt::Key_Escape); });
  EXPECT_EQ(FormMessage->AskYesNo(QStringLiteral("t"), QStringLiteral("a"), QStringLiteral("b"), FormMessage->MsgYes,
                                  FormMessage->MsgNo, TFormMessage::kSilver),
            TFormMessage::kNo);
  // With the message gone, input counts again.
  FormMessage->close();
  PressKey(Form_Main, Qt::Key_Home);
  EXPECT_EQ(d.Selected, 0);

  FormMessage->ShowBusy(QStringLiteral("Öffnen"), FormMessage->MsgRunning, TFormMessage::kYellow, false);
  FormMessage->close();
  PressKey(Form_Main, Qt::Key_End);
  EXPECT_EQ(d.Selected, 3);
}

TEST_F(DataView, ClosingNinetyNineRowsLeavesTheEmptyViewOfTheStart) {
  Form_Main->show();
  Form_Main->resize(852, 612);
  QApplication::processEvents();
  TFrameDaten& d = Daten();
  const QImage atStart = d.grab().toImage();
  Screenshot("dataview-empty-at-start");
  Open(99);
  ShowAllColumns();
  d.SelectRow(d.RowImages[80]);
  QApplication::processEvents();
  ASSERT_TRUE(d.ScrollBoxMain->verticalScrollBar()->isVisible());
  ASSERT_GT(d.ScrollBoxMain->verticalScrollBar()->value(), 0);

  apptest::Click(d.SpeedButtonSchliessen);
  apptest::Click(Form_Main->FrameMenuSchliessen->SpeedButtonSchliessenJa);
  QApplication::processEvents();
  Screenshot("dataview-empty-after-closing-99");
  EXPECT_EQ(d.Count, 0);
  EXPECT_FALSE(d.ScrollBoxMain->verticalScrollBar()->isVisible());
  EXPECT_FALSE(d.ScrollBoxMain->horizontalScrollBar()->isVisible());
  EXPECT_EQ(d.grab().toImage(), atStart);
}
