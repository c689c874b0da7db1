// The operations that change entries of an archive in place: deleting,
// renaming, attributes and comments, freshening, moving, adding from
// strings and streams, and the checks (test, password, validity). Every
// result is also read by 7-Zip and bsdtar.
#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> NamesOf(TZipBaseArchiver& z) {
  std::vector<std::string> names;
  TZipDirArray& dir = z.DirManager()->CurrentDirectory;
  for (int i = 0; i < dir.GetCount(); ++i) names.push_back(U8(dir.GetItemPtr(i)->StoredName));
  return names;
}

std::vector<std::string> NamesOf(const std::string& zipFile) {
  std::vector<std::string> names;
  for (const auto& e : ParseZip(ReadFile(zipFile))) names.push_back(e.name);
  return names;
}

class Operations : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* p : {"7zz", "bsdtar"}) ASSERT_TRUE(HavePeer(p)) << p << " is missing: run scripts/install-deps.sh";
    WriteFile(dir / "s/a.txt", "alpha alpha alpha");
    WriteFile(dir / "s/b.bin", MixedBytes(70000, 5));
    WriteFile(dir / "s/dir/c.txt", "gamma");
    WriteFile(dir / "s/dir/sub/dir/e.txt", "epsilon");
    zipFile = dir / "a.zip";
  }
  void Pack(const ByteString& password = "plivet") {
    ziptest::Pack(dir / "s", dir / "s/*.*", zipFile, password);
    this->password = password;
  }
  void Open(TZipArchiver& z) {
    z.FileName = zipFile;
    z.TempDir = dir.path();
    z.SetPassword(password);
    z.EncryptionMethod = caAES_256;
    z.SetCompressionLevel(clMax);
    z.OpenArchive(fmOpenReadWrite);
  }
  // 7-Zip finds every entry right and bsdtar lists `names`.
  void ExpectPeersList(const std::vector<std::string>& names) {
    EXPECT_EQ(SevenZipTestFailure(zipFile, password), "");
    EXPECT_EQ(BsdtarNames(zipFile), names);
  }
  testsupport::TempDir dir;
  std::string zipFile;
  ByteString password;
};

}  // namespace

