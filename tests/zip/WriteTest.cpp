// What the writer puts into an archive: framing of deflated data, AES and
// folder entries, names, appending and replacing with roll-back.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;

namespace {

std::string ZlibSplit(const std::string& data, std::size_t firstBlock, int level) {
  z_stream zs{};
  deflateInit(&zs, level);
  std::string out(data.size() * 2 + 1024, '\0');
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  zs.avail_in = static_cast<uInt>(std::min(firstBlock, data.size()));
  deflate(&zs, firstBlock >= data.size() ? Z_FINISH : Z_SYNC_FLUSH);
  if (firstBlock < data.size()) {
    zs.avail_in = static_cast<uInt>(data.size() - firstBlock);
    deflate(&zs, Z_FINISH);
  }
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out.substr(2, out.size() - 6);  // no zlib header, no checksum
}

}  // namespace

TEST(Write, DeflateFramingOfOneAndTwoBlocks) {
  testsupport::TempDir dir;
  const std::string one = MixedBytes(0x80000, 3), two = MixedBytes(0x80000 + 1000, 4);
  WriteFile(dir / "s/one.bin", one);
  WriteFile(dir / "s/two.bin", two);
  Pack(dir / "s", dir / "s/*.bin", dir / "a.zip", "", caAES_256, clFastest);
  auto entries = ParseZip(ReadFile(dir / "a.zip"));
  ASSERT_EQ(entries.size(), 2u);
  for (const auto& e : entries) {
    const std::string& data = e.name == "one.bin" ? one : two;
    EXPECT_EQ(e.data, ZlibSplit(data, 0x80000, 1)) << e.name;
    EXPECT_EQ(e.method, 8);
    EXPECT_EQ(e.flags, 0);  // no password: plain entries even with an AES method
    EXPECT_EQ(e.extra, "");
    EXPECT_EQ(e.crc, crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
    EXPECT_EQ(e.localCrc, e.crc);
    EXPECT_EQ(e.localCompressedSize, e.compressedSize);
    EXPECT_EQ(e.versionNeeded, 20);
  }
  const auto& second = entries[0].name == "two.bin" ? entries[0] : entries[1];
  EXPECT_NE(second.data.find(std::string("\x00\x00\xFF\xFF", 4)), std::string::npos);
}

TEST(Write, EntryShapes) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/d/empty.txt", "");
  WriteFile(dir / "s/d/data.txt", "some data some data some data");
  WriteFile(dir / "s/d/Ωmega.txt", "greek");
  std::filesystem::create_directories(dir / "s/d/folder");
  struct Case {
    ByteString password;
  } cases[] = {{""}, {"plivet"}};
  for (const auto& c : cases) {
    Pack(dir / "s", dir / "s/d/*.*", dir / "a.zip", c.password);
    auto entries = ParseZip(ReadFile(dir / "a.zip"));
    ASSERT_EQ(entries.size(), 4u);
    for (const auto& e : entries) {
      SCOPED_TRACE(e.name + " password " + c.password);
      EXPECT_EQ(e.name, e.localName);
      EXPECT_EQ(e.method, e.localMethod);
      if (e.name == "d/folder/") {
        EXPECT_EQ(e.flags, 2);
        EXPECT_EQ(e.method, 0);
        EXPECT_EQ(e.crc, 0u);
        EXPECT_EQ(e.compressedSize + e.uncompressedSize, 0u);
        EXPECT_EQ(e.localExtra, "");
        EXPECT_EQ(e.externalAttributes & 0x10, 0x10u);
      } else if (c.password.empty()) {
        EXPECT_EQ(e.flags & 1, 0);
        EXPECT_EQ(e.extra, "");
        if (e.name == "d/empty.txt") {
          EXPECT_EQ(e.method, 0);
          EXPECT_EQ(e.compressedSize, 0u);
          EXPECT_EQ(e.crc, 0u);
        }
      } else {
        EXPECT_EQ(e.flags & 1, 1);
        EXPECT_EQ(e.method, 99);
        const char* actual = e.name == "d/empty.txt" ? "00" : "08";
        EXPECT_EQ(Hex(e.extra), std::string("01 99 07 00 02 00 41 45 03 ") + actual + " 00");
        EXPECT_EQ(e.localExtra, e.extra);
        if (e.name == "d/empty.txt") {
          EXPECT_EQ(e.compressedSize, 28u);  // salt, verifier, code
        }
      }
      if (e.name.find("mega") != std::string::npos) {
        EXPECT_EQ(e.flags & 0x800, 0x800);
        EXPECT_EQ(e.name, "d/\xCE\xA9mega.txt");
      } else {
        EXPECT_EQ(e.flags & 0x800, 0);
      }
    }
    EXPECT_EQ(Unpack(dir / "a.zip", dir / ("out" + c.password), c.password), 0);
    ExpectSameTree(ReadTree(dir / ("out" + c.password) + "/d"), ReadTree(dir / "s/d"));
  }
}

