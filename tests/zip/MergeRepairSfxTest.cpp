// Merging another archive in, repairing a damaged one, and self-extracting
// archives; every result is read by 7-Zip and bsdtar as well.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(folder)) names.push_back(fs::relative(e.path(), folder).string());
  return Sorted(names);
}

void WriteAged(const std::string& path, const std::string& bytes, int hoursAgo) {
  WriteFile(path, bytes);
  fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
}

}  // namespace

TEST(Merge, EachOverwriteModeDecidesTheNamesBothHold) {
  ASSERT_TRUE(HavePeer("7zz") && HavePeer("bsdtar")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  // Ours: "newer.txt" and "older.txt" are ours; theirs has a newer copy of
  // the first and an older copy of the second.
  WriteAged(dir / "mine/newer.txt", "mine, old", 48);
  WriteAged(dir / "mine/older.txt", "mine, new", 1);
  WriteAged(dir / "mine/only-mine.txt", "only mine", 5);
  WriteAged(dir / "theirs/newer.txt", "theirs, new", 1);
  WriteAged(dir / "theirs/older.txt", "theirs, old", 48);
  WriteAged(dir / "theirs/only-theirs.bin", MixedBytes(50000, 3), 5);
  Pack(dir / "theirs", dir / "theirs/*.*", dir / "theirs.zip", "plivet");
  struct Case {
    const char* name;
    TZipOverwriteMode mode;
    const char* newer;
    const char* older;
  } cases[] = {
      {"never", omNever, "mine, old", "mine, new"},
      {"always", omAlways, "theirs, new", "theirs, old"},
      {"if newer", omIfNewer, "theirs, new", "mine, new"},
      {"if older", omIfOlder, "mine, old", "theirs, old"},
      {"prompt", omPrompt, "theirs, new", "mine, new"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir / "out");
    Pack(dir / "mine", dir / "mine/*.*", dir / "a.zip", "plivet");
    TZipArchiver z("ZipArchiver");
    z.FileName = dir / "a.zip";
    z.SetPassword("plivet");
    z.Options.OverwriteMode = c.mode;
    std::vector<std::string> asked;
    z.OnConfirmOverwrite = [&](TZipBaseArchiver&, const WideString& source, WideString& dest, bool& confirm) {
      asked.push_back(U8(source) + " -> " + U8(dest));
      confirm = U8(source).find("newer.txt") != std::string::npos;
    };
    z.OpenArchive(fmOpenReadWrite);
    const std::vector<std::string> before = [&] {
      std::vector<std::string> n;
      for (int i = 0; i < z.DirManager()->CurrentDirectory.GetCount(); ++i)
        n.push_back(U8(z.DirManager()->CurrentDirectory.GetItemPtr(i)->StoredName));
      return n;
    }();
    z.MergeWith(dir / "theirs.zip");
    EXPECT_EQ(z.GetFileCount(), 4);
    z.CloseArchive();
    if (c.mode == omPrompt) {
      EXPECT_EQ(Sorted(asked), Sorted({dir / "theirs.zip/newer.txt -> " + dir / "a.zip/newer.txt",
                                       dir / "theirs.zip/older.txt -> " + dir / "a.zip/older.txt"}));
    } else {
      EXPECT_TRUE(asked.empty());
    }
    // Our names keep their places; the new one comes last.
    std::vector<std::string> names = before;
    names.push_back("only-theirs.bin");
    EXPECT_EQ(BsdtarNames(dir / "a.zip"), names);
    EXPECT_EQ(SevenZipTestFailure(dir / "a.zip", "plivet"), "");
    EXPECT_EQ(Unpack(dir / "a.zip", dir / "out", "plivet"), 0);
    EXPECT_EQ(ReadFile(dir / "out/newer.txt"), c.newer);
    EXPECT_EQ(ReadFile(dir / "out/older.txt"), c.older);
    EXPECT_EQ(ReadFile(dir / "out/only-mine.txt"), "only mine");
    EXPECT_TRUE(ReadFile(dir / "out/only-theirs.bin") == MixedBytes(50000, 3));
  }
}

TEST(Merge, NothingToTakeLeavesTheArchiveAsItWas) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "alpha");
  WriteFile(dir / "s/b.txt", "beta");
  Pack(dir / "s", dir / "s/*.*", dir / "a.zip", "");
  Pack(dir / "s", dir / "s/*.*", dir / "same.zip", "");
  const std::string before = ReadFile(dir / "a.zip");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  z.Options.OverwriteMode = omNever;
  z.OpenArchive(fmOpenReadWrite);
  z.MergeWith(dir / "same.zip");
  z.CloseArchive();
  // No data copied to lie unreferenced: the file is not even rewritten.
  EXPECT_EQ(ReadFile(dir / "a.zip"), before);
}

