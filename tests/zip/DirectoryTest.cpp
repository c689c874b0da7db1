// The directory in memory: end-record search, prefixes, Zip64 end records,
// extra fields and the name index.
#include <gtest/gtest.h>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;

namespace {

TDirItem Folder(const WideString& name) {
  TDirItem item;
  item.Header.Signature = kCentralHeaderSig;
  item.Header.VersionMadeBy = item.Header.VersionNeeded = 20;
  item.Header.ExternalAttributes = faDirectory;
  item.StoredName = name;
  return item;
}

}  // namespace

TEST(Directory, EndRecordSearchAndPrefixes) {
  testsupport::TempDir dir;
  const std::string comment = std::string("xx PK\x05\x06 looks like an end record ") + std::string(30, 'c');
  struct Case {
    const char* name;
    std::string bytes;
    std::int64_t prefix;
    ByteString comment;
  } cases[] = {
      {"comment with signature", BuildZip({{"a.txt", "alpha", 8}}, comment), 0, comment},
      {"stub before the archive", BuildZip({{"a.txt", "alpha", 8}, {"d/", "", 0, 0, 0x10}}, "", std::string(1000, 'S')),
       1000, ""},
  };
  for (const auto& c : cases) {
    WriteFile(dir / "a.zip", c.bytes);
    TZipArchiver z("ZipArchiver");
    z.FileName = dir / "a.zip";
    z.OpenArchive(fmOpenRead);
    EXPECT_EQ(z.DirManager()->PrefixSize, c.prefix) << c.name;
    EXPECT_EQ(z.GetFileComment(), c.comment) << c.name;
    ByteString text;
    z.ExtractToString(u"a.txt", text);
    EXPECT_EQ(text, "alpha") << c.name;
    if (z.DirManager()->CurrentDirectory.GetCount() > 1) {
      // Folder entries keep their offsets.
      EXPECT_EQ(z.DirManager()->CurrentDirectory.GetItemPtr(1)->Header.LocalHeaderOffset,
                ParseZip(BuildZip({{"a.txt", "alpha", 8}, {"d/", "", 0, 0, 0x10}}))[1].localOffset);
    }
    z.CloseArchive();
  }
  WriteFile(dir / "e.zip", BuildZip({}));
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "e.zip";
  z.OpenArchive(fmOpenRead);
  EXPECT_EQ(z.DirManager()->CurrentDirectory.GetCount(), 0);
  EXPECT_EQ(z.DirManager()->PrefixSize, 0);
  z.CloseArchive();
  EXPECT_EQ(ReadFile(dir / "e.zip").size(), 22u);
}

TEST(Directory, Zip64EndRecordsFrom65535Entries) {
  for (int count : {65534, 65535}) {
    TMemoryStream stream;
    TZipArchiver z("ZipArchiver");
    z.OpenArchive(stream, true);
    TZipDirArray& entries = z.DirManager()->CurrentDirectory;
    entries.SetCount(count);
    for (int i = 0; i < count; ++i) entries.SetItem(i, Folder(W("d" + std::to_string(i) + "/")));
    z.DirManager()->SaveDir(false);
    const std::string bytes(stream.Data().begin(), stream.Data().end());
    const std::string end = bytes.substr(bytes.size() - 22);
    EXPECT_EQ(Hex(end.substr(8, 4)), count == 65535 ? "FF FF FF FF" : "FE FF FE FF");
    bool zip64 = bytes.find(std::string("PK\x06\x06", 4)) != std::string::npos &&
                 bytes.find(std::string("PK\x06\x07", 4)) != std::string::npos;
    EXPECT_EQ(zip64, count == 65535);
    // And back: the Zip64 records carry the count.
    z.DirManager()->LoadDir();
    EXPECT_EQ(z.DirManager()->CurrentDirectory.GetCount(), count);
    EXPECT_EQ(z.DirManager()->HasZip64, count == 65535);
  }
}

