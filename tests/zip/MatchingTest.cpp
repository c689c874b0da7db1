// Wildcards, the name hash and index, code pages and the path helpers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>

#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/WildcardMatch.h"
#include "zip/ZipDirManager.h"
#include "zip/ZipPaths.h"
#include "zip/ZipStringHash.h"

using namespace zip;

TEST(Wildcards, Table) {
  struct Case {
    const char16_t* s;
    const char16_t* pattern;
    bool match;
  } cases[] = {
      {u"README", u"*.*", true},       {u"a.b.c", u"*.*", true},     {u"", u"*", true},
      {u"", u"**", false},             {u"abc", u"a?c", true},       {u"ABC", u"a?c", true},
      {u"ac", u"a?c", false},          {u"dir/x.TXT", u"*.txt", true}, {u"x.txt", u"*.txt", true},
      {u"x.txt.bak", u"*.txt", false}, {u"Müller", u"MÜLLER", true},  {u"abc", u"abcd", false},
      {u"abcd", u"abc", false},        {u"a", u"*a", true},          {u"ba", u"*a*", true},
  };
  for (const auto& c : cases) EXPECT_EQ(WIsStrMatchPattern(c.s, c.pattern, true), c.match) << U8(c.s) << " " << U8(c.pattern);
  EXPECT_FALSE(WIsStrMatchPattern(u"ABC", u"a?c", false));
  EXPECT_TRUE(IsStrMatchPattern("ABC", "a?c", true));
  EXPECT_FALSE(IsStrMatchPattern("\xC4", "\xE4", true));  // bytes: only A to Z fold
}

TEST(NameHash, HashOfAndLookups) {
  TZipStringHash hash(256);
  EXPECT_EQ(hash.HashOf(u"A"), 0x41u);
  EXPECT_EQ(hash.HashOf(u"AB"), 0x146u);
  EXPECT_EQ(hash.HashOf(u""), 0u);
  hash.Add(u"x", 1);
  hash.Add(u"x", 2);
  EXPECT_EQ(hash.ValueOf(u"x"), 2);  // newest first
  hash.Remove(u"x");
  EXPECT_EQ(hash.ValueOf(u"x"), 1);
  EXPECT_TRUE(hash.Modify(u"x", 5));
  EXPECT_EQ(hash.ValueOf(u"x"), 5);
  EXPECT_EQ(hash.ValueOf(u"y"), -1);

  TZipHashedStringList list;
  list.Add(u"readme.txt");
  EXPECT_EQ(list.IndexOf(u"Readme.TXT"), 0);
  EXPECT_EQ(list.ValueBuckets(), 1000u);
  for (int i = 1; i <= 5000; ++i) list.Add(u"f" + W(std::to_string(i)));
  EXPECT_EQ(list.IndexOf(u"F5000"), 5000);
  EXPECT_EQ(list.ValueBuckets(), 5001u);
  list.Delete(0);
  EXPECT_EQ(list.IndexOf(u"f1"), 0);
  list.Add(u"k=v");
  EXPECT_EQ(list.IndexOfName(u"K"), list.GetCount() - 1);
}

