// Data sets through the program's own archive service: saved and opened
// again, exchanged with 7-Zip, and a save killed at any moment.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <filesystem>

#include "DataSetAppFixture.h"
#include "app/links/ArchiveServiceTools.h"
#include "app/TForm_Main.h"
#include "app/TFormMessage.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "platform/FileIO.h"
#include "printdata/DataSetArchive.h"
#include "printdata/GroupFile.h"
#include "printdata/SampleGroup.h"
#include "printdata/SlotStore.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "zip/ZipTestUtil.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;

class DataSetFiles : public DataSetApp {
 protected:
  void SetUp() override {
    DataSetApp::SetUp();
    d = Form_Main->FrameDaten;
  }
  // Puts the sample data of `count` print texts into the data view.
  void OpenSample(int count) {
    auto sample = datasettest::SampleGroup(count);
    d->Group = *sample;
    d->Count = count;
  }
  // Reads the archive at `path`; its print-text count, -1 when it fails.
  int CountIn(const std::string& path, printdata::PrintGroup& into) {
    auto loaded = printdata::LoadDataSetArchive(tools_, Form_Main->TmpDir, path, into);
    return loaded ? loaded->Count : -1;
  }

  TFrameDaten* d = nullptr;
  app::ArchiveServiceTools tools_;
};

}  // namespace

TEST_F(DataSetFiles, ADataSetSavedAndOpenedAgainIsIdentical) {
  OpenSample(5);
  const auto saved = std::make_unique<printdata::PrintGroup>(d->Group);
  const std::string slot = printdata::SlotFolder(Form_Main->DataEasyDir, 3);
  ASSERT_EQ(Form_Main->FrameMenuSpeichern->SaveArchive(slot, "Eier 5.zg23"), 1) << zip_->LastErrorText;
  EXPECT_TRUE(fs::is_regular_file(slot + "Eier 5.zg23"));
  d->Count = 0;
  printdata::GroupInit(d->Group);
  ASSERT_EQ(Form_Main->FrameMenuOeffnen->LoadArchive(slot + "Eier 5.zg23"), 1);
  EXPECT_EQ(d->Count, 5);
  EXPECT_TRUE(datasettest::SameDataSet(*saved, d->Group, 5));
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Eier 5"));
  EXPECT_EQ(d->PanelTitel->Hint(), QString::fromStdString(slot + "Eier 5.zg23"));
  EXPECT_FALSE(d->IsModified());
  // A file of the container format around an AES-256 ZIP.
  std::string bytes = *platform::ReadWholeFile(slot + "Eier 5.zg23");
  EXPECT_EQ(bytes.substr(0, 11), "LOCK_V0100 ");

  // One changed byte: the checksum no longer matches, the data is closed
  // and TMP keeps nothing of the attempt.
  bytes[bytes.size() / 2] ^= 0x20;
  ASSERT_TRUE(platform::WriteFileAtomic(slot + "Kaputt.zg23", bytes));
  EXPECT_EQ(Form_Main->FrameMenuOeffnen->LoadArchive(slot + "Kaputt.zg23"), -1);
  EXPECT_EQ(d->Count, 0);
  EXPECT_EQ(d->PanelTitel->Caption(), d->TitleNone);
  EXPECT_EQ(d->PanelTitel->Hint(), QString());
  for (const auto& e : fs::directory_iterator(Form_Main->TmpDir))
    EXPECT_NE(e.path().filename().string().rfind("LADENZG23", 0), 0u) << e.path();
}

TEST_F(DataSetFiles, OursOpenIn7ZipAndTheirsOpenHere) {
  ASSERT_TRUE(ziptest::HavePeer("7zz")) << "7zz is missing: run scripts/install-deps.sh";
  OpenSample(3);
  const std::string dir = Tree("peer/");
  fs::create_directories(dir);
  ASSERT_EQ(Form_Main->FrameMenuSpeichern->SaveArchive(dir, "Ours"), 1);
  // What GroupSave writes for the same data, for comparison.
  auto group = datasettest::SampleGroup(3);
  ASSERT_TRUE(printdata::GroupSave(*group, 3, dir + "expected/GP.g23"));
  ASSERT_EQ(zip_->UnlockArchive(dir + "Ours.zg23", dir + "ours.zip"), 0);
  ASSERT_EQ(ziptest::Run("cd '" + dir + "' && 7zz t -pplivet ours.zip").exitCode, 0);
  ASSERT_EQ(ziptest::Run("cd '" + dir + "' && 7zz x -y -pplivet -oseven ours.zip").exitCode, 0);
  EXPECT_EQ(ziptest::ReadTree(dir + "seven"), ziptest::ReadTree(dir + "expected"));
  EXPECT_NE(ziptest::Run("cd '" + dir + "' && 7zz t -pfalsch ours.zip").exitCode, 0);

  // Built by hand: 7-Zip's AES-256 ZIP of a group file named otherwise, put
  // into the container.
  ASSERT_TRUE(printdata::GroupSave(*group, 3, dir + "theirs/Anders.g23"));
  ASSERT_EQ(
      ziptest::Run("cd '" + dir + "theirs' && 7zz a -tzip -mx=9 -mem=AES256 -pplivet ../theirs.zip .").exitCode, 0);
  ASSERT_EQ(zip_->LockArchive(dir + "theirs.zip", dir + "Theirs.zg23"), 0);
  ASSERT_EQ(Form_Main->FrameMenuOeffnen->LoadArchive(dir + "Theirs.zg23"), 1);
  EXPECT_EQ(d->Count, 3);
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Theirs"));
  EXPECT_TRUE(datasettest::SameDataSet(*group, d->Group, 3));
  // The same ZIP under another password is refused whole.
  ASSERT_EQ(ziptest::Run("cd '" + dir + "theirs' && 7zz a -tzip -mem=AES256 -pandere ../other.zip .").exitCode, 0);
  ASSERT_EQ(zip_->LockArchive(dir + "other.zip", dir + "Other.zg23"), 0);
  EXPECT_EQ(Form_Main->FrameMenuOeffnen->LoadArchive(dir + "Other.zg23"), -1);
  EXPECT_EQ(d->Count, 0);
}

