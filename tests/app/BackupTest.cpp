// Backup and restore of the program's data and settings: the files, the PC
// menu's two buttons and the choice of parts.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <filesystem>
#include <map>

#include "DataSetAppFixture.h"
#include "app/links/ArchiveServiceTools.h"
#include "app/pc/ProgramBackup.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormHerstellen.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "app/pc/TFrameMenuPC.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "printdata/SlotStore.h"
#include "printdata/ui/TFrameDaten.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using Content = std::map<std::string, std::string>;

// The archive service with one step that fails.
class FailingTools : public app::ArchiveServiceTools {
 public:
  std::string failing;
  int ZipToArchive(const std::string& s, const std::string& z, const std::string& e, const std::string& p,
                   int f) override {
    return failing == "zip" ? -21 : ArchiveServiceTools::ZipToArchive(s, z, e, p, f);
  }
  int UnzipArchive(const std::string& z, const std::string& f, const std::string& p) override {
    return failing == "unzip" ? -21 : ArchiveServiceTools::UnzipArchive(z, f, p);
  }
};

class Backup : public DataSetApp {
 protected:
  void SetUp() override {
    DataSetApp::SetUp();
    folders_ = app::BackupFolders::Of(*Form_Main);
    Put("DATA/Kunde/Eier.zg23", "data set");
    Put("DATAEASY/003/Huhn.zg23", "slot 3");
    Put("CONFIG/Tarvik23.ini", "[Sprache]\r\n0\r\n");
    Put("SERVICE/KONFIG.sys23", "config copy");
    Put("BMP/Logo.bmp", "BM");
    Put("HELP/Benutzerhandbuch Tarvik23.pdf", "guide");
  }
  void Put(const std::string& relative, const std::string& bytes) {
    fs::create_directories(fs::path(Tree(relative)).parent_path());
    ASSERT_TRUE(platform::WriteFileAtomic(Tree(relative), bytes));
  }
  // Files and folders below a program folder (empty folders show as "x/").
  Content Below(const std::string& relative) const {
    Content out;
    const std::string root = Tree(relative);
    if (!fs::is_directory(root)) return out;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
      const std::string rel = fs::relative(e.path(), root).string();
      if (e.is_directory()) out[rel + "/"] = "";
      else out[rel] = *platform::ReadWholeFile(e.path().string());
    }
    return out;
  }
  // Hidden work folders left in the tree's root.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Tree())) {
      const std::string n = e.path().filename().string();
      if (n[0] == '.') names.push_back(n);
    }
    for (const auto& e : fs::directory_iterator(Tree("TMP"))) {
      const std::string n = e.path().filename().string();
      if (n.rfind("SICHERN", 0) == 0 || n.rfind("HERSTELLEN", 0) == 0) names.push_back(n);
    }
    return names;
  }
  void SetMode(unsigned mode) { FormBedienungsmodus->CurrentMode = mode; }
  // Chooses in the file dialog: a file name in "Eigene Dateien".
  void ThenFile(const QString& name, bool save) {
    Then(files_, [this, name, save] {
      files_->HomeItemClick(0);
      if (save) {
        files_->Edit_FileName->setText(name);
      } else {
        ASSERT_TRUE(files_->SelectItemByName(name.toStdString()));
      }
      files_->SpeedButton_OK->click();
    });
  }
  void ThenCancel(QWidget* window, platform::SpeedButton* cancel) {
    Then(window, [cancel] { cancel->click(); });
  }

  app::BackupFolders folders_;
  app::ArchiveServiceTools tools_;
};

}  // namespace