TEST(CodePages, Utf8TestAndNameCoding) {
  struct Case {
    std::string bytes;
    Utf8Kind kind;
  } cases[] = {
      {"", Utf8Kind::Plain},           {"abc", Utf8Kind::Plain},           {"\xC3\xA4", Utf8Kind::Valid},
      {"\xE0\xA0\x80", Utf8Kind::Valid}, {"\xF4\x8F\xBF\xBF", Utf8Kind::Valid}, {"\xC1\xBF", Utf8Kind::Invalid},
      {"\x80", Utf8Kind::Invalid},      {"\xC3", Utf8Kind::Invalid},         {"\xF5\x80\x80\x80", Utf8Kind::Invalid},
      {"\xE0\x9F\x80", Utf8Kind::Invalid}, {"\xF4\x90\x80\x80", Utf8Kind::Invalid},
  };
  for (const auto& c : cases) EXPECT_EQ(TestUtf8(c.bytes), c.kind);

  ByteString out;
  EXPECT_FALSE(EncodeEntryName(u"Müller/Grüße.txt", true, out));
  EXPECT_EQ(out, "M\x81ller/Gr\x81\xE1" "e.txt");  // code page 850
  EXPECT_FALSE(EncodeEntryName(u"plain.txt", true, out));
  EXPECT_EQ(out, "plain.txt");
  // "€" is in Windows-1252 but not in code page 850: UTF-8.
  EXPECT_TRUE(EncodeEntryName(u"5€.txt", true, out));
  EXPECT_EQ(out, "5\xE2\x82\xAC.txt");
  EXPECT_FALSE(EncodeEntryName(u"5€.txt", false, out));
  EXPECT_EQ(out, "5\x80.txt");
  EXPECT_TRUE(EncodeEntryName(u"Ελλάδα", true, out));
  // Long UTF-8 names are cut before 254 bytes, never inside a character.
  EXPECT_TRUE(EncodeEntryName(WideString(200, u'Ω'), true, out));
  EXPECT_EQ(out.size(), 254u);
  EXPECT_EQ(TestUtf8(out), Utf8Kind::Valid);

  EXPECT_EQ(DecodeEntryName("M\x81ller", true, true, false), u"Müller");
  EXPECT_EQ(DecodeEntryName("M\xC3\xBCller", true, false, false), u"Müller");  // valid UTF-8 without the flag
  EXPECT_EQ(DecodeEntryName("M\xFCller", true, false, false), u"Müller");      // ANSI
  EXPECT_EQ(DecodeEntryName("M\xC3\xBCller", true, true, true), u"Müller");    // flag 11
  EXPECT_EQ(DecodeEntryName("\xC9\xCD", true, true, false), u"╔═");            // OEM without ANSI twins
}

TEST(Paths, StoredNamesAndResolving) {
  struct Case {
    TZipStorePathMode mode;
    const char* stored;
  } cases[] = {{spRelativePath, "sub/f.txt"}, {spNoPath, "f.txt"}, {spFullPath, "data/sub/f.txt"},
               {spFullPathWithDrive, "/data/sub/f.txt"}};
  for (const auto& c : cases) EXPECT_EQ(MakeStoredName("/data/sub/f.txt", "/data", c.mode, "/"), c.stored);
  EXPECT_EQ(MakeStoredName("/other/f.txt", "/data", spRelativePath, "/"), "other/f.txt");
  EXPECT_EQ(MakeStoredName("sub/f.txt", "/data", spRelativePath, "/"), "sub/f.txt");
  EXPECT_EQ(AddTrailingBackslash(""), "/");
  EXPECT_EQ(AddTrailingBackslash("/a"), "/a/");
  EXPECT_EQ(DropTrailingBackslash("/a/"), "/a");
  EXPECT_EQ(ExtractRelativePath("/a/b/", "/a/c/x.zip"), "../c/x.zip");
  EXPECT_EQ(ExtractRelativePath("/a/b/", "/a/b/x.zip"), "x.zip");

  std::string rel;
  struct Name {
    const char16_t* name;
    bool safe;
    const char* relative;
  } names[] = {{u"a/b.txt", true, "a/b.txt"},  {u"./a/./b", true, "a/b"},    {u"./", true, ""},
               {u"a\\b", true, "a/b"},         {u"../x", false, ""},        {u"a/../../x", false, ""},
               {u"/etc/passwd", false, ""},    {u"\\x", false, ""},         {u"C:x", false, ""},
               {u"a/..\\x", false, ""},        {u"", false, ""},            {u"a\0b", false, ""}};
  for (const auto& n : names) {
    WideString w(n.name, n.name == std::u16string_view(u"a\0b") ? 3 : std::char_traits<char16_t>::length(n.name));
    EXPECT_EQ(SafeRelativeName(w, rel), n.safe) << U8(w);
    if (n.safe) {
      EXPECT_EQ(rel, n.relative);
    }
  }
}

