// The archive service: its result codes per failing step, and data sets
// in locked containers exchanged with 7-Zip.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "app/archive/TForm_ZipUnzip.h"
#include "platform/LinkChecksum.h"
#include "support/TempDir.h"
#include "zip/ZipTestUtil.h"

namespace {
namespace fs = std::filesystem;

using ziptest::ReadFile;
using ziptest::ReadTree;
using ziptest::WriteFile;

std::string Invert(std::string s) {
  for (char& c : s) c = static_cast<char>(~c);
  return s;
}

class ZipUnzip : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(form.SetArchiveTempDir(dir / "TMP/ZG01/"), 0);
    WriteFile(dir / "data/GP.g23", "group\r\n");
    WriteFile(dir / "data/DT01.j23", std::string(5000, 'j'));
    WriteFile(dir / "data/sub/Grüße.bmp", "bitmap");
  }
  testsupport::TempDir dir;
  TForm_ZipUnzip form{nullptr, dir / "TMP"};
};

}  // namespace

TEST_F(ZipUnzip, TempDirCodes) {
  EXPECT_EQ(form.SetArchiveTempDir(""), -1);
  EXPECT_EQ(form.SetArchiveTempDir("/"), -2);
  WriteFile(dir / "file", "x");
  EXPECT_EQ(form.SetArchiveTempDir(dir / "file/below"), -3);
  EXPECT_EQ(form.TempDir, dir / "TMP/ZG01/");
  EXPECT_EQ(form.SetArchiveTempDir(dir / "TMP/BAK01"), 0);
  EXPECT_EQ(form.TempDir, dir / "TMP/BAK01/");
  EXPECT_TRUE(fs::is_directory(dir / "TMP/BAK01"));
}

TEST_F(ZipUnzip, ZipCodesAndStoredNames) {
  EXPECT_EQ(form.ZipToArchive("", dir / "a.zip", "", ArchivePassword, 0), -1);
  EXPECT_EQ(form.ZipToArchive(dir / "nothing/here", dir / "a.zip", "", ArchivePassword, 0), -2);
  EXPECT_EQ(form.ZipToArchive(dir / "data", "", "", ArchivePassword, 0), -10);
  EXPECT_EQ(form.ZipToArchive(dir / "data", dir / "no/folder/a.zip", "", ArchivePassword, 0), -20);

  // A folder keeps its own name in front; "folder/*.*" stores without it.
  ASSERT_EQ(form.ZipToArchive(dir / "data/", dir / "with.zip", "", ArchivePassword, 0), 0);
  ASSERT_EQ(form.ZipToArchive(dir / "data/*.*", dir / "without.zip", "", ArchivePassword, 0), 0);
  ASSERT_EQ(form.UnzipArchive(dir / "with.zip", dir / "out1", ArchivePassword), 0);
  ASSERT_EQ(form.UnzipArchive(dir / "without.zip", dir / "out2", ArchivePassword), 0);
  EXPECT_EQ(ReadTree(dir / "out1/data"), ReadTree(dir / "data"));
  EXPECT_EQ(ReadTree(dir / "out2"), ReadTree(dir / "data"));

  // Flags 0 replace the archive, bit 0 adds to it; the exclusion mask works.
  WriteFile(dir / "more/extra.txt", "extra");
  ASSERT_EQ(form.ZipToArchive(dir / "more", dir / "with.zip", "", ArchivePassword, 1), 0);
  ASSERT_EQ(form.UnzipArchive(dir / "with.zip", dir / "out3", ArchivePassword), 0);
  EXPECT_EQ(ReadFile(dir / "out3/more/extra.txt"), "extra");
  EXPECT_EQ(ReadFile(dir / "out3/data/GP.g23"), "group\r\n");
  ASSERT_EQ(form.ZipToArchive(dir / "more", dir / "with.zip", "", ArchivePassword, 0), 0);
  ASSERT_EQ(form.ZipToArchive(dir / "data", dir / "excl.zip", "*.j23", "", 0), 0);
  fs::remove_all(dir / "out4");
  ASSERT_EQ(form.UnzipArchive(dir / "with.zip", dir / "out4", ArchivePassword), 0);
  EXPECT_FALSE(fs::exists(dir / "out4/data"));
  ASSERT_EQ(form.UnzipArchive(dir / "excl.zip", dir / "out5", ""), 0);
  EXPECT_FALSE(fs::exists(dir / "out5/data/DT01.j23"));
  EXPECT_TRUE(fs::exists(dir / "out5/data/GP.g23"));
  // Read-only flag on the finished file.
  ASSERT_EQ(form.ZipToArchive(dir / "more", dir / "ro.zip", "", "", 2), 0);
  EXPECT_EQ(fs::status(dir / "ro.zip").permissions() & fs::perms::owner_write, fs::perms::none);
  ASSERT_EQ(form.ZipToArchive(dir / "data", dir / "ro.zip", "", "", 0), 0);  // replaced all the same
}

