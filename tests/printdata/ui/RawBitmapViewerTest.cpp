// The raw bitmap viewer: the printer file set's raw bitmaps shown as their
// dots, damaged files refused, its keys, size and file dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>

#include "DataSetFixture.h"
#include "rendering/PreviewImages.h"
#include "rendering/TimeFormats.h"
#include "editor/WorkCopyRenderer.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "printdata/DownloadSet.h"
#include "printdata/RawBitmapFile.h"
#include "printdata/StaticLayer.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "support/FileBytes.h"

using dataviewtest::DataSets;
namespace fs = std::filesystem;

namespace {

class RawBitmapViewer : public DataSets {
 protected:
  void SetUp() override {
    DataSets::SetUp();
    viewer_ = new TFormR12(nullptr);
    viewer_->Connect(d, &sets);
  }
  void TearDown() override {
    delete viewer_;
    DataSets::TearDown();
  }

  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget* to = nullptr) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(to ? to : viewer_, &e);
  }
  const QImage& Shown() const { return viewer_->Image0->Picture(); }
  bool Black(int x, int y) const { return Shown().pixelColor(x, y) == QColor(Qt::black); }
  // Loads `path` through the field and the load button.
  void Load(const std::string& path) {
    viewer_->EditFileR12->setText(QString::fromStdString(path));
    viewer_->SpeedButtonLaden->click();
  }
  // Checks that the viewer shows the raw bitmap `bytes`, read bit by bit.
  void ExpectShows(const std::string& bytes) {
    const int columns = static_cast<int>(bytes.size() / 4);
    ASSERT_EQ(Shown().size(), QSize(columns, 26));
    for (int x = 0; x < columns; ++x) {
      for (int y = 0; y < 25; ++y) {
        const auto byte = static_cast<unsigned char>(bytes[static_cast<std::size_t>(4 * x + y / 8)]);
        ASSERT_EQ(Black(x, y), ((byte >> (y % 8)) & 1) != 0) << x << "," << y;
      }
      ASSERT_FALSE(Black(x, 25)) << x;
    }
  }

  TFormR12* viewer_ = nullptr;
};

}  // namespace

TEST_F(RawBitmapViewer, ShowsThePrinterFileSetAsItsDots) {
  // A text layer, a fixed time and a time the printer fills in itself,
  // whose glyphs go to T2.r23.
  auto group = std::make_unique<printdata::PrintGroup>();
  printdata::PrintText& t = group->Texts[0];
  t.Layers[0].Kind = printdata::kKindText;
  t.Layers[0].Text = "Eier 42";
  t.Layers[1].Kind = printdata::kKindTime;
  editor::ApplyTimeFormat(t, 1, 0);
  t.Layers[1].Interval = -1;
  t.Layers[1].PosX = 100;
  t.Layers[2].Kind = printdata::kKindTime;
  editor::ApplyTimeFormat(t, 2, 0);
  t.Layers[2].Interval = 30;
  t.Layers[2].PosX = 170;
  printdata::PrintText work;
  editor::PreviewImages images;
  editor::WorkCopyRenderer renderer(work, images);
  ASSERT_EQ(printdata::BuildDownloadSet(*group, 1, "Eier", sets.tmp, renderer), printdata::kBuildDone);
  const std::string folder = printdata::DownloadFolder(sets.tmp) + "001/";

  // BS.r23: a dot wherever a fixed layer draws black.
  Load(folder + "BS.r23");
  renderer.LoadAndRender(t);
  ASSERT_EQ(Shown().size(), QSize(180, 26));
  int dots = 0;
  for (int x = 0; x < 180; ++x)
    for (int y = 0; y < 26; ++y) {
      bool black = false;
      for (int n = 0; n < printdata::kLayerCount; ++n)
        if (printdata::IsStaticLayer(work, n) && renderer.LayerImage(n).Pixel(x, y) == platform::kBlack) black = true;
      EXPECT_EQ(Black(x, y), black) << x << "," << y;
      dots += black;
    }
  EXPECT_GT(dots, 50);
  EXPECT_TRUE(beeps_.empty());

  // Every raw bitmap of the set, read bit by bit.
  int files = 0;
  for (const auto& e : fs::recursive_directory_iterator(printdata::DownloadFolder(sets.tmp)))
    if (e.path().extension() == ".r23") {
      SCOPED_TRACE(e.path().string());
      Load(e.path().string());
      ExpectShows(testsupport::FileBytes(e.path().string()));
      ++files;
    }
  EXPECT_EQ(files, 2);  // BS.r23 and T2.r23
}

TEST_F(RawBitmapViewer, TrailingBytesAndUnusedBitsShowNothing) {
  const std::string file = sets.tmp + "Rest.r23";
  // Column 0 every bit, column 1 only the unused bits of byte 4, then three
  // bytes that make no column.
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string("\xFF\xFF\xFF\xFF\0\0\0\xFE\xFF\xFF\xFF", 11)));
  Load(file);
  ASSERT_EQ(Shown().size(), QSize(2, 26));
  for (int y = 0; y < 25; ++y) EXPECT_TRUE(Black(0, y)) << y;
  for (int y = 0; y < 26; ++y) EXPECT_FALSE(Black(1, y)) << y;
  EXPECT_FALSE(Black(0, 25));
}

