// The PDF behind the print engine: bitmaps in and out of Qt's pictures,
// tiles that reach the file without loss, and documents that replace their
// file only when complete.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <filesystem>
#include <sys/stat.h>

#include "printing/DibPrintEngine.h"
#include "printing/ui/PrintDialog.h"
#include "printing/ui/PrinterDocument.h"
#include "printing/ui/QtDib.h"
#include "support/Command.h"
#include "support/PdfFile.h"
#include "support/TempDir.h"
#include "support/qt/Screenshot.h"

namespace {

using namespace printing;
using namespace printing::ui;

// A picture of many colours with sharp edges.
QImage Picture(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * y) & 0xFF, ((x / 7) ^ (y / 5)) * 40 & 0xFF));
  return image;
}

TEST(QtDib, PictureToBitmapAndBack) {
  const QImage picture = Picture(5, 7);
  auto dib = BitmapToDib(picture);
  ASSERT_TRUE(dib) << dib.error();
  EXPECT_EQ(dib->width, 5);
  EXPECT_EQ(dib->height, 7);
  const QImage back = DibToImage({dib->header, dib->pixels});
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);

  QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
  QImage fromIndexed = DibToImage({BitmapToDib(indexed)->header, BitmapToDib(indexed)->pixels});
  EXPECT_EQ(fromIndexed.convertToFormat(QImage::Format_RGB32), indexed.convertToFormat(QImage::Format_RGB32));

  EXPECT_FALSE(BitmapToDib(QImage()));
  EXPECT_TRUE(DibToImage({}).isNull());
}

class PdfPrinter : public ::testing::Test {
 protected:
  void SetUp() override {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setResolution(300);
    printer_.setOutputFileName(QString::fromStdString(pdf_));
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(temp_.path())) names.push_back(e.path().filename());
    return names;
  }
  testsupport::TempDir temp_;
  std::string pdf_ = temp_.path() + "/Tarvik23.pdf";
  QPrinter printer_{QPrinter::HighResolution};
};

// Each tile the engine sends lands in the PDF as a picture of its own,
// pixel for pixel and without loss.
TEST_F(PdfPrinter, TilesReachThePdfWithoutLoss) {
  const QImage picture = Picture(300, 200);
  auto dib = BitmapToDib(picture);
  ASSERT_TRUE(dib);
  PrinterDocument document(printer_);
  ASSERT_TRUE(document.BeginDoc());
  EngineOptions tiles;
  tiles.tileWidth = 128;
  tiles.tileHeight = 128;
  ASSERT_EQ(PrintDibOnPage(*document.Device(), 10, 10, 300, 200, dib->header, dib->pixels, tiles), kEnginePrinted);
  ASSERT_TRUE(document.EndDoc());

  EXPECT_EQ(testsupport::PdfPages(pdf_), 1);
  const std::vector<testsupport::PdfImage> images = testsupport::PdfImages(pdf_);
  ASSERT_EQ(images.size(), 6u);  // 3 columns (128, 128, 44) x 2 rows (128, 72)
  const std::string stem = temp_.path() + "/tile";
  ASSERT_EQ(testsupport::Run("pdfimages -png " + testsupport::Quote(pdf_) + " " + testsupport::Quote(stem)).exitCode,
            0);
  int n = 0;
  for (int top = 0; top < 200; top += 128)
    for (int left = 0; left < 300; left += 128, ++n) {
      char name[32];
      std::snprintf(name, sizeof name, "-%03d.png", n);
      const QImage tile(QString::fromStdString(stem + name));
      ASSERT_FALSE(tile.isNull()) << name;
      EXPECT_EQ(tile.convertToFormat(QImage::Format_RGB32),
                picture.copy(left, top, std::min(128, 300 - left), std::min(128, 200 - top)))
          << name;
    }
}

// The file is there only once the document ended; a document aborted, or
// one that fails, leaves nothing behind and an older file as it was.
TEST_F(PdfPrinter, FileReplacedOnlyWhenComplete) {
  {
    QFile old(QString::fromStdString(pdf_));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("older file");
  }
  PrinterDocument document(printer_);
  ASSERT_TRUE(document.BeginDoc());
  ASSERT_TRUE(document.NewPage());
  EXPECT_EQ(FolderEntries().size(), 2u);  // the older file and the one being written
  document.Abort();
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Tarvik23.pdf"});
  QFile old(QString::fromStdString(pdf_));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("older file"));
  EXPECT_EQ(printer_.outputFileName(), QString::fromStdString(pdf_));

  ASSERT_TRUE(document.BeginDoc());
  ASSERT_TRUE(document.NewPage());
  ASSERT_TRUE(document.EndDoc());
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Tarvik23.pdf"});
  EXPECT_EQ(testsupport::PdfPages(pdf_), 2);

  printer_.setOutputFileName(QString::fromStdString(temp_.path() + "/no such folder/x.pdf"));
  PrinterDocument nowhere(printer_);
  EXPECT_FALSE(nowhere.BeginDoc());
}

// Another account may read a printed file as it may any file the operator
// makes: a new PDF gets 0666 less the umask, a replaced one keeps its mode.
TEST_F(PdfPrinter, FileHasTheModeOfANewFileOrOfTheOneItReplaces) {
  const auto mode = [this] {
    struct stat st {};
    return ::stat(pdf_.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
  };
  const auto print = [this] {
    PrinterDocument document(printer_);
    return document.BeginDoc() && document.EndDoc();
  };
  struct RestoreUmask {
    mode_t old;
    ~RestoreUmask() { ::umask(old); }
  } restore{::umask(022)};
  ASSERT_TRUE(print());
  EXPECT_EQ(mode(), 0644u);
  ASSERT_EQ(::chmod(pdf_.c_str(), 0640), 0);
  ASSERT_TRUE(print());
  EXPECT_EQ(mode(), 0640u);
  std::filesystem::remove(pdf_);
  ::umask(002);
  ASSERT_TRUE(print());
  EXPECT_EQ(mode(), 0664u);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Tarvik23.pdf"});
}

}  // namespace

namespace {

// Qt's print dialog comes up for every print; without a printer set up it
// offers the PDF file in the user's documents. Its Cancel prints nothing.
TEST(PrintDialog, OffersThePdfFileWithoutPrinters) {
  ASSERT_TRUE(QPrinterInfo::availablePrinters().isEmpty()) << "this machine has printers set up";
  for (bool confirm : {false, true}) {
    QPrinter printer(QPrinter::HighResolution);
    QString title;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_TRUE(dialog);
      title = dialog->windowTitle();
      testsupport::SaveScreenshot(dialog, QStringLiteral("PrintDialog"));
      if (auto* d = qobject_cast<QDialog*>(dialog)) confirm ? d->accept() : d->reject();
    });
    EXPECT_EQ(printing::ui::RunPrintDialog(printer, nullptr), confirm);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), printing::ui::DefaultPdfFile());
  }
}

}  // namespace
