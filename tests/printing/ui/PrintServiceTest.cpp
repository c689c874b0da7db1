// The print services to a PDF file, checked with poppler's tools: the
// window hard copy and the printer-settings hard copy with the windows that
// registered for it, the abort dialog's Cancel and a print that fails.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/qt/Hardcopy.h"
#include "printing/TextPages.h"
#include "printing/ui/PrintService.h"
#include "printing/ui/PrinterDevice.h"
#include "printing/ui/TextPage.h"
#include "printing/ui/TAbortDialog.h"
#include "support/FakeTime.h"
#include "support/PdfFile.h"
#include "support/TempDir.h"

namespace {

using namespace printing;
using namespace printing::ui;

class FakeHost final : public PrintHost {
 public:
  std::string pdf;
  int copies = 1;
  bool confirm = true;
  int language = 0;
  int dialogs = 0, closes = 0, failures = 0, errorSizes = 0;
  std::vector<QString> busy;
  std::function<void()> whilePrinting;
  // The range the dialog started on, and the one the operator leaves it on
  // (none: as it started).
  QPrinter::PrintRange presetRange = QPrinter::AllPages;
  std::optional<QPrinter::PrintRange> chosenRange;

  bool ChoosePrinter(QPrinter& printer) override {
    ++dialogs;
    presetRange = printer.printRange();
    if (chosenRange) printer.setPrintRange(*chosenRange);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setCopyCount(copies);
    return confirm;
  }
  void ShowBusy(const QString& text) override {
    busy.push_back(text);
    if (whilePrinting) whilePrinting();
  }
  void CloseBusy() override { ++closes; }
  QString RunningText() const override { return QStringLiteral("Wird ausgeführt..."); }
  void ShowFailure() override { ++failures; }
  int LanguageId() const override { return language; }
  void ShowErrorSize() override { ++errorSizes; }
  WindowPageTexts TextsFor(QWidget* window) const override {
    return {QStringLiteral("Kontext"), window->windowTitle()};
  }
};

// A window that counts how often it was shown.
class Form : public QWidget {
 public:
  Form(const char* name, const QString& title) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    resize(320, 200);
    auto* label = new QLabel(QStringLiteral("Wert: 42"), this);
    label->move(20, 20);
  }
  int shows = 0;

 protected:
  void showEvent(QShowEvent*) override { ++shows; }
};

class PrintServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { host_.pdf = temp_.path() + "/Tarvik23.pdf"; }
  void TearDown() override { delete AbortDialog; }

  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(temp_.path())) names.push_back(e.path().filename());
    return names;
  }

  testsupport::TempDir temp_;
  testsupport::ScopedFakeTime time_;
  FakeHost host_;
  PrintService service_{host_};
};