TEST_F(Backup, ARestoreOfTheDataPutsBackExactlyWhatTheBackupHeld) {
  const std::string target = Home("Documents/Sicherung.bak23");
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, target));
  const Content data = Below("DATA"), easy = Below("DATAEASY"), pictures = Below("BMP");
  EXPECT_EQ(easy.count("003/Huhn.zg23"), 1u);
  // Afterwards: new files, changed files, a removed slot folder.
  Put("DATA/Neu.zg23", "after the backup");
  Put("DATAEASY/003/Huhn.zg23", "changed");
  fs::remove_all(Tree("DATAEASY/017"));
  Put("CONFIG/Tarvik23.ini", "changed config");
  Put("BMP/Neu.bmp", "new picture");

  {
    auto unpacked = app::UnpackBackup(tools_, folders_, target);
    ASSERT_TRUE(unpacked) << unpacked.error();
    ASSERT_TRUE(app::RestoreBackup(folders_, *unpacked, {true, false, false}));
    EXPECT_EQ(Below("DATA"), data);
    EXPECT_EQ(Below("DATAEASY"), easy);
    EXPECT_TRUE(fs::is_directory(Tree("DATAEASY/017")));
    EXPECT_EQ(*platform::ReadWholeFile(Tree("CONFIG/Tarvik23.ini")), "changed config");
    EXPECT_TRUE(fs::exists(Tree("BMP/Neu.bmp")));
    // Pictures and settings too.
    ASSERT_TRUE(app::RestoreBackup(folders_, *unpacked, {false, true, true}));
    EXPECT_EQ(*platform::ReadWholeFile(Tree("CONFIG/Tarvik23.ini")), "[Sprache]\r\n0\r\n");
    EXPECT_EQ(Below("BMP"), pictures);
    EXPECT_EQ(Below("HELP"), (Content{{"Benutzerhandbuch Tarvik23.pdf", "guide"}}));
  }
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

TEST_F(Backup, AFolderTheBackupDoesNotHoldIsLeftAlone) {
  fs::remove_all(Tree("BMP"));
  const std::string target = Home("Documents/OhneBilder.bak23");
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, target));
  Put("BMP/Neu.bmp", "kept");
  auto unpacked = app::UnpackBackup(tools_, folders_, target);
  ASSERT_TRUE(unpacked);
  ASSERT_TRUE(app::RestoreBackup(folders_, *unpacked, {true, true, true}));
  EXPECT_EQ(Below("BMP"), (Content{{"Neu.bmp", "kept"}}));
}

TEST_F(Backup, TheOldBackupIsReplacedOnlyByACompleteNewOne) {
  const std::string target = Home("Documents/Sicherung.bak23");
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, target));
  const std::string before = *platform::ReadWholeFile(target);
  Put("DATA/Neu.zg23", "after the backup");
  FailingTools failing;
  failing.failing = "zip";
  EXPECT_FALSE(app::WriteBackup(failing, folders_, target));
  EXPECT_EQ(*platform::ReadWholeFile(target), before);
  for (app::BackupStep stop : {app::BackupStep::Copied, app::BackupStep::Zipped}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      app::ArchiveServiceTools tools;
      (void)app::WriteBackup(tools, folders_, target, [stop](app::BackupStep s) {
        if (s == stop) ::raise(SIGKILL);
      });
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(*platform::ReadWholeFile(target), before);
  }
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, target));
  EXPECT_NE(*platform::ReadWholeFile(target), before);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

TEST_F(Backup, ADamagedOrForeignBackupIsRefusedBeforeAnythingIsTouched) {
  const std::string target = Home("Documents/Sicherung.bak23");
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, target));
  std::string bytes = *platform::ReadWholeFile(target);
  bytes[bytes.size() / 2] ^= 0x01;
  ASSERT_TRUE(platform::WriteFileAtomic(Home("Documents/Kaputt.bak23"), bytes));
  EXPECT_FALSE(app::UnpackBackup(tools_, folders_, Home("Documents/Kaputt.bak23")));
  ASSERT_TRUE(platform::WriteFileAtomic(Home("Documents/Fremd.bak23"), "LOCK_V0200 00000000"));
  EXPECT_FALSE(app::UnpackBackup(tools_, folders_, Home("Documents/Fremd.bak23")));
  FailingTools failing;
  failing.failing = "unzip";
  EXPECT_FALSE(app::UnpackBackup(failing, folders_, target));
  // A data set is a container too, but holds none of the program folders.
  Put("pack/GP.g23", "group");
  ASSERT_EQ(zip_->ZipToArchive(Tree("pack/*.*"), Tree("pack.zip"), "", "plivet", 0), 0);
  ASSERT_EQ(zip_->LockArchive(Tree("pack.zip"), Home("Documents/Daten.bak23")), 0);
  EXPECT_FALSE(app::UnpackBackup(tools_, folders_, Home("Documents/Daten.bak23")));
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

