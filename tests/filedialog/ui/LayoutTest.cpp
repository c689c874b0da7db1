#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QToolButton>
#include <cstdlib>

#include "DialogFixture.h"
#include "filedialog/PictureFiles.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "zip/ui/TFolderPickerDialog.h"
#include "support/qt/Screenshot.h"

namespace {

// Where screenshots go when TARVIK_SCREENSHOT_DIR names a folder: for looking
// at the windows under a real X server (xvfb-run).
void Shoot(QWidget* w, const char* name) { testsupport::SaveScreenshot(w, QLatin1String(name)); }

// Every visible child lies inside its parent, and visible siblings do not
// overlap (but for those that lie on another on purpose).
void ExpectTidy(QWidget* parent, const std::vector<std::pair<QString, QString>>& allowedOverlaps = {}) {
  const auto children = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  for (QWidget* c : children) {
    if (!c->isVisible() || c->isWindow()) continue;
    EXPECT_TRUE(parent->rect().contains(c->geometry())) << c->objectName().toStdString() << " leaves "
                                                        << parent->objectName().toStdString();
    for (QWidget* d : children) {
      if (d == c || !d->isVisible() || d->isWindow() || c->objectName().isEmpty() || d->objectName().isEmpty()) continue;
      bool allowed = false;
      for (const auto& [a, b] : allowedOverlaps)
        allowed |= (a == c->objectName() && b == d->objectName()) || (b == c->objectName() && a == d->objectName());
      if (!allowed) {
        EXPECT_FALSE(c->geometry().intersects(d->geometry()))
            << c->objectName().toStdString() << " overlaps " << d->objectName().toStdString();
      }
    }
  }
}

class Layout : public fdtest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    for (const char* f : {"Archiv 2023", "Kunden", "Muster"}) Folder(std::string("data/") + f);
    for (const char* f : {"Eier Grossverteiler.zg23", "Frischei Aktion.zg23", "Bio Hof.zg23", "Standard.zg23", "TEST.ZG23"})
      Write(std::string("data/") + f, std::string(1234, 'x'));
    Write("data/Logo.bmp", fdtest::Bmp24(120, 40, [](int x, int y) { return (x / 10 + y / 10) % 2 ? 0x2060C0u : 0xF0F0F0u; }));
  }
  void ShowDialog() {
    dialog_->SetHomeEntry(0, QStringLiteral("Tarvik23"), Path("data"), Path("data"));
    dialog_->SetHomeEntry(1, QString(), "", "");
    dialog_->SetBrowseEntry(0, QStringLiteral("Tarvik23"), Path("data"), Path("data"));
    dialog_->SetBrowseEntry(1, QString(), "", "");
    dialog_->ClearShownExtensions();
    dialog_->ClearExtraExtensions();
    dialog_->SetExtraExtension(0, "bmp");
    dialog_->ClearHiddenExtensions();
    dialog_->Setup(QStringLiteral("Daten öffnen"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
    dialog_->SetClipboardFolder(Path("tmp/ZG12"));
    dialog_->show();
    QApplication::processEvents();
  }
  void ExpectWholeDialogTidy() {
    ExpectTidy(dialog_);
    ExpectTidy(dialog_->Panel_Oben);
    ExpectTidy(dialog_->Panel_Mitte, {{"lstvwVirtualList", "Panel_Vorschau"}});
    ExpectTidy(dialog_->Panel_Unten, {{"SpeedButton_Vorschau", "Image_Vorschau"}});
    // The name field's label is not cut off.
    EXPECT_GE(dialog_->Label_FileName->width(),
              dialog_->Label_FileName->fontMetrics().horizontalAdvance(dialog_->Label_FileName->text()));
    // The OK and cancel captions fit their buttons.
    for (platform::SpeedButton* b : {dialog_->SpeedButton_OK, dialog_->SpeedButton_Abbrechen})
      EXPECT_LT(b->fontMetrics().horizontalAdvance(b->Caption()), b->width() - 4) << b->Caption().toStdString();
  }
};

}  // namespace

TEST_F(Layout, NothingIsCutOffOrOverlapsAtTheMinimumSize) {
  ShowDialog();
  EXPECT_EQ(dialog_->size(), QSize(632, 453));
  const struct {
    QToolButton* button;
    const char* name;
  } views[] = {{dialog_->SpeedButton_List, "filedialog_list"},
               {dialog_->SpeedButton_Report, "filedialog_details"},
               {dialog_->SpeedButton_Icons, "filedialog_icons"}};
  for (const auto& v : views) {
    v.button->click();
    Select("Standard.zg23");
    ExpectWholeDialogTidy();
    Shoot(dialog_, v.name);
  }
  dialog_->SpeedButton_List->click();
  Select("Logo.bmp");
  EXPECT_TRUE(dialog_->SpeedButton_Vorschau->isVisible());
  ExpectWholeDialogTidy();
  Shoot(dialog_, "filedialog_thumbnail");
  dialog_->SpeedButton_Vorschau->click();
  ExpectWholeDialogTidy();
  Shoot(dialog_, "filedialog_preview");
  dialog_->ClosePreviewPanel();

  // The details columns start at their widths.
  dialog_->SpeedButton_Report->click();
  const int widths[] = {318, 100, 210, 140, 70};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(dialog_->lstvwVirtualList->ColumnWidth(c), widths[c]);
  // The window cannot be made smaller than its minimum.
  dialog_->resize(300, 200);
  EXPECT_EQ(dialog_->size(), QSize(632, 453));
  dialog_->hide();
}

TEST_F(Layout, SaveModeAndEnglishTextsStayTidy) {
  dialog_->DialogTexts = {QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("Cancel"),
                          QStringLiteral("New folder"), QStringLiteral("Folder name:"), QStringLiteral("New folder"),
                          QStringLiteral("Rename"), QStringLiteral("New name:")};
  dialog_->Label_FileName->setText(QStringLiteral("File name:"));
  dialog_->SetHomeEntry(0, QStringLiteral("Tarvik23"), Path("data"), Path("data"));
  dialog_->SetHomeEntry(1, QString(), "", "");
  dialog_->Setup(QStringLiteral("Save"), "zg23", 0x60, -1, 0x3FF7F, 1, "Neue Daten", 0);
  dialog_->show();
  QApplication::processEvents();
  ExpectWholeDialogTidy();
  Shoot(dialog_, "filedialog_save");
  dialog_->hide();
}

TEST_F(Layout, FolderPickerIsTidy) {
  Folder("data/Kunden/Nord/Aussendienst/Region 4/Belege");
  TFolderPickerDialog picker;
  picker.RootPath = Path("data");
  picker.Folder = Path("data/Kunden/Nord/Aussendienst/Region 4/Belege");
  picker.OnInitialized = [](TFolderPickerDialog*, QDialog* browser) {
    fdtest::WhenModal([browser] {
      QApplication::processEvents();
      ExpectTidy(browser);
      auto* status = browser->findChild<QLabel*>(QStringLiteral("LabelStatus"));
      ASSERT_NE(status, nullptr);
      EXPECT_LE(status->text().size(), 50);
      EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
      Shoot(browser, "folderpicker");
      browser->reject();
    });
  };
  EXPECT_FALSE(picker.Execute());
}
