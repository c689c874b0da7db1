// The open and save menus: new, open, import, save, save as and export with
// the slot dialogs, the file dialog and the archive service, and what each
// outcome leaves of the open data's title, path and modified mark.
#include <QLineEdit>
#include <filesystem>

#include "DataSetFixture.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "printdata/DataSetArchive.h"
#include "printdata/Init.h"
#include "printdata/SampleGroup.h"
#include "printdata/SlotStore.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSpeichern.h"

namespace dataviewtest {
namespace {

namespace fs = std::filesystem;
using LoadAs = TFrameMenuOeffnen::LoadAs;

const QString kFailed = QStringLiteral("Nicht erfolgreich beendet.");

class DataSetMenus : public DataSets {
 protected:
  void SetUp() override {
    DataSets::SetUp();
    host.catalogue = {{1, QStringLiteral("Bitte speichern oder schliessen Sie zuerst die geöffneten Daten.")},
                      {2, QStringLiteral("Bitte speichern Sie zuerst die geöffneten Daten.")},
                      {6, QStringLiteral("Wird ausgeführt...")},
                      {10, kFailed}};
  }
  QString Title() const { return d->PanelTitel->Caption(); }
  QString Hint() const { return d->PanelTitel->Hint(); }
  // Chooses slot `slot` in the open dialog (or, with a name, in the save
  // dialog) and confirms; 0 cancels.
  void ChooseInOpenDialog(int slot) {
    WhenModalIs(open_, [this, slot] {
      if (slot == 0) return open_->SpeedButtonAbbrechen->click();
      open_->SpeedButtonSpeicher[slot - 1]->click();
      open_->SpeedButtonOK->click();
    });
  }
  void ChooseInSaveDialog(int slot, const QString& name) {
    WhenModalIs(save_, [this, slot, name] {
      if (slot == 0) return save_->SpeedButtonAbbrechen->click();
      save_->SpeedButtonSpeicher[slot - 1]->click();
      save_->EditEingabe->setText(name);
      save_->SpeedButtonOK->click();
    });
  }
  // The data set at `path` as the fake service reads it.
  std::unique_ptr<printdata::PrintGroup> Read(const std::string& path, int& count) {
    auto group = std::make_unique<printdata::PrintGroup>();
    testsupport::TempDir work;
    auto loaded = printdata::LoadDataSetArchive(sets.tools, work.path(), path, *group);
    count = loaded ? loaded->Count : -1;
    return group;
  }
  void ExpectClosed() {
    EXPECT_EQ(d->Count, 0);
    EXPECT_EQ(Title(), d->TitleNone);
    EXPECT_EQ(Hint(), QString());
    EXPECT_FALSE(d->IsModified());
  }
  void ExpectLastNotice(const QString& title, const QString& text, std::uint32_t colour) {
    ASSERT_FALSE(host.notices.empty());
    EXPECT_EQ(host.notices.back().title, title);
    EXPECT_EQ(host.notices.back().line1, text);
    EXPECT_EQ(host.notices.back().colour, colour);
  }
};

}  // namespace

TEST_F(DataSetMenus, WithUnsavedChangesNewOpenImportAndExportAreRefused) {
  Open(2);
  d->PanelTitel->SetHint(QStringLiteral("/irgendwo/Eier.zg23"));
  d->SetModified(true);
  for (platform::SpeedButton* b :
       {menus.Oeffnen->SpeedButtonNeu, menus.Oeffnen->SpeedButtonOeffnen, menus.Oeffnen->SpeedButtonImportieren}) {
    b->click();
    ExpectLastNotice(b->Caption(), host.catalogue[1], platform::colours::kSilver);
  }
  menus.Speichern->SpeedButtonExportieren->click();
  ExpectLastNotice(QStringLiteral("Exportieren"), host.catalogue[2], platform::colours::kSilver);
  EXPECT_EQ(host.notices.size(), 4u);
  EXPECT_EQ(d->Count, 2);
  EXPECT_EQ(Title(), QStringLiteral("Eier"));
  EXPECT_EQ(Hint(), QStringLiteral("/irgendwo/Eier.zg23"));
  EXPECT_TRUE(d->IsModified());
  EXPECT_TRUE(sets.busy.empty());
}

TEST_F(DataSetMenus, NewReplacesUnchangedDataWithOneDefaultPrintText) {
  Open(3);
  menus.Oeffnen->SpeedButtonNeu->click();
  EXPECT_EQ(d->Count, 1);
  EXPECT_EQ(Title(), d->TitleNew);
  EXPECT_EQ(Hint(), QString());
  EXPECT_TRUE(d->IsModified());
  printdata::PrintText fresh;
  printdata::PrintTextInit(fresh);
  EXPECT_EQ(d->Group.Texts[0], fresh);
  EXPECT_FALSE(d->RowImages[0]->isHidden());
  EXPECT_TRUE(d->RowImages[1]->isHidden());
}

TEST_F(DataSetMenus, OpeningASlotLoadsItsArchiveOrGroupFile) {
  PutArchive(Slot(7) + "Eier.zg23", 3);
  PutGroupFile(Slot(2) + "Huhn.g23", 2);

  ChooseInOpenDialog(7);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  EXPECT_EQ(d->Count, 3);
  EXPECT_EQ(Title(), QStringLiteral("Eier"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(7) + "Eier.zg23"));
  EXPECT_FALSE(d->IsModified());
  EXPECT_TRUE(datasettest::SameDataSet(d->Group, *datasettest::SampleGroup(3), 3));
  EXPECT_EQ(sets.busy, std::vector<QString>{QStringLiteral("Öffnen: Wird ausgeführt...")});
  EXPECT_EQ(sets.messagesClosed, 1);
  EXPECT_GE(time_->TotalSlept(), 1000u);
  EXPECT_TRUE(host.notices.empty());
  EXPECT_EQ(d->Selected, 0);
  EXPECT_FALSE(d->RowImages[2]->isHidden());
  // The extracted files stay until the next load.
  ASSERT_EQ(TmpLeftovers().size(), 1u);
  EXPECT_EQ(TmpLeftovers()[0].rfind("LADENZG23.", 0), 0u);

  ChooseInOpenDialog(2);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  EXPECT_EQ(d->Count, 2);
  EXPECT_EQ(Title(), QStringLiteral("Huhn"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(2) + "Huhn.g23"));
  EXPECT_FALSE(d->IsModified());

  // Cancelling loads nothing and shows nothing.
  ChooseInOpenDialog(0);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  EXPECT_EQ(Title(), QStringLiteral("Huhn"));
  EXPECT_EQ(sets.busy.size(), 2u);
  EXPECT_TRUE(host.notices.empty());
}

TEST_F(DataSetMenus, AnArchiveThatCannotBeReadClosesTheDataAndLeavesNoWorkFiles) {
  PutArchive(Slot(3) + "Kaputt.zg23", 2);
  Open(2);
  struct Case {
    const char* step;
    std::function<void()> spoil;
  } cases[] = {
      {"unlock", [this] { sets.tools.failures = {{"unlock", -30}}; }},
      {"unzip", [this] { sets.tools.failures = {{"unzip", -21}}; }},
      {"no group",
       [this] {
         sets.tools.failures.clear();
         fs::create_directories(Root("pack"));
         ASSERT_TRUE(platform::WriteFileAtomic(Root("pack/GP_001.j23"), "x"));
         ASSERT_EQ(sets.tools.ZipToArchive(Root("pack/*.*"), Root("p.zip"), "", "plivet", 0), 0);
         ASSERT_EQ(sets.tools.LockArchive(Root("p.zip"), Slot(3) + "Kaputt.zg23"), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    c.spoil();
    ChooseInOpenDialog(3);
    menus.Oeffnen->SpeedButtonOeffnen->click();
    ExpectClosed();
    ExpectLastNotice(QStringLiteral("Öffnen"), kFailed, platform::colours::kRed);
    EXPECT_TRUE(TmpLeftovers().empty());
  }
}

TEST_F(DataSetMenus, PrintTextsThatCouldNotBeReadAreNamedAndTheDataCountsAsChanged) {
  PutGroupFile(Root("pack/GP.g23"), 4);
  ASSERT_TRUE(platform::WriteFileAtomic(Root("pack/GP_002.j23"), "kaputt\r\n"));
  fs::remove(Root("pack/GP_004.j23"));
  ASSERT_EQ(sets.tools.ZipToArchive(Root("pack/*.*"), Root("p.zip"), "", "plivet", 0), 0);
  ASSERT_EQ(sets.tools.LockArchive(Root("p.zip"), Slot(1) + "Teile.zg23"), 0);
  ChooseInOpenDialog(1);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  EXPECT_EQ(d->Count, 4);
  EXPECT_EQ(Title(), QStringLiteral("Teile"));
  EXPECT_TRUE(d->IsModified());
  EXPECT_EQ(menus.Oeffnen->UnreadTexts, (std::vector<int>{1, 3}));
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].title, QStringLiteral("Öffnen"));
  EXPECT_EQ(host.notices[0].line1, QStringLiteral("Diese Drucktexte konnten nicht gelesen werden:"));
  EXPECT_EQ(host.notices[0].line2, QStringLiteral("2, 4"));
  EXPECT_EQ(host.notices[0].colour, platform::colours::kRed);
  sets.language = 1;
  menus.Oeffnen->ReportUnreadTexts(QStringLiteral("Printer"));
  EXPECT_EQ(host.notices.back().line1, QStringLiteral("These print texts could not be read:"));
}

TEST_F(DataSetMenus, ImportedDataIsNewUnsavedDataAndSavingItAsksWhere) {
  PutArchive(temp_.path() + "/home/Documents/Fremd.zg23", 2);
  WhenModalIs(files_, [this] {
    EXPECT_EQ(files_->windowTitle().left(12), QStringLiteral(" Importieren"));
    files_->HomeItemClick(0);
    PickFile("Fremd.zg23");
  });
  menus.Oeffnen->SpeedButtonImportieren->click();
  EXPECT_EQ(d->Count, 2);
  EXPECT_EQ(Title(), QStringLiteral("Fremd"));
  EXPECT_EQ(Hint(), QString());
  EXPECT_TRUE(d->IsModified());
  EXPECT_TRUE(host.notices.empty());

  // "Speichern" without a file is "Speichern unter...".
  ChooseInSaveDialog(4, QStringLiteral("Eigen"));
  menus.Speichern->SpeedButtonSpeichern->click();
  EXPECT_EQ(FolderEntries(Slot(4)), std::vector<std::string>{"Eigen.zg23"});
  EXPECT_EQ(Title(), QStringLiteral("Eigen"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(4) + "Eigen.zg23"));
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(sets.busy.back(), QStringLiteral("Speichern: Wird ausgeführt..."));
  int count = 0;
  auto saved = Read(Slot(4) + "Eigen.zg23", count);
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(datasettest::SameDataSet(*saved, *datasettest::SampleGroup(2), 2));
  EXPECT_LE(TmpLeftovers().size(), 1u);  // at most the last load's extracted files
  for (const std::string& e : TmpLeftovers()) EXPECT_EQ(e.rfind("LADENZG23.", 0), 0u) << "left: " << e;
}

TEST_F(DataSetMenus, SaveWritesTheArchiveBackWhereItCameFrom) {
  PutArchive(Slot(6) + "Eier.zg23", 2);
  ChooseInOpenDialog(6);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  d->Group.Texts[1].Note = "geändert";
  d->SetModified(true);
  menus.Speichern->SpeedButtonSpeichern->click();
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(Title(), QStringLiteral("Eier"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(6) + "Eier.zg23"));
  int count = 0;
  EXPECT_EQ(Read(Slot(6) + "Eier.zg23", count)->Texts[1].Note, "geändert");
  EXPECT_EQ(FolderEntries(Slot(6)), std::vector<std::string>{"Eier.zg23"});

  // From a group file: the archive goes beside it, the group stays.
  PutGroupFile(Slot(9) + "Huhn.g23", 1);
  ChooseInOpenDialog(9);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  menus.Speichern->SpeedButtonSpeichern->click();
  EXPECT_EQ(FolderEntries(Slot(9)), (std::vector<std::string>{"Huhn.g23", "Huhn.zg23", "Huhn_001.j23"}));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(9) + "Huhn.g23"));
  EXPECT_FALSE(d->IsModified());
}