TEST_F(Backup, BackupIsRefusedWithUnsavedChangesAndNeverOverwritesInTheUserMode) {
  TFrameMenuPC* pc = Form_Main->FrameMenuPC;
  Form_Main->FrameDaten->SetModified(true);
  ThenNotice();
  pc->SpeedButtonSichern->click();
  EXPECT_EQ(notices_, std::vector<QString>{
                          QStringLiteral("Sichern: Bitte speichern oder schliessen Sie zuerst die geöffneten Daten.")});
  Form_Main->FrameDaten->SetModified(false);

  SetMode(0);
  ASSERT_TRUE(platform::WriteFileAtomic(Home("Documents/Alt.bak23"), "old backup"));
  ThenFile(QStringLiteral("Alt"), true);
  ThenNotice();
  Then(files_, [this] {
    EXPECT_EQ(Form_Main->FrameMenuPC->FileDialogActive, 1);
    files_->SpeedButton_Abbrechen->click();
  });
  pc->SpeedButtonSichern->click();
  EXPECT_EQ(StepsLeft(), 0u);
  EXPECT_EQ(notices_.back(), QStringLiteral("Sichern: Sicherung kann von Benutzer nicht überschrieben werden!"));
  EXPECT_EQ(*platform::ReadWholeFile(Home("Documents/Alt.bak23")), "old backup");
  EXPECT_EQ(pc->FileDialogActive, 0);

  SetMode(1);
  ThenFile(QStringLiteral("Alt"), true);
  ThenNotice();
  pc->SpeedButtonSichern->click();
  EXPECT_EQ(notices_.back(), QStringLiteral("Sichern: Erfolgreich beendet."));
  auto unpacked = app::UnpackBackup(tools_, folders_, Home("Documents/Alt.bak23"));
  ASSERT_TRUE(unpacked);
  EXPECT_TRUE(fs::is_regular_file(unpacked->Content() + "DATAEASY/003/Huhn.zg23"));
  EXPECT_TRUE(fs::is_regular_file(unpacked->Content() + "CONFIG/Tarvik23.ini"));
}

TEST_F(Backup, ARestoreReadsTheBackupBeforeItClosesTheOpenData) {
  SetMode(1);
  TFrameMenuPC* pc = Form_Main->FrameMenuPC;
  TFrameDaten* d = Form_Main->FrameDaten;
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, Home("Documents/Gut.bak23")));
  ASSERT_TRUE(platform::WriteFileAtomic(Home("Documents/Kaputt.bak23"), "LOCK_V0100 12345678 no backup"));
  d->Count = 1;
  d->PanelTitel->SetCaption(QStringLiteral("Offen"));
  d->SetModified(true);

  // "Abbrechen" in the choice of parts: nothing happens.
  ThenFile(QStringLiteral("Gut.bak23"), false);
  ThenCancel(FormHerstellen, FormHerstellen->SpeedButtonAbbrechen);
  pc->SpeedButtonHerstellenClick(pc->SpeedButtonHerstellen);
  EXPECT_EQ(d->Count, 1);
  EXPECT_TRUE(notices_.empty());

  // A damaged file: the red notice, the program tree and the open data stay.
  const Content data = Below("DATA");
  ThenFile(QStringLiteral("Kaputt.bak23"), false);
  Then(FormHerstellen, [] { FormHerstellen->SpeedButtonOK->click(); });
  ThenNotice();
  pc->SpeedButtonHerstellenClick(pc->SpeedButtonHerstellen);
  EXPECT_EQ(notices_.back(), QStringLiteral("Herstellen: Nicht erfolgreich beendet."));
  EXPECT_EQ(d->Count, 1);
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Offen"));
  EXPECT_EQ(Below("DATA"), data);

  // Only the data: the open data is closed and the data folders come back.
  Put("DATA/Neu.zg23", "after");
  ThenFile(QStringLiteral("Gut.bak23"), false);
  Then(FormHerstellen, [] {
    FormHerstellen->SpeedButtonBilder->click();
    FormHerstellen->SpeedButtonEinstellungen->click();
    FormHerstellen->SpeedButtonOK->click();
  });
  ThenNotice();
  pc->SpeedButtonHerstellenClick(pc->SpeedButtonHerstellen);
  EXPECT_EQ(StepsLeft(), 0u);
  EXPECT_EQ(notices_.back(), QStringLiteral("Herstellen: Erfolgreich beendet."));
  EXPECT_EQ(Below("DATA"), data);
  EXPECT_EQ(d->Count, 0);
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(pc->FileDialogActive, 0);
}