TEST(Directory, ExtraFieldsAreCutToTheirAreaAndZip64IsNotDuplicated) {
  TMemoryStream stream;
  TZipArchiver z("ZipArchiver");
  z.OpenArchive(stream, true);
  TDirItem item = Folder(u"big");
  item.Header.ExternalAttributes = faArchive;
  item.Header.UncompressedSize = 0xFFFFFFFF;
  item.Zip64Values.UncompressedSize = 0x123456789ull;
  TZipExtraFieldDataBlock old;
  old.HeaderId = kExtraZip64;
  old.Data = {1, 2, 3, 4, 5, 6, 7, 8};
  old.DataSize = 8;
  TZipExtraFieldDataBlock other;
  other.HeaderId = 0x7777;
  other.Data = {9, 9};
  other.DataSize = 2;
  item.ExtraBlocks = {old, other};
  z.DirManager()->CurrentDirectory.SetCount(1);
  z.DirManager()->CurrentDirectory.SetItem(0, item);
  z.DirManager()->SaveDir(false);
  z.DirManager()->LoadDir();
  const TDirItem& back = *z.DirManager()->CurrentDirectory.GetItemPtr(0);
  EXPECT_EQ(back.UncompressedSize(), 0x123456789ull);
  int zip64Blocks = 0;
  for (const auto& b : back.ExtraBlocks) zip64Blocks += b.HeaderId == kExtraZip64;
  EXPECT_EQ(zip64Blocks, 1);
  EXPECT_EQ(back.ExtraBlocks.size(), 2u);

  // A field that claims more data than its area holds is cut to the area.
  std::vector<std::uint8_t>& bytes = stream.Data();
  std::string s(bytes.begin(), bytes.end());
  std::size_t at = s.find(std::string("\x77\x77\x02\x00", 4));
  ASSERT_NE(at, std::string::npos);
  bytes[at + 2] = 0x40;
  z.DirManager()->LoadDir();
  const TDirItem& cut = *z.DirManager()->CurrentDirectory.GetItemPtr(0);
  EXPECT_EQ(cut.ExtraBlocks.back().DataSize, 2);
}

TEST(Directory, NameIndexAfterDeletesAndWithDuplicates) {
  TZipDirArray entries;
  entries.SetCount(4);
  const char16_t* names[] = {u"A.txt", u"b/C.txt", u"same", u"SAME"};
  for (int i = 0; i < 4; ++i) entries.SetItem(i, Folder(names[i]));
  EXPECT_EQ(entries.GetCapacity(), 1000);
  int index = -1;
  entries.DeleteItem(0);
  EXPECT_TRUE(entries.FileExists(u"B/c.TXT", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(entries.FileExists(u"a.txt", index));
  EXPECT_TRUE(entries.FileExists(u"same", index));
  EXPECT_EQ(index, 2);  // the later of two equal names
  try {
    entries.SetItemName(1, u"renamed");
    FAIL();
  } catch (const EZipException& e) {
    EXPECT_EQ(e.NativeCode, 59);
  }
  entries.SetItemName(2, u"renamed");
  EXPECT_TRUE(entries.FileExists(u"RENAMED", index));
  EXPECT_EQ(index, 2);
  try {
    entries.GetItemPtr(3);
    FAIL();
  } catch (const EZipException& e) {
    EXPECT_EQ(e.NativeCode, 3);
    EXPECT_EQ(std::string(e.what()), "Index out of bounds - Native error: 00003");
  }
}

TEST(Directory, RebuildFromLocalHeadersWhenTheEndIsMissing) {
  testsupport::TempDir dir;
  std::string bytes = BuildZip({{"a.txt", "alpha", 8}, {"empty.txt", "", 0}, {"f/", "", 0, 0, 0x10}});
  bytes.resize(bytes.rfind(std::string("PK\x01\x02", 4)));  // only the local entries remain
  WriteFile(dir / "cut.zip", bytes);
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "cut.zip";
  z.OpenArchive(fmOpenRead);
  // The rebuild stays available, and says that it happened.
  EXPECT_TRUE(z.DirectoryRebuilt());
  TZipDirArray& entries = z.DirManager()->CurrentDirectory;
  ASSERT_EQ(entries.GetCount(), 3);
  EXPECT_EQ(entries.GetItemPtr(1)->Header.ExternalAttributes, faArchive);  // an empty file stays a file
  EXPECT_EQ(entries.GetItemPtr(2)->Header.ExternalAttributes, faDirectory);
  z.BaseDir = dir / "out";
  z.ExtractFiles(u"*.*");
  z.CloseArchive();
  EXPECT_EQ(ReadFile(dir / "out/a.txt"), "alpha");
  EXPECT_TRUE(Exists(dir / "out/empty.txt"));
  EXPECT_FALSE(z.DirectoryRebuilt());  // closed

  WriteFile(dir / "whole.zip", BuildZip({{"a.txt", "alpha", 8}}));
  z.FileName = dir / "whole.zip";
  z.OpenArchive(fmOpenRead);
  EXPECT_FALSE(z.DirectoryRebuilt());
  z.CloseArchive();
}