TEST_F(DataSetMenus, AFailedSaveKeepsTheEarlierFileAndMarksTheDataChanged) {
  PutArchive(Slot(6) + "Eier.zg23", 2);
  ChooseInOpenDialog(6);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  const std::string before = *platform::ReadWholeFile(Slot(6) + "Eier.zg23");
  for (const char* step : {"zip", "lock"}) {
    SCOPED_TRACE(step);
    sets.tools.failures = {{step, -21}};
    d->SetModified(false);
    menus.Speichern->SpeedButtonSpeichern->click();
    EXPECT_TRUE(d->IsModified());
    ExpectLastNotice(QStringLiteral("Speichern"), kFailed, platform::colours::kRed);
    EXPECT_EQ(*platform::ReadWholeFile(Slot(6) + "Eier.zg23"), before);
    EXPECT_EQ(Hint(), QString::fromStdString(Slot(6) + "Eier.zg23"));
    for (const std::string& e : TmpLeftovers()) EXPECT_EQ(e.rfind("SPEICHERNZG23", 0), std::string::npos) << e;
  }
}

TEST_F(DataSetMenus, SaveAsIntoASlotReplacesItsContentOnlyOnceTheNewArchiveIsThere) {
  PutArchive(Slot(5) + "Eier.zg23", 2);
  ChooseInOpenDialog(5);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  PutGroupFile(Slot(8) + "Alt.g23", 1);
  const std::vector<std::string> slot8 = FolderEntries(Slot(8));

  // A failing save leaves the target slot as it was, and the open data's
  // identity too.
  sets.tools.failures = {{"lock", -31}};
  ChooseInSaveDialog(8, QStringLiteral("Neu"));
  menus.Speichern->SpeedButtonSpeichernUnter->click();
  EXPECT_EQ(FolderEntries(Slot(8)), slot8);
  EXPECT_EQ(Title(), QStringLiteral("Eier"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(5) + "Eier.zg23"));
  EXPECT_TRUE(d->IsModified());
  ExpectLastNotice(QStringLiteral("Speichern unter..."), kFailed, platform::colours::kRed);

  sets.tools.failures.clear();
  ChooseInSaveDialog(8, QStringLiteral("  Neu  "));
  menus.Speichern->SpeedButtonSpeichernUnter->click();
  EXPECT_EQ(FolderEntries(Slot(8)), std::vector<std::string>{"Neu.zg23"});
  EXPECT_EQ(Title(), QStringLiteral("Neu"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(8) + "Neu.zg23"));
  EXPECT_FALSE(d->IsModified());

  // Under a new name into the open data's own slot: the old archive goes,
  // the data takes the new name.
  ChooseInSaveDialog(8, QStringLiteral("Neuer"));
  menus.Speichern->SpeedButtonSpeichernUnter->click();
  EXPECT_EQ(FolderEntries(Slot(8)), std::vector<std::string>{"Neuer.zg23"});
  EXPECT_EQ(Title(), QStringLiteral("Neuer"));
  EXPECT_FALSE(d->IsModified());

  // Cancelled: nothing changes.
  ChooseInSaveDialog(0, QString());
  menus.Speichern->SpeedButtonSpeichernUnter->click();
  EXPECT_EQ(Title(), QStringLiteral("Neuer"));
  EXPECT_FALSE(d->IsModified());
}

