#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "DialogFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Panel.h"

using namespace filedialog;

namespace {

class Operations : public fdtest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    Write("data/plan.zg23", "plan");
    Write("data/Plan2.ZG23", "plan2");
    Write("data/alt.g23", "alt");
    Folder("data/Ordner/inner");
    SetUpDialog();
  }
  void SetUpDialog(std::uint32_t options = 0x3FF7F) {
    dialog_->SetHomeEntry(0, QStringLiteral("Tarvik23"), Path("data"), Path("data"));
    dialog_->SetHomeEntry(1, QString(), "", "");
    dialog_->ClearShownExtensions();
    dialog_->ClearExtraExtensions();
    dialog_->SetExtraExtension(0, "g23");
    dialog_->ClearHiddenExtensions();
    dialog_->Setup(QStringLiteral("Daten"), "zg23", 0x60, -1, options, kModeOpen, "", 0);
    dialog_->SetClipboardFolder(Path("tmp/ZG12"));
    dialog_->show();
    dialog_->LoadClipboardIndex();
  }
  void TearDown() override {
    dialog_->hide();
    DialogFixture::TearDown();
  }
  std::string Selected() const {
    const ShellItem* item = dialog_->Listing.ItemAt(dialog_->lstvwVirtualList->SelectedRow());
    return item ? item->caption : std::string();
  }
  std::vector<QString> InsertMenu() const {
    std::vector<QString> out;
    for (QAction* a : dialog_->InsertItems)
      if (a->isVisible()) out.push_back(a->text());
    return out;
  }
};

}  // namespace

TEST_F(Operations, ButtonsFollowTheSelectionAndTheOptionBits) {
  auto enabled = [](QToolButton* b) { return b->isEnabled(); };
  Select("plan.zg23");
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Delete));
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Cut));
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Copy));
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Rename));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Insert));  // nothing in the clipboard yet
  // A file of an extra extension may only be deleted.
  Select("alt.g23");
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Delete));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Cut));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Copy));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Rename));
  // Folders follow their own bits: here only copying a folder is allowed.
  SetUpDialog(0x7F | FileDialogOptions::kCopyFolder | FileDialogOptions::kDeleteFile);
  Select("Ordner");
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Delete));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Cut));
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Copy));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Rename));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_MakeDir));
  Select("plan.zg23");
  EXPECT_TRUE(enabled(dialog_->SpeedButton_Delete));
  EXPECT_FALSE(enabled(dialog_->SpeedButton_Copy));
}

TEST_F(Operations, DeleteAsksAndUsesTheRealName) {
  Select("Plan2.zg23");  // the file Plan2.ZG23
  confirmAnswers_ = {false};
  dialog_->SpeedButton_Delete->click();
  EXPECT_TRUE(Exists("data/Plan2.ZG23"));  // cancelled: nothing changes
  EXPECT_FALSE(dialog_->PanelsBusy());
  std::uint32_t colour = 0;
  bool busy = false;
  dialog_->Services.Confirm = [&](QWidget*, const QString& question) {
    EXPECT_EQ(question, QStringLiteral("Löschen 'Plan2.zg23' ?"));
    colour = dialog_->lstvwVirtualList->Color();
    busy = dialog_->PanelsBusy();
    return true;
  };
  dialog_->SpeedButton_Delete->click();
  EXPECT_EQ(colour, 0x00FFFFu);
  EXPECT_TRUE(busy);
  EXPECT_FALSE(Exists("data/Plan2.ZG23"));
  EXPECT_EQ(Read("home/.local/share/Trash/files/Plan2.ZG23"), "plan2");
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(dialog_->lstvwVirtualList->Color(), 0xF0FBFFu);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Operations, CopyAndPasteTwiceGiveNumberedNames) {
  Select("plan.zg23");
  dialog_->SpeedButton_Copy->click();
  EXPECT_EQ(Selected(), "plan.zg23");
  EXPECT_TRUE(dialog_->SpeedButton_Insert->isEnabled());
  Select("Ordner");
  dialog_->SpeedButton_Copy->click();
  EXPECT_EQ(InsertMenu(), (std::vector<QString>{QStringLiteral("[Ordner]"), QStringLiteral("plan.zg23")}));
  dialog_->InsertItemClick(1);
  EXPECT_EQ(Selected(), "plan(1).zg23");
  dialog_->InsertItemClick(1);
  EXPECT_EQ(Selected(), "plan(2).zg23");
  EXPECT_EQ(Read("data/plan(2).zg23"), "plan");
  Key(Qt::Key_V, Qt::ControlModifier);  // the newest entry
  EXPECT_EQ(Selected(), "Ordner(1)");
  EXPECT_TRUE(Exists("data/Ordner(1)/inner"));

  // Cut moves the item; the clipboard keeps it for pasting.
  Select("plan(2).zg23");
  dialog_->SpeedButton_Cut->click();
  EXPECT_FALSE(Exists("data/plan(2).zg23"));
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(InsertMenu().front(), QStringLiteral("plan(2).zg23"));

  dialog_->InsertListeLoeschen->trigger();
  EXPECT_TRUE(InsertMenu().empty());
  EXPECT_FALSE(dialog_->SpeedButton_Insert->isEnabled());
  EXPECT_FALSE(Exists("tmp/ZG12/plan(2).zg23"));
  EXPECT_EQ(Read("tmp/ZG12/~INDEX.LST"), "");
}

