// Names of data sets: what the save dialog accepts, how extensions compare,
// and which file of a folder is its data set.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "FileFixture.h"
#include "printdata/DataSetNames.h"
#include "printdata/SlotStore.h"

using namespace printdata;

TEST(DataSetNames, TypedNamesThatCannotNameADataSetAreRefused) {
  struct Case {
    const char* typed;
    bool valid;
  } cases[] = {
      {"Eier 5", true},
      {"  Eier 5 ", true},  // blanks around are trimmed off
      {"Eier.5", true},
      {"Überraschung", true},
      {"123456789012345678901234567890123", true},  // 33 characters
      {"1234567890123456789012345678901234", false},
      {"ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜäö", true},  // 33 characters, 66 bytes
      {"", false},
      {"   ", false},
      {"\t\r\n", false},
      {".", false},
      {"..", false},
      {" .. ", false},
      {".versteckt", false},
      {"a/b", false},
      {"a\\b", false},
      {"../Eier", false},
      {"C:Eier", false},
      {"Eier*", false},
      {"Eier?", false},
      {"\"Eier\"", false},
      {"<Eier>", false},
      {"Eier|Huhn", false},
      {"Ei\x01" "er", false},
      {"Ei\x7F" "er", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidDataSetName(TrimName(c.typed)), c.valid) << "\"" << c.typed << "\"";
  EXPECT_EQ(TrimName("\t Eier 5 \x01"), "Eier 5");
}

TEST(DataSetNames, PathsAndExtensions) {
  EXPECT_TRUE(HasExtension("/d/X.zg23", "zg23"));
  EXPECT_TRUE(HasExtension("/d/X.ZG23", "zg23"));
  EXPECT_TRUE(HasExtension("/d/X.Zg23", "zg23"));
  EXPECT_FALSE(HasExtension("/d/X.g23", "zg23"));
  EXPECT_FALSE(HasExtension("/d/Xzg23", "zg23"));
  EXPECT_FALSE(HasExtension("/d.zg23/X", "zg23"));
  EXPECT_FALSE(HasExtension("/d/X.zg23.tmp", "zg23"));
  EXPECT_TRUE(HasExtension("/d/X.G23", "g23"));
  EXPECT_FALSE(HasExtension("/d/X.zg23", "g23"));

  EXPECT_EQ(ArchivePathFor("/data/007/", "Eier 5.zg23"), "/data/007/Eier 5.zg23");
  EXPECT_EQ(ArchivePathFor("/data/007", "Eier.5"), "/data/007/Eier.zg23");
  EXPECT_EQ(ArchivePathFor("/data", "X.G23"), "/data/X.zg23");
  EXPECT_EQ(WithoutExtension("Eier 5.zg23"), "Eier 5");
  EXPECT_EQ(WithoutExtension("Eier"), "Eier");
  EXPECT_EQ(FileNameOf("/a/b/c.zg23"), "c.zg23");
  EXPECT_EQ(FolderOf("/a/b/c.zg23"), "/a/b/");
  EXPECT_EQ(FolderOf("c.zg23"), "");
}

class SlotFiles : public FileFixture {};

TEST_F(SlotFiles, TheArchiveComesBeforeTheGroupFileAndHiddenFilesAndFoldersNeverCount) {
  namespace fs = std::filesystem;
  auto touch = [&](const std::string& name) { ASSERT_TRUE(platform::WriteFileAtomic(Path(name), "x")); };
  fs::create_directories(Path("s"));
  EXPECT_EQ(FindSlotFile(Path("s")), "");
  EXPECT_EQ(FindSlotFile(Path("missing")), "");
  touch("s/.Versteckt.zg23");
  fs::create_directories(Path("s/Ordner.zg23"));
  ::mkfifo(Path("s/Rohr.zg23").c_str(), 0600);
  EXPECT_EQ(FindSlotFile(Path("s")), "");
  touch("s/C.g23");
  touch("s/C_001.j23");
  EXPECT_EQ(FindSlotFile(Path("s")), "C.g23");
  touch("s/B.G23");
  EXPECT_EQ(FindSlotFile(Path("s")), "B.G23");
  touch("s/Z.ZG23");
  EXPECT_EQ(FindSlotFile(Path("s/")), "Z.ZG23");
  touch("s/A.zg23");
  EXPECT_EQ(FindSlotFile(Path("s")), "A.zg23");
  // Read-only files count.
  ::chmod(Path("s/A.zg23").c_str(), 0444);
  EXPECT_EQ(FindSlotFile(Path("s")), "A.zg23");
}

TEST(SlotNames, FoldersOfTheSlotsAndTheClipboard) {
  EXPECT_EQ(SlotFolderName(1), "001");
  EXPECT_EQ(SlotFolderName(20), "020");
  EXPECT_EQ(SlotFolder("/t/DATAEASY/", 7), "/t/DATAEASY/007/");
  EXPECT_EQ(SlotFolder("/t/DATAEASY", 17), "/t/DATAEASY/017/");
  EXPECT_EQ(SlotClipboardFolder("/t/DATAEASY/"), "/t/DATAEASY/COPY/");
}
