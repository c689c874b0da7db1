// Our own archives read back by ourselves: folders, empty files, big files,
// passwords, and names in every code page.
#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using ziptest::ReadTree;
using ziptest::WriteFile;

using ziptest::Pack;
using ziptest::Unpack;
using ziptest::ExpectSameTree;

TEST(RoundTrip, FolderTreeWithEmptyFilesAndBigFileUnencrypted) {
  testsupport::TempDir dir;
  WriteFile(dir / "src/data/a.txt", "hello");
  WriteFile(dir / "src/data/empty.bin", "");
  WriteFile(dir / "src/data/sub/big.bin", ziptest::MixedBytes(3 * 1024 * 1024 + 17, 1));
  WriteFile(dir / "src/data/sub/deeper/x", "no extension");
  std::filesystem::create_directories(dir / "src/data/emptyfolder");
  Pack(dir / "src", dir / "src/data/*.*", dir / "a.zip", "");
  EXPECT_EQ(Unpack(dir / "a.zip", dir / "out", ""), 0);
  ExpectSameTree(ReadTree(dir / "out/data"), ReadTree(dir / "src/data"));
}

TEST(RoundTrip, PasswordsAndNamesInEveryCodePage) {
  struct Case {
    TZipCryptoAlgorithm method;
    ByteString password;
  } cases[] = {{caAES_256, "plivet"}, {caAES_128, "x"}, {caAES_192, "secret"}, {caPkzipClassic, "plivet"},
               {caAES_256, ""}};
  for (const auto& c : cases) {
    testsupport::TempDir dir;
    WriteFile(dir / "src/d/Müller Grüße.txt", "umlauts");
    WriteFile(dir / "src/d/Ελλάδα €.txt", "outside 1252 and 850");
    WriteFile(dir / "src/d/empty", "");
    WriteFile(dir / "src/d/big.bin", ziptest::MixedBytes(2 * 1024 * 1024, 7));
    Pack(dir / "src", dir / "src/d/*.*", dir / "a.zip", c.password, c.method);
    EXPECT_EQ(Unpack(dir / "a.zip", dir / "out", c.password), 0);
    ExpectSameTree(ReadTree(dir / "out/d"), ReadTree(dir / "src/d"));
  }
}
