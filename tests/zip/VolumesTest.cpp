// Archives split into volumes: numbered files in one folder, the last under
// the archive's own name. Both directions with 7-Zip and Info-ZIP.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"
#include "zip/ZipVolumes.h"

using namespace zip;
using namespace ziptest;
namespace fs = std::filesystem;

namespace {

// About 220 kB that do not compress: four volumes of 64 KiB.
void MakeTree(const std::string& root) {
  std::mt19937 rng(7);
  std::string noise(160000, '\0');
  for (char& c : noise) c = static_cast<char>(rng());
  WriteFile(root + "/a.txt", noise);
  WriteFile(root + "/b.bin", MixedBytes(90000, 2));
  WriteFile(root + "/dir/c.txt", "small");
}

void PackSplit(const std::string& source, const std::string& zipFile, const ByteString& password,
               std::int64_t volumeSize, bool advanced = false) {
  TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.SetPassword(password);
  z.EncryptionMethod = caAES_256;
  z.SetCompressionLevel(clFastest);
  z.SetSpanningMode(smSplitting);
  z.SpanningOptions.VolumeSize = vsCustom;
  z.SpanningOptions.SetCustomVolumeSize(volumeSize);
  z.SpanningOptions.AdvancedNaming = advanced;
  z.OpenArchive(fmCreate);
  z.BaseDir = source;
  z.AddFiles(source + "/*.*", faAnyFile, "");
  z.CloseArchive();
}

}  // namespace

