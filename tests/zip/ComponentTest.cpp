// The component's life: opening modes, the update bracket, in-memory
// archives, and the events with their default dialogs.
#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;

namespace {

// A stream that takes only so many bytes, like a full disk.
class SmallDisk : public TMemoryStream {
 public:
  explicit SmallDisk(std::size_t room) : room_(room) {}
  std::size_t Write(const void* buffer, std::size_t count) override {
    std::int64_t pos = Position();
    std::size_t fits = pos >= static_cast<std::int64_t>(room_) ? 0 : std::min(count, room_ - static_cast<std::size_t>(pos));
    return TMemoryStream::Write(buffer, fits);
  }

 private:
  std::size_t room_;
};

}  // namespace

TEST(Component, OpeningModesAndCodes) {
  testsupport::TempDir dir;
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "missing.zip";
  EXPECT_EQ(NativeOf([&] { z.OpenArchive(fmOpenReadWrite); }), 12);
  z.FileName = dir / "";
  EXPECT_EQ(NativeOf([&] { z.OpenArchive(fmOpenRead); }), 10);
  EXPECT_EQ(NativeOf([&] { z.OpenArchive(); }), 9);
  EXPECT_EQ(NativeOf([&] { z.GetFileCount(); }), 13);

  WriteFile(dir / "s/a.txt", "a");
  Pack(dir / "s", dir / "s/*.*", dir / "x.zip", "");
  z.FileName = dir / "x.zip";
  z.OpenArchive(fmCreate);
  // Nothing is written before a commit: the archive that was there stays
  // until the new one is complete.
  EXPECT_EQ(ParseZip(ReadFile(dir / "x.zip")).size(), 1u);
  z.CloseArchive();
  EXPECT_EQ(Hex(ReadFile(dir / "x.zip")), "50 4B 05 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");

  z.OpenArchive(fmOpenRead);
  EXPECT_EQ(NativeOf([&] { z.BeginUpdate(); }), 32);
  EXPECT_THROW(z.SetSpanningMode(smSplitting), std::runtime_error);
  z.CloseArchive();
  z.SetSpanningMode(smNone);
  EXPECT_EQ(z.GetCurrentVersionText(), "5.05 ");
}

TEST(Component, SecondOpenCommitsTheFirstAndCancelKeepsTheDirectory) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "a");
  WriteFile(dir / "s/b.txt", "b");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "one.zip";
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "s";
  z.BeginUpdate();
  z.AddFiles(dir / "s/a.txt", faAnyFile, "");
  z.FileName = dir / "two.zip";
  z.OpenArchive(fmCreate);  // closes one.zip and commits its entry
  EXPECT_EQ(ParseZip(ReadFile(dir / "one.zip")).size(), 1u);
  z.BeginUpdate();
  z.AddFiles(dir / "s/b.txt", faAnyFile, "");
  EXPECT_EQ(z.GetFileCount(), 1);
  z.CancelUpdate();
  EXPECT_EQ(z.GetFileCount(), 0);
  z.CloseArchive();
  EXPECT_EQ(ReadFile(dir / "two.zip").size(), 22u);
}

TEST(Component, InMemoryArchiveGoesToItsFile) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "in memory first");
  WriteFile(dir / "old.zip", "not yet");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "old.zip";
  z.SetInMemory(true);
  z.OpenArchive();
  z.BaseDir = dir / "s";
  z.AddFiles(dir / "s/a.txt", faAnyFile, "");
  EXPECT_EQ(ReadFile(dir / "old.zip"), "not yet");
  z.SetInMemory(false);
  z.CloseArchive();
  EXPECT_EQ(Unpack(dir / "old.zip", dir / "out", ""), 0);
  EXPECT_EQ(ReadFile(dir / "out/a.txt"), "in memory first");
}

