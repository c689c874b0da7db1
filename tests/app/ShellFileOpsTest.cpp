#include <gtest/gtest.h>

#include <filesystem>

#include "app/ShellFileOps.h"
#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using app::ShellCopyPath;
using app::ShellDeletePath;

namespace {

class ShellFileOps : public ::testing::Test {
 protected:
  void SetUp() override {
    // d/a.txt, d/b.TXT, d/.hidden, d/sub/c.txt
    fs::create_directories(Path("d/sub"));
    Write("d/a.txt", "A");
    Write("d/b.TXT", "B");
    Write("d/.hidden", "H");
    Write("d/sub/c.txt", "C");
  }
  std::string Path(const std::string& rel) const { return dir_.path() + "/" + rel; }
  void Write(const std::string& rel, const std::string& text) const {
    ASSERT_TRUE(platform::WriteFileAtomic(Path(rel), text));
  }
  std::string Read(const std::string& rel) const {
    auto r = platform::ReadWholeFile(Path(rel));
    return r ? *r : "<missing>";
  }
  bool Exists(const std::string& rel) const { return fs::exists(Path(rel)); }

  testsupport::TempDir dir_;
};

}  // namespace

TEST_F(ShellFileOps, DeleteResults) {
  EXPECT_EQ(ShellDeletePath(Path("missing/x.txt"), false), -1);
  EXPECT_EQ(ShellDeletePath(Path("d/none.txt"), false), 0);
  EXPECT_EQ(ShellDeletePath(Path("d/a.txt"), false), 1);
  EXPECT_FALSE(Exists("d/a.txt"));
  EXPECT_EQ(ShellDeletePath(Path("d/sub/"), false), 1);  // trailing "/" ignored
  EXPECT_FALSE(Exists("d/sub"));
}

TEST_F(ShellFileOps, WildcardEmptiesTheFolderAndKeepsIt) {
  EXPECT_EQ(ShellDeletePath(Path("d/*.*"), false), 1);
  EXPECT_TRUE(fs::is_directory(Path("d")));
  EXPECT_TRUE(fs::is_empty(Path("d")));
  // An empty folder empties without complaint.
  EXPECT_EQ(ShellDeletePath(Path("d/*.*"), false), 1);
}

TEST_F(ShellFileOps, WildcardFilesOnlyAndPatterns) {
  EXPECT_EQ(ShellDeletePath(Path("d/*.txt"), true), 1);
  EXPECT_FALSE(Exists("d/a.txt"));
  EXPECT_FALSE(Exists("d/b.TXT"));  // names compare without case
  EXPECT_TRUE(Exists("d/.hidden"));
  EXPECT_TRUE(Exists("d/sub/c.txt"));
  EXPECT_EQ(ShellDeletePath(Path("d/*.*"), true), 1);
  EXPECT_FALSE(Exists("d/.hidden"));
  EXPECT_TRUE(Exists("d/sub"));
}

TEST_F(ShellFileOps, DeleteNeverReachesKeptFolders) {
  const std::vector<std::string> keep = {Path("d/sub/"), Path("d")};
  EXPECT_EQ(ShellDeletePath(Path("d/*.*"), false, keep), -2);
  EXPECT_EQ(ShellDeletePath(Path("d"), false, {Path("d/sub/")}), -2);
  EXPECT_EQ(ShellDeletePath(dir_.path(), false, {Path("d/sub")}), -2);
  EXPECT_EQ(Read("d/a.txt"), "A");
  EXPECT_EQ(Read("d/sub/c.txt"), "C");
  // What lies below a kept folder may go.
  EXPECT_EQ(ShellDeletePath(Path("d/sub/c.txt"), false, keep), 1);
}

TEST_F(ShellFileOps, CopyResults) {
  EXPECT_EQ(ShellCopyPath(Path("d/"), Path("d"), false), 1);  // the same place
  EXPECT_EQ(ShellCopyPath(Path("missing/x"), Path("t"), false), -1);
  EXPECT_EQ(ShellCopyPath(Path("d/none.txt"), Path("t"), false), 0);
  EXPECT_FALSE(Exists("t"));
}

TEST_F(ShellFileOps, CopyFileIntoAFolderOrToANewName) {
  fs::create_directories(Path("t"));
  EXPECT_EQ(ShellCopyPath(Path("d/a.txt"), Path("t"), false), 1);
  EXPECT_EQ(Read("t/a.txt"), "A");
  Write("d/a.txt", "A2");
  EXPECT_EQ(ShellCopyPath(Path("d/a.txt"), Path("t/"), false), 1);  // replaced
  EXPECT_EQ(Read("t/a.txt"), "A2");
  EXPECT_EQ(ShellCopyPath(Path("d/a.txt"), Path("new/copy.zg23"), false), 1);
  EXPECT_EQ(Read("new/copy.zg23"), "A2");
}

TEST_F(ShellFileOps, CopyFolderArrivesUnderItsOwnNameInAnExistingFolder) {
  fs::create_directories(Path("staging"));
  EXPECT_EQ(ShellCopyPath(Path("d"), Path("staging"), false), 1);
  EXPECT_EQ(Read("staging/d/sub/c.txt"), "C");
  EXPECT_EQ(Read("staging/d/.hidden"), "H");
  // Without such a folder the copy takes the target's name.
  EXPECT_EQ(ShellCopyPath(Path("d/sub"), Path("renamed"), false), 1);
  EXPECT_EQ(Read("renamed/c.txt"), "C");
}

TEST_F(ShellFileOps, CopyWildcardIntoACreatedFolder) {
  EXPECT_EQ(ShellCopyPath(Path("d/*.*"), Path("clip/COPY/"), false), 1);
  EXPECT_EQ(Read("clip/COPY/a.txt"), "A");
  EXPECT_EQ(Read("clip/COPY/sub/c.txt"), "C");
  EXPECT_EQ(ShellCopyPath(Path("d/*.*"), Path("files"), true), 1);
  EXPECT_EQ(Read("files/b.TXT"), "B");
  EXPECT_FALSE(Exists("files/sub"));
}

TEST_F(ShellFileOps, CopyOfAFolderIntoItselfIsRefused) {
  EXPECT_EQ(ShellCopyPath(Path("d"), Path("d/sub"), false), -2);
  EXPECT_FALSE(Exists("d/sub/d"));
}

TEST_F(ShellFileOps, BracketsInPatternsAreOrdinaryCharacters) {
  Write("d/x[1].txt", "X");
  Write("d/x1.txt", "Y");
  EXPECT_EQ(ShellDeletePath(Path("d/x[1].*"), true), 1);
  EXPECT_FALSE(Exists("d/x[1].txt"));
  EXPECT_TRUE(Exists("d/x1.txt"));
}
