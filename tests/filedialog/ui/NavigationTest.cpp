#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <filesystem>

#include "DialogFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

using namespace filedialog;

namespace {

class Navigation : public fdtest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    Write("data/plan.zg23", "p");
    Write("data/Kunden/Nord/a.zg23", "a");
    Folder("data/Kunden/Sued");
    Folder("data/Archiv");
  }
  // Place list of the data folder with its root there.
  void SetupData(std::uint8_t mode = kModeOpen, std::uint32_t options = 0x3FF7F) {
    dialog_->SetHomeEntry(0, QStringLiteral("Tarvik23"), Path("data"), Path("data"));
    dialog_->SetHomeEntry(1, QString(), "", "");
    dialog_->SetBrowseEntry(0, QStringLiteral("Tarvik23"), Path("data"), Path("data"));
    dialog_->SetBrowseEntry(1, QString(), "", "");
    dialog_->ClearShownExtensions();
    dialog_->ClearExtraExtensions();
    dialog_->ClearHiddenExtensions();
    dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, -1, options, mode, "", 0);
  }
  void Open(const std::string& caption) {
    Select(caption);
    DoubleClickSelected();
  }
  std::string Selected() const {
    const ShellItem* item = dialog_->Listing.ItemAt(dialog_->lstvwVirtualList->SelectedRow());
    return item ? item->caption : std::string();
  }
};

}  // namespace

TEST_F(Navigation, BackStopsAtThePlaceAndSelectsTheFolderLeft) {
  SetupData();
  EXPECT_FALSE(dialog_->SpeedButton_Back->isEnabled());  // at the place's root
  Open("Kunden");
  EXPECT_EQ(dialog_->CurrentPath(), Path("data/Kunden"));
  EXPECT_TRUE(dialog_->SpeedButton_Back->isEnabled());
  Open("Nord");
  EXPECT_EQ(dialog_->Edit_Pfad->text().toStdString(), Path("data/Kunden/Nord"));
  dialog_->SpeedButton_Back->click();
  EXPECT_EQ(dialog_->CurrentPath(), Path("data/Kunden"));
  EXPECT_EQ(Selected(), "Nord");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(dialog_->CurrentPath(), Path("data"));
  EXPECT_EQ(Selected(), "Kunden");
  EXPECT_FALSE(dialog_->SpeedButton_Back->isEnabled());
  dialog_->SpeedButton_BackClick();  // at the root: it does not move
  EXPECT_EQ(dialog_->CurrentPath(), Path("data"));
}

TEST_F(Navigation, BackDirectlyBelowTheTopReadsTheSameFolderAgain) {
  dialog_->SetHomeEntry(0, QStringLiteral("Arbeitsplatz"), kMyComputerName, "");
  dialog_->SetHomeEntry(1, QString(), "", "");
  dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
  EXPECT_EQ(dialog_->CurrentPath(), kMyComputerName);
  EXPECT_FALSE(dialog_->SpeedButton_Back->isEnabled());  // one item ID
  const int rows = dialog_->Listing.Count();
  Key(Qt::Key_Backspace);
  EXPECT_EQ(dialog_->CurrentPath(), kMyComputerName);
  EXPECT_EQ(dialog_->Listing.Count(), rows);
  // From the root file system, Back goes up to the computer and selects it.
  dialog_->lstvwVirtualList->SelectRow(0);
  DoubleClickSelected();
  EXPECT_EQ(dialog_->CurrentPath(), "/");
  EXPECT_TRUE(dialog_->SpeedButton_Back->isEnabled());
  dialog_->SpeedButton_Back->click();
  EXPECT_EQ(dialog_->CurrentPath(), kMyComputerName);
  EXPECT_EQ(Selected(), "Datenträger (/)");
}

TEST_F(Navigation, HomeOpensASinglePlaceAtOnceAndOffersAMenuOfSeveral) {
  SetupData();
  Open("Archiv");
  dialog_->SpeedButton_Home->click();
  EXPECT_EQ(dialog_->CurrentPath(), Path("data"));
  EXPECT_FALSE(dialog_->PopupMenu_Home->isVisible());

  dialog_->SetHomeEntry(1, QStringLiteral("Kunden"), Path("data/Kunden"), Path("data/Kunden"));
  dialog_->SetHomeEntry(2, QString(), "", "");
  dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
  dialog_->show();
  dialog_->SpeedButton_Home->click();
  EXPECT_TRUE(dialog_->PopupMenu_Home->isVisible());
  const QPoint corner = dialog_->SpeedButton_Home->mapToGlobal(dialog_->SpeedButton_Home->rect().bottomLeft());
  EXPECT_EQ(dialog_->PopupMenu_Home->pos(), corner + QPoint(-1, 0));
  dialog_->HomeItems[1]->trigger();
  dialog_->PopupMenu_Home->hide();
  EXPECT_EQ(dialog_->CurrentPath(), Path("data/Kunden"));
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" T - Kunden"));
  EXPECT_EQ(dialog_->State.entryRoot, Path("data/Kunden"));
  EXPECT_FALSE(dialog_->SpeedButton_Back->isEnabled());
  dialog_->hide();
}