TEST_F(Operations, TheIndexIsReadAtEveryShow) {
  Write("tmp/ZG12/alt.zg23", "x");
  Write("tmp/ZG12/~INDEX.LST", "alt.zg23\r\n../../data/plan.zg23\r\n");
  dialog_->hide();
  RunModal([&] {
    EXPECT_EQ(InsertMenu(), (std::vector<QString>{QStringLiteral("alt.zg23")}));
    EXPECT_TRUE(dialog_->SpeedButton_Insert->isEnabled());
    dialog_->InsertListeLoeschen->trigger();
    Key(Qt::Key_Escape);
  });
  EXPECT_TRUE(Exists("data/plan.zg23"));  // the line outside was never used
  EXPECT_FALSE(Exists("tmp/ZG12/alt.zg23"));
}

TEST_F(Operations, CutOrCopyInsideTheClipboardFolderKeepsTheItem) {
  Write("tmp/ZG12/plan.zg23", "in the clipboard");
  Write("tmp/ZG12/~INDEX.LST", "plan.zg23\r\n");
  dialog_->SetHomeEntry(0, QStringLiteral("Ablage"), Path("tmp/ZG12"), Path("tmp/ZG12"));
  dialog_->Setup(QStringLiteral("Daten"), "zg23", 0x60, -1, 0x3FF7F, kModeOpen, "", 0);
  dialog_->LoadClipboardIndex();
  Select("plan.zg23");
  dialog_->SpeedButton_Copy->click();
  dialog_->SpeedButton_Cut->click();
  EXPECT_EQ(Read("tmp/ZG12/plan.zg23"), "in the clipboard");
  EXPECT_EQ(Selected(), "plan.zg23");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Operations, RenameKeepsTheExtensionAndRefusesBadAnswers) {
  Select("plan.zg23");
  textAnswers_ = {QStringLiteral("neu.txt")};
  dialog_->SpeedButton_Rename->click();
  EXPECT_EQ(Read("data/neu.zg23"), "plan");
  EXPECT_EQ(Selected(), "neu.zg23");

  // Onto an existing file: refused with a message, nothing lost.
  Write("data/ziel.zg23", "ziel");
  dialog_->SpeedButton_Refresh->click();
  Select("neu.zg23");
  textAnswers_ = {QStringLiteral("ziel")};
  dialog_->SpeedButton_Rename->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("existiert bereits"))) << errors_[0].toStdString();
  EXPECT_EQ(Read("data/ziel.zg23"), "ziel");
  EXPECT_EQ(Read("data/neu.zg23"), "plan");
  EXPECT_EQ(Selected(), "neu.zg23");

  for (const char* bad : {"../../weg", "a/b", ".."}) {
    Select("neu.zg23");
    textAnswers_ = {QString::fromUtf8(bad)};
    dialog_->SpeedButton_Rename->click();
  }
  ASSERT_EQ(errors_.size(), 4u);
  EXPECT_TRUE(errors_.back().contains(QStringLiteral("kein gültiger Name"))) << errors_.back().toStdString();
  EXPECT_EQ(Read("data/neu.zg23"), "plan");
  EXPECT_FALSE(Exists("weg.zg23"));
  EXPECT_FALSE(dialog_->PanelsBusy());

  // The item renamed is the real file, with its own extension.
  Select("Plan2.zg23");
  textAnswers_ = {QStringLiteral("Bild")};
  dialog_->SpeedButton_Rename->click();
  EXPECT_EQ(Read("data/Bild.ZG23"), "plan2");
  EXPECT_EQ(Selected(), "Bild.zg23");
  // The same base name changes nothing.
  textAnswers_ = {QStringLiteral("Bild")};
  dialog_->SpeedButton_Rename->click();
  EXPECT_EQ(errors_.size(), 4u);
  EXPECT_TRUE(Exists("data/Bild.ZG23"));
}

TEST_F(Operations, NewFolderIsOneNameInsideTheCurrentFolder) {
  std::vector<QString> asked;
  dialog_->Services.AskText = [&](QWidget*, const QString& title, const QString& prompt,
                                  const QString& proposal) -> std::optional<QString> {
    asked = {title, prompt, proposal};
    return textAnswers_.empty() ? std::nullopt : textAnswers_.front();
  };
  textAnswers_ = {QStringLiteral("Neuer Ordner")};
  dialog_->SpeedButton_MakeDir->click();
  EXPECT_EQ(asked, (std::vector<QString>{QStringLiteral("Neuer Ordner"), QStringLiteral("Ordnername:"),
                                         QStringLiteral("Neuer Ordner")}));
  EXPECT_TRUE(std::filesystem::is_directory(Path("data/Neuer Ordner")));
  EXPECT_EQ(Selected(), "Neuer Ordner");
  textAnswers_ = {QStringLiteral("a/b")};
  dialog_->SpeedButton_MakeDir->click();
  EXPECT_FALSE(Exists("data/a"));
  ASSERT_EQ(errors_.size(), 1u);
  textAnswers_.clear();
  dialog_->SpeedButton_MakeDir->click();  // cancelled
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_FALSE(dialog_->PanelsBusy());
}

TEST_F(Operations, FailuresAreReportedAndLeaveTheListingAsItIs) {
  Select("plan.zg23");
  std::filesystem::remove(Path("data/plan.zg23"));
  dialog_->SpeedButton_Copy->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_FALSE(dialog_->SpeedButton_Insert->isEnabled());
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Ordner", "alt.g23", "Plan2.zg23"}));
}