TEST_F(PrintServiceTest, HardcopyOfAWindowIsOnePage) {
  new TAbortDialog(nullptr);
  Form form("FormSprache", QStringLiteral(" Sprache"));
  form.show();
  service_.PrintFormHardcopy(&form);
  ASSERT_EQ(service_.LastOutcome(), JobOutcome::Printed);
  EXPECT_EQ(testsupport::PdfPages(host_.pdf), 1);
  const std::string text = testsupport::PdfText(host_.pdf);
  for (const char* expected : {"Osmek AG", "Tarvik23", "Kontext", "Sprache", "Seite 1"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in " << text;
  EXPECT_EQ(text.find("von"), std::string::npos);  // one page: no total
  for (const testsupport::PdfImage& image : testsupport::PdfImages(host_.pdf)) {
    EXPECT_EQ(image.page, 1);
    EXPECT_EQ(image.encoding, "image");  // without loss
  }
  EXPECT_EQ(host_.busy.front(), QStringLiteral("Wird ausgeführt..."));
  EXPECT_EQ(host_.busy.back(), QStringLiteral("Wird ausgeführt... 100 %"));
  EXPECT_EQ(host_.closes, 1);
  EXPECT_EQ(host_.failures, 0);
  EXPECT_EQ(form.shows, 1);  // a visible window is pictured as it stands
  EXPECT_FALSE(AbortDialog->isVisible());

  // The page: the purple frame around the window, centred under the title.
  const std::string png = temp_.path() + "/page.png";
  ASSERT_TRUE(testsupport::RenderPdfPage(host_.pdf, 1, 75, png));
  const QImage page(QString::fromStdString(png));
  ASSERT_FALSE(page.isNull());
  if (const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR"))
    page.save(QString::fromLocal8Bit(dir) + QStringLiteral("/HardcopyPage.png"));
  int purple = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixel(x, y) == qRgb(128, 0, 128)) ++purple;
  EXPECT_GT(purple, 200);
}

// The settings hard copy prints the main window, the registered printer
// windows in their order and the info window, numbered through. A hidden
// window is shown for its picture and closed, unless it holds a change the
// printer has not taken yet.
TEST_F(PrintServiceTest, SettingsHardcopyPrintsTheRegisteredWindows) {
  Form main("Form_Main", QStringLiteral(" Tarvik23 - Osmek AG"));
  Form info("FormInfo", QStringLiteral(" Info"));
  Form typ("FormPrinterGeraetTyp", QStringLiteral(" Typ"));
  Form dpi("FormPrinterGeraetDPI", QStringLiteral(" Druckmodus"));
  Form counter("FormPrinterSteuerungCounter", QStringLiteral(" Zähler"));
  int expertPanels = 0;
  platform::RegisterSettingsPage(&typ);
  platform::RegisterSettingsPage(&dpi, {[&] { ++expertPanels; }, {}});
  platform::RegisterSettingsPage(&counter, {{}, [] { return true; }});
  main.show();

  service_.PrintPrinterSettings(&main, &info);
  ASSERT_EQ(service_.LastOutcome(), JobOutcome::Printed);
  EXPECT_EQ(testsupport::PdfPages(host_.pdf), 5);
  const char* titles[] = {"Tarvik23 - Osmek AG", "Typ", "Druckmodus", "Zähler", "Info"};
  for (int page = 1; page <= 5; ++page) {
    const std::string text = testsupport::PdfText(host_.pdf, page);
    EXPECT_NE(text.find("Seite " + std::to_string(page) + " von 5"), std::string::npos) << text;
    EXPECT_NE(text.find(titles[page - 1]), std::string::npos) << text;
  }
  EXPECT_EQ(expertPanels, 1);
  EXPECT_EQ(typ.shows, 1);
  EXPECT_FALSE(typ.isVisible());
  EXPECT_EQ(counter.shows, 0);
  EXPECT_EQ(info.shows, 1);
  EXPECT_EQ(main.shows, 1);  // only the show of the test itself
}

TEST_F(PrintServiceTest, PageCaptionsInTheUiLanguage) {
  host_.language = 4;
  Form main("Form_Main", QStringLiteral("Main"));
  Form info("FormInfo", QStringLiteral("Info"));
  service_.PrintPrinterSettings(&main, &info);
  EXPECT_NE(testsupport::PdfText(host_.pdf, 2).find("Página 2 de 2"), std::string::npos);
}

// Cancel in the abort dialog stops the print: the document is discarded,
// no file is left and an older file stays as it was.
TEST_F(PrintServiceTest, CancelLeavesNoFileBehind) {
  new TAbortDialog(nullptr);
  {
    QFile old(QString::fromStdString(host_.pdf));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("older file");
  }
  Form main("Form_Main", QStringLiteral("Main"));
  Form info("FormInfo", QStringLiteral("Info"));
  // The operator presses Cancel once the first page is in the file.
  bool written = false;
  host_.whilePrinting = [&] {
    if (host_.busy.size() != 3) return;
    written = FolderEntries().size() == 2;  // the older file and the one being written
    QTimer::singleShot(0, AbortDialog->btnCancel, &QPushButton::click);
  };
  service_.PrintPrinterSettings(&main, &info);
  EXPECT_EQ(service_.LastOutcome(), JobOutcome::Cancelled);
  EXPECT_TRUE(written);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Tarvik23.pdf"});
  QFile old(QString::fromStdString(host_.pdf));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("older file"));
  EXPECT_EQ(host_.failures, 0);  // stopped, not failed
  EXPECT_EQ(time_->TotalSlept(), 0u);  // no closing 100 % pause
  EXPECT_EQ(host_.closes, 1);
  EXPECT_FALSE(AbortDialog->isVisible());
}

// A print that cannot be written says so.
TEST_F(PrintServiceTest, FailedPrintSaysSo) {
  host_.pdf = temp_.path() + "/no such folder/Tarvik23.pdf";
  Form form("FormInfo", QStringLiteral("Info"));
  service_.PrintFormHardcopy(&form);
  EXPECT_EQ(service_.LastOutcome(), JobOutcome::Failed);
  EXPECT_EQ(host_.failures, 1);
  EXPECT_EQ(host_.closes, 1);
}

TEST_F(PrintServiceTest, CancelledPrintDialogPrintsNothing) {
  host_.confirm = false;
  Form form("FormInfo", QStringLiteral("Info"));
  service_.PrintFormHardcopy(&form);
  EXPECT_EQ(host_.dialogs, 1);
  EXPECT_TRUE(host_.busy.empty());
  EXPECT_EQ(host_.closes, 1);
  EXPECT_EQ(host_.failures, 0);
  EXPECT_TRUE(FolderEntries().empty());
}

// A print asked for while one runs (a key pressed meanwhile) is refused.
TEST_F(PrintServiceTest, NoPrintInsideAPrint) {
  Form form("FormInfo", QStringLiteral("Info"));
  host_.whilePrinting = [&] {
    if (host_.busy.size() == 1) {
      EXPECT_TRUE(service_.Running());
      service_.PrintFormHardcopy(&form);
    }
  };
  service_.PrintFormHardcopy(&form);
  EXPECT_EQ(host_.dialogs, 1);
  EXPECT_EQ(service_.LastOutcome(), JobOutcome::Printed);
  EXPECT_FALSE(service_.Running());
}

// ---- plain text ----

QStringList Numbered(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines.push_back(QStringLiteral("Zeile%1=Wert").arg(i));
  return lines;
}

bool Has(const std::string& text, const QString& word) { return text.find(word.toStdString()) != std::string::npos; }

// With lines selected the dialog starts on "selection": left there, only
// those lines are printed; switched to "all", every line is. Without a
// selection the dialog starts on "all".
TEST_F(PrintServiceTest, TextPrintsTheSelectionOnlyWhenItIsChosen) {
  const QStringList lines = Numbered(8);
  const QStringList selected = {lines[2], lines[3], lines[4]};
  struct Case {
    QStringList selected;
    std::optional<QPrinter::PrintRange> chosen;
    QPrinter::PrintRange preset;
    std::vector<int> printed;  // line numbers from 1
  };
  const Case cases[] = {
      {selected, std::nullopt, QPrinter::Selection, {3, 4, 5}},
      {selected, QPrinter::AllPages, QPrinter::Selection, {1, 2, 3, 4, 5, 6, 7, 8}},
      {{}, std::nullopt, QPrinter::AllPages, {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const Case& c : cases) {
    host_.chosenRange = c.chosen;
    service_.PrintTextLines(QStringLiteral("KONFIG.SYS23"), lines, c.selected);
    ASSERT_EQ(service_.LastOutcome(), JobOutcome::Printed);
    EXPECT_EQ(host_.presetRange, c.preset);
    const std::string text = testsupport::PdfText(host_.pdf);
    for (int n = 1; n <= 8; ++n) {
      const bool expected = std::find(c.printed.begin(), c.printed.end(), n) != c.printed.end();
      EXPECT_EQ(Has(text, lines[n - 1] + QLatin1Char('\n')), expected) << n << " in " << text;
    }
    EXPECT_EQ(testsupport::PdfTitle(host_.pdf), "KONFIG.SYS23");
  }
  // The other prints are not offered a selection afterwards.
  Form form("FormInfo", QStringLiteral("Info"));
  service_.PrintFormHardcopy(&form);
  EXPECT_EQ(host_.presetRange, QPrinter::AllPages);
  EXPECT_EQ(testsupport::PdfTitle(host_.pdf), "Tarvik23");
}

// A text longer than a page goes on over the next pages; a line wider than
// the box goes on in the next printed line; all in 8-point Courier inside
// 20 mm margins.
TEST_F(PrintServiceTest, TextFillsPagesInsideItsMargins) {
  QStringList lines = Numbered(150);
  const QString wide = QString(140, QLatin1Char('A')) + QStringLiteral("ENDE");
  lines.insert(0, wide);
  service_.PrintTextLines(QString(), lines);
  ASSERT_EQ(service_.LastOutcome(), JobOutcome::Printed);
  EXPECT_EQ(testsupport::PdfTitle(host_.pdf), "");

  // The page's measures, as the print laid it out.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(300);
  auto canvas = PageCanvas::Create(CapsOf(printer), TextPageGeometryAt);
  ASSERT_TRUE(canvas);
  const QFont font = TextPrintFont(canvas->Geometry().r);
  EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
  const TextMeasure measure = MeasureText(*canvas, font);
  // 8 points of Courier: 0.6 x 8 / 72 inch wide, at 300 pixels per inch.
  EXPECT_NEAR(measure.charsPerLine, canvas->Geometry().width / 20, 2);
  const int pages = (151 + (wide.size() + measure.charsPerLine - 1) / measure.charsPerLine - 1 +
                     measure.linesPerPage - 1) / measure.linesPerPage;
  ASSERT_GE(pages, 2);
  EXPECT_EQ(testsupport::PdfPages(host_.pdf), pages);
  const std::string all = testsupport::PdfText(host_.pdf);
  EXPECT_TRUE(Has(all, QStringLiteral("Zeile150=Wert")));
  EXPECT_TRUE(Has(all, QStringLiteral("AENDE")) || Has(all, QStringLiteral("ENDE")));
  EXPECT_FALSE(Has(testsupport::PdfText(host_.pdf, 1), QStringLiteral("Zeile150=")));

  // The ink stays inside the margins: 20 of the printer's whole
  // millimetres (11 pixels each at 300 pixels per inch) from the edges of
  // its printable area.
  const std::string png = temp_.path() + "/text.png";
  ASSERT_TRUE(testsupport::RenderPdfPage(host_.pdf, 1, 150, png));
  const QImage page(QString::fromStdString(png));
  ASSERT_FALSE(page.isNull());
  QRect ink;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());
  const DeviceCaps caps = CapsOf(printer);
  ASSERT_EQ(caps.logPixelsX, 300);
  const int margin = 20 * 11;
  const auto at150 = [](int pixels300) { return pixels300 / 2; };
  const QRect box(QPoint(at150(caps.physicalOffsetX + margin), at150(caps.physicalOffsetY + margin)),
                  QPoint(at150(caps.physicalOffsetX + caps.horzRes - margin), at150(caps.physicalOffsetY + caps.vertRes - margin)));
  EXPECT_TRUE(box.contains(ink)) << ink.left() << "," << ink.top() << " " << ink.right() << "," << ink.bottom();
  // The first line starts at the box's corner, the wide one reaches within
  // two characters (10 pixels each here) of its right edge.
  EXPECT_LE(ink.left() - box.left(), 3);
  EXPECT_LE(ink.top() - box.top(), 10);
  EXPECT_GE(ink.right(), box.right() - 20);
}

// A text print that cannot be written ends in silence.
TEST_F(PrintServiceTest, FailedTextPrintSaysNothing) {
  host_.pdf = temp_.path() + "/no such folder/Tarvik23.pdf";
  service_.PrintTextLines(QStringLiteral("x.sys23"), Numbered(3));
  EXPECT_EQ(service_.LastOutcome(), JobOutcome::Failed);
  EXPECT_EQ(host_.failures, 0);
  EXPECT_EQ(host_.closes, 1);
  EXPECT_TRUE(FolderEntries().empty());
}

// Copies to a file all end in that file, each copy's pages in turn (a
// second document would replace the first); the copy count the operator
// chose stays for the next print.
TEST_F(PrintServiceTest, EveryCopyEndsInTheOneFile) {
  Form form("FormSprache", QStringLiteral(" Sprache"));
  Form main("Form_Main", QStringLiteral("Main"));
  Form info("FormInfo", QStringLiteral("Info"));
  struct Case {
    const char* what;
    std::function<void()> print;
  };
  const Case cases[] = {
      {"hard copy", [&] { service_.PrintFormHardcopy(&form); }},
      {"settings", [&] { service_.PrintPrinterSettings(&main, &info); }},
      {"text", [&] { service_.PrintTextLines(QStringLiteral("t.txt"), Numbered(150)); }},
  };
  for (const Case& c : cases) {
    int pagesPerCopy = 0;
    for (int copies : {1, 2, 3}) {
      host_.copies = copies;
      c.print();
      ASSERT_EQ(service_.LastOutcome(), JobOutcome::Printed) << c.what;
      if (copies == 1) pagesPerCopy = testsupport::PdfPages(host_.pdf);
      EXPECT_EQ(testsupport::PdfPages(host_.pdf), copies * pagesPerCopy) << c.what << ", " << copies;
      EXPECT_EQ(service_.Printer().copyCount(), copies);
      EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Tarvik23.pdf"});
    }
  }
  // The second copy repeats the first page by page.
  host_.copies = 2;
  service_.PrintPrinterSettings(&main, &info);
  EXPECT_NE(testsupport::PdfText(host_.pdf, 3).find("Seite 1 von 2"), std::string::npos);
  EXPECT_NE(testsupport::PdfText(host_.pdf, 4).find("Seite 2 von 2"), std::string::npos);
}

}  // namespace