TEST_F(Navigation, BrowseOpensThePickerAtThePlace) {
  SetupData();
  pickedFolders_ = {Path("data/Kunden/Sued"), std::nullopt};
  dialog_->SpeedButton_Browse->click();
  ASSERT_EQ(pickerRoots_, std::vector<std::string>{Path("data")});
  EXPECT_EQ(dialog_->CurrentPath(), Path("data/Kunden/Sued"));
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" T - Tarvik23"));
  dialog_->SpeedButton_Browse->click();  // cancelled: the folder stays
  EXPECT_EQ(dialog_->CurrentPath(), Path("data/Kunden/Sued"));
  // The computer as a place roots the picker at the file system's top.
  dialog_->SetBrowseEntry(0, QStringLiteral("Arbeitsplatz"), kMyComputerName, kMyComputerName);
  dialog_->BrowseItemClick(0);
  EXPECT_EQ(pickerRoots_.back(), "/");
}

TEST_F(Navigation, AFolderThatCannotBeOpenedLeavesThePreviousOneCurrent) {
  SetupData();
  Select("Archiv");
  std::filesystem::remove(Path("data/Archiv"));
  DoubleClickSelected();
  EXPECT_EQ(dialog_->CurrentPath(), Path("data"));
  EXPECT_EQ(dialog_->Edit_Pfad->text().toStdString(), Path("data"));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Archiv", "Kunden", "plan.zg23"}));
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("Der Ordner kann nicht geöffnet werden")));
  // A place that went away does the same.
  dialog_->SetHomeEntry(0, QStringLiteral("Weg"), Path("data/Kunden/Sued"), Path("data/Kunden/Sued"));
  std::filesystem::remove(Path("data/Kunden/Sued"));
  dialog_->HomeItemClick(0);
  EXPECT_EQ(dialog_->CurrentPath(), Path("data"));
  EXPECT_EQ(errors_.size(), 2u);
}

