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
#include "platform/qt/SpeedButton.h"

using namespace filedialog;

namespace {

class Setup : public fdtest::DialogFixture {
 protected:
  void Places(const std::string& folder) {
    dialog_->SetHomeEntry(0, QStringLiteral("Tarvik23"), folder, folder);
    dialog_->SetHomeEntry(1, QString(), "", "");
    dialog_->SetBrowseEntry(0, QStringLiteral("Tarvik23"), folder, folder);
    dialog_->SetBrowseEntry(1, QString(), "", "");
    dialog_->ClearShownExtensions();
    dialog_->ClearExtraExtensions();
    dialog_->ClearHiddenExtensions();
  }
  bool OkEnabled() const { return dialog_->Panel_OK->isVisibleTo(dialog_) && dialog_->SpeedButton_OK->isEnabled(); }
};

}  // namespace

TEST_F(Setup, DefaultExtensionMatchesAnyCase) {
  Write("hex/FW1.B23", "");
  Write("hex/fw2.b23", "");
  Write("hex/fw3.B23.txt", "");
  Places(Path("hex"));
  dialog_->Setup(QStringLiteral("Firmware"), "B23", 0x60, -1, 0x7F, 0, "", 0);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"FW1.b23", "fw2.b23"}));
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" Firmware - Tarvik23"));
  // Without file operations the six operation buttons are hidden.
  for (QToolButton* b : {dialog_->SpeedButton_Delete, dialog_->SpeedButton_Cut, dialog_->SpeedButton_Copy,
                         dialog_->SpeedButton_Insert, dialog_->SpeedButton_Rename, dialog_->SpeedButton_MakeDir})
    EXPECT_FALSE(b->isVisibleTo(dialog_)) << b->objectName().toStdString();
  dialog_->Setup(QStringLiteral("Firmware"), "B23", 0x60, -1, 0x3FF7F, 0, "", 0);
  for (QToolButton* b : {dialog_->SpeedButton_Delete, dialog_->SpeedButton_MakeDir})
    EXPECT_TRUE(b->isVisibleTo(dialog_)) << b->objectName().toStdString();
}

TEST_F(Setup, InitialFileGoesIntoTheNameField) {
  Folder("service");
  Places(Path("service"));
  dialog_->Setup(QStringLiteral("Speichern"), "sys23", 0x60, -1, 0x3FF7F, 1, "KONFIG", 0);
  EXPECT_EQ(NameField(), QStringLiteral("KONFIG.sys23"));
  EXPECT_EQ(dialog_->State.baseName, "KONFIG");
  EXPECT_EQ(dialog_->State.extension, ".sys23");
  dialog_->Setup(QStringLiteral("Speichern"), "sys23", 0x60, -1, 0x3FF7F, 1, "/any/where/Alt.TXT", 0);
  EXPECT_EQ(NameField(), QStringLiteral("Alt.TXT"));
}