TEST(Volumes, NamesOfTheVolumes) {
  struct Case {
    const char* file;
    int volume;
    bool advanced, sfx, alt;
    const char* name;
  } cases[] = {
      {"/d/data.zip", 0, false, false, false, "/d/data.z01"},
      {"/d/data.zip", 11, false, false, false, "/d/data.z12"},
      {"/d/DATA.ZIP", 1, false, false, false, "/d/DATA.Z02"},
      {"/d/data.zip", -1, false, false, false, "/d/data.zip"},
      {"/d/data.zip", 0, false, false, true, "/d/data.f01"},
      {"/d/data.zip", 2, true, false, false, "/d/data_003.zip"},
      {"/d/data.zip", -1, true, false, false, "/d/data.zip"},
      {"/d/data.zip", 0, false, true, false, "/d/data.exe"},
      {"/d/data.zip", 1, false, true, false, "/d/data.z02"},
      {"/d/data.zip", -1, false, true, false, "/d/data.ZIP"},
      {"/d/data.zip", 4, true, true, false, "/d/data_005.exe"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitVolumeName(c.file, c.volume, c.advanced, c.sfx, c.alt), c.name) << c.file << " " << c.volume;
}

TEST(Volumes, SplitArchivesGoBothWaysWithPeers) {
  ASSERT_TRUE(HavePeer("7zz") && HavePeer("zip")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  for (const ByteString& password : {ByteString(""), ByteString("plivet")}) {
    SCOPED_TRACE("password '" + password + "'");
    fs::remove_all(dir / "v");
    fs::create_directories(dir / "v");
    PackSplit(dir / "src", dir / "v/set.zip", password, 65536);
    // Four volumes: no header is split, each volume but the last is full
    // up to its size or up to a header that did not fit.
    for (const char* name : {"set.z01", "set.z02", "set.z03", "set.zip"}) EXPECT_TRUE(Exists(dir / ("v/" + std::string(name)))) << name;
    EXPECT_FALSE(Exists(dir / "v/set.z04"));
    for (const char* name : {"set.z01", "set.z02", "set.z03"}) EXPECT_LE(fs::file_size(dir / ("v/" + std::string(name))), 65536u);
    EXPECT_EQ(SevenZipTestFailure(dir / "v/set.zip", password), "");
    EXPECT_EQ(Unpack(dir / "v/set.zip", dir / "out", password), 0);
    ExpectSameTree(ReadTree(dir / "out"), ReadTree(dir / "src"));
    fs::remove_all(dir / "out");
    // Joined into one file by Info-ZIP, it lists in bsdtar as packed.
    RunResult j = ziptest::Run("cd " + Quote(dir / "v") + " && zip -q -s 0 set.zip --out joined.zip");
    ASSERT_EQ(j.exitCode, 0) << j.output;
    std::vector<std::string> names = BsdtarNames(dir / "v/joined.zip");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.bin", "dir/", "dir/c.txt"}));
  }

  // Info-ZIP's split archive (with its split marker in front) reads here.
  RunResult z = ziptest::Run("cd " + Quote(dir.path()) + " && zip -q -s 64k -r theirs.zip src");
  ASSERT_EQ(z.exitCode, 0) << z.output;
  ASSERT_TRUE(Exists(dir / "theirs.z01"));
  TZipArchiver reader("ZipArchiver");
  reader.FileName = dir / "theirs.zip";
  reader.OpenArchive(fmOpenRead);
  EXPECT_EQ(reader.GetSpanningMode(), smSplitting);
  reader.BaseDir = dir / "theirs";
  reader.ExtractFiles(u"*.*");
  reader.TestFiles(u"*.*");
  EXPECT_EQ(reader.SkippedEntries(), 0);
  reader.CloseArchive();
  ExpectSameTree(ReadTree(dir / "theirs/src"), ReadTree(dir / "src"));
}

TEST(Volumes, AdvancedNamingAndAShorterSetReplacingALongerOne) {
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  PackSplit(dir / "src", dir / "set.zip", "", 65536, true);
  EXPECT_TRUE(Exists(dir / "set_001.zip"));
  EXPECT_TRUE(Exists(dir / "set_003.zip"));
  // Opened without being told, the naming is found from the files there.
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "set.zip";
  z.OpenArchive(fmOpenRead);
  EXPECT_TRUE(z.SpanningOptions.AdvancedNaming);
  ByteString text;
  z.ExtractToString(u"dir/c.txt", text);
  EXPECT_EQ(text, "small");
  z.CloseArchive();

  // A set with fewer volumes removes the volumes of the old one it would
  // otherwise be mixed with.
  PackSplit(dir / "src", dir / "set.zip", "", 200000, true);
  EXPECT_TRUE(Exists(dir / "set_001.zip"));
  EXPECT_FALSE(Exists(dir / "set_002.zip"));
  EXPECT_FALSE(Exists(dir / "set_003.zip"));
  EXPECT_EQ(Unpack(dir / "set.zip", dir / "out", ""), 0);
  ExpectSameTree(ReadTree(dir / "out"), ReadTree(dir / "src"));
}

TEST(Volumes, AMissingVolumeIsAskedForAndCancelStopsTheOpening) {
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  PackSplit(dir / "src", dir / "set.zip", "", 65536);
  fs::rename(dir / "set.z02", dir / "elsewhere.bin");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "set.zip";
  EXPECT_EQ(NativeOf([&] { z.OpenArchive(fmOpenRead); }), 45);  // no handler: a missing file cancels
  std::vector<int> asked;
  z.OnRequestMiddleVolume = [&](TZipBaseArchiver&, int number, std::string& name, bool& cancel) {
    asked.push_back(number);
    name = dir / "elsewhere.bin";
    cancel = false;
  };
  z.OpenArchive(fmOpenRead);
  EXPECT_EQ(asked, std::vector<int>{2});  // numbers count from 1
  z.TestFiles(u"*.*");
  EXPECT_EQ(z.SkippedEntries(), 0);
}

TEST(Volumes, AnOpenedSetTakesOneUpdateAndIsWrittenAnew) {
  ASSERT_TRUE(HavePeer("7zz")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  PackSplit(dir / "src", dir / "set.zip", "plivet", 65536);
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "set.zip";
  z.SetPassword("plivet");
  z.EncryptionMethod = caAES_256;
  int copied = 0;
  z.OnCopyTempFileProgress = [&](TZipBaseArchiver&, double, TZipProgressPhase phase, bool&) {
    copied += phase == ppEnd;
  };
  z.OpenArchive(fmOpenReadWrite);
  EXPECT_EQ(z.GetSpanningMode(), smSplitting);
  EXPECT_EQ(NativeOf([&] { z.AddFromString(u"late.txt", "late"); }), 52);  // outside a bracket
  z.BeginUpdate();
  z.AddFromString(u"late.txt", "late");
  z.DeleteFiles(u"b.bin");
  z.EndUpdate();
  EXPECT_EQ(copied, 1);  // the one entry packed; the others were copied as they were
  EXPECT_EQ(NativeOf([&] { z.BeginUpdate(); }), 62);
  ByteString text;
  z.ExtractToString(u"late.txt", text);
  EXPECT_EQ(text, "late");
  z.CloseArchive();
  EXPECT_EQ(SevenZipTestFailure(dir / "set.zip", "plivet"), "");
  EXPECT_EQ(Unpack(dir / "set.zip", dir / "out", "plivet"), 0);
  EXPECT_EQ(ReadFile(dir / "out/late.txt"), "late");
  EXPECT_FALSE(Exists(dir / "out/b.bin"));
  EXPECT_TRUE(ReadFile(dir / "out/a.txt") == ReadFile(dir / "src/a.txt"));
}

TEST(Volumes, EachNewVolumeIsAnnouncedAndAFullDiskStopsTheSet) {
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "set.zip";
  z.SetSpanningMode(smSplitting);
  z.SpanningOptions.VolumeSize = vsCustom;
  z.SpanningOptions.SetCustomVolumeSize(65536);
  std::vector<int> numbers;
  std::vector<std::string> names;
  z.OnRequestBlankVolume = [&](TZipBaseArchiver&, int number, std::string& name, bool& cancel) {
    numbers.push_back(number);
    names.push_back(name.substr(name.rfind('/') + 1));
    cancel = number == 3 && numbers.size() > 4;  // the second set gives up at its third volume
  };
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "src";
  z.AddFiles(dir / "src/*.*", faAnyFile, "");
  z.CloseArchive();
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(names, (std::vector<std::string>{"set.z01", "set.z02", "set.z03", "set.z04"}));
  const std::string last = ReadFile(dir / "set.zip");

  // Giving up at a new volume leaves the set that was there.
  z.OnProcessFileFailure = [](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int, int,
                              const std::string&, TZipAction& action) { action = fxaAbort; };
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "src";
  EXPECT_EQ(NativeOf([&] { z.AddFiles(dir / "src/*.*", faAnyFile, ""); }), 45);
  z.CloseArchive();
  EXPECT_EQ(ReadFile(dir / "set.zip"), last);
  EXPECT_EQ(Unpack(dir / "set.zip", dir / "out", ""), 0);
  ExpectSameTree(ReadTree(dir / "out"), ReadTree(dir / "src"));
  for (const auto& e : fs::directory_iterator(dir.path()))
    EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}