TEST_F(Backup, TheChoiceOfPartsAndItsRefusalToTheUser) {
  SetMode(1);
  Then(FormHerstellen, [] {
    TFormHerstellen* h = FormHerstellen;
    for (platform::SpeedButton* b : {h->SpeedButtonDaten, h->SpeedButtonBilder, h->SpeedButtonEinstellungen}) {
      EXPECT_EQ(b->Tag, 1);
      EXPECT_TRUE(platform::OwnEnabled(h->SpeedButtonOK));
      b->click();
    }
    EXPECT_EQ(h->PanelDaten->Color(), platform::colours::kSilver);
    EXPECT_FALSE(platform::OwnEnabled(h->SpeedButtonOK));
    PressKey(h, Qt::Key_Return);
    EXPECT_TRUE(h->isVisible());
    h->SpeedButtonBilder->click();
    EXPECT_EQ(h->PanelBilder->Color(), platform::colours::kGrey);
    PressKey(h, Qt::Key_Return);
  });
  EXPECT_EQ(FormHerstellen->ShowModal(), 6);
  EXPECT_EQ(FormHerstellen->SpeedButtonBilder->Tag, 1);
  EXPECT_EQ(FormHerstellen->SpeedButtonDaten->Tag, 0);

  SetMode(0);
  Then(FormHerstellen, [this] {
    EXPECT_EQ(FormHerstellen->SpeedButtonDaten->Tag, 1);  // every showing starts with all three
    EXPECT_FALSE(platform::OwnEnabled(FormHerstellen->SpeedButtonOK));
    ThenNotice();
    FormHerstellen->PanelOKClick(FormHerstellen->PanelOK);
    PressKey(FormHerstellen, Qt::Key_Escape);
  });
  EXPECT_EQ(FormHerstellen->ShowModal(), 7);
  EXPECT_EQ(notices_, std::vector<QString>{QStringLiteral("OK: Kann von Benutzer nicht ausgeführt werden!")});
}

TEST_F(Backup, TheChoiceOfPartsShowsEverythingUncut) {
  SetMode(1);
  Then(FormHerstellen, [] {
    TFormHerstellen* h = FormHerstellen;
    EXPECT_EQ(h->size(), QSize(201, 257));
    for (QWidget* panel : {static_cast<QWidget*>(h->PanelMain), static_cast<QWidget*>(h->PanelUnten)}) {
      EXPECT_TRUE(h->rect().contains(panel->geometry()));
      for (QWidget* c : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(panel->rect().contains(c->geometry())) << c->objectName().toStdString();
        for (QWidget* o : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
          if (o != c) {
            EXPECT_FALSE(o->geometry().intersects(c->geometry())) << c->objectName().toStdString();
          }
      }
    }
    for (platform::SpeedButton* b : {h->SpeedButtonDaten, h->SpeedButtonBilder, h->SpeedButtonEinstellungen,
                                     h->SpeedButtonOK, h->SpeedButtonAbbrechen})
      EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->Caption()), b->width() - 4);
    h->SpeedButtonBilder->click();
    Screenshot(h, "FormHerstellen");
    h->SpeedButtonAbbrechen->click();
  });
  EXPECT_EQ(FormHerstellen->ShowModal(), 7);
}

TEST_F(Backup, ARestoreOfTheSettingsEndsTheProgram) {
  SetMode(1);
  ASSERT_TRUE(app::WriteBackup(tools_, folders_, Home("Documents/Alles.bak23")));
  EXPECT_EXIT(
      {
        ThenFile(QStringLiteral("Alles.bak23"), false);
        Then(FormHerstellen, [] { FormHerstellen->SpeedButtonOK->click(); });
        ThenNotice();
        ThenNotice();
        Form_Main->FrameMenuPC->SpeedButtonHerstellenClick(nullptr);
        std::exit(0);
      },
      ::testing::ExitedWithCode(255), "");
}

}  // namespace apptest
