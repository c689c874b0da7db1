// Archives exchanged with other tools in both directions: 7-Zip, libarchive
// (bsdtar) and Info-ZIP. The peers come from scripts/install-deps.sh.
#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveHelpers.h"
#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/ZipArchiver.h"

using namespace zip;
using namespace ziptest;

namespace {

const char* const kUmlaut = "Müller Grüße.txt";
const char* const kUmlautCp850 = "M\x81ller Gr\x81\xE1" "e.txt";
const char* const kGreek = "Ελλάδα €.txt";

void MakeTree(const std::string& root) {
  WriteFile(root + "/d/a.txt", "alpha\r\n");
  WriteFile(root + "/d/empty.bin", "");
  WriteFile(root + "/d/sub/big.bin", MixedBytes(2 * 1024 * 1024 + 123, 11));
  WriteFile(root + "/d/sub/" + kUmlaut, "umlauts");
  WriteFile(root + "/d/" + kGreek, "greek and euro");
  std::filesystem::create_directories(root + "/d/leer");
}


RunResult RunIn(const std::string& folder, const std::string& command) {
  std::filesystem::create_directories(folder);
  return Run("cd " + Quote(folder) + " && LC_ALL=C.UTF-8 " + command);
}

}  // namespace

class PeerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* p : {"7zz", "bsdtar", "zip", "unzip"})
      ASSERT_TRUE(HavePeer(p)) << p << " is missing: run scripts/install-deps.sh";
    MakeTree(dir.path() + "/src");
  }
  testsupport::TempDir dir;
};

TEST_F(PeerTest, PeersTestAndExtractOurArchives) {
  for (const ByteString& password : {ByteString("plivet"), ByteString("")}) {
    SCOPED_TRACE("password '" + password + "'");
    const std::string zip = dir / ("ours" + password + ".zip");
    Pack(dir / "src", dir / "src/d/*.*", zip, password);
    const std::string pw = password.empty() ? "" : " -p" + password;
    RunResult t = RunIn(dir.path(), "7zz t" + pw + " " + Quote(zip));
    EXPECT_EQ(t.exitCode, 0) << t.output;
    EXPECT_NE(t.output.find("Everything is Ok"), std::string::npos) << t.output;

    // 7-Zip on this platform leaves names without the UTF-8 flag as their
    // OEM bytes; their contents must still be exact.
    RunResult x = RunIn(dir / ("7z" + password), "7zz x -y" + pw + " " + Quote(zip));
    ASSERT_EQ(x.exitCode, 0) << x.output;
    auto expected = ReadTree(dir / "src/d");
    auto from7z = ReadTree(dir / ("7z" + password) + "/d");
    EXPECT_EQ(from7z[std::string("sub/") + kUmlautCp850], expected[std::string("sub/") + kUmlaut]);
    from7z.erase(std::string("sub/") + kUmlautCp850);
    expected.erase(std::string("sub/") + kUmlaut);
    ExpectSameTree(from7z, expected);

    const std::string bsdPw = password.empty() ? "" : " --passphrase " + password;
    RunResult b = RunIn(dir / ("bsd" + password), "bsdtar --options hdrcharset=CP850" + bsdPw + " -xf " + Quote(zip));
    ASSERT_EQ(b.exitCode, 0) << b.output;
    ExpectSameTree(ReadTree(dir / ("bsd" + password) + "/d"), ReadTree(dir / "src/d"));

    if (password.empty()) {
      RunResult u = RunIn(dir.path(), "unzip -t " + Quote(zip));
      EXPECT_EQ(u.exitCode, 0) << u.output;
    }
  }
}

TEST_F(PeerTest, WeExtractWhatPeersWrite) {
  struct Case {
    const char* name;
    std::string command;  // run in src/, writes the archive named by %s
    std::string password;
    std::string root;  // where the tree lies inside the archive
  } cases[] = {
      {"7-Zip AES-256", "7zz a -tzip -mx=9 -mem=AES256 -pplivet %s d", "plivet", "d"},
      {"7-Zip ZipCrypto", "7zz a -tzip -mem=ZipCrypto -pplivet %s d", "plivet", "d"},
      {"7-Zip stored", "7zz a -tzip -mx=0 %s d", "", "d"},
      {"bsdtar AES-256", "bsdtar --options zip:encryption=aes256 --passphrase plivet -a -cf %s ./d", "plivet", "d"},
      {"bsdtar plain", "bsdtar -a -cf %s ./d", "", "d"},
      {"Info-ZIP -P", "zip -q -r -P plivet %s d", "plivet", "d"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string zip = dir / (std::string(c.name) + ".zip");
    std::string command = c.command;
    command.replace(command.find("%s"), 2, Quote(zip));
    RunResult r = RunIn(dir / "src", command);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string out = dir / (std::string("out ") + c.name);
    EXPECT_EQ(Unpack(zip, out, c.password), 0);
    ExpectSameTree(ReadTree(out + "/" + c.root), ReadTree(dir / "src/d"));
  }
  // bsdtar streams its entries with data descriptors; make sure that case is covered.
  bool descriptors = false;
  for (const auto& e : ParseZip(ReadFile(dir / "bsdtar plain.zip"))) descriptors |= (e.flags & 8) != 0;
  EXPECT_TRUE(descriptors);
}