TEST_F(DataSetMenus, ExportWritesACopyAnywhereAndLeavesTheOpenDataAlone) {
  PutArchive(Slot(5) + "Eier.zg23", 2);
  ChooseInOpenDialog(5);
  menus.Oeffnen->SpeedButtonOeffnen->click();
  WhenModalIs(files_, [this] {
    // The title of the open data is proposed.
    EXPECT_TRUE(files_->Edit_FileName->text().startsWith(QStringLiteral("Eier"))) << files_->Edit_FileName->text().toStdString();
    files_->HomeItemClick(1);
    files_->Edit_FileName->setText(QStringLiteral("Kopie"));
    files_->SpeedButton_OK->click();
  });
  menus.Speichern->SpeedButtonExportieren->click();
  int count = 0;
  Read(temp_.path() + "/home/Desktop/Kopie.zg23", count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(Title(), QStringLiteral("Eier"));
  EXPECT_EQ(Hint(), QString::fromStdString(Slot(5) + "Eier.zg23"));
  EXPECT_FALSE(d->IsModified());

  // A failed export says so and changes nothing either.
  sets.tools.failures = {{"zip", -21}};
  WhenModalIs(files_, [this] {
    files_->HomeItemClick(1);
    files_->Edit_FileName->setText(QStringLiteral("Kopie2"));
    files_->SpeedButton_OK->click();
  });
  menus.Speichern->SpeedButtonExportieren->click();
  ExpectLastNotice(QStringLiteral("Exportieren"), kFailed, platform::colours::kRed);
  EXPECT_FALSE(d->IsModified());
  EXPECT_FALSE(Exists(temp_.path() + "/home/Desktop/Kopie2.zg23"));
}

TEST_F(DataSetMenus, LoadingAGroupAsChangedDataGivesItNoPath) {
  PutGroupFile(Root("UPLOAD/GP.g23"), 3);
  EXPECT_EQ(menus.Oeffnen->LoadGroupFile(Root("UPLOAD/GP.g23"), QStringLiteral("Vom Drucker"), LoadAs::Changed), 1);
  EXPECT_EQ(d->Count, 3);
  EXPECT_EQ(Title(), QStringLiteral("Vom Drucker"));
  EXPECT_EQ(Hint(), QString());
  EXPECT_TRUE(d->IsModified());
  // A group without print texts closes the data.
  PutGroupFile(Root("UPLOAD/Leer.g23"), 0);
  EXPECT_EQ(menus.Oeffnen->LoadGroupFile(Root("UPLOAD/Leer.g23"), QStringLiteral("Leer"), LoadAs::Changed), -1);
  ExpectClosed();
  EXPECT_EQ(TFrameMenuOeffnen::FindFirstFile(Root("UPLOAD/*.G23")), "GP.g23");
  EXPECT_EQ(TFrameMenuOeffnen::FindFirstFile(Root("UPLOAD/*.j23")), "GP_001.j23");
  EXPECT_EQ(TFrameMenuOeffnen::FindFirstFile(Root("UPLOAD/*.zg23")), "");
}

}  // namespace dataviewtest