TEST(Repair, EntriesThatReadWholeAreCopiedAndDamagedOnesLeftOut) {
  ASSERT_TRUE(HavePeer("7zz") && HavePeer("bsdtar")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", MixedBytes(40000, 1));
  WriteFile(dir / "s/b.bin", MixedBytes(60000, 2));
  WriteFile(dir / "s/c.txt", "small");
  for (const ByteString& password : {ByteString(""), ByteString("plivet")}) {
    SCOPED_TRACE("password '" + password + "'");
    fs::remove_all(dir / "w");
    fs::create_directories(dir / "w");
    Pack(dir / "s", dir / "s/*.*", dir / "w/good.zip", password);
    const std::string good = ReadFile(dir / "w/good.zip");
    ParsedEntry b;
    for (const auto& e : ParseZip(good))
      if (e.name == "b.bin") b = e;
    // b.bin's data changed in one byte, and the directory cut short.
    std::string damaged = good;
    damaged[b.localOffset + 30 + b.localName.size() + b.localExtra.size() + 200] ^= 0x01;
    damaged.resize(damaged.size() - 30);
    WriteFile(dir / "w/damaged.zip", damaged);

    TZipArchiver z("ZipArchiver");
    z.FileName = dir / "w/damaged.zip";
    z.SetPassword(password);
    z.RepairArchive(dir / "w/repaired.zip");
    EXPECT_EQ(ReadFile(dir / "w/damaged.zip"), damaged);  // the source is only read
    EXPECT_EQ(Sorted(BsdtarNames(dir / "w/repaired.zip")), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(SevenZipTestFailure(dir / "w/repaired.zip", password), "");
    EXPECT_EQ(Unpack(dir / "w/repaired.zip", dir / "w/out", password), 0);
    EXPECT_TRUE(ReadFile(dir / "w/out/a.txt") == MixedBytes(40000, 1));
    EXPECT_EQ(ReadFile(dir / "w/out/c.txt"), "small");
    // The entries were copied, not packed again.
    const auto goodEntries = ParseZip(good);
    for (const auto& e : ParseZip(ReadFile(dir / "w/repaired.zip"))) {
      for (const auto& g : goodEntries) {
        if (g.name == e.name) {
          EXPECT_TRUE(g.data == e.data) << e.name;
        }
      }
    }

    // In place: the archive itself is replaced by its repaired form, and
    // nothing else is written beside it.
    fs::remove_all(dir / "w/out");
    z.FileName = dir / "w/damaged.zip";
    z.RepairArchive();
    EXPECT_EQ(Sorted(BsdtarNames(dir / "w/damaged.zip")), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(FilesIn(dir / "w"), (std::vector<std::string>{"damaged.zip", "good.zip", "repaired.zip"}));
  }

  // An archive stored inside an entry: a directory rebuilt from the local
  // headers finds its headers too, but only the outer entry comes out.
  fs::remove_all(dir / "w");
  fs::create_directories(dir / "w");
  TZipArchiver inner("ZipArchiver");
  inner.FileName = dir / "w/inner.zip";
  inner.SetCompressionLevel(clNone);
  inner.OpenArchive(fmCreate);
  inner.AddFromString(u"x.txt", "inner x");
  inner.AddFromString(u"y.txt", "inner y");
  inner.CloseArchive();
  TZipArchiver outer("ZipArchiver");
  outer.FileName = dir / "w/outer.zip";
  outer.SetCompressionLevel(clNone);
  outer.OpenArchive(fmCreate);
  outer.BaseDir = dir / "w";
  outer.AddFiles(dir / "w/inner.zip", faAnyFile, "");
  outer.AddFromString(u"after.txt", "after");
  outer.CloseArchive();
  std::string bytes = ReadFile(dir / "w/outer.zip");
  const std::size_t end = bytes.rfind(std::string("PK\x05\x06", 4));
  ASSERT_NE(end, std::string::npos);
  std::size_t central = 0;  // the directory offset of the end record
  for (int k = 3; k >= 0; --k) central = (central << 8) | static_cast<unsigned char>(bytes[end + 16 + k]);
  WriteFile(dir / "w/outer.zip", bytes.substr(0, central));  // no directory at all
  outer.RepairArchive(dir / "w/fixed.zip");
  EXPECT_EQ(BsdtarNames(dir / "w/fixed.zip"), (std::vector<std::string>{"inner.zip", "after.txt"}));
  EXPECT_EQ(SevenZipTestFailure(dir / "w/fixed.zip"), "");

  // Refused on an open archive, and for a target that cannot be made.
  outer.FileName = dir / "w/fixed.zip";
  outer.OpenArchive(fmOpenRead);
  EXPECT_EQ(NativeOf([&] { outer.RepairArchive(dir / "w/again.zip"); }), 37);
  outer.CloseArchive();
  EXPECT_EQ(NativeOf([&] { outer.RepairArchive(dir / "w/no/such/folder/x.zip"); }), 36);
}

TEST(Repair, NamesFromTheDamagedArchiveNeverBecomePathsOnDisk) {
  testsupport::TempDir dir;
  std::string bytes = BuildZip({{"../escape.txt", "away", 0}, {"/abs.txt", "abs", 0}, {"ok.txt", "fine", 8}});
  bytes.resize(bytes.rfind(std::string("PK\x01\x02", 4)));  // directory lost: rebuilt from the local headers
  WriteFile(dir / "w/d.zip", bytes);
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "w/d.zip";
  z.TempDir = dir / "w";
  z.RepairArchive(dir / "w/r.zip");
  EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"w", "w/d.zip", "w/r.zip"}));
  EXPECT_EQ(BsdtarNames(dir / "w/r.zip"), (std::vector<std::string>{"../escape.txt", "/abs.txt", "ok.txt"}));
}

