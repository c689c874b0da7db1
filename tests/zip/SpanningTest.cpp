// Archives spanned over removable disks: every disk holds one volume under
// the archive's name and the operator changes the disk when asked. The drive
// is a folder (DiskDrive) and the operator answers the default dialogs
// (DiskOperator); the joined volumes go to Info-ZIP and 7-Zip.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "ArchiveHelpers.h"
#include "DiskDrive.h"
#include "DiskOperator.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;
namespace fs = std::filesystem;

namespace {

// 220 kB that do not compress: three volumes on disks of 100 kB.
void MakeTree(const std::string& root) {
  std::mt19937 rng(11);
  std::string noise(220000, '\0');
  for (char& c : noise) c = static_cast<char>(rng());
  WriteFile(root + "/a.txt", noise.substr(0, 160000));
  WriteFile(root + "/b.bin", noise.substr(160000));
  WriteFile(root + "/dir/c.txt", "small");
}

// An archiver on the drive, answered by the operator.
void Attach(TZipArchiver& z, DiskDrive& drive, DiskOperator& op) {
  z.FileName = drive.Path("set.zip");
  z.Medium = &drive;
  z.Dialogs = &op;
}

void Pack(TZipArchiver& z, const std::string& source) {
  z.SetSpanningMode(smSpanning);
  z.OpenArchive(fmCreate);
  z.BaseDir = source;
  z.AddFiles(source + "/*.*", faAnyFile, "");
}

// Extracts the whole set from the drive; returns the entries left out.
int UnpackFromDrive(DiskDrive& drive, DiskOperator& op, const std::string& target, const ByteString& password) {
  TZipArchiver reader("ZipArchiver");
  Attach(reader, drive, op);
  reader.SetPassword(password);
  reader.OpenArchive(fmOpenRead);
  reader.BaseDir = target;
  reader.ExtractFiles(u"*.*");
  return reader.SkippedEntries();
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(Spanning, EachVolumeGoesOntoADiskOfItsOwnAndTheSetReadsBackFromTheDisks) {
  ASSERT_TRUE(HavePeer("7zz") && HavePeer("zip") && HavePeer("unzip")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  DiskDrive drive(dir / "media", 100000);
  DiskOperator op(drive);
  TZipArchiver z("ZipArchiver");
  Attach(z, drive, op);
  Pack(z, dir / "src");
  EXPECT_EQ(op.messages, Texts({"Please insert a blank disk #1", "Please insert a blank disk #2",
                                "Please insert a blank disk #3"}));
  for (int disk = 1; disk <= 3; ++disk) {
    std::map<std::string, std::string> files = drive.Files(disk);
    ASSERT_EQ(files.size(), 1u) << disk;  // no temporary file stayed behind
    EXPECT_LE(files["set.zip"].size(), 100000u) << disk;
    EXPECT_EQ(drive.labels[disk], "pkback# 00" + std::to_string(disk));
  }
  EXPECT_EQ(drive.InDrive(), 3);

  // Still open, the archive asks for the disks when their data is read; the
  // last one is in the drive.
  op.messages.clear();
  ByteString text;
  z.ExtractToString(u"a.txt", text);
  EXPECT_TRUE(text == ReadFile(dir / "src/a.txt"));
  EXPECT_EQ(op.messages, Texts({"Please insert the first disk", "Please insert disk #2"}));
  z.CloseArchive();

  // Opened anew with the last disk in the drive, as the operator finds it.
  drive.Insert(3);
  op.messages.clear();
  TZipArchiver reader("ZipArchiver");
  Attach(reader, drive, op);
  reader.OpenArchive(fmOpenRead);
  EXPECT_EQ(reader.GetSpanningMode(), smSpanning);
  EXPECT_EQ(op.messages, Texts({"Please insert the first disk", "Please insert disk #2"}));
  reader.BaseDir = dir / "out";
  reader.ExtractFiles(u"*.*");
  reader.TestFiles(u"*.*");
  EXPECT_EQ(reader.SkippedEntries(), 0);
  reader.CloseArchive();
  ExpectSameTree(ReadTree(dir / "out"), ReadTree(dir / "src"));

  // The volumes copied off their disks and joined by Info-ZIP read in
  // Info-ZIP and 7-Zip as packed.
  fs::create_directories(dir / "join");
  WriteFile(dir / "join/set.z01", drive.Files(1)["set.zip"]);
  WriteFile(dir / "join/set.z02", drive.Files(2)["set.zip"]);
  WriteFile(dir / "join/set.zip", drive.Files(3)["set.zip"]);
  RunResult j = ziptest::Run("cd " + Quote(dir / "join") + " && zip -q -s 0 set.zip --out joined.zip");
  ASSERT_EQ(j.exitCode, 0) << j.output;
  EXPECT_EQ(SevenZipTestFailure(dir / "join/joined.zip"), "");
  RunResult u = ziptest::Run("unzip -q " + Quote(dir / "join/joined.zip") + " -d " + Quote(dir / "infozip"));
  ASSERT_EQ(u.exitCode, 0) << u.output;
  ExpectSameTree(ReadTree(dir / "infozip"), ReadTree(dir / "src"));
}

TEST(Spanning, AnotherDiskInTheDriveAtOpeningMakesItAskForTheLastOne) {
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  DiskDrive drive(dir / "media", 100000);
  DiskOperator op(drive);
  {
    TZipArchiver z("ZipArchiver");
    Attach(z, drive, op);
    Pack(z, dir / "src");
  }
  // The first disk is in the drive; the operator first puts in a disk
  // without the archive.
  drive.Insert(1);
  op.messages.clear();
  op.lastDisk = 3;
  op.wrongDisks = {7};
  TZipArchiver reader("ZipArchiver");
  Attach(reader, drive, op);
  reader.OpenArchive(fmOpenRead);
  EXPECT_EQ(op.messages,
            Texts({"Please insert the last disk",
                   "File '" + drive.Path("set.zip") +
                       "' not found on inserted disk. Please insert last disk with required file",
                   "Please insert the first disk", "Please insert disk #2"}));
  ByteString text;
  reader.ExtractToString(u"b.bin", text);
  EXPECT_TRUE(text == ReadFile(dir / "src/b.bin"));
  reader.CloseArchive();

  // Cancel at a disk stops the opening with the library's error.
  drive.Insert(3);
  op.refuse = [](const std::string& t) { return t == "Please insert disk #2"; };
  EXPECT_EQ(NativeOf([&] { reader.OpenArchive(fmOpenRead); }), 45);
  EXPECT_FALSE(reader.GetActive());
  // So does Cancel when the archive's disk is not in the drive at all.
  drive.Insert(8);
  op.refuse = [](const std::string&) { return true; };
  reader.SetSpanningMode(smSpanning);
  EXPECT_EQ(NativeOf([&] { reader.OpenArchive(fmOpenRead); }), 45);
  EXPECT_EQ(op.messages.back(), "Please insert the last disk");
}

TEST(Spanning, AFullDiskIsReportedWithWhatTheVolumeNeedsAndAnUnsetLabelIsNoFailure) {
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  DiskDrive drive(dir / "media", 100000);
  drive.SetCapacity(2, 70000);
  drive.labelsWork = false;
  DiskOperator op(drive);
  op.cleanDisk = [&] { drive.SetCapacity(drive.InDrive(), 100000); };
  TZipArchiver z("ZipArchiver");
  Attach(z, drive, op);
  z.SetPassword("plivet");
  z.EncryptionMethod = caAES_256;
  z.SpanningOptions.VolumeSize = vsCustom;
  z.SpanningOptions.SetCustomVolumeSize(80000);
  Pack(z, dir / "src");
  z.CloseArchive();
  EXPECT_EQ(op.messages,
            Texts({"Please insert a blank disk #1", "Please insert a blank disk #2",
                   "Disk is full. Required free space: 80000 bytes, but available only: 70000 bytes. Clean the disk "
                   "or find another blank disk",
                   "Please insert a blank disk #2", "Please insert a blank disk #3"}));
  EXPECT_TRUE(drive.labels.empty());
  for (int disk = 1; disk <= 2; ++disk) EXPECT_EQ(drive.Files(disk)["set.zip"].size(), 80000u) << disk;
  EXPECT_EQ(UnpackFromDrive(drive, op, dir / "out", "plivet"), 0);
  ExpectSameTree(ReadTree(dir / "out"), ReadTree(dir / "src"));

  // A handler sees the volume's number counted from 1; Cancel stops the
  // commit with the library's error.
  DiskDrive small(dir / "small", 100000);
  small.SetCapacity(2, 1000);
  DiskOperator other(small);
  TZipArchiver y("ZipArchiver");
  Attach(y, small, other);
  std::vector<int> full;
  y.OnDiskFull = [&](TZipBaseArchiver&, int volume, const std::string& name, bool& cancel) {
    full.push_back(volume);
    EXPECT_EQ(name, small.Path("set.zip"));
    cancel = true;
  };
  EXPECT_EQ(NativeOf([&] { Pack(y, dir / "src"); }), 45);
  EXPECT_EQ(full, std::vector<int>{2});
  y.CloseArchive();
}

TEST(Spanning, AnOpenedSetTakesOneUpdateWrittenOntoNewDisks) {
  ASSERT_TRUE(HavePeer("7zz")) << "run scripts/install-deps.sh";
  testsupport::TempDir dir;
  MakeTree(dir / "src");
  DiskDrive drive(dir / "media", 100000);
  DiskOperator op(drive);
  {
    TZipArchiver z("ZipArchiver");
    Attach(z, drive, op);
    z.SetPassword("plivet");
    z.EncryptionMethod = caAES_256;
    Pack(z, dir / "src");
  }
  TZipArchiver z("ZipArchiver");
  Attach(z, drive, op);
  z.SetPassword("plivet");
  z.EncryptionMethod = caAES_256;
  z.OpenArchive(fmOpenReadWrite);
  ASSERT_EQ(z.GetSpanningMode(), smSpanning);
  // The kept entries come from the old disks' copies while the new set goes
  // onto blank disks 11, 12, ...
  op.messages.clear();
  op.blankBase = 10;
  z.BeginUpdate();
  z.AddFromString(u"late.txt", "late");
  z.DeleteFiles(u"dir/c.txt");
  z.EndUpdate();
  EXPECT_EQ(NativeOf([&] { z.BeginUpdate(); }), 62);
  EXPECT_EQ(op.messages, Texts({"Please insert a blank disk #1", "Please insert a blank disk #2",
                                "Please insert a blank disk #3"}));
  z.CloseArchive();
  EXPECT_EQ(drive.Files(1).size(), 1u);  // the old set stays on its disks

  op.setBase = 10;
  op.messages.clear();
  EXPECT_EQ(UnpackFromDrive(drive, op, dir / "out", "plivet"), 0);
  EXPECT_EQ(op.messages, Texts({"Please insert the first disk", "Please insert disk #2"}));
  EXPECT_EQ(ReadFile(dir / "out/late.txt"), "late");
  EXPECT_FALSE(Exists(dir / "out/dir/c.txt"));
  EXPECT_TRUE(ReadFile(dir / "out/a.txt") == ReadFile(dir / "src/a.txt"));
  EXPECT_TRUE(ReadFile(dir / "out/b.bin") == ReadFile(dir / "src/b.bin"));

  // Joined, 7-Zip finds every entry of the new set right.
  fs::create_directories(dir / "join");
  WriteFile(dir / "join/set.z01", drive.Files(11)["set.zip"]);
  WriteFile(dir / "join/set.z02", drive.Files(12)["set.zip"]);
  WriteFile(dir / "join/set.zip", drive.Files(13)["set.zip"]);
  EXPECT_EQ(SevenZipTestFailure(dir / "join/set.zip", "plivet"), "");
}
