// Printing from the program as the operator starts it: the report of the
// open data (button and Ctrl+Q), Ctrl+P in the main window and in the
// dialogs, the printer-settings hard copy (Ctrl+Q on the printer page and
// the settings view's "Rapport"), the captions in the UI language and the
// abort dialog. Every print goes to a
// PDF file that poppler's tools read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "app/links/PrintLinks.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormInfo.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuHilfe.h"
#include "app/pc/TFrameMenuPC.h"
#include "platform/qt/Hardcopy.h"
#include "printdata/SampleGroup.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterGeraetDPI.h"
#include "printersettings/ui/TFormPrinterGeraetTyp.h"
#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"
#include "printersettings/ui/TFramePrinter.h"
#include "printing/RasterDevice.h"
#include "printing/ReportLayout.h"
#include "printing/SettingsHardcopy.h"
#include "printing/ui/PageCanvas.h"
#include "printing/ui/PrinterDevice.h"
#include "printing/ui/ReportPage.h"
#include "printing/ui/TAbortDialog.h"
#include "support/PdfFile.h"
#include "support/qt/Modal.h"

using apptest::PressKey;

namespace {

// A shortcut of the main window; its print runs inside the key's delivery,
// what it left queued runs next.
void PressShortcut(int key) {
  PressKey(Form_Main, key, Qt::ControlModifier);
  QApplication::processEvents();
}

// Runs `step` once `window` is the modal window and its own event loop
// runs (a notice closed while it is still being shown would wait for ever).
void WhenItsLoopRuns(QWidget* window, std::function<void()> step) {
  testsupport::WhenModalIs(window, [=] {
    if (QThread::currentThread()->loopLevel() > 0)
      step();
    else
      WhenItsLoopRuns(window, step);
  });
}

class Printing : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    new TAbortDialog(nullptr);
    Form_Main->PrintLinks->choosePrinter = [this](QPrinter& printer) {
      ++printDialogs_;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf_));
      return true;
    };
    Form_Main->show();
  }
  void TearDown() override {
    delete AbortDialog;
    AppFixture::TearDown();
  }

  // `count` print texts of every layer kind, as the open data "Eier".
  void Open(int count) {
    const auto sample = datasettest::SampleGroup(count);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) Daten().Group.Texts[i] = sample->Texts[i];
    ShowOpenData(count);
  }

  // OK in the report options the report shows first, after `choose` (a
  // fresh start has every block on).
  static void AcceptReportOptions(std::function<void()> choose = {}) {
    apptest::WhenModal([choose = std::move(choose)] {
      EXPECT_EQ(QApplication::activeModalWidget(), FormRapport);
      if (choose) choose();
      FormRapport->SpeedButtonOK->click();
    });
  }

  std::string Text(int page = 0) const { return testsupport::PdfText(pdf_, page); }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  // With TARVIK_SCREENSHOT_DIR set, page `page` rendered as <name>.png there
  // (and the whole file as <name>.pdf).
  void SavePage(int page, const char* name) const {
    const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR");
    if (!dir) return;
    const std::string stem = std::string(dir) + "/" + name;
    testsupport::RenderPdfPage(pdf_, page, 60, stem + ".png");
    std::filesystem::copy_file(pdf_, stem + ".pdf", std::filesystem::copy_options::overwrite_existing);
  }

  std::string pdf_ = temp_.path() + "/Tarvik23.pdf";
  int printDialogs_ = 0;
};