// A save killed between its steps (as a crash would) or at any moment while
// it writes: the file at the target is always a complete data set, the
// earlier one until the new one has taken its place.
TEST_F(DataSetFiles, AKilledSaveNeverCostsThePreviousFile) {
  const std::string target = Tree("DATAEASY/004/Eier.zg23");
  auto earlier = datasettest::SampleGroup(2);
  ASSERT_TRUE(printdata::SaveDataSetArchive(tools_, Form_Main->TmpDir, *earlier, 2, target));
  std::string before = *platform::ReadWholeFile(target);
  auto big = datasettest::SampleGroup(printdata::kMaxPrintTexts);
  for (auto& t : big->Texts) t.Note = std::string(4000, 'n');
  auto into = std::make_unique<printdata::PrintGroup>();

  auto runChild = [&](const printdata::SaveStepHook& hook) {
    const pid_t child = ::fork();
    if (child == 0) {
      app::ArchiveServiceTools tools;
      (void)printdata::SaveDataSetArchive(tools, Form_Main->TmpDir, *big, printdata::kMaxPrintTexts, target, hook);
      ::_exit(0);
    }
    return child;
  };
  auto expectWhole = [&](bool mayBeNew) {
    const int count = CountIn(target, *into);
    if (count == 2) {
      EXPECT_TRUE(*platform::ReadWholeFile(target) == before);
    } else {
      EXPECT_TRUE(mayBeNew);
      EXPECT_EQ(count, printdata::kMaxPrintTexts);
      // The earlier data set again (salts and times make new bytes).
      ASSERT_TRUE(printdata::SaveDataSetArchive(tools_, Form_Main->TmpDir, *earlier, 2, target));
      before = *platform::ReadWholeFile(target);
    }
  };

  for (printdata::SaveStep stop : {printdata::SaveStep::GroupWritten, printdata::SaveStep::Zipped}) {
    const pid_t child = runChild([stop](printdata::SaveStep s) {
      if (s == stop) ::raise(SIGKILL);
    });
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    expectWhole(false);
  }

  // Kills at moments spread over a whole save.
  const auto start = std::chrono::steady_clock::now();
  {
    const pid_t child = runChild({});
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
  }
  const auto whole = std::chrono::steady_clock::now() - start;
  expectWhole(true);
  int killedEarly = 0;
  for (int tenth = 1; tenth <= 12; ++tenth) {
    const pid_t child = runChild({});
    ASSERT_GT(child, 0);
    const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(whole * tenth / 10);
    timespec ts{static_cast<time_t>(wait.count() / 1000000000), static_cast<long>(wait.count() % 1000000000)};
    ::nanosleep(&ts, nullptr);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFSIGNALED(status)) ++killedEarly;
    SCOPED_TRACE(tenth);
    expectWhole(true);
  }
  EXPECT_GT(killedEarly, 3);
  // No half-written file beside the target counts as a data set, and the
  // next save clears them away.
  EXPECT_EQ(printdata::FindSlotFile(Tree("DATAEASY/004/")), "Eier.zg23");
  ASSERT_TRUE(printdata::SaveDataSetArchive(tools_, Form_Main->TmpDir, *earlier, 2, target));
  std::vector<std::string> slot;
  for (const auto& e : fs::directory_iterator(Tree("DATAEASY/004"))) slot.push_back(e.path().filename().string());
  EXPECT_EQ(slot, std::vector<std::string>{"Eier.zg23"});
}

// Ctrl+O and Ctrl+S in the main window run their menu entry once: the busy
// message shown while the data set is read or written holds the operator's
// keys, and the key that started the work must not come back after it.
TEST_F(DataSetFiles, CtrlOAndCtrlSRunTheirEntryOnce) {
  OpenSample(4);
  const std::string slot = printdata::SlotFolder(Form_Main->DataEasyDir, 3);
  ASSERT_EQ(Form_Main->FrameMenuSpeichern->SaveArchive(slot, "Eier 4.zg23"), 1) << zip_->LastErrorText;
  d->Count = 0;
  printdata::GroupInit(d->Group);
  Form_Main->show();
  // A second showing would wait for ever: it is cancelled, and counted.
  EventCounter dialog(FormOeffnen, QEvent::Show, [](int shown) {
    if (shown > 1) FormOeffnen->SpeedButtonAbbrechen->click();
  });
  EventCounter busy(FormMessage, QEvent::Show);

  Then(FormOeffnen, [] {
    FormOeffnen->SpeedButtonSpeicher[2]->click();
    FormOeffnen->SpeedButtonOK->click();
  });
  // The key's work runs inside its delivery; what it left queued runs next.
  PressKey(Form_Main, Qt::Key_O, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(dialog.count, 1);
  EXPECT_EQ(busy.count, 1);
  EXPECT_EQ(d->Count, 4);
  EXPECT_FALSE(FormOeffnen->isVisible());
  EXPECT_EQ(StepsLeft(), 0u);

  // The data came from a slot: Ctrl+S writes it back there, with the busy
  // message and no dialog.
  d->SetModified(true);
  busy.count = 0;
  PressKey(Form_Main, Qt::Key_S, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(busy.count, 1);
  EXPECT_FALSE(d->IsModified());
}

}  // namespace apptest
