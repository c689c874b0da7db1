// Reading back: checks of every entry, passwords, the firmware buffer, and
// archives that are damaged or hostile.
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

int NativeOfExtract(const std::string& zipFile, const std::string& target, const ByteString& password = "") {
  try {
    return Unpack(zipFile, target, password) == 0 ? 0 : -1;
  } catch (const EZipException& e) {
    return e.NativeCode;
  } catch (const std::exception&) {
    return -2;
  }
}

std::size_t FilesBelow(const std::string& root) {
  std::size_t n = 0;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(root, ec); !ec && it != decltype(it)(); it.increment(ec))
    ++n;
  return n;
}

}  // namespace

TEST(Read, ChecksumAndDeclaredSize) {
  testsupport::TempDir dir;
  const std::string data = MixedBytes(5000, 9);
  RawEntry wrongCrc{"w.txt", data, 8};
  wrongCrc.fixCrc = false;
  wrongCrc.crc = 12345;
  RawEntry bomb{"b.txt", std::string(1 << 20, 'z'), 8};  // inflates far past what it declares
  bomb.fixSize = false;
  bomb.size = 100;
  RawEntry shortOne{"s.txt", data, 0};
  shortOne.fixSize = false;
  shortOne.size = 6000;
  struct Case {
    const char* name;
    RawEntry entry;
  } cases[] = {{"crc", wrongCrc}, {"bomb", bomb}, {"short", shortOne}};
  for (const auto& c : cases) {
    const std::string out = dir / (std::string("out-") + c.name);
    WriteFile(dir / "a.zip", BuildZip({c.entry}));
    WriteFile(out + "/" + c.entry.name, "old content");
    EXPECT_EQ(NativeOfExtract(dir / "a.zip", out), 8) << c.name;
    // The file that was there is replaced only by content that passed.
    EXPECT_EQ(ReadFile(out + "/" + c.entry.name), "old content") << c.name;
    EXPECT_EQ(FilesBelow(out), 1u) << c.name;
  }
  WriteFile(dir / "ok.zip", BuildZip({{"e.txt", "", 0}, {"d/", "", 0, 0, 0x10}, {".hidden", "h", 8, 0, 0x22}}));
  EXPECT_EQ(NativeOfExtract(dir / "ok.zip", dir / "ok"), 0);
  EXPECT_EQ(ReadFile(dir / "ok/e.txt"), "");
  EXPECT_EQ(ReadFile(dir / "ok/.hidden"), "h");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "ok/d"));
}

TEST(Read, NamesThatLeaveTheTargetFailTheWholeArchive) {
  const char* names[] = {"../evil.txt", "a/../../evil.txt", "/tmp/evil-abs.txt", "\\evil.txt", "C:evil.txt",
                         "C:/evil.txt", "a\\..\\..\\evil.txt", "ok/\0evil"};
  for (const char* bad : names) {
    testsupport::TempDir dir;
    std::string name = bad;
    if (name == "ok/") name = std::string("ok/\0evil", 8);
    WriteFile(dir / "a.zip", BuildZip({{"good.txt", "fine", 0}, {name, "evil", 0}}));
    std::filesystem::create_directories(dir / "t/inner");
    EXPECT_EQ(NativeOfExtract(dir / "a.zip", dir / "t/inner"), 19) << name;
    EXPECT_EQ(FilesBelow(dir / "t"), 1u) << name;  // only the empty target folder
    EXPECT_FALSE(Exists("/tmp/evil-abs.txt"));
  }
}

TEST(Read, NoWritingThroughALinkedFolder) {
  testsupport::TempDir dir;
  std::filesystem::create_directories(dir / "outside");
  std::filesystem::create_directories(dir / "t");
  std::filesystem::create_symlink(dir / "outside", dir / "t/link");
  WriteFile(dir / "a.zip", BuildZip({{"link/x.txt", "escape", 0}}));
  EXPECT_EQ(NativeOfExtract(dir / "a.zip", dir / "t"), 20);
  EXPECT_EQ(FilesBelow(dir / "outside"), 0u);
}