// The report of 99 print texts with every block: the rows' pages, counted
// as they are laid out, then the info window's page.
TEST_F(Printing, ReportOf99PrintTexts) {
  Open(99);
  AcceptReportOptions();
  Daten().SpeedButtonRapport->click();
  ASSERT_EQ(printDialogs_, 1);
  ASSERT_EQ(Form_Main->Printing->LastOutcome(), printing::JobOutcome::Printed);

  const printing::ui::PageCanvas canvas =
      *printing::ui::PageCanvas::Create(printing::ui::CapsOf(Form_Main->Printing->Printer()));
  const int rowPages =
      printing::CountReportPages(canvas.Geometry(), {}, 99, printing::ui::DataViewRowSizes(Daten()));
  EXPECT_EQ(rowPages, 25);  // 3 rows on the first A4 page, 4 on each further one
  const int pages = rowPages + 1;
  ASSERT_EQ(testsupport::PdfPages(pdf_), pages);

  const std::string first = Text(1);
  for (const char* part : {"Osmek AG", "Tarvik23", "Daten", "Eier", "Seite 1 von 26", "1", "2", "3"})
    EXPECT_TRUE(Has(first, part)) << part << " in " << first;
  EXPECT_TRUE(std::regex_search(first, std::regex("[0-3][0-9]\\.[01][0-9]\\.20[0-9][0-9]"))) << first;
  EXPECT_TRUE(Has(Text(2), "Seite 2 von 26"));
  EXPECT_FALSE(Has(Text(2), "Eier"));  // the title is on the first page only
  const std::string last = Text(pages - 1);
  EXPECT_TRUE(Has(last, "99")) << last;
  EXPECT_TRUE(Has(last, "Seite 25 von 26"));
  const std::string info = Text(pages);
  EXPECT_TRUE(Has(info, "Seite 26 von 26")) << info;
  EXPECT_TRUE(Has(info, "Hilfe")) << info;  // the info window's context

  // Every page is pictures only, without loss.
  std::vector<int> imagesPerPage(static_cast<std::size_t>(pages) + 1, 0);
  for (const testsupport::PdfImage& image : testsupport::PdfImages(pdf_)) {
    ASSERT_GE(image.page, 1);
    ASSERT_LE(image.page, pages);
    ++imagesPerPage[static_cast<std::size_t>(image.page)];
    EXPECT_EQ(image.encoding, "image");
  }
  for (int p = 1; p <= pages; ++p) EXPECT_GT(imagesPerPage[static_cast<std::size_t>(p)], 0) << "page " << p;

  // The first page rendered: three purple frames around the previews.
  const std::string png = temp_.path() + "/report.png";
  ASSERT_TRUE(testsupport::RenderPdfPage(pdf_, 1, 30, png));
  const QImage page(QString::fromStdString(png));
  int purpleRows = 0;
  bool inFrame = false;
  for (int y = 0; y < page.height(); ++y) {
    bool purple = false;
    for (int x = 0; x < page.width() && !purple; ++x) {
      const QRgb c = page.pixel(x, y);
      purple = qRed(c) > 100 && qGreen(c) < 40 && qBlue(c) > 100;
    }
    if (purple && !inFrame) ++purpleRows;
    inFrame = purple;
  }
  EXPECT_EQ(purpleRows, 3);
  SavePage(1, "ReportPage1");
  SavePage(2, "ReportPage2");
  SavePage(pages, "ReportInfoPage");
}

// The rows of a report page come from the data view as it shows them: the
// number, the preview at twice its size in its frame, the columns at three
// times theirs, the sub-frames captured on white.
TEST_F(Printing, ReportPageShowsTheDataViewsRows) {
  Open(2);
  printing::DeviceCaps caps;
  caps.logPixelsX = caps.logPixelsY = 300;
  caps.physicalWidth = caps.horzRes = 2480;
  caps.physicalHeight = caps.vertRes = 3508;
  auto canvas = printing::ui::PageCanvas::Create(caps);
  ASSERT_TRUE(canvas);
  printing::RasterDevice device(caps);
  int next = -1;
  ASSERT_EQ(printing::ui::PrintReportPage(*canvas, device, Daten(), QStringLiteral("Seite 1"), 0, {}, &next), 1);
  EXPECT_EQ(next, 0);
  const printing::ReportPagePlan plan =
      printing::PlanReportPage(canvas->Geometry(), {}, 0, 2, printing::ui::DataViewRowSizes(Daten()));
  ASSERT_EQ(plan.rows.size(), 2u);
  const QImage& bitmap = canvas->Image();
  const QImage& preview = Daten().RowImages[0]->Picture();
  const printing::DeviceRect r = plan.rows[0].preview;
  // Each preview pixel is a 2 x 2 block at 300 dpi.
  for (int y = 0; y < preview.height(); ++y)
    for (int x = 0; x < preview.width(); ++x)
      ASSERT_EQ(bitmap.pixel(r.left + 2 * x + 1, r.top + 2 * y + 1), preview.pixel(x, y)) << x << "," << y;
  EXPECT_EQ(bitmap.pixel(plan.rows[0].frame.left + 2, plan.rows[0].frame.top + 2), qRgb(128, 0, 128));
  // The layer column on white: its corner is white, not the data view's colour.
  const printing::DeviceRect layers = plan.rows[0].frames[0];
  EXPECT_EQ(bitmap.pixel(layers.right - 3, layers.top + 1), qRgb(255, 255, 255));
  EXPECT_EQ(Daten().RowLayers[0]->PanelEbene[0]->Color(), kRowColumnColour);  // put back
  // The page on the device: the bitmap stretched onto the margins, 1:1 here.
  const printing::PageGeometry& g = canvas->Geometry();
  EXPECT_EQ(device.Page().Pixel(g.left + plan.rows[0].frame.left + 2, g.top + plan.rows[0].frame.top + 2), 0x800080u);
}