TEST(Paths, DelTreeIfNoFiles) {
  testsupport::TempDir dir;
  std::filesystem::create_directories(dir / "t/a/b/c");
  std::filesystem::create_directories(dir / "t/d");
  EXPECT_TRUE(DelTreeIfNoFiles(dir / "t/"));
  EXPECT_FALSE(ziptest::Exists(dir / "t"));
  std::filesystem::create_directories(dir / "u/a/b");
  std::filesystem::create_directories(dir / "u/e");
  ziptest::WriteFile(dir / "u/a/f.txt", "x");
  EXPECT_FALSE(DelTreeIfNoFiles(dir / "u/"));
  EXPECT_TRUE(ziptest::Exists(dir / "u/a/f.txt"));
  EXPECT_FALSE(ziptest::Exists(dir / "u/a/b"));
}

TEST(Paths, RemovableDrivesAreTheBlockDevicesTheKernelMarksRemovable) {
  // A sysfs tree as the kernel lays it out: /dev/block/MAJ:MIN links to the
  // device's folder; disks carry "removable", partitions sit inside them.
  testsupport::TempDir dir;
  namespace fs = std::filesystem;
  const fs::path sys = dir / "sys";
  struct Disk { const char* folder; const char* removable; };
  for (Disk d : {Disk{"devices/pci0/usb1/1-1/host6/block/sdb", "1"}, Disk{"devices/pci0/ata1/block/sda", "0"},
                 Disk{"devices/pci0/usb2/2-1/host7/block/sdc", "0"}}) {
    fs::create_directories(sys / d.folder);
    ziptest::WriteFile(sys / d.folder / "removable", std::string(d.removable) + "\n");
  }
  fs::create_directories(sys / "devices/pci0/usb1/1-1/host6/block/sdb/sdb1");
  fs::create_directories(sys / "devices/pci0/ata1/block/sda/sda2");
  fs::create_directories(sys / "devices/virtual/block/loop0");
  fs::create_directories(sys / "dev/block");
  struct Link { const char* number; const char* target; } links[] = {
      {"8:16", "devices/pci0/usb1/1-1/host6/block/sdb"}, {"8:17", "devices/pci0/usb1/1-1/host6/block/sdb/sdb1"},
      {"8:0", "devices/pci0/ata1/block/sda"}, {"8:2", "devices/pci0/ata1/block/sda/sda2"},
      {"7:0", "devices/virtual/block/loop0"}, {"8:32", "devices/pci0/usb2/2-1/host7/block/sdc"}};
  for (const Link& l : links) fs::create_symlink(fs::path("../..") / l.target, sys / "dev/block" / l.number);

  struct Case { unsigned major, minor; bool removable; } cases[] = {
      {8, 16, true}, {8, 17, true}, {8, 0, false}, {8, 2, false},
      {8, 32, true},  // a USB stick that calls its medium fixed
      {7, 0, false},  // no flag anywhere
      {8, 99, false},  // no such device
      {0, 45, false},  // no block device at all (tmpfs, network file systems)
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsRemovableBlockDevice(c.major, c.minor, sys.string()), c.removable) << c.major << ":" << c.minor;
  EXPECT_FALSE(IsRemovableDrive(dir / "missing"));
  EXPECT_FALSE(IsRemovableDrive(dir / "missing/below/file.zip"));
}

TEST(Paths, AFileSystemWithoutABlockDeviceNumberIsLookedUpByItsMountSource) {
  // btrfs and others number their files' device anonymously (major 0); the
  // mount table names the block device.
  std::string block;
  struct stat st;
  for (const auto& e : std::filesystem::directory_iterator("/dev"))
    if (::stat(e.path().c_str(), &st) == 0 && S_ISBLK(st.st_mode)) {
      block = e.path().string();
      break;
    }
  testsupport::TempDir dir;
  const std::string source = block.empty() ? "/dev/none" : block;
  ziptest::WriteFile(dir / "mountinfo", "36 25 0:45 / /data rw,relatime shared:1 - btrfs " + source +
                                            " rw\n37 25 0:46 / /run rw - tmpfs tmpfs rw\n");
  const std::uint64_t expected = block.empty() ? makedev(0, 45) : st.st_rdev;
  EXPECT_EQ(MountSourceDevice(makedev(0, 45), dir / "mountinfo"), expected);
  EXPECT_EQ(MountSourceDevice(makedev(0, 46), dir / "mountinfo"), makedev(0, 46));  // no device behind it
  EXPECT_EQ(MountSourceDevice(makedev(0, 47), dir / "mountinfo"), makedev(0, 47));  // not mounted
}