TEST(Events, FailureDialogRetryIgnoreAndClose) {
  testsupport::TempDir dir;
  RawEntry bad{"bad.txt", "payload", 0};
  bad.fixCrc = false;
  bad.crc = 1;
  WriteFile(dir / "a.zip", BuildZip({bad, {"good.txt", "fine", 0}}));
  struct Case {
    std::deque<std::optional<TMsgDlgBtn>> answers;
    std::size_t dialogs;
    bool throws;
    int skipped;
  } cases[] = {
      {{TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore}, 2, false, 1},
      {{TMsgDlgBtn::mbAbort}, 1, true, 0},
      {{std::nullopt}, 1, true, 0},  // closing the dialog aborts
  };
  for (const auto& c : cases) {
    ScriptedDialogs dialogs;
    dialogs.messageAnswers = c.answers;
    std::filesystem::remove_all(dir / "out");
    TZipArchiver z("ZipArchiver");
    z.Dialogs = &dialogs;
    z.FileName = dir / "a.zip";
    z.OpenArchive(fmOpenRead);
    z.BaseDir = dir / "out";
    bool threw = false;
    try {
      z.ExtractFiles(u"*.*");
    } catch (const EZipException& e) {
      threw = true;
      EXPECT_EQ(e.NativeCode, 8);
    }
    EXPECT_EQ(threw, c.throws);
    EXPECT_EQ(dialogs.messages.size(), c.dialogs);
    EXPECT_EQ(dialogs.messages[0],
              "ZipArchiver: Invalid size or check sum of file or unsupported compression format - Native error: "
              "00008. File processing error, possibly disk is full");
    if (!c.throws) {
      EXPECT_EQ(z.SkippedEntries(), c.skipped);
      EXPECT_EQ(ReadFile(dir / "out/good.txt"), "fine");
    }
    EXPECT_FALSE(Exists(dir / "out/bad.txt"));
    z.CloseArchive();
  }
}

TEST(Events, OverwritePromptAnswersForTheRest) {
  testsupport::TempDir dir;
  WriteFile(dir / "a.zip", BuildZip({{"1.txt", "new", 0}, {"2.txt", "new", 0}}));
  struct Case {
    TMsgDlgBtn answer;
    TZipOverwriteMode after;
    const char* content;
  } cases[] = {{TMsgDlgBtn::mbYesToAll, omAlways, "new"}, {TMsgDlgBtn::mbNoToAll, omNever, "old"}};
  for (const auto& c : cases) {
    WriteFile(dir / "out/1.txt", "old");
    WriteFile(dir / "out/2.txt", "old");
    ScriptedDialogs dialogs;
    dialogs.messageAnswers = {c.answer};
    TZipArchiver z("ZipArchiver");
    z.Dialogs = &dialogs;
    z.Options.OverwriteMode = omPrompt;
    z.FileName = dir / "a.zip";
    z.OpenArchive(fmOpenRead);
    z.BaseDir = dir / "out";
    z.ExtractFiles(u"*.*");
    z.CloseArchive();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Overwrite file \"", 0), 0u);
    EXPECT_EQ(z.Options.OverwriteMode, c.after);
    EXPECT_EQ(ReadFile(dir / "out/1.txt"), c.content);
    EXPECT_EQ(ReadFile(dir / "out/2.txt"), c.content);
  }
}

TEST(Events, DiskFullCancelRollsTheCommitBack) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/big.bin", MixedBytes(300000, 3));
  SmallDisk disk(1000);
  TZipArchiver z("ZipArchiver");
  int calls = 0;
  z.OnDiskFull = [&](TZipBaseArchiver&, int volume, const std::string&, bool& cancel) {
    ++calls;
    EXPECT_EQ(volume, 0);
    cancel = true;
  };
  z.OpenArchive(disk, true);
  z.BaseDir = dir / "s";
  z.AddFiles(dir / "s/big.bin", faAnyFile, "");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(z.GetFileCount(), 0);
  z.CloseArchive();
  EXPECT_EQ(disk.Size(), 22);
  // Without a handler a full disk is a failure of the entry (native 65).
  SmallDisk full(1000);
  TZipArchiver plain("ZipArchiver");
  int native = 0;
  plain.OnProcessFileFailure = [&](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int code, int,
                                   const std::string&, TZipAction& action) {
    native = code;
    action = fxaAbort;
  };
  plain.OpenArchive(full, true);
  plain.BaseDir = dir / "s";
  EXPECT_THROW(plain.AddFiles(dir / "s/big.bin", faAnyFile, ""), EZipException);
  EXPECT_EQ(native, 65);
}