TEST(Sfx, TheStubRunsAndFindsTheArchiveBehindIt) {
  ASSERT_TRUE(HavePeer("unzipsfx") && HavePeer("7zz")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "alpha");
  WriteFile(dir / "s/sub/b.bin", MixedBytes(70000, 4));
  Pack(dir / "s", dir / "s/*.*", dir / "a.zip", "", caAES_256, clMax);
  const std::string stub = ziptest::Run("command -v unzipsfx").output;
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  z.SFXStub = stub.substr(0, stub.find('\n'));
  z.MakeSFX(dir / "a.run");
  ASSERT_TRUE(Exists(dir / "a.run"));
  EXPECT_TRUE(fs::status(dir / "a.run").permissions() != fs::perms::none);
  EXPECT_NE(fs::status(dir / "a.run").permissions() & fs::perms::owner_exec, fs::perms::none);
  RunResult run = ziptest::Run("mkdir -p " + Quote(dir / "x") + " && cd " + Quote(dir / "x") + " && ../a.run -q");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  ExpectSameTree(ReadTree(dir / "x"), ReadTree(dir / "s"));
  EXPECT_EQ(SevenZipTestFailure(dir / "a.run"), "");
  // We read it as an archive with a prefix.
  z.FileName = dir / "a.run";
  z.OpenArchive(fmOpenRead);
  EXPECT_EQ(z.DirManager()->PrefixSize, static_cast<std::int64_t>(fs::file_size(z.SFXStub)));
  ByteString text;
  z.ExtractToString(u"a.txt", text);
  EXPECT_EQ(text, "alpha");
  z.CloseArchive();

  // Refusals: an archive that has a stub already, no stub, a missing stub.
  EXPECT_EQ(NativeOf([&] { z.MakeSFX(dir / "b.run"); }), 50);
  z.FileName = dir / "a.zip";
  const std::string real = z.SFXStub;
  z.SFXStub = "";
  EXPECT_EQ(NativeOf([&] { z.MakeSFX(dir / "b.run"); }), 17);
  z.SFXStub = dir / "no-stub";
  EXPECT_EQ(NativeOf([&] { z.MakeSFX(dir / "b.run"); }), 18);
  EXPECT_FALSE(Exists(dir / "b.run"));

  // A new archive made with the stub in front runs the same way.
  z.SFXStub = real;
  z.FileName = dir / "new.run";
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "s";
  z.AddFiles(dir / "s/*.*", faAnyFile, "");
  z.CloseArchive();
  fs::permissions(dir / "new.run", fs::perms::owner_exec, fs::perm_options::add);
  run = ziptest::Run("mkdir -p " + Quote(dir / "y") + " && cd " + Quote(dir / "y") + " && ../new.run -q");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  ExpectSameTree(ReadTree(dir / "y"), ReadTree(dir / "s"));
}