TEST_F(Printing, ReportOfNoData) {
  // Without data the report button is off, Ctrl+Q does nothing.
  PressShortcut(Qt::Key_Q);
  EXPECT_EQ(printDialogs_, 0);
  // Called all the same, it prints the header and an empty title page.
  AcceptReportOptions([] { FormRapport->SpeedButtonInfo->click(); });
  Form_Main->PrintReport(true, true, true, true, true);
  EXPECT_EQ(testsupport::PdfPages(pdf_), 1);
  EXPECT_TRUE(Has(Text(1), "Seite 1"));
  EXPECT_FALSE(Has(Text(1), "von"));
}

// The report options decide the blocks and the info page: without the
// parameter column more rows fit on a page; Ctrl+Q takes the same way.
TEST_F(Printing, ReportOptionsChooseTheBlocks) {
  Open(10);
  AcceptReportOptions([] {
    FormRapport->SpeedButtonParameter->click();
    FormRapport->SpeedButtonInfo->click();
  });
  PressShortcut(Qt::Key_Q);
  EXPECT_EQ(testsupport::PdfPages(pdf_), 2);  // 5 rows of layers and notes on each page
  EXPECT_TRUE(Has(Text(2), "Seite 2 von 2"));
  EXPECT_TRUE(Has(Text(2), "10"));
}

TEST_F(Printing, CaptionsInTheUiLanguage) {
  apptest::InstallLanguageFiles(Form_Main->LanguageDir);
  ASSERT_EQ(FormSprache->SetLanguage(3), 1);
  Open(17);
  AcceptReportOptions();
  Daten().SpeedButtonRapport->click();
  ASSERT_EQ(testsupport::PdfPages(pdf_), 6);  // 5 pages of rows and the info page
  for (int p = 1; p <= 6; ++p) EXPECT_TRUE(Has(Text(p), "Pagina " + std::to_string(p) + " di 6")) << Text(p);

  PressShortcut(Qt::Key_P);
  EXPECT_TRUE(Has(Text(1), "Pagina 1"));
  EXPECT_FALSE(Has(Text(1), " di "));
  EXPECT_EQ(Form_Main->PageCaption(2, 5), QStringLiteral("Pagina 2 di 5"));
}

// Ctrl+P in the main window prints the page shown, titled after it.
TEST_F(Printing, MainWindowHardcopy) {
  Open(3);
  PressShortcut(Qt::Key_P);
  EXPECT_EQ(printDialogs_, 1);  // one key, one print
  ASSERT_EQ(testsupport::PdfPages(pdf_), 1);
  const std::string page = Text(1);
  EXPECT_TRUE(Has(page, "Daten")) << page;  // context and title: the data view
  EXPECT_TRUE(Has(page, "Seite 1")) << page;
  SavePage(1, "MainWindowHardcopy");
}

// The operator's way to a dialog and its Ctrl+P: the PC menu's "Sprache",
// and the help menu's "Info"; their pages carry the menu's caption.
TEST_F(Printing, DialogHardcopiesThroughTheMenus) {
  Form_Main->SpeedButtonPC->click();
  apptest::WhenModal([] {
    PressKey(FormSprache, Qt::Key_P, Qt::ControlModifier);
    PressKey(FormSprache, Qt::Key_Escape);
  });
  Form_Main->FrameMenuPC->SpeedButtonSprache->click();
  ASSERT_EQ(testsupport::PdfPages(pdf_), 1);
  EXPECT_TRUE(Has(Text(1), "PC")) << Text(1);
  EXPECT_TRUE(Has(Text(1), "Sprache")) << Text(1);
  SavePage(1, "SpracheHardcopy");

  std::filesystem::remove(pdf_);
  Form_Main->SpeedButtonHilfe->click();
  apptest::WhenModal([] {
    PressKey(FormInfo, Qt::Key_P, Qt::ControlModifier);
    PressKey(FormInfo, Qt::Key_Escape);
  });
  Form_Main->FrameMenuHilfe->SpeedButtonInfo->click();
  ASSERT_EQ(testsupport::PdfPages(pdf_), 1);
  EXPECT_TRUE(Has(Text(1), "Hilfe")) << Text(1);
  EXPECT_EQ(printDialogs_, 2);
}

