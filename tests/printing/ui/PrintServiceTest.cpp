// The print services to a PDF file, checked with poppler's tools: the
// window hard copy and the printer-settings hard copy with the windows that
// registered for it, the abort dialog's Cancel and a print that fails.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/Hardcopy.h"
#include "printing/ui/PrintService.h"
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

  bool ChoosePrinter(QPrinter& printer) override {
    ++dialogs;
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

}  // namespace