TEST_F(RawBitmapViewer, FilesThatCannotBeShownLeaveItEmptyWithTheStopBeep) {
  const std::string good = sets.tmp + "Gut.r23", big = sets.tmp + "Gross.r23";
  ASSERT_TRUE(platform::WriteFileAtomic(good, std::string(8, '\x01')));
  ASSERT_TRUE(platform::WriteFileAtomic(big, ""));
  fs::resize_file(big, printdata::kMaxRawBitmapBytes + 4);
  for (const std::string& bad : {sets.tmp + "Fehlt.r23", big, sets.tmp, std::string("/dev/zero"), std::string()}) {
    SCOPED_TRACE(bad);
    Load(good);
    ASSERT_EQ(Shown().width(), 2);
    beeps_.clear();
    Load(bad);
    EXPECT_TRUE(Shown().isNull());
    EXPECT_EQ(beeps_, std::vector<platform::BeepKind>{platform::BeepKind::Stop});
    // The name stays for another try.
    EXPECT_EQ(viewer_->EditFileR12->text().toStdString(), bad);
  }
}

TEST_F(RawBitmapViewer, EnterAndEscCloseCtrlOLoadsAgain) {
  const std::string file = sets.tmp + "BS.r23";
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(4, '\x01')));
  viewer_->show();
  viewer_->EditFileR12->setText(QString::fromStdString(file));
  viewer_->EditFileR12->setFocus();
  Key(Qt::Key_O, Qt::ControlModifier, viewer_->EditFileR12);
  EXPECT_EQ(Shown().width(), 1);
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(12, '\x01')));
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Shown().width(), 3);
  // Enter in the field closes the viewer instead of loading.
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(20, '\x01')));
  Key(Qt::Key_Return, Qt::NoModifier, viewer_->EditFileR12);
  EXPECT_TRUE(viewer_->isHidden());
  EXPECT_EQ(Shown().width(), 3);
  viewer_->show();
  Key(Qt::Key_Escape);
  EXPECT_TRUE(viewer_->isHidden());
  viewer_->show();
  Key(Qt::Key_P, Qt::ControlModifier, viewer_->EditFileR12);
  Key(Qt::Key_F1, Qt::NoModifier, viewer_->EditFileR12);
  EXPECT_EQ(sets.hardcopyOf, viewer_);
  EXPECT_EQ(sets.userGuides, 1);
  // The field has no context menu.
  EXPECT_EQ(viewer_->EditFileR12->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(RawBitmapViewer, OpensAtTheTopOfTheMainWindowAndNeverBelowItsSmallestSize) {
  EXPECT_EQ(viewer_->windowTitle(), QStringLiteral(" R12"));
  EXPECT_TRUE(viewer_->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(viewer_->isModal());
  viewer_->show();
  // The first showing asks for 745 x 173; the smallest width holds.
  EXPECT_EQ(viewer_->size(), QSize(852, 173));
  const QRect f = viewer_->frameGeometry();
  EXPECT_EQ(f.top(), 50);
  EXPECT_EQ(f.left(), 100 + 500 - f.width() / 2);
  viewer_->resize(400, 50);
  EXPECT_EQ(viewer_->size(), QSize(852, 143));
  viewer_->resize(1200, 400);
  QApplication::processEvents();
  // The picture fills what is below the field, the field the top.
  EXPECT_EQ(viewer_->Image0->geometry(), QRect(0, 24, 1200, 376));
  EXPECT_EQ(viewer_->EditFileR12->width() + viewer_->PanelLaden->width(), 1200);
  // A picture keeps its proportions, centred.
  const std::string file = sets.tmp + "BS.r23";
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(4 * 100, '\x01')));
  Load(file);
  EXPECT_EQ(viewer_->Image0->PictureRect(), QRect(0, (376 - 312) / 2, 1200, 312));
}

TEST_F(RawBitmapViewer, ADoubleClickOnTheFieldChoosesAFileStartingInTmp) {
  const std::string file = sets.tmp + "BS.r23";
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(4 * 7, '\x01')));
  viewer_->show();
  menus.Bearbeiten->show();
  WhenModalIs(files_, [this] {
    EXPECT_TRUE(files_->windowTitle().startsWith(QStringLiteral(" Öffnen"))) << files_->windowTitle().toStdString();
    EXPECT_EQ(files_->CurrentPath() + "/", sets.tmp);
    EXPECT_FALSE(viewer_->isVisible());  // nothing on top of the dialog
    PickFile("BS.r23");
  });
  dataviewtest::DataPage::DoubleClick(viewer_->EditFileR12);
  EXPECT_TRUE(menus.Bearbeiten->isHidden());
  EXPECT_TRUE(viewer_->isVisible());
  EXPECT_EQ(viewer_->EditFileR12->text().toStdString(), file);
  EXPECT_EQ(Shown().width(), 7);
  EXPECT_TRUE(fs::is_directory(sets.tmp + "R12"));

  // Cancelled: nothing changes.
  WhenModalIs(files_, [this] { files_->SpeedButton_Abbrechen->click(); });
  dataviewtest::DataPage::DoubleClick(viewer_->EditFileR12);
  EXPECT_EQ(viewer_->EditFileR12->text().toStdString(), file);
  EXPECT_EQ(Shown().width(), 7);
}