// The data view's dialogs, each reached the operator's way: the paste
// dialog (edit menu), the report options (report button), the raw bitmap
// viewer ("R12") and the open and save slots (their menus). Ctrl+P prints
// one page of each, headed by the data page and the dialog's caption.
TEST_F(Printing, DataViewDialogHardcopies) {
  Open(2);
  const auto printed = [&](const std::string& caption) {
    ASSERT_EQ(testsupport::PdfPages(pdf_), 1) << caption;
    // pdftotext gives "ff" as its ligature.
    const std::string page = std::regex_replace(Text(1), std::regex("\xEF\xAC\x80"), "ff");
    EXPECT_TRUE(Has(page, "Daten")) << page;
    EXPECT_TRUE(Has(page, caption)) << caption << " in " << page;
    std::filesystem::remove(pdf_);
  };

  apptest::Click(Daten().RowImages[0]);
  Daten().SpeedButtonWerkzeug->click();
  Form_Main->FrameMenuBearbeiten->SpeedButtonKopieren->click();
  Daten().SpeedButtonWerkzeug->click();
  Form_Main->FrameMenuBearbeiten->SpeedButtonEinfuegenErweitert->click();
  ASSERT_TRUE(FormEinfuegen->isVisible());
  PressKey(FormEinfuegen, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printDialogs_, 1);
  printed("Einf");
  FormEinfuegen->close();

  apptest::WhenModal([] {
    PressKey(FormRapport, Qt::Key_P, Qt::ControlModifier);
    PressKey(FormRapport, Qt::Key_Escape);
  });
  Daten().SpeedButtonRapport->click();
  EXPECT_EQ(printDialogs_, 2);  // the hard copy only: "Abbrechen" ends the report
  printed("Rapport");

  FormBedienungsmodus->SetOperatingMode(3);
  Form_Main->SpeedButtonR12->click();
  ASSERT_TRUE(FormR12->isVisible());
  PressKey(FormR12->EditFileR12, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printDialogs_, 3);
  printed("R12");
  Form_Main->SpeedButtonR12->click();

  Daten().SpeedButtonOeffnen->click();
  apptest::WhenModal([] {
    EXPECT_EQ(QApplication::activeModalWidget(), FormOeffnen);
    PressKey(FormOeffnen, Qt::Key_P, Qt::ControlModifier);
    PressKey(FormOeffnen, Qt::Key_Escape);
  });
  Form_Main->FrameMenuOeffnen->SpeedButtonOeffnen->click();
  EXPECT_EQ(printDialogs_, 4);
  printed(FormOeffnen->windowTitle().trimmed().toStdString());

  // The save slots take the key in their name field too.
  Daten().SpeedButtonSpeichern->click();
  apptest::WhenModal([] {
    EXPECT_EQ(QApplication::activeModalWidget(), FormSpeichern);
    PressKey(FormSpeichern->EditEingabe, Qt::Key_P, Qt::ControlModifier);
    PressKey(FormSpeichern, Qt::Key_Escape);
  });
  Form_Main->FrameMenuSpeichern->SpeedButtonSpeichernUnter->click();
  EXPECT_EQ(printDialogs_, 5);
  printed(FormSpeichern->windowTitle().trimmed().toStdString());
}

// Ctrl+P in the printer's windows as the operator opens them from their
// tiles: a setting form and a service window, each on its own page.
TEST_F(Printing, PrinterWindowHardcopiesThroughTheirTiles) {
  FormEinstellenPC->UseSimulation = 1;
  TFramePrinter* view = Form_Main->FramePrinter;
  ASSERT_TRUE(apptest::PumpUntil([&] { return view->PanelGeraet->isEnabled(); }, 10));
  Daten().HidePage();
  view->ShowView();
  const std::pair<const TFramePrinter::Tile*, QWidget*> windows[] = {
      {&view->GeraetTyp, FormPrinterGeraetTyp}, {&view->DruckersteuerungVendrel, FormPrinterSteuerungVendrel}};
  for (const auto& [tile, window] : windows) {
    std::filesystem::remove(pdf_);
    apptest::WhenModal([window = window] {
      PressKey(window, Qt::Key_P, Qt::ControlModifier);
      PressKey(window, Qt::Key_Escape);
    });
    apptest::Click(tile->button);
    const std::string title = window->windowTitle().trimmed().toStdString();
    ASSERT_EQ(testsupport::PdfPages(pdf_), 1) << title;
    EXPECT_TRUE(Has(Text(1), title)) << Text(1);
    EXPECT_FALSE(window->isVisible()) << title;
  }
  EXPECT_EQ(printDialogs_, 2);  // one key, one print
  FormEinstellenPC->UseSimulation = 0;
  view->CloseView();
}

