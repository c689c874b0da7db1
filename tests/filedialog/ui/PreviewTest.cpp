#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

#include "DialogFixture.h"
#include "filedialog/PictureFiles.h"
#include "filedialog/ui/PreviewImage.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Panel.h"

using namespace filedialog;

namespace {

class Preview : public fdtest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    auto red = [](int, int) { return 0x0000FFu; };
    auto blue = [](int, int) { return 0xFF0000u; };
    Write("pics/a_FOTO.JPG", fdtest::MakeJpeg({40, 20, false, false, false, 90}, red));
    Write("pics/b_breit.bmp", fdtest::Bmp24(900, 300, blue));
    Write("pics/c_notiz.txt", "text");
    Write("pics/d_kaputt.bmp", fdtest::Bmp24(10, 10, blue).substr(0, 60));
    Write("pics/e_foto.jfif", Read("pics/a_FOTO.JPG"));
    std::string huge = fdtest::Bmp24(2, 2, blue);
    huge[18] = huge[22] = '\x00';
    huge[19] = huge[23] = '\x00';
    huge[20] = huge[24] = '\x01';  // 65536 x 65536
    Write("pics/f_riesig.bmp", huge);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    ASSERT_TRUE(icon.save(QString::fromStdString(Path("pics/g_symbol.ico")), "ico"));
    const std::string emf = fdtest::SampleFile("rectangles.emf"), wmf = fdtest::SampleFile("rectangles.wmf");
    Write("pics/h_zeichnung.emf", emf);
    Write("pics/i_zeichnung.WMF", wmf);
    Write("pics/j_kaputt.emf", emf.substr(0, emf.size() / 2));
    Write("pics/k_kaputt.wmf", wmf.substr(0, wmf.size() / 2));
    // The compressed metafiles have no reader, whatever they hold.
    Write("pics/l_gepackt.emz", emf);
    Write("pics/m_gepackt.wmz", wmf);
    dialog_->SetHomeEntry(0, QStringLiteral("Bilder"), Path("pics"), Path("pics"));
    dialog_->SetHomeEntry(1, QString(), "", "");
    dialog_->ClearShownExtensions();
    dialog_->ClearExtraExtensions();
    dialog_->ClearHiddenExtensions();
    dialog_->Setup(QStringLiteral("Bild"), "*", 0x60, -1, 0x3FF7F, kModeOpen, "", 0);
    dialog_->show();
  }
  void TearDown() override {
    dialog_->hide();
    DialogFixture::TearDown();
  }
  bool ThumbnailShown() const {
    return dialog_->SpeedButton_Vorschau->isVisible() && dialog_->Image_Vorschau->isVisible();
  }
  // A turn of the wheel over the large picture: nothing on the way takes it,
  // so it reaches the window (sent there, because Qt passes only the
  // system's own wheel events on to parents).
  void Wheel(bool down) {
    QWidget* target = dialog_;
    QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, down ? -120 : 120),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
  }
};

}  // namespace

TEST_F(Preview, ThumbnailForPicturesOnly) {
  struct Case {
    const char* caption;
    bool shown;
  };
  const Case cases[] = {{"a_FOTO.jpg", true},     {"b_breit.bmp", true},  {"c_notiz.txt", false},
                        {"d_kaputt.bmp", false},  {"e_foto.jfif", false}, {"f_riesig.bmp", false},
                        {"g_symbol.ico", true},   {"h_zeichnung.emf", true}, {"i_zeichnung.wmf", true},
                        {"j_kaputt.emf", false},  {"k_kaputt.wmf", false},   {"l_gepackt.emz", false},
                        {"m_gepackt.wmz", false}};
  for (const Case& c : cases) {
    Select(c.caption);
    EXPECT_EQ(ThumbnailShown(), c.shown) << c.caption;
  }
  EXPECT_TRUE(errors_.empty());
  Select("a_FOTO.jpg");
  EXPECT_EQ(dialog_->CheckBox_Size->text(), QStringLiteral("40x20"));
  // Metafiles at their frame's size on a 96 dpi screen.
  Select("h_zeichnung.emf");
  EXPECT_EQ(dialog_->CheckBox_Size->text(), QStringLiteral("200x102"));
  Select("i_zeichnung.wmf");
  EXPECT_EQ(dialog_->CheckBox_Size->text(), QStringLiteral("200x100"));
  EXPECT_EQ(dialog_->Image_VorschauGross->Picture().size(), QSize(200, 100));
}