TEST(Write, AppendNeedsNoTemporaryFileAndStartsAtOldDirectory) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "alpha");
  WriteFile(dir / "s/b.txt", "beta");
  WriteFile(dir / "t/c.txt", "gamma");
  Pack(dir / "s", dir / "s/*.*", dir / "a.zip", "plivet");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  z.SetPassword("plivet");
  z.EncryptionMethod = caAES_256;
  z.OpenArchive(fmOpenReadWrite);
  const std::int64_t oldDirectory = z.DirManager()->DirectoryOffset;
  z.TempDir = dir / "no/such/folder";  // a temporary file could not be made here
  z.BaseDir = dir / "t";
  z.AddFiles(dir / "t/c.txt", faAnyFile, "");
  z.CloseArchive();
  auto entries = ParseZip(ReadFile(dir / "a.zip"));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].name, "c.txt");
  EXPECT_EQ(static_cast<std::int64_t>(entries[2].localOffset), oldDirectory);
  EXPECT_EQ(Unpack(dir / "a.zip", dir / "out", "plivet"), 0);
  EXPECT_EQ(ReadFile(dir / "out/c.txt"), "gamma");
  EXPECT_EQ(ReadFile(dir / "out/a.txt"), "alpha");
}

TEST(Write, ReplacingTheMiddleEntryAndRollBackOnFailure) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "first");
  WriteFile(dir / "s/b.txt", "second");
  WriteFile(dir / "s/c.txt", std::string(100000, 'c'));
  Pack(dir / "s", dir / "s/*.txt", dir / "a.zip", "");
  WriteFile(dir / "s/b.txt", "second, changed");
  {
    TZipArchiver z("ZipArchiver");
    z.FileName = dir / "a.zip";
    z.TempDir = dir.path();
    z.OpenArchive(fmOpenReadWrite);
    z.BaseDir = dir / "s";
    z.AddFiles(dir / "s/b.txt", faAnyFile, "");
    z.CloseArchive();
  }
  EXPECT_EQ(Unpack(dir / "a.zip", dir / "out", ""), 0);
  EXPECT_EQ(ReadFile(dir / "out/b.txt"), "second, changed");
  EXPECT_EQ(ReadFile(dir / "out/c.txt"), std::string(100000, 'c'));

  // The source of the replacement vanishes before the commit: the archive
  // comes back byte for byte and the failure reaches the caller.
  const std::string before = ReadFile(dir / "a.zip");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  z.TempDir = dir.path();
  int failures = 0;
  z.OnProcessFileFailure = [&](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int native, int,
                               const std::string&, TZipAction& action) {
    ++failures;
    EXPECT_EQ(native, 33);
    action = fxaAbort;
  };
  z.OpenArchive(fmOpenReadWrite);
  z.BaseDir = dir / "s";
  z.BeginUpdate();
  z.AddFiles(dir / "s/a.txt", faAnyFile, "");
  std::filesystem::remove(dir / "s/a.txt");
  EXPECT_THROW(z.EndUpdate(), EZipException);
  z.CloseArchive();
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(ReadFile(dir / "a.zip"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);  // no temporary file left
}

TEST(Write, IgnoredFailureDropsTheNewEntryAndIsCounted) {
  testsupport::TempDir dir;
  WriteFile(dir / "s/a.txt", "a");
  WriteFile(dir / "s/b.txt", "b");
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  z.OnProcessFileFailure = [](TZipBaseArchiver&, const WideString&, TZipProcessOperation, int, int,
                              const std::string&, TZipAction& action) { action = fxaIgnore; };
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "s";
  z.BeginUpdate();
  z.AddFiles(dir / "s/*.txt", faAnyFile, "");
  std::filesystem::remove(dir / "s/a.txt");
  z.EndUpdate();
  EXPECT_EQ(z.SkippedEntries(), 1);
  EXPECT_EQ(z.GetFileCount(), 1);
  z.CloseArchive();
  auto entries = ParseZip(ReadFile(dir / "a.zip"));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "b.txt");
}

TEST(Write, DirectoryGoesToTheEndEvenWhenTheLastEntryHoldsAnEndRecord) {
  testsupport::TempDir dir;
  // A stored file whose tail looks like an end record with a fitting comment
  // length: the directory must still follow it, not overwrite it.
  std::string fake = std::string("PK\x05\x06", 4) + std::string(16, '\0') + std::string("\x00\x00", 2);
  WriteFile(dir / "s/z.bin", std::string(10, 'x') + fake);
  TZipArchiver z("ZipArchiver");
  z.FileName = dir / "a.zip";
  z.SetCompressionLevel(clNone);
  z.OpenArchive(fmCreate);
  z.BaseDir = dir / "s";
  z.AddFiles(dir / "s/z.bin", faAnyFile, "");
  z.CloseArchive();
  EXPECT_EQ(Unpack(dir / "a.zip", dir / "out", ""), 0);
  EXPECT_EQ(ReadFile(dir / "out/z.bin"), ReadFile(dir / "s/z.bin"));
}