// Ctrl+Q on the printer page prints all printer settings: the main window,
// every setting and service window of the printer in their order, the info
// window. The print-mode form is printed with its expert panel; a form whose
// change the printer has not taken yet is printed as it stands, and its
// request stays.
TEST_F(Printing, PrinterSettingsHardcopyOnThePrinterPage) {
  // An option form with a change raised on a board of the test's own, which
  // the program's printer thread does not serve; it takes the page of the
  // program's option form for this test.
  TFormPrinterBedienteilOption* const programsForm = FormPrinterBedienteilOption;
  printerthread::RequestBoard board;
  auto option = std::make_unique<TFormPrinterBedienteilOption>(nullptr, board.PanelOption);
  option->RaiseRequest();
  FormPrinterGeraetDPI->PrepareForTile();
  Daten().HidePage();
  Form_Main->FramePrinter->show();
  PressShortcut(Qt::Key_Q);
  const int pages = static_cast<int>(printing::kSettingsHardcopyWindows.size());
  ASSERT_EQ(pages, 24);
  ASSERT_EQ(testsupport::PdfPages(pdf_), pages);
  EXPECT_TRUE(Has(Text(1), "Printer")) << Text(1);  // the printer page's title
  for (int page = 2; page < pages; ++page) {
    const QWidget* window =
        platform::FindSettingsPage(QString::fromLatin1(printing::kSettingsHardcopyWindows[page - 1])).window;
    ASSERT_TRUE(window) << page;
    EXPECT_TRUE(Has(Text(page), window->windowTitle().trimmed().toStdString())) << page << ": " << Text(page);
    EXPECT_TRUE(Has(Text(page), "Seite " + std::to_string(page) + " von 24")) << Text(page);
    EXPECT_FALSE(window->isVisible()) << page;
  }
  EXPECT_TRUE(Has(Text(pages), "Seite 24 von 24"));
  EXPECT_TRUE(Has(Text(pages), "Hilfe")) << Text(pages);  // the info window's context
  EXPECT_FALSE(FormPrinterGeraetDPI->PanelRechts->isHidden());
  EXPECT_TRUE(option->RequestPending());
  SavePage(6, "SettingsHardcopyPrintMode");
  SavePage(16, "SettingsHardcopyPanelOption");
  SavePage(23, "SettingsHardcopyRemoteControl");

  // The settings view's "Rapport" reaches it the same way.
  std::filesystem::remove(pdf_);
  apptest::Click(Form_Main->FramePrinter->SpeedButtonRapport);
  EXPECT_EQ(testsupport::PdfPages(pdf_), pages);
  EXPECT_EQ(printDialogs_, 2);
  Form_Main->FramePrinter->hide();
  Daten().ShowPage();
  option.reset();
  FormPrinterBedienteilOption = programsForm;
}

// Cancel in the abort dialog stops the report: no file is left.
TEST_F(Printing, CancelStopsTheReport) {
  Open(20);
  testsupport::WhenModalIs(AbortDialog, [] {
    EXPECT_EQ(QApplication::activeModalWidget(), AbortDialog);  // it alone takes input
    AbortDialog->btnCancel->click();
  });
  AcceptReportOptions();
  Daten().SpeedButtonRapport->click();
  EXPECT_EQ(Form_Main->Printing->LastOutcome(), printing::JobOutcome::Cancelled);
  EXPECT_FALSE(std::filesystem::exists(pdf_));
  for (const auto& e : std::filesystem::directory_iterator(temp_.path()))
    EXPECT_EQ(e.path().filename().string().rfind("Tarvik23.pdf", 0), std::string::npos) << e.path();
  EXPECT_FALSE(FormMessage->isVisible());
}

// A print that fails says so in the message window.
TEST_F(Printing, FailedPrintSaysSo) {
  pdf_ = temp_.path() + "/no such folder/Tarvik23.pdf";
  Open(1);
  QString shown;
  WhenItsLoopRuns(FormMessage, [&] {
    shown = FormMessage->PanelMain->Caption();
    FormMessage->SpeedButtonInformationOK->click();
  });
  PressShortcut(Qt::Key_P);
  EXPECT_EQ(shown, FormMessage->MsgDoneFailed);
}

}  // namespace