TEST_F(Navigation, DoubleClickOnAFileConfirmsIt) {
  SetupData(kModeSave);
  EXPECT_EQ(RunModal([&] {
              Select("plan.zg23");
              DoubleClickSelected();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data/plan.zg23"));
  SetupData(kModeOpen);
  EXPECT_EQ(RunModal([&] {
              Open("Kunden");
              Select("Nord");
              Key(Qt::Key_Return);
              EXPECT_EQ(dialog_->CurrentPath(), Path("data/Kunden/Nord"));
              Key(Qt::Key_Return);  // the first row, a.zg23
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data/Kunden/Nord/a.zg23"));
}

TEST_F(Navigation, KeysActWithTheirModifiersOnly) {
  SetupData();
  dialog_->SetClipboardFolder(Path("tmp/ZG12"));
  RunModal([&] {
    Select("plan.zg23");
    Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_C);
    EXPECT_FALSE(Exists("tmp/ZG12/plan.zg23"));
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(Exists("tmp/ZG12/plan.zg23"));
    EXPECT_EQ(Selected(), "plan.zg23");  // a copy leaves the item selected
    Key(Qt::Key_P, Qt::ControlModifier);
    Key(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(userGuides_, 0);
    Key(Qt::Key_F1);
    EXPECT_EQ(hardcopies_, 1);
    EXPECT_EQ(userGuides_, 1);
    confirmAnswers_ = {true};
    Key(Qt::Key_Delete, Qt::ShiftModifier);  // Del with any modifiers
    EXPECT_FALSE(Exists("data/plan.zg23"));
    Key(Qt::Key_Escape);
  });
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(Navigation, TypingFindsTheFirstRowThatBeginsWithTheText) {
  for (const char* n : {"beta.zg23", "Abend.zg23", "aBc.zg23"}) Write(std::string("data/") + n, "");
  SetupData();
  ASSERT_EQ(Captions(), (std::vector<std::string>{"Archiv", "Kunden", "aBc.zg23", "Abend.zg23", "beta.zg23", "plan.zg23"}));
  RunModal([&] {
    Select("plan.zg23");
    Key(Qt::Key_A);
    Key(Qt::Key_B);
    EXPECT_EQ(Selected(), "aBc.zg23");
    Key(Qt::Key_E);
    EXPECT_EQ(Selected(), "Abend.zg23");
    Key(Qt::Key_X);  // no caption begins with "abex"
    EXPECT_EQ(Selected(), "Abend.zg23");
  });
}

TEST_F(Navigation, ViewButtonsFormOneGroupAndSurviveUses) {
  SetupData();
  EXPECT_TRUE(dialog_->SpeedButton_List->isChecked());
  dialog_->SpeedButton_Report->click();
  EXPECT_TRUE(dialog_->SpeedButton_Report->isChecked());
  EXPECT_FALSE(dialog_->SpeedButton_List->isChecked());
  EXPECT_EQ(dialog_->lstvwVirtualList->ViewStyle(), VirtualListView::vsReport);
  SetupData();  // view -1 keeps it
  EXPECT_EQ(dialog_->lstvwVirtualList->ViewStyle(), VirtualListView::vsReport);
  dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, 0, 0x3FF7F, 0, "", 0);
  EXPECT_TRUE(dialog_->SpeedButton_Icons->isChecked());
  EXPECT_EQ(dialog_->lstvwVirtualList->ViewStyle(), VirtualListView::vsIcon);
  dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, 2, 0x3FF7F, 0, "", 0);
  EXPECT_EQ(dialog_->lstvwVirtualList->ViewStyle(), VirtualListView::vsList);
}

TEST_F(Navigation, RefreshShowsChangesAndKeepsTheSelection) {
  SetupData();
  Select("plan.zg23");
  Write("data/neu.zg23", "");
  dialog_->SpeedButton_Refresh->click();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Archiv", "Kunden", "neu.zg23", "plan.zg23"}));
  EXPECT_EQ(Selected(), "plan.zg23");
}

TEST_F(Navigation, BusyLookWhileAFolderIsRead) {
  SetupData();
  EXPECT_EQ(dialog_->lstvwVirtualList->Color(), 0xF0FBFFu);
  std::uint32_t during = 0;
  pickedFolders_ = {std::nullopt};
  dialog_->Services.PickFolder = [&](QWidget*, const std::string&) -> std::optional<std::string> {
    during = dialog_->lstvwVirtualList->Color();
    return std::nullopt;
  };
  dialog_->SpeedButton_BrowseClick();
  EXPECT_EQ(during, 0x00FFFFu);
  EXPECT_EQ(dialog_->lstvwVirtualList->Color(), 0xF0FBFFu);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Navigation, TheWindowIsCentredOnceAndKeepsItsSizeWithinLimits) {
  SetupData();
  TForm_FileDialog::FirstShow = true;
  RunModal([] {});
  // Centred on the main window (100, 100, 1000 x 700).
  const QPoint placed = dialog_->pos();
  EXPECT_EQ(placed, QPoint(100 + 500 - dialog_->frameGeometry().width() / 2,
                           100 + 350 - dialog_->frameGeometry().height() / 2));
  dialog_->move(placed + QPoint(40, 30));
  RunModal([] {});
  EXPECT_EQ(dialog_->pos(), placed + QPoint(40, 30));

  RunModal([&] {
    platform::Panel* bar = dialog_->Panel_Unten;
    auto mouse = [&](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
      QMouseEvent e(type, bar->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
      QApplication::sendEvent(bar, &e);
    };
    const QPoint start = bar->mapToGlobal(QPoint(bar->width() - 40, 10));
    const QSize before = dialog_->size();
    mouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::SizeFDiagCursor);
    mouse(QEvent::MouseMove, start + QPoint(50, 20), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(dialog_->size(), before + QSize(50, 20));
    mouse(QEvent::MouseMove, start - QPoint(300, 300), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(dialog_->size(), QSize(632, 453));
    mouse(QEvent::MouseMove, start + QPoint(5000, 5000), Qt::NoButton, Qt::LeftButton);
    const QSize area = dialog_->screen()->availableGeometry().size();
    EXPECT_LE(dialog_->frameGeometry().width(), area.width());
    EXPECT_LE(dialog_->frameGeometry().height(), area.height());
    mouse(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    dialog_->resize(700, 500);
    const QRect earlier = dialog_->geometry();
    dialog_->Panel_UntenDblClick();
    EXPECT_EQ(dialog_->frameGeometry(), dialog_->screen()->availableGeometry());
    dialog_->Panel_UntenDblClick();
    EXPECT_EQ(dialog_->geometry(), earlier);
  });
}