TEST(Read, FirmwareBufferIsCheckedAndExact) {
  testsupport::TempDir dir;
  const std::string image = MixedBytes(1048576, 5);
  WriteFile(dir / "s/P.BIN", image);
  WriteFile(dir / "s/Q.BIN", image.substr(0, 1048575));
  WriteFile(dir / "s/P.TXT", "Version 1.2\r\n");
  Pack(dir / "s", dir / "s/*.*", dir / "p.zip", "plivet");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "p.zip";
  z.SetPassword("plivet");
  z.OpenArchive(fmOpenRead);
  std::vector<std::uint8_t> buffer(1048576, 0xFF);
  z.ExtractToBuffer(u"P.BIN", buffer.data(), 1048576, 0);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), image);
  std::fill(buffer.begin(), buffer.end(), 0xFF);
  EXPECT_THROW(z.ExtractToBuffer(u"Q.BIN", buffer.data(), 1048576, 0), EReadError);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end() - 1), image.substr(0, 1048575));
  std::vector<std::uint8_t> part(10);
  z.ExtractToBuffer(u"p.bin", part.data(), 10, 100);  // names match without regard to case
  EXPECT_EQ(std::string(part.begin(), part.end()), image.substr(100, 10));
  ByteString text;
  z.ExtractToString(u"P.TXT", text);
  EXPECT_EQ(text, "Version 1.2\r\n");
  try {
    z.ExtractToString(u"R.TXT", text);
    FAIL();
  } catch (const EZipException& e) {
    EXPECT_EQ(e.NativeCode, 15);
  }
  z.CloseArchive();

  // A changed byte inside the encrypted image fails the authentication code.
  std::string bytes = ReadFile(dir / "p.zip");
  auto entries = ParseZip(bytes);
  for (const auto& e : entries)
    if (e.name == "P.BIN") bytes[e.localOffset + 30 + e.localName.size() + e.localExtra.size() + 5000] ^= 1;
  WriteFile(dir / "bad.zip", bytes);
  z.FileName = dir / "bad.zip";
  z.OpenArchive(fmOpenRead);
  try {
    z.ExtractToBuffer(u"P.BIN", buffer.data(), 1048576, 0);
    FAIL();
  } catch (const EZipException& e) {
    EXPECT_EQ(e.NativeCode, 8);
  }
  z.CloseArchive();
}

TEST(Read, WrongPasswordAsksUntilSkippedAndReportsIt) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "one");
  WriteFile(dir / "s/b.txt", "two");
  // The traditional cipher lets one wrong password in 256 pass its check
  // byte (the data check then fails the entry), so the asking is shown with
  // AES, whose verifier lets one in 65536 pass.
  for (TZipCryptoAlgorithm method : {caAES_256}) {
    Pack(dir / "s", dir / "s/*.txt", dir / "a.zip", "right", method);
    ScriptedDialogs dialogs;
    dialogs.passwordAnswers = {ByteString("wrong again"), std::nullopt, ByteString("right")};
    TZipArchiver z("ZipArchiver");
    z.Dialogs = &dialogs;
    z.FileName = dir / "a.zip";
    z.SetPassword("wrong");
    z.OpenArchive(fmOpenRead);
    z.BaseDir = dir / "out";
    z.ExtractFiles(u"*.*", kDefaultSearchAttr, u"");
    EXPECT_EQ(dialogs.captions.size(), 3u);
    EXPECT_EQ(dialogs.captions[0].rfind("Password for \"", 0), 0u);
    EXPECT_EQ(z.SkippedEntries(), 1);
    z.CloseArchive();
    EXPECT_EQ(FilesBelow(dir / "out"), 1u);
    std::filesystem::remove_all(dir / "out");
    // Without any dialog the entries are skipped, never taken as extracted.
    TZipArchiver quiet("ZipArchiver");
    quiet.FileName = dir / "a.zip";
    quiet.SetPassword("nope");
    quiet.OpenArchive(fmOpenRead);
    quiet.BaseDir = dir / "out";
    quiet.ExtractFiles(u"*.*", kDefaultSearchAttr, u"");
    EXPECT_EQ(quiet.SkippedEntries(), 2);
    EXPECT_FALSE(Exists(dir / "out/a.txt"));
    quiet.CloseArchive();
  }
}

TEST(Read, DamagedArchivesFailCleanly) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", MixedBytes(3000, 1));
  WriteFile(dir / "s/b.txt", MixedBytes(200, 2));
  for (const ByteString& password : {ByteString(""), ByteString("plivet")}) {
    Pack(dir / "s", dir / "s/*.txt", dir / "a.zip", password);
    const std::string good = ReadFile(dir / "a.zip");
    // Every single byte of the file set to 0xFF in turn, and the file cut at
    // many lengths: opening and extracting either work or fail with an
    // error, and nothing lands outside the target.
    std::vector<std::string> variants;
    for (std::size_t i = 0; i < good.size(); i += (i < 30 || i + 90 > good.size()) ? 1 : 173) {
      std::string v = good;
      v[i] = static_cast<char>(0xFF);
      variants.push_back(v);
    }
    for (std::size_t cut = 0; cut < good.size(); cut += 307) variants.push_back(good.substr(0, cut));
    for (const auto& v : variants) {
      WriteFile(dir / "v.zip", v);
      try {
        Unpack(dir / "v.zip", dir / "t/out", password);
      } catch (const std::exception&) {
      }
    }
    std::filesystem::remove_all(dir / "t/out");
    EXPECT_EQ(FilesBelow(dir / "t"), 0u);
  }
  WriteFile(dir / "junk.zip", "this is not an archive at all");
  EXPECT_EQ(NativeOfExtract(dir / "junk.zip", dir / "j"), 35);
}