TEST_F(Setup, SaveModeTrimsTheNameAndForcesTheExtension) {
  Folder("data");
  Places(Path("data"));
  dialog_->Setup(QStringLiteral("Speichern"), "zg23", 0x60, -1, 0x3FF7F, 1, "", 0);
  const int result = RunModal([&] {
    EXPECT_TRUE(dialog_->Edit_FileName->isEnabled());
    EXPECT_FALSE(dialog_->Edit_FileName->isReadOnly());
    EXPECT_FALSE(OkEnabled());
    dialog_->Edit_FileName->setText(QStringLiteral("  abc"));
    EXPECT_EQ(NameField(), QStringLiteral("abc"));
    EXPECT_TRUE(OkEnabled());
    dialog_->SpeedButton_OK->click();
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data") + "/abc.zg23");

  dialog_->Setup(QStringLiteral("Speichern"), "zg23", 0x60, -1, 0x3FF7F, 1, "", 0);
  EXPECT_EQ(RunModal([&] {
              dialog_->Edit_FileName->setText(QStringLiteral("bericht.txt"));
              dialog_->SpeedButton_OK->click();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data") + "/bericht.zg23");
}

TEST_F(Setup, OpenModeNeedsASelectedFile) {
  Folder("data/Sub");
  Write("data/plan.zg23", "");
  Places(Path("data"));
  dialog_->Setup(QStringLiteral("Öffnen"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
  const int result = RunModal([&] {
    EXPECT_TRUE(dialog_->Edit_FileName->isReadOnly());
    Select("Sub");
    EXPECT_EQ(NameField(), QString());
    EXPECT_FALSE(OkEnabled());
    Select("plan.zg23");
    EXPECT_EQ(NameField(), QStringLiteral("plan.zg23"));
    EXPECT_TRUE(OkEnabled());
    dialog_->SpeedButton_Abbrechen->click();
  });
  EXPECT_EQ(result, 2);
}

TEST_F(Setup, HomeIndexOutOfRangeOrEmptyOpensEntryZero) {
  Folder("a");
  Folder("b");
  dialog_->SetHomeEntry(0, QStringLiteral("A"), Path("a"), Path("a"));
  dialog_->SetHomeEntry(1, QStringLiteral("Leer"), "", "");
  dialog_->SetHomeEntry(2, QStringLiteral("B"), Path("b"), Path("b"));
  dialog_->SetHomeEntry(3, QString(), "", "");
  for (std::uint32_t index : {25u, 1u}) {
    dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, -1, 0x3FF7F, 0, "", index);
    EXPECT_EQ(dialog_->CurrentPath(), Path("a")) << index;
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" T - A"));
  }
  dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 2);
  EXPECT_EQ(dialog_->CurrentPath(), Path("b"));
}

TEST_F(Setup, ExtensionAndClipboardCallsReportTheirCodes) {
  EXPECT_EQ(dialog_->SetExtraExtension(10, "g23"), -1);
  EXPECT_EQ(dialog_->SetExtraExtension(0, "G23"), 0);
  EXPECT_EQ(dialog_->Listing.filter.extra.entries[0], ".g23");
  EXPECT_EQ(dialog_->SetHomeEntry(20, QStringLiteral("x"), Path("."), Path(".")), -1);
  EXPECT_EQ(dialog_->SetBrowseEntry(20, QStringLiteral("x"), Path("."), Path(".")), -1);
  EXPECT_EQ(dialog_->SetClipboardFolder(""), -1);
  EXPECT_EQ(dialog_->SetClipboardFolder("/"), -2);
  EXPECT_EQ(dialog_->SetClipboardFolder(Path("tmp/ZG12")), 0);
  EXPECT_EQ(dialog_->State.clipboardFolder, Path("tmp/ZG12") + "/");
}

TEST_F(Setup, PlacesMenusShowWhatCanBeOpened) {
  Folder("home/Documents");
  Folder("bmp");
  dialog_->SetHomeEntry(0, QStringLiteral("Tarvik23"), Path("bmp"), Path("bmp"));
  dialog_->SetHomeEntry(1, QStringLiteral("-"), "", "");
  dialog_->SetHomeEntry(2, QStringLiteral("Tarvik12"), "", "");
  dialog_->SetHomeEntry(3, QStringLiteral("Eigene Dateien"), "Eigene Dateien", "Eigene Dateien");
  dialog_->SetHomeEntry(4, QStringLiteral("Desktop"), "Desktop", "Desktop");
  dialog_->SetHomeEntry(5, QStringLiteral("Arbeitsplatz"), kMyComputerName, kMyComputerName);
  dialog_->SetHomeEntry(6, QStringLiteral("Netzwerkumgebung"), kNetworkName, kNetworkName);
  dialog_->SetHomeEntry(7, QString(), "", "");
  dialog_->SetHomeEntry(8, QStringLiteral("stale"), Path("bmp"), Path("bmp"));
  dialog_->Setup(QStringLiteral("Bild"), "bmp", 0x60, -1, 0x3FF7F, 0, "", 0);
  const auto& items = dialog_->HomeItems;
  EXPECT_EQ(items[0]->text(), QStringLiteral("Tarvik23"));
  EXPECT_TRUE(items[0]->isEnabled());
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_FALSE(items[2]->isEnabled());  // a sibling program that is not installed
  EXPECT_EQ(items[3]->text(), QStringLiteral("Documents"));
  EXPECT_TRUE(items[3]->isEnabled());
  EXPECT_EQ(items[4]->text(), QStringLiteral("Desktop"));
  EXPECT_FALSE(items[4]->isEnabled());  // there is no desktop folder
  EXPECT_EQ(items[5]->text(), QStringLiteral("Arbeitsplatz"));
  EXPECT_TRUE(items[5]->isEnabled());
  EXPECT_EQ(items[6]->text(), QStringLiteral("Netzwerkumgebung"));
  EXPECT_FALSE(items[6]->isEnabled());
  EXPECT_TRUE(items[6]->isVisible());
  for (std::size_t i = 7; i < 20; ++i) EXPECT_FALSE(items[i]->isVisible()) << i;

  // The computer lists the file system as a volume.
  dialog_->HomeItemClick(5);
  EXPECT_EQ(dialog_->CurrentPath(), kMyComputerName);
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" Bild - Arbeitsplatz"));
  EXPECT_EQ(dialog_->Edit_Pfad->text(), QStringLiteral("Arbeitsplatz"));
  ASSERT_GE(dialog_->Listing.Count(), 1);
  EXPECT_EQ(dialog_->Listing.ItemAt(0)->caption, "Datenträger (/)");
}

TEST_F(Setup, ResultsUseTheRealNameNotTheCaption) {
  Write("data/Plan.ZG23", "");
  Places(Path("data"));
  dialog_->Setup(QStringLiteral("Öffnen"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
  EXPECT_EQ(RunModal([&] {
              Select("Plan.zg23");
              dialog_->SpeedButton_OK->click();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data/Plan.ZG23"));

  // Saving over the file keeps its spelling, so it is the one replaced.
  dialog_->Setup(QStringLiteral("Speichern"), "zg23", 0x60, -1, 0x3FF7F, 1, "", 0);
  EXPECT_EQ(RunModal([&] {
              Select("Plan.zg23");
              DoubleClickSelected();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data/Plan.ZG23"));
  dialog_->Setup(QStringLiteral("Speichern"), "zg23", 0x60, -1, 0x3FF7F, 1, "", 0);
  EXPECT_EQ(RunModal([&] {
              dialog_->Edit_FileName->setText(QStringLiteral("Plan"));
              dialog_->SpeedButton_OK->click();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("data/Plan.ZG23"));
}

TEST_F(Setup, TheProposedNameStaysInSaveMode) {
  Write("service/ABC.sys23", "");
  Write("service/KONFIG2.sys23", "");
  Places(Path("service"));
  dialog_->Setup(QStringLiteral("Speichern"), "sys23", 0x60, -1, 0x3FF7F, 1, "KONFIG", 0);
  EXPECT_EQ(RunModal([&] {
              // Neither the first file nor one that merely begins with the
              // proposed name replaces it.
              EXPECT_EQ(NameField(), QStringLiteral("KONFIG.sys23"));
              EXPECT_EQ(dialog_->lstvwVirtualList->SelectedRow(), -1);
              dialog_->SpeedButton_OK->click();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("service/KONFIG.sys23"));

  // An existing file of the proposed name is selected.
  Write("service/KONFIG.SYS23", "");
  dialog_->Setup(QStringLiteral("Speichern"), "sys23", 0x60, -1, 0x3FF7F, 1, "KONFIG", 0);
  EXPECT_EQ(RunModal([&] {
              EXPECT_EQ(NameField(), QStringLiteral("KONFIG.sys23"));
              EXPECT_GE(dialog_->lstvwVirtualList->SelectedRow(), 0);
              dialog_->SpeedButton_OK->click();
            }),
            1);
  EXPECT_EQ(dialog_->GetFileName(), Path("service/KONFIG.SYS23"));
}

TEST_F(Setup, NothingIsSavedIntoTheComputer) {
  Folder("data");
  dialog_->SetHomeEntry(0, QStringLiteral("Arbeitsplatz"), kMyComputerName, kMyComputerName);
  dialog_->SetHomeEntry(1, QString(), "", "");
  dialog_->Setup(QStringLiteral("Speichern"), "zg23", 0x60, -1, 0x3FF7F, 1, "neu", 0);
  EXPECT_EQ(NameField(), QStringLiteral("neu.zg23"));
  EXPECT_FALSE(OkEnabled());
}

TEST_F(Setup, CancelAndTheWindowsCloseReturnTwo) {
  Folder("data");
  Places(Path("data"));
  dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, -1, 0x3FF7F, 0, "", 0);
  EXPECT_EQ(RunModal([&] { Key(Qt::Key_Escape); }), 2);
  EXPECT_EQ(RunModal([&] { dialog_->close(); }), 2);
  EXPECT_FALSE(dialog_->isVisible());
}