TEST_F(ZipUnzip, UnzipCodes) {
  ASSERT_EQ(form.ZipToArchive(dir / "data", dir / "a.zip", "", ArchivePassword, 0), 0);
  EXPECT_EQ(form.UnzipArchive("", dir / "o", ArchivePassword), -1);
  EXPECT_EQ(form.UnzipArchive(dir / "missing.zip", dir / "o", ArchivePassword), -2);
  EXPECT_EQ(form.UnzipArchive(dir / "a.zip", "", ArchivePassword), -10);
  WriteFile(dir / "junk.zip", "no archive");
  EXPECT_EQ(form.UnzipArchive(dir / "junk.zip", dir / "o", ArchivePassword), -20);
  // A wrong password leaves the entries out and is a failure, never success.
  EXPECT_EQ(form.UnzipArchive(dir / "a.zip", dir / "wrong", "falsch"), -21);
  EXPECT_FALSE(fs::exists(dir / "wrong/data/GP.g23"));
  // A name that leaves the target fails the archive as a whole.
  std::string bytes = ReadFile(dir / "a.zip");
  for (std::size_t at; (at = bytes.find("data/GP.g23")) != std::string::npos;) bytes.replace(at, 11, "../x/GP.g23");
  WriteFile(dir / "evil.zip", bytes);
  fs::create_directories(dir / "t/in");
  EXPECT_EQ(form.UnzipArchive(dir / "evil.zip", dir / "t/in", ArchivePassword), -21);
  EXPECT_TRUE(fs::is_empty(dir / "t/in"));
  EXPECT_FALSE(fs::exists(dir / "t/x"));
}

TEST_F(ZipUnzip, ArchiveWithoutItsWholeDirectoryIsRefused) {
  ASSERT_EQ(form.ZipToArchive(dir / "data/*.*", dir / "a.zip", "", ArchivePassword, 0), 0);
  const std::string whole = ReadFile(dir / "a.zip");
  const std::size_t second = whole.find("PK\x03\x04", 4);
  const std::size_t directory = whole.find("PK\x01\x02");
  const std::size_t end = whole.rfind("PK\x05\x06");
  ASSERT_NE(second, std::string::npos);
  ASSERT_NE(directory, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  std::string badEnd = whole;
  badEnd[end + 2] = 'X';
  std::string badEntry = whole;
  badEntry.replace(directory, 4, "PK\x01\x09");
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"cut after the first entry", whole.substr(0, second)},
      {"cut before the directory", whole.substr(0, directory)},
      {"end record damaged", badEnd},
      {"directory entry damaged", badEntry},
  };
  for (const auto& c : cases) {
    WriteFile(dir / "cut.zip", c.bytes);
    // Unpacking what the local headers still show would lose the rest
    // without a word: the archive is refused and nothing is written.
    EXPECT_EQ(form.UnzipArchive(dir / "cut.zip", dir / "out", ArchivePassword), -21) << c.what;
    EXPECT_FALSE(fs::exists(dir / "out")) << c.what;
    EXPECT_FALSE(form.ZipArchiver.GetActive()) << c.what;
  }
  ASSERT_EQ(form.UnzipArchive(dir / "a.zip", dir / "out", ArchivePassword), 0);
  EXPECT_EQ(ReadTree(dir / "out"), ReadTree(dir / "data"));
}

TEST_F(ZipUnzip, FirmwarePackage) {
  std::string image(0x100000 + 10, '\0');
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 7 + (i >> 9));
  WriteFile(dir / "pkg/P.BIN", image);
  WriteFile(dir / "pkg/P.TXT", "Firmware 2.41\r\n");
  ASSERT_EQ(form.ZipToArchive(dir / "pkg/*.*", dir / "P.b23", "", ArchivePassword, 0), 0);
  std::vector<std::uint8_t> buffer(0x100000);
  std::string text = "before";
  EXPECT_EQ(form.ExtractPackage(dir / "P.b23", buffer.data(), 0x100000, text, ArchivePassword), 0);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), image.substr(0, 0x100000));
  EXPECT_EQ(text, "Firmware 2.41\r\n");
  EXPECT_EQ(form.ExtractPackage(dir / "none.b23", buffer.data(), 0x100000, text, ArchivePassword), -2);
  fs::copy_file(dir / "P.b23", dir / "Q.b23");  // entries named after another package
  EXPECT_EQ(form.ExtractPackage(dir / "Q.b23", buffer.data(), 0x100000, text, ArchivePassword), -21);
  WriteFile(dir / "short/S.BIN", image.substr(0, 0x100000 - 1));
  WriteFile(dir / "short/S.TXT", "x");
  ASSERT_EQ(form.ZipToArchive(dir / "short/*.*", dir / "S.b23", "", ArchivePassword, 0), 0);
  text = "kept";
  EXPECT_EQ(form.ExtractPackage(dir / "S.b23", buffer.data(), 0x100000, text, ArchivePassword), -21);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(form.ExtractPackage(dir / "P.b23", buffer.data(), 0x100000, text, "falsch"), -21);
  // A package whose directory is gone is refused although both entries
  // could still be found from their local headers.
  const std::string package = ReadFile(dir / "P.b23");
  WriteFile(dir / "cut/P.b23", package.substr(0, package.find("PK\x01\x02")));
  text = "kept";
  EXPECT_EQ(form.ExtractPackage(dir / "cut/P.b23", buffer.data(), 0x100000, text, ArchivePassword), -21);
  EXPECT_EQ(text, "kept");
}