TEST_F(Preview, LargePreviewPagesThroughTheFolder) {
  dialog_->SpeedButton_Report->click();
  Select("a_FOTO.jpg");
  dialog_->SpeedButton_Vorschau->click();
  EXPECT_TRUE(dialog_->Panel_Vorschau->isVisible());
  EXPECT_FALSE(ThumbnailShown());
  EXPECT_FALSE(dialog_->Panel_Oben->isEnabled());
  EXPECT_TRUE(dialog_->CheckBox_Size->isChecked());
  EXPECT_EQ(dialog_->Panel_Vorschau->Color(), 0xC0C0C0u);  // the name field's colour in open mode
  EXPECT_EQ(dialog_->Image_VorschauGross->PictureRect().size(), QSize(40, 20));

  Wheel(true);
  EXPECT_EQ(NameField(), QStringLiteral("b_breit.bmp"));
  EXPECT_EQ(dialog_->CheckBox_Size->text(), QStringLiteral("900x300"));
  EXPECT_EQ(dialog_->Image_VorschauGross->Picture().size(), QSize(900, 300));
  // At its own size it is centred (and cut at the panel's edges).
  const QRect own = dialog_->Image_VorschauGross->PictureRect();
  EXPECT_EQ(own.center(), dialog_->Image_VorschauGross->rect().center());
  // Fitted: inside the panel, proportions kept.
  dialog_->CheckBox_Size->click();
  const QRect fitted = dialog_->Image_VorschauGross->PictureRect();
  EXPECT_TRUE(dialog_->Image_VorschauGross->rect().contains(fitted));
  EXPECT_NEAR(double(fitted.width()) / fitted.height(), 3.0, 0.05);
  dialog_->CheckBox_Size->click();

  Wheel(true);  // a text file: the last picture stays
  EXPECT_EQ(NameField(), QStringLiteral("c_notiz.txt"));
  EXPECT_EQ(dialog_->CheckBox_Size->text(), QStringLiteral("900x300"));
  EXPECT_TRUE(dialog_->Panel_Vorschau->isVisible());
  Wheel(false);
  Wheel(false);
  EXPECT_EQ(NameField(), QStringLiteral("a_FOTO.jpg"));
  Wheel(false);  // the first row: no further
  EXPECT_EQ(NameField(), QStringLiteral("a_FOTO.jpg"));

  // Keys of the list are ignored, and the dialog does not close, while the
  // preview is open; a click on the picture closes it.
  Key(Qt::Key_Escape);
  dialog_->close();
  EXPECT_TRUE(dialog_->isVisible());
  dialog_->SpeedButton_Icons->setChecked(true);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), dialog_->Image_VorschauGross->mapToGlobal(QPointF(3, 3)),
                    Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(dialog_->Image_VorschauGross, &press);
  EXPECT_FALSE(dialog_->Panel_Vorschau->isVisible());
  EXPECT_TRUE(ThumbnailShown());
  EXPECT_TRUE(dialog_->Panel_Oben->isEnabled());
  EXPECT_EQ(dialog_->lstvwVirtualList->ViewStyle(), VirtualListView::vsIcon);
}

TEST_F(Preview, OkClosesThePreviewFirst) {
  Select("a_FOTO.jpg");
  EXPECT_EQ(RunModal([&] {
              Select("a_FOTO.jpg");
              dialog_->SpeedButton_Vorschau->click();
              dialog_->SpeedButton_OKClick();
            }),
            1);
  EXPECT_FALSE(dialog_->Panel_Vorschau->isVisible());
  EXPECT_EQ(dialog_->GetFileName(), Path("pics/a_FOTO.JPG"));
}