TEST(Repair, WhatComesOutOfAnyDamageIsOnlyWhatWentIn) {
  testsupport::TempDir dir;
  const std::map<std::string, std::string> files = {
      {"a.txt", MixedBytes(20000, 1)}, {"b.bin", MixedBytes(30000, 2)}, {"c.txt", "small"}};
  for (const auto& [name, content] : files) WriteFile(dir / ("s/" + name), content);
  std::mt19937 rng(11);
  for (const ByteString& password : {ByteString(""), ByteString("plivet")}) {
    fs::create_directories(dir / "w");
    Pack(dir / "s", dir / "s/*.*", dir / "w/good.zip", password);
    const std::string good = ReadFile(dir / "w/good.zip");
    for (int round = 0; round < 150; ++round) {
      std::string bytes = good;
      const int kind = static_cast<int>(rng() % 3);
      if (kind == 0) {
        bytes.resize(rng() % bytes.size());
      } else {
        for (int k = 0, n = 1 + static_cast<int>(rng() % 4); k < n; ++k) bytes[rng() % bytes.size()] ^= static_cast<char>(1 + rng() % 255);
      }
      WriteFile(dir / "w/d.zip", bytes);
      fs::remove(dir / "w/r.zip");
      TZipArchiver z("ZipArchiver");
      z.FileName = dir / "w/d.zip";
      z.SetPassword(password);
      z.OnPassword = [](TZipBaseArchiver&, const WideString&, ByteString&, bool& skip) { skip = true; };
      try {
        z.RepairArchive(dir / "w/r.zip");
      } catch (const EZipException&) {
        // Nothing left to find is a failure of its own.
      }
      const std::vector<std::string> written = FilesIn(dir / "w");
      EXPECT_TRUE(written == (std::vector<std::string>{"d.zip", "good.zip", "r.zip"}) ||
                  written == (std::vector<std::string>{"d.zip", "good.zip"}))
          << "round " << round;
      if (!Exists(dir / "w/r.zip")) continue;
      // Every entry that came out reads whole, and is one that went in.
      TZipArchiver r("ZipArchiver");
      r.FileName = dir / "w/r.zip";
      r.SetPassword(password);
      r.OpenArchive(fmOpenRead);
      TZipDirArray& d = r.DirManager()->CurrentDirectory;
      for (int i = 0; i < d.GetCount(); ++i) {
        TMemoryStream out;
        r.ExtractItem(i, out, 0, 0);
        const std::string content(out.Data().begin(), out.Data().end());
        EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const auto& f) { return f.second == content; }))
            << "round " << round << ": " << U8(d.GetItemPtr(i)->StoredName);
      }
      r.CloseArchive();
    }
    fs::remove_all(dir / "w");
  }
}
