// Our own archives read back by ourselves: folders, empty files, big files,
// passwords, and names in every code page.
#include <gtest/gtest.h>

#include <filesystem>

#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using ziptest::ReadTree;
using ziptest::WriteFile;

namespace {

void Pack(const std::string& baseDir, const std::string& mask, const std::string& zipFile, const ByteString& password,
          TZipCryptoAlgorithm method = caAES_256) {
  TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.SetPassword(password);
  z.EncryptionMethod = method;
  z.SetCompressionLevel(clMax);
  z.OpenArchive(fmCreate);
  z.BaseDir = baseDir;
  z.AddFiles(mask, faAnyFile, "");
  z.CloseArchive();
}

void Unpack(const std::string& zipFile, const std::string& target, const ByteString& password) {
  TZipArchiver z("ZipArchiver");
  z.FileName = zipFile;
  z.SetPassword(password);
  z.OpenArchive(fmOpenRead);
  z.BaseDir = target;
  z.ExtractFiles(u"*.*", kDefaultSearchAttr, u"");
  EXPECT_EQ(z.SkippedEntries(), 0);
  z.CloseArchive();
}

}  // namespace

TEST(RoundTrip, FolderTreeWithEmptyFilesAndBigFileUnencrypted) {
  testsupport::TempDir dir;
  WriteFile(dir / "src/data/a.txt", "hello");
  WriteFile(dir / "src/data/empty.bin", "");
  WriteFile(dir / "src/data/sub/big.bin", ziptest::MixedBytes(3 * 1024 * 1024 + 17, 1));
  WriteFile(dir / "src/data/sub/deeper/x", "no extension");
  std::filesystem::create_directories(dir / "src/data/emptyfolder");
  Pack(dir / "src", dir / "src/data/*.*", dir / "a.zip", "");
  Unpack(dir / "a.zip", dir / "out", "");
  EXPECT_EQ(ReadTree(dir / "out/data"), ReadTree(dir / "src/data"));
}