TEST_F(ZipUnzip, DataSetsWithSevenZip) {
  ASSERT_TRUE(ziptest::HavePeer("7zz")) << "7zz is missing: run scripts/install-deps.sh";
  // Ours: ZIP into a container; 7-Zip opens the payload with the password.
  ASSERT_EQ(form.ZipToArchive(dir / "data/*.*", dir / "TMP/ZG01/set.zip", "", ArchivePassword, 0), 0);
  ASSERT_EQ(form.LockArchive(dir / "TMP/ZG01/set.zip", dir / "set.zg23"), 0);
  const std::string container = ReadFile(dir / "set.zg23");
  ASSERT_EQ(container.substr(0, 11), "LOCK_V0100 ");
  WriteFile(dir / "payload.zip", Invert(container.substr(19)));
  ASSERT_EQ(ziptest::Run("cd '" + dir.path() + "' && 7zz x -y -pplivet -o7z payload.zip").exitCode, 0);
  EXPECT_EQ(ReadFile(dir / "7z/GP.g23"), "group\r\n");
  EXPECT_EQ(ReadFile(dir / "7z/DT01.j23"), std::string(5000, 'j'));

  // Theirs: a container made by hand around a 7-Zip archive.
  ASSERT_EQ(
      ziptest::Run("cd '" + dir.path() + "/data' && 7zz a -tzip -mx=9 -mem=AES256 -pplivet ../theirs.zip .").exitCode,
      0);
  const std::string payload = ReadFile(dir / "theirs.zip");
  std::uint32_t crc = 0xFFFFFFFF;
  for (unsigned char b : payload) crc = platform::Crc32Update(crc, b);
  char header[20];
  std::snprintf(header, sizeof header, "LOCK_V0100 %08X", crc);
  WriteFile(dir / "theirs.zg23", std::string(header) + Invert(payload));
  ASSERT_EQ(form.UnlockArchive(dir / "theirs.zg23", dir / "TMP/ZG01/theirs.zip"), 0);
  ASSERT_EQ(form.UnzipArchive(dir / "TMP/ZG01/theirs.zip", dir / "loaded", ArchivePassword), 0);
  EXPECT_EQ(ReadTree(dir / "loaded"), ReadTree(dir / "data"));
}

TEST_F(ZipUnzip, AFailureKeepsWhyForTheLog) {
  WriteFile(dir / "junk.zip", "no archive");
  EXPECT_EQ(form.UnzipArchive(dir / "junk.zip", dir / "o", ArchivePassword), TForm_ZipUnzip::kUnzipNotOpened);
  EXPECT_FALSE(form.LastErrorText.empty());
  ASSERT_EQ(form.ZipToArchive(dir / "data", dir / "a.zip", "", ArchivePassword, 0), TForm_ZipUnzip::kZipDone);
  EXPECT_EQ(form.LastErrorText, "");
  EXPECT_EQ(form.UnzipArchive(dir / "a.zip", dir / "wrong", "falsch"), TForm_ZipUnzip::kUnzipIncomplete);
  EXPECT_NE(form.LastErrorText.find("left out"), std::string::npos) << form.LastErrorText;
  ASSERT_EQ(form.LockArchive(dir / "a.zip", dir / "a.zg23"), zip::container::kLockDone);
  EXPECT_EQ(form.LastErrorText, "");
  std::string container = ReadFile(dir / "a.zg23");
  container.back() ^= 1;
  WriteFile(dir / "bad.zg23", container);
  EXPECT_EQ(form.UnlockArchive(dir / "bad.zg23", dir / "bad.zip"), zip::container::kUnlockChecksumMismatch);
  EXPECT_NE(form.LastErrorText.find("checksum"), std::string::npos) << form.LastErrorText;
}
