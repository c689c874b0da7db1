// The two storage-slot dialogs: what they show, what they choose, their keys
// and the slot clipboard's buttons.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <filesystem>

#include "DataSetFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "printdata/SlotStore.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/ToggleLook.h"

namespace dataviewtest {
namespace {

namespace fs = std::filesystem;
using printdata::ui::SlotDialog;

class SlotDialogs : public DataSets {
 protected:
  void Touch(const std::string& path) { ASSERT_TRUE(platform::WriteFileAtomic(path, "x")); }
  static bool Enabled(const QWidget* w) { return platform::OwnEnabled(w); }
  static bool Marked(const SlotDialog& d, int slot) {
    return d.PanelSpeicher[slot - 1]->Color() == platform::colours::kNavy &&
           d.SpeedButtonSpeicher[slot - 1]->font().bold();
  }
  static bool DotsMarked(const SlotDialog& d) { return d.PanelDateiManager->Color() == platform::colours::kNavy; }
  static void Key(QWidget* to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(to, &press);
  }
  // Shows `d` modally, runs `step` in it and returns what ShowModal gave.
  int Run(SlotDialog& d, const std::function<void()>& step) {
    d.Connect(this->d, &sets);
    WhenModalIs(&d, [&] {
      step();
      if (d.isVisible()) d.SpeedButtonAbbrechen->click();
    });
    return d.ShowModal();
  }
  // Opens the data set at `path` as the open data, not changed.
  void OpenAs(const std::string& path) {
    Open(1);
    d->PanelTitel->SetHint(QString::fromStdString(path));
    d->SetModified(false);
  }
};

}  // namespace

TEST_F(SlotDialogs, SlotsShowTheNamesOfTheirDataSets) {
  Touch(Slot(1) + "A.zg23");
  Touch(Slot(1) + "B.g23");
  Touch(Slot(2) + "C.g23");
  Touch(Slot(2) + "C_001.j23");
  Touch(Slot(19) + "Eier 5.ZG23");
  Touch(Slot(20) + ".hidden.zg23");
  open_->Connect(d, &sets);
  open_->FormShow();
  for (int slot = 1; slot <= printdata::kSlotCount; ++slot) {
    const char* expected = slot == 1 ? "A" : slot == 2 ? "C" : slot == 19 ? "Eier 5" : "";
    EXPECT_EQ(open_->SpeedButtonSpeicher[slot - 1]->Caption(), QString::fromUtf8(expected)) << slot;
  }
  EXPECT_EQ(open_->SpeedButtonDateiManager->Caption(), QStringLiteral("..."));
  EXPECT_EQ(open_->SpeedButtonSpeicher[16]->objectName(), QStringLiteral("SpeedButtonSpeicher17"));
  EXPECT_EQ(open_->PanelSpeicher[16]->geometry(), QRect(8, 456, 352, 48));
  EXPECT_EQ(open_->PanelSpeicher[18]->geometry(), QRect(368, 456, 352, 48));

  struct Pick {
    int slot;
    const char* file;
    bool ok, manage;
  } picks[] = {{1, "A.zg23", true, true}, {2, "C.g23", true, true}, {19, "Eier 5.ZG23", true, true},
               {3, "", false, false}, {20, "", false, false}};
  for (const Pick& p : picks) {
    SCOPED_TRACE(p.slot);
    open_->SpeedButtonSpeicher[p.slot - 1]->click();
    EXPECT_TRUE(Marked(*open_, p.slot));
    EXPECT_EQ(open_->SelectedFolder, Slot(p.slot));
    EXPECT_EQ(open_->SelectedFile, p.file);
    EXPECT_EQ(Enabled(open_->SpeedButtonOK), p.ok);
    EXPECT_EQ(Enabled(open_->SpeedButtonDEL), p.manage);
    EXPECT_EQ(Enabled(open_->SpeedButtonCUT), p.manage);
    EXPECT_EQ(Enabled(open_->SpeedButtonCOPY), p.manage);
    EXPECT_FALSE(Enabled(open_->SpeedButtonPASTE));  // the clipboard is empty
  }
  EXPECT_EQ(Run(*open_, [&] { open_->SpeedButtonSpeicher[1]->click(), Key(open_, Qt::Key_Return); }), 6);
  EXPECT_EQ(open_->SelectedFolder + open_->SelectedFile, Slot(2) + "C.g23");
}

TEST_F(SlotDialogs, TheOpenDataSetsOwnSlotComesSelected) {
  Touch(Slot(7) + "X.zg23");
  Touch(Slot(8) + "Y.g23");
  Touch(Slot(8) + "Y.zg23");
  Touch(sets.data + "Fremd.zg23");

  OpenAs(Slot(7) + "X.zg23");
  open_->Connect(d, &sets);
  save_->Connect(d, &sets);
  open_->FormShow();
  EXPECT_TRUE(Marked(*open_, 7));
  EXPECT_TRUE(Enabled(open_->SpeedButtonOK));
  save_->FormShow();
  EXPECT_TRUE(Marked(*save_, 7));
  EXPECT_FALSE(save_->EditEingabe->isHidden());
  EXPECT_EQ(save_->EditEingabe->text(), QStringLiteral("X"));
  EXPECT_EQ(save_->EditEingabe->pos(), QPoint(8 + 8, 344 + 14));
  EXPECT_TRUE(Enabled(save_->SpeedButtonOK));
  // Enter saves at once under the same name.
  EXPECT_EQ(Run(*save_, [&] { Key(save_->EditEingabe, Qt::Key_Return); }), 6);
  EXPECT_EQ(save_->SelectedFolder, Slot(7));
  EXPECT_EQ(save_->SelectedFile, "X.zg23");
  EXPECT_TRUE(save_->SlotChosen);
  // The slot keeps its content until the save itself has written the new one.
  EXPECT_TRUE(Exists(Slot(7) + "X.zg23"));

  // Data opened from a group file beside which an archive was saved.
  OpenAs(Slot(8) + "Y.g23");
  open_->FormShow();
  EXPECT_TRUE(Marked(*open_, 8));
  EXPECT_EQ(open_->SelectedFile, "Y.zg23");

  OpenAs(sets.data + "Fremd.zg23");
  save_->FormShow();
  EXPECT_TRUE(DotsMarked(*save_));
  EXPECT_EQ(save_->SelectedFolder, "");
  EXPECT_FALSE(Enabled(save_->SpeedButtonOK));
  EXPECT_TRUE(save_->EditEingabe->isHidden());

  OpenAs("");
  open_->FormShow();
  EXPECT_FALSE(DotsMarked(*open_));
  for (int slot = 1; slot <= printdata::kSlotCount; ++slot) EXPECT_FALSE(Marked(*open_, slot));
  EXPECT_FALSE(Enabled(open_->SpeedButtonOK));
}

TEST_F(SlotDialogs, TheSaveDialogTakesOnlyNamesThatCanNameADataSet) {
  save_->Connect(d, &sets);
  save_->FormShow();
  save_->SpeedButtonSpeicher[4]->click();
  EXPECT_EQ(save_->EditEingabe->text(), QString());
  EXPECT_FALSE(Enabled(save_->SpeedButtonOK));
  struct Case {
    const char* typed;
    bool ok;
  } cases[] = {{"Eier 5", true},   {"   ", false},     {"", false},       {"a/b", false}, {"a\\b", false},
               {"..", false},      {".", false},      {" . ", false},    {"Ei*", false}, {"Ei:er", false},
               {"Ei?", false},     {"\"E\"", false},  {"<E>", false},    {"E|F", false}, {".Eier", false},
               {"Ökologisch", true}, {"  Eier 5 ", true}};
  for (const Case& c : cases) {
    save_->EditEingabe->setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(Enabled(save_->SpeedButtonOK), c.ok) << c.typed;
    // Enter does nothing while OK is off.
    if (!c.ok) {
      Key(save_->EditEingabe, Qt::Key_Return);
      EXPECT_EQ(save_->SelectedFile, "") << c.typed;
    }
  }
  EXPECT_EQ(save_->EditEingabe->maxLength(), 33);
  EXPECT_EQ(Run(*save_, [&] {
              save_->SpeedButtonSpeicher[4]->click();
              save_->EditEingabe->setText(QStringLiteral("  Eier 5 "));
              save_->SpeedButtonOK->click();
            }),
            6);
  EXPECT_EQ(save_->SelectedFolder, Slot(5));
  EXPECT_EQ(save_->SelectedFile, "Eier 5.zg23");
  // A slot folder that is missing cannot be saved into.
  fs::remove_all(Slot(6));
  save_->FormShow();
  save_->SpeedButtonSpeicher[5]->click();
  save_->EditEingabe->setText(QStringLiteral("Eier"));
  EXPECT_FALSE(Enabled(save_->SpeedButtonOK));
  EXPECT_FALSE(Exists(Slot(6)));
}

TEST_F(SlotDialogs, KeysWorkWhicheverControlHasTheFocus) {
  Touch(Slot(1) + "A.zg23");
  EXPECT_EQ(Run(*save_, [&] {
              save_->SpeedButtonSpeicher[0]->click();
              ASSERT_TRUE(save_->EditEingabe->hasFocus() || !QApplication::focusWidget());
              Key(save_->EditEingabe, Qt::Key_P, Qt::ControlModifier);
              Key(save_->EditEingabe, Qt::Key_F1);
              Key(save_->EditEingabe, Qt::Key_F1, Qt::ShiftModifier);  // no such key
              Key(save_->EditEingabe, Qt::Key_Escape);
            }),
            7);
  EXPECT_EQ(sets.hardcopies, 1);
  EXPECT_EQ(sets.hardcopyOf, save_);
  EXPECT_EQ(sets.userGuides, 1);
  EXPECT_EQ(Run(*open_, [&] { Key(open_, Qt::Key_Escape); }), 7);
  EXPECT_EQ(Run(*open_, [&] { open_->close(); }), 7);
}

TEST_F(SlotDialogs, VerwaltenShowsTheClipboardPanelAtTheLeftAndTwiceRestoresTheWindow) {
  open_->Connect(d, &sets);
  WhenModalIs(open_, [&] {
    const QRect before = open_->geometry();
    EXPECT_TRUE(open_->PanelLinks->isHidden());
    EXPECT_EQ(before.size(), QSize(785, 634));
    open_->SpeedButtonVerwalten->click();
    EXPECT_FALSE(open_->PanelLinks->isHidden());
    EXPECT_EQ(open_->size(), QSize(889, 634));
    EXPECT_EQ(open_->geometry().x(), before.x() - 104);
    EXPECT_EQ(open_->PanelMain->x(), 104);
    // The slots keep their place on the screen.
    EXPECT_EQ(open_->PanelSpeicher[0]->mapToGlobal(QPoint()), QPoint(before.x() + 8, before.y() + 8));
    open_->SpeedButtonVerwalten->click();
    EXPECT_EQ(open_->geometry(), before);
    open_->SpeedButtonVerwalten->click();
    open_->SpeedButtonAbbrechen->click();
  });
  open_->ShowModal();
  // Every showing starts with the panel hidden.
  WhenModalIs(open_, [&] {
    EXPECT_TRUE(open_->PanelLinks->isHidden());
    EXPECT_EQ(open_->width(), 785);
    open_->SpeedButtonAbbrechen->click();
  });
  open_->ShowModal();
}

TEST_F(SlotDialogs, ClipboardButtonsMoveAndCopySlots) {
  Touch(Slot(3) + "Eier.zg23");
  Touch(Slot(5) + "Alt.zg23");
  save_->Connect(d, &sets);
  save_->FormShow();
  save_->SpeedButtonSpeicher[2]->click();
  EXPECT_FALSE(Enabled(save_->SpeedButtonPASTE));  // nothing in the clipboard yet
  save_->SpeedButtonCUT->click();
  EXPECT_EQ(FolderEntries(Slot(3)), std::vector<std::string>{});
  EXPECT_EQ(save_->SpeedButtonSpeicher[2]->Caption(), QString());
  EXPECT_EQ(save_->SelectedFile, "");
  EXPECT_EQ(save_->EditEingabe->text(), QString());
  EXPECT_TRUE(Marked(*save_, 3));
  EXPECT_FALSE(Enabled(save_->SpeedButtonCUT));
  EXPECT_TRUE(Enabled(save_->SpeedButtonPASTE));
  EXPECT_FALSE(Enabled(save_->SpeedButtonOK));

  save_->SpeedButtonSpeicher[4]->click();
  save_->SpeedButtonPASTE->click();
  EXPECT_EQ(FolderEntries(Slot(5)), std::vector<std::string>{"Eier.zg23"});
  EXPECT_EQ(save_->SelectedFile, "Eier.zg23");
  EXPECT_EQ(save_->EditEingabe->text(), QStringLiteral("Eier"));
  EXPECT_EQ(save_->SpeedButtonSpeicher[4]->Caption(), QStringLiteral("Eier"));
  for (QWidget* b : {static_cast<QWidget*>(save_->SpeedButtonOK), static_cast<QWidget*>(save_->SpeedButtonDEL),
                     static_cast<QWidget*>(save_->SpeedButtonCUT), static_cast<QWidget*>(save_->SpeedButtonCOPY),
                     static_cast<QWidget*>(save_->SpeedButtonPASTE)})
    EXPECT_TRUE(Enabled(b)) << b->objectName().toStdString();

  save_->SpeedButtonSpeicher[5]->click();
  save_->SpeedButtonPASTE->click();
  EXPECT_EQ(FolderEntries(Slot(6)), std::vector<std::string>{"Eier.zg23"});
  save_->SpeedButtonCOPY->click();
  save_->SpeedButtonDEL->click();
  EXPECT_EQ(FolderEntries(Slot(6)), std::vector<std::string>{});
  EXPECT_FALSE(Enabled(save_->SpeedButtonOK));
  save_->EditEingabe->setText(QStringLiteral("Neu"));
  EXPECT_TRUE(Enabled(save_->SpeedButtonOK));
  // The clipboard kept the data set.
  EXPECT_EQ(FolderEntries(printdata::SlotClipboardFolder(sets.easy)), std::vector<std::string>{"Eier.zg23"});
  EXPECT_TRUE(beeps_.empty());

  // "..." turns all four off.
  open_->Connect(d, &sets);
  open_->FormShow();
  open_->SpeedButtonSpeicher[4]->click();
  EXPECT_TRUE(Enabled(open_->SpeedButtonPASTE));
  fs::remove_all(printdata::SlotClipboardFolder(sets.easy));
  open_->SpeedButtonSpeicher[4]->click();
  EXPECT_FALSE(Enabled(open_->SpeedButtonPASTE));
}

TEST_F(SlotDialogs, RemovingTheOpenDataSetsSlotLeavesTheDataOpenAsChangedWithoutAPath) {
  Touch(Slot(4) + "Eier.zg23");
  OpenAs(Slot(4) + "Eier.zg23");
  EXPECT_EQ(Run(*open_,
                [&] {
                  open_->SpeedButtonVerwalten->click();
                  open_->SpeedButtonDEL->click();
                  open_->SpeedButtonAbbrechen->click();
                }),
            7);
  EXPECT_EQ(d->Count, 1);
  EXPECT_TRUE(d->IsModified());
  EXPECT_EQ(d->PanelTitel->Hint(), QString());
  // Data whose file is still there is left alone.
  Touch(Slot(4) + "Eier.zg23");
  OpenAs(Slot(4) + "Eier.zg23");
  EXPECT_EQ(Run(*open_, [] {}), 7);
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(d->PanelTitel->Hint(), QString::fromStdString(Slot(4) + "Eier.zg23"));
}

TEST_F(SlotDialogs, TheDotsButtonHandsOverToTheFileDialogBelowData) {
  Touch(sets.data + "Fremd.zg23");
  Touch(sets.data + "Gruppe.g23");
  Touch(sets.data + "Notiz.txt");
  // Cancelled: back in the slot dialog with "..." marked and OK off.
  EXPECT_EQ(Run(*open_,
                [&] {
                  WhenModalIs(files_, [&] {
                    EXPECT_EQ(files_->CurrentPath(), sets.data.substr(0, sets.data.size() - 1));
                    EXPECT_EQ(files_->windowTitle(), QStringLiteral(" Öffnen"));
                    EXPECT_EQ(files_->Listing.Count(), 2);  // the archive and the group file
                    files_->SpeedButton_Abbrechen->click();
                  });
                  open_->SpeedButtonDateiManager->click();
                  EXPECT_TRUE(open_->isVisible());
                  EXPECT_TRUE(DotsMarked(*open_));
                  EXPECT_FALSE(Enabled(open_->SpeedButtonOK));
                  EXPECT_EQ(open_->SelectedFolder, "");
                }),
            7);
  // Chosen: the slot dialog ends with 6 at once.
  EXPECT_EQ(Run(*open_,
                [&] {
                  WhenModalIs(files_, [&] { PickFile("Gruppe.g23"); });
                  open_->SpeedButtonDateiManager->click();
                }),
            6);
  EXPECT_EQ(open_->SelectedFolder, sets.data);
  EXPECT_EQ(open_->SelectedFile, "Gruppe.g23");
  // The save dialog's file dialog saves, always with the archive's extension.
  EXPECT_EQ(Run(*save_,
                [&] {
                  WhenModalIs(files_, [&] {
                    EXPECT_EQ(files_->windowTitle(), QStringLiteral(" Speichern unter..."));
                    files_->Edit_FileName->setText(QStringLiteral("Anderswo"));
                    files_->SpeedButton_OK->click();
                  });
                  save_->SpeedButtonDateiManager->click();
                }),
            6);
  EXPECT_EQ(save_->SelectedFolder + save_->SelectedFile, sets.data + "Anderswo.zg23");
  EXPECT_FALSE(save_->SlotChosen);
  EXPECT_TRUE(fs::is_directory(sets.tmp + "ZG12"));
}

}  // namespace dataviewtest