TEST_F(Operations, DeleteFirstLastAndAll) {
  Pack();
  const std::vector<std::string> all = NamesOf(zipFile);
  ASSERT_GE(all.size(), 5u);
  struct Case {
    const char* what;
    std::function<WideString(const std::vector<std::string>&)> mask;
    std::function<std::vector<std::string>(std::vector<std::string>)> left;
  } cases[] = {
      {"first", [](const auto& n) { return W(n.front()); },
       [](std::vector<std::string> n) { n.erase(n.begin()); return n; }},
      {"last", [](const auto& n) { return W(n.back()); },
       [](std::vector<std::string> n) { n.pop_back(); return n; }},
      {"all", [](const auto&) { return WideString(u"*.*"); }, [](std::vector<std::string>) {
         return std::vector<std::string>();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pack();
    {
      TZipArchiver z("ZipArchiver");
      Open(z);
      z.DeleteFiles(c.mask(all));
      EXPECT_EQ(NamesOf(z), c.left(all));
      z.CloseArchive();
    }
    EXPECT_EQ(NamesOf(zipFile), c.left(all));
    if (std::string(c.what) == "all") {
      EXPECT_EQ(ReadFile(zipFile).size(), 22u);  // only the end record is left
      EXPECT_EQ(SevenZipTestFailure(zipFile, password), "");
    } else {
      ExpectPeersList(c.left(all));
    }
    EXPECT_EQ(Unpack(zipFile, dir / ("out-" + std::string(c.what)), password), 0);
  }
  // What is left of "last" still unpacks to the files it names.
  EXPECT_EQ(ReadFile(dir / "out-last/a.txt"), "alpha alpha alpha");
}

TEST_F(Operations, RenameAFolderTakesItsEntriesAndOnlyTheLeadingPartChanges) {
  Pack();
  {
    TZipArchiver z("ZipArchiver");
    Open(z);
    z.RenameFile(u"dir", u"folder");
    z.CloseArchive();
  }
  std::vector<std::string> names = NamesOf(zipFile);
  for (const std::string& n : names) EXPECT_NE(n.rfind("dir/", 0), 0u) << n;
  EXPECT_NE(std::find(names.begin(), names.end(), "folder/sub/dir/e.txt"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "folder/"), names.end());
  ExpectPeersList(names);
  // The data was copied, not repacked: it reads back the same everywhere.
  EXPECT_EQ(Unpack(zipFile, dir / "out", password), 0);
  EXPECT_EQ(ReadFile(dir / "out/folder/sub/dir/e.txt"), "epsilon");
  EXPECT_EQ(ReadFile(dir / "out/folder/c.txt"), "gamma");
  RunResult x = ziptest::Run("cd " + Quote(dir.path()) + " && 7zz x -y -p" + password + " -o7z " + Quote(zipFile));
  ASSERT_EQ(x.exitCode, 0) << x.output;
  EXPECT_EQ(ReadFile(dir / "7z/folder/sub/dir/e.txt"), "epsilon");

  TZipArchiver z("ZipArchiver");
  Open(z);
  // An unknown name, and a name another entry has.
  EXPECT_EQ(NativeOf([&] { z.RenameFile(u"nothing.txt", u"x.txt"); }), 30);
  EXPECT_EQ(NativeOf([&] { z.RenameFile(u"a.txt", u"B.BIN"); }), 19);
  z.CloseArchive();
  EXPECT_EQ(NamesOf(zipFile), names);
}

TEST_F(Operations, CommentsAndAttributesRoundTrip) {
  Pack();
  {
    TZipArchiver z("ZipArchiver");
    Open(z);
    z.SetFileComment("archive comment");
    z.ChangeFilesComment(u"a.txt", "a comment of a");
    z.ChangeFilesAttr(u"dir/", faReadOnly);
    z.ChangeFilesIntAttr(u"*.txt", 1);
    EXPECT_EQ(NativeOf([&] { z.ChangeFilesComment(u"none.*", "x"); }), 31);
    EXPECT_EQ(NativeOf([&] { z.ChangeFilesIntAttr(u"none.*", 1); }), 38);
    z.CloseArchive();
  }
  TZipArchiver z("ZipArchiver");
  Open(z);
  EXPECT_EQ(z.GetFileComment(), "archive comment");
  TZipArchiveItem item;
  ASSERT_TRUE(z.FindFirst(u"a.txt", item));
  EXPECT_EQ(item.Comment, "a comment of a");
  ASSERT_TRUE(z.FindFirst(u"dir/", item));
  EXPECT_EQ(item.ExternalFileAttributes, faDirectory | faReadOnly);  // a folder stays a folder
  EXPECT_EQ(z.DirManager()->CurrentDirectory.GetItemPtr(item.ItemNo)->Header.InternalAttributes, 0);
  ASSERT_TRUE(z.FindFirst(u"dir/c.txt", item));
  EXPECT_EQ(z.DirManager()->CurrentDirectory.GetItemPtr(item.ItemNo)->Header.InternalAttributes, 1);
  z.CloseArchive();
  ExpectPeersList(NamesOf(zipFile));
  RunResult l = ziptest::Run("7zz l -slt -p" + password + " " + Quote(zipFile));
  EXPECT_NE(l.output.find("Comment = a comment of a"), std::string::npos) << l.output;
  EXPECT_NE(l.output.find("archive comment"), std::string::npos) << l.output;
}

TEST_F(Operations, AddFromStringsBuffersAndStreams) {
  TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.SetPassword("plivet");
  password = "plivet";
  z.EncryptionMethod = caAES_256;
  z.SetCompressionLevel(clMax);
  z.OpenArchive(fmCreate);
  z.AddFromString(u"three.txt", "abc");
  z.Options.OverwriteMode = omNever;
  z.AddFromString(u"three.txt", "a longer text");  // refused by the overwrite rule, quietly
  const std::string buffer = MixedBytes(200000, 9);
  z.AddFromBuffer(u"dir\\buffer.bin", buffer.data(), buffer.size());
  TMemoryStream source(std::vector<std::uint8_t>(buffer.begin(), buffer.end()));
  source.SetPosition(5);
  z.AddFromStream(u"part.bin", source, true, 100, 1000);
  EXPECT_EQ(source.Position(), 5);  // the caller's position is kept
  z.AddFromStream(u"whole.bin", source, false);  // read at the commit, from the start
  z.Options.OverwriteMode = omAlways;
  z.BeginUpdate();
  z.AddFromString(u"late.txt", "written by the outer bracket");
  z.EndUpdate();
  z.CloseArchive();
  ExpectPeersList({"three.txt", "dir/buffer.bin", "part.bin", "whole.bin", "late.txt"});
  z.OpenArchive(fmOpenRead);
  ByteString text;
  z.ExtractToString(u"three.txt", text);
  EXPECT_EQ(text, "abc");
  z.ExtractToString(u"dir/buffer.bin", text);
  EXPECT_TRUE(text == buffer);
  z.ExtractToString(u"part.bin", text);
  EXPECT_TRUE(text == buffer.substr(100, 1000));
  z.ExtractToString(u"whole.bin", text);
  EXPECT_TRUE(text == buffer);
  z.CloseArchive();
}

TEST_F(Operations, PasswordCheckAndTestRaiseNoPasswordEvent) {
  Pack();
  TZipArchiver z("ZipArchiver");
  int asked = 0;
  z.OnPassword = [&](TZipBaseArchiver&, const WideString&, ByteString&, bool& skip) {
    ++asked;
    skip = true;
  };
  Open(z);
  EXPECT_TRUE(z.IsFilePasswordValid(u"b.bin", "plivet"));
  EXPECT_FALSE(z.IsFilePasswordValid(u"b.bin", "wrong"));
  EXPECT_FALSE(z.IsFilePasswordValid(u"dir/c.txt", ""));
  EXPECT_TRUE(z.IsFilePasswordValid(u"dir/", "anything"));  // a folder is not encrypted
  EXPECT_EQ(NativeOf([&] { z.IsFilePasswordValid(u"none.txt", "plivet"); }), 42);
  EXPECT_EQ(z.GetPassword(), "plivet");
  EXPECT_EQ(asked, 0);
  z.TestFiles(u"*.*");
  EXPECT_EQ(z.SkippedEntries(), 0);
  z.BeginUpdate();
  EXPECT_EQ(NativeOf([&] { z.TestFiles(); }), 26);
  z.CancelUpdate();
  z.CloseArchive();

  // A changed byte of one entry's data fails that entry's test alone.
  std::string bytes = ReadFile(zipFile);
  ParsedEntry b;
  for (const auto& e : ParseZip(bytes))
    if (e.name == "b.bin") b = e;
  bytes[b.localOffset + 30 + b.localName.size() + b.localExtra.size() + 100] ^= 0x20;
  WriteFile(zipFile, bytes);
  std::vector<std::string> failed;
  z.OnProcessFileFailure = [&](TZipBaseArchiver&, const WideString& name, TZipProcessOperation op, int native, int,
                               const std::string&, TZipAction& action) {
    EXPECT_EQ(op, poTest);
    EXPECT_EQ(native, 8);
    failed.push_back(U8(name));
    action = fxaIgnore;
  };
  Open(z);
  z.TestFiles(u"*.*");
  EXPECT_EQ(failed, std::vector<std::string>{"b.bin"});
  EXPECT_EQ(asked, 0);
  z.CloseArchive();
}

TEST_F(Operations, FreshenTakesNewerFilesOnlyAndNeverLeavesTheBase) {
  Pack("");
  const auto now = fs::last_write_time(dir / "s/a.txt");
  WriteFile(dir / "s/a.txt", "alpha, changed");
  fs::last_write_time(dir / "s/a.txt", now + std::chrono::hours(1));
  WriteFile(dir / "s/dir/c.txt", "gamma, but older");
  fs::last_write_time(dir / "s/dir/c.txt", now - std::chrono::hours(1));
  fs::remove(dir / "s/dir/sub/dir/e.txt");  // gone from disk: the entry stays
  {
    TZipArchiver z("ZipArchiver");
    Open(z);
    z.Options.OverwriteMode = omIfNewer;
    z.BaseDir = dir / "s";
    z.UpdateFiles(u"*.*");
    z.CloseArchive();
  }
  ExpectPeersList(NamesOf(zipFile));
  EXPECT_EQ(Unpack(zipFile, dir / "out", ""), 0);
  EXPECT_EQ(ReadFile(dir / "out/a.txt"), "alpha, changed");
  EXPECT_EQ(ReadFile(dir / "out/dir/c.txt"), "gamma");
  EXPECT_EQ(ReadFile(dir / "out/dir/sub/dir/e.txt"), "epsilon");

  // An entry whose name climbs out of the base folder is not freshened from
  // a file there.
  WriteFile(dir / "secret.txt", "not for the archive");
  WriteFile(dir / "evil.zip", BuildZip({{"../secret.txt", "old", 0}}));
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "evil.zip";
  z.OpenArchive(fmOpenReadWrite);
  z.BaseDir = dir / "s";
  z.UpdateFiles(u"*.*");
  ByteString text;
  z.ExtractToString(u"../secret.txt", text);
  EXPECT_EQ(text, "old");
  z.CloseArchive();
}

TEST_F(Operations, MoveDeletesTheSourcesAfterTheCommitOnly) {
  TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "s";
  std::vector<TZipProcessOperation> asked;
  z.OnConfirmProcessFile = [&](TZipBaseArchiver&, const WideString&, TZipProcessOperation op, bool& confirm) {
    asked.push_back(op);
    confirm = true;
  };
  z.MoveFiles(dir / "s/dir/*.*", faAnyFile, "");
  z.CloseArchive();
  EXPECT_FALSE(asked.empty());
  for (auto op : asked) EXPECT_EQ(op, poMove);
  // The files, then the folders they emptied (the mask's own folder is no
  // entry and stays).
  EXPECT_FALSE(Exists(dir / "s/dir/c.txt"));
  EXPECT_FALSE(Exists(dir / "s/dir/sub"));
  EXPECT_TRUE(Exists(dir / "s/dir"));
  EXPECT_TRUE(Exists(dir / "s/a.txt"));
  ExpectPeersList(NamesOf(zipFile));
  EXPECT_EQ(Unpack(zipFile, dir / "out", ""), 0);
  EXPECT_EQ(ReadFile(dir / "out/dir/c.txt"), "gamma");
  EXPECT_EQ(ReadFile(dir / "out/dir/sub/dir/e.txt"), "epsilon");

  // A failed commit moves nothing.
  WriteFile(dir / "t/x.txt", "x");
  TZipArchiver f("ZipArchiver");
  f.FileName = dir / "b.zip";
  f.OnProcessFileFailure = [](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int, int,
                              const std::string&, TZipAction& action) { action = fxaAbort; };
  f.OnOverallProgress = [](TZipBaseArchiver&, double, TZipProcessOperation, TZipProgressPhase phase, bool& cancel) {
    cancel = phase == ppProcess;
  };
  f.OpenArchive(fmCreate);
  f.BaseDir = dir / "t";
  f.MoveFiles(dir / "t/*.*", faAnyFile, "");
  f.CloseArchive();
  EXPECT_TRUE(Exists(dir / "t/x.txt"));
}

TEST_F(Operations, ReadOnlyOperationsRefuseABracketAndChangesNeedOne) {
  Pack();
  TZipArchiver z("ZipArchiver");
  EXPECT_EQ(NativeOf([&] { z.DeleteFiles(u"*.*"); }), 13);
  Open(z);
  EXPECT_EQ(NativeOf([&] { z.DeleteItem(0); }), 22);
  EXPECT_EQ(NativeOf([&] { z.UpdateItem(0, dir / "s/a.txt"); }), 25);
  z.BeginUpdate();
  EXPECT_EQ(NativeOf([&] { z.DeleteItem(99); }), 21);
  EXPECT_EQ(NativeOf([&] { z.UpdateItem(-1, dir / "s/a.txt"); }), 24);
  EXPECT_EQ(NativeOf([&] { z.IsFilePasswordValid(u"a.txt", "plivet"); }), 26);
  z.CancelUpdate();
  z.CloseArchive();
}
