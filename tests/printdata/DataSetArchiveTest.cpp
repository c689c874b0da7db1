// Writing and reading data archives through the archive service: the
// order of the steps, the work files in TMP, and what a failure or a crash
// at any step leaves behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "FakeArchiveTools.h"
#include "FileFixture.h"
#include "SampleGroup.h"
#include "printdata/DataSetArchive.h"
#include "printdata/Init.h"

using namespace printdata;
namespace fs = std::filesystem;
using datasettest::FakeArchiveTools;

namespace {

class DataSetArchive : public FileFixture {
 protected:
  void SetUp() override {
    FileFixture::SetUp();
    tmp_ = Path("TMP") + "/";
    fs::create_directories(tmp_);
    fs::create_directories(Path("slot"));
    group_ = datasettest::SampleGroup(3);
    loaded_ = std::make_unique<PrintGroup>();
  }
  std::set<std::string> TmpEntries() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(tmp_)) names.insert(e.path().filename().string());
    return names;
  }
  // Saved group and loaded group agree on everything a data set holds.
  void ExpectSameData(const PrintGroup& a, const PrintGroup& b, int count) {
    EXPECT_TRUE(datasettest::SameDataSet(a, b, count));
  }

  FakeArchiveTools tools_;
  std::string tmp_;
  std::unique_ptr<PrintGroup> group_, loaded_;
};

}  // namespace

TEST_F(DataSetArchive, ADataSetSavedAndReadAgainIsTheSame) {
  const std::string target = Path("slot/Eier.zg23");
  ASSERT_TRUE(SaveDataSetArchive(tools_, tmp_, *group_, 3, target));
  EXPECT_TRUE(fs::is_regular_file(target));
  auto loaded = LoadDataSetArchive(tools_, tmp_, target, *loaded_);
  ASSERT_TRUE(loaded) << loaded.error();
  EXPECT_EQ(loaded->Count, 3);
  EXPECT_TRUE(loaded->Report.Complete());
  ExpectSameData(*group_, *loaded_, 3);
  // The ZIP holds the group file and its print-text files at its root, under
  // the writer's names, with the archive password.
  const std::string packed = tools_.calls[1];
  EXPECT_NE(packed.find("/GP/*.* "), std::string::npos) << packed;
  EXPECT_NE(packed.find(" plivet"), std::string::npos) << packed;
  EXPECT_EQ(tools_.calls[0], "temp " + tmp_ + "ZGxx");
}

TEST_F(DataSetArchive, WorkFilesHaveNamesOfTheirOwnAndGoAfterASave) {
  // Files of the user's or of an earlier run that share a data set's name.
  ASSERT_TRUE(platform::WriteFileAtomic(tmp_ + "Eier.zip", "mine"));
  ASSERT_TRUE(platform::WriteFileAtomic(tmp_ + "Eier.zg23", "mine"));
  fs::create_directories(tmp_ + "SPEICHERNZG23");
  // What a crashed save left.
  fs::create_directories(tmp_ + "SPEICHERNZG23.abc123/GP");
  ASSERT_TRUE(SaveDataSetArchive(tools_, tmp_, *group_, 3, Path("slot/Eier.zg23")));
  EXPECT_EQ(TmpEntries(), (std::set<std::string>{"Eier.zip", "Eier.zg23", "SPEICHERNZG23", "ZGxx"}));
  EXPECT_EQ(Bytes("TMP/Eier.zip"), "mine");
}

TEST_F(DataSetArchive, AFailedSaveLeavesTheFileThatWasThereAndNoWorkFiles) {
  const std::string target = Path("slot/Eier.zg23");
  ASSERT_TRUE(platform::WriteFileAtomic(target, "the earlier data set"));
  struct Case {
    const char* step;
    int count;
  } cases[] = {{"zip", 3}, {"lock", 3}, {"", 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.step) + " " + std::to_string(c.count));
    tools_.failures.clear();
    if (*c.step) tools_.failures[c.step] = -21;
    auto saved = SaveDataSetArchive(tools_, tmp_, *group_, c.count, target);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Bytes("slot/Eier.zg23"), "the earlier data set");
    std::set<std::string> inSlot;
    for (const auto& e : fs::directory_iterator(Path("slot"))) inSlot.insert(e.path().filename().string());
    EXPECT_EQ(inSlot, (std::set<std::string>{"Eier.zg23"}));
    std::set<std::string> left = TmpEntries();
    left.erase("ZGxx");
    EXPECT_TRUE(left.empty()) << *left.begin();
  }
  // A folder that does not exist is no target either.
  EXPECT_FALSE(SaveDataSetArchive(tools_, tmp_, *group_, 3, Path("missing/Eier.zg23")));
}

TEST_F(DataSetArchive, AKillBetweenAnyTwoStepsLeavesTheEarlierFileWhole) {
  const std::string target = Path("slot/Eier.zg23");
  auto earlier = datasettest::SampleGroup(2);
  ASSERT_TRUE(SaveDataSetArchive(tools_, tmp_, *earlier, 2, target));
  const std::string before = Bytes("slot/Eier.zg23");
  for (SaveStep stop : {SaveStep::GroupWritten, SaveStep::Zipped, SaveStep::Locked}) {
    SCOPED_TRACE(static_cast<int>(stop));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      FakeArchiveTools tools;
      (void)SaveDataSetArchive(tools, tmp_, *group_, 3, target, [stop](SaveStep s) {
        if (s == stop) ::raise(SIGKILL);
      });
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    // Either the earlier data set, or (killed after the last step) the new
    // one, and always complete.
    auto loaded = LoadDataSetArchive(tools_, tmp_, target, *loaded_);
    ASSERT_TRUE(loaded) << loaded.error();
    if (stop == SaveStep::Locked) {
      EXPECT_EQ(loaded->Count, 3);
      ExpectSameData(*group_, *loaded_, 3);
      ASSERT_TRUE(SaveDataSetArchive(tools_, tmp_, *earlier, 2, target));
    } else {
      EXPECT_EQ(Bytes("slot/Eier.zg23"), before);
      EXPECT_EQ(loaded->Count, 2);
    }
  }
  // The next save clears what the killed ones left in TMP.
  ASSERT_TRUE(SaveDataSetArchive(tools_, tmp_, *group_, 3, target));
  for (const std::string& e : TmpEntries()) EXPECT_EQ(e.rfind(kSaveWorkPrefix, 0), std::string::npos) << e;
}

TEST_F(DataSetArchive, ReadingFailsOnADamagedArchiveOrOneWithoutAGroupAndLeavesNoWorkFiles) {
  const std::string target = Path("slot/Eier.zg23");
  ASSERT_TRUE(SaveDataSetArchive(tools_, tmp_, *group_, 3, target));
  for (const char* step : {"unlock", "unzip"}) {
    tools_.failures = {{step, -30}};
    EXPECT_FALSE(LoadDataSetArchive(tools_, tmp_, target, *loaded_)) << step;
    std::set<std::string> left = TmpEntries();
    left.erase("ZGxx");
    EXPECT_TRUE(left.empty()) << step;
  }
  tools_.failures.clear();
  // An archive without a group file, and one whose group has no print text.
  fs::create_directories(Path("pack"));
  ASSERT_TRUE(platform::WriteFileAtomic(Path("pack/GP_001.j23"), "x"));
  ASSERT_EQ(tools_.ZipToArchive(Path("pack/*.*"), Path("nogroup.zip"), "", "plivet", 0), 0);
  ASSERT_EQ(tools_.LockArchive(Path("nogroup.zip"), Path("NoGroup.zg23")), 0);
  EXPECT_FALSE(LoadDataSetArchive(tools_, tmp_, Path("NoGroup.zg23"), *loaded_));
  ASSERT_TRUE(GroupSave(*group_, 0, Path("empty/GP.g23")));
  ASSERT_EQ(tools_.ZipToArchive(Path("empty/*.*"), Path("empty.zip"), "", "plivet", 0), 0);
  ASSERT_EQ(tools_.LockArchive(Path("empty.zip"), Path("Empty.zg23")), 0);
  EXPECT_FALSE(LoadDataSetArchive(tools_, tmp_, Path("Empty.zg23"), *loaded_));
  std::set<std::string> left = TmpEntries();
  left.erase("ZGxx");
  EXPECT_TRUE(left.empty());
}

TEST_F(DataSetArchive, AGroupFileOfAnyNameLoadsAndTheExtractedFilesStayUntilTheNextRead) {
  ASSERT_TRUE(GroupSave(*group_, 3, Path("pack/Anders.g23")));
  ASSERT_EQ(tools_.ZipToArchive(Path("pack/*.*"), Path("a.zip"), "", "plivet", 0), 0);
  ASSERT_EQ(tools_.LockArchive(Path("a.zip"), Path("Fremd.zg23")), 0);
  auto loaded = LoadDataSetArchive(tools_, tmp_, Path("Fremd.zg23"), *loaded_);
  ASSERT_TRUE(loaded) << loaded.error();
  EXPECT_EQ(loaded->Count, 3);
  std::set<std::string> left = TmpEntries();
  left.erase("ZGxx");
  ASSERT_EQ(left.size(), 1u);
  const std::string first = *left.begin();
  EXPECT_EQ(first.rfind(kLoadWorkPrefix, 0), 0u);
  EXPECT_TRUE(fs::is_regular_file(tmp_ + first + "/GP/Anders.g23"));
  EXPECT_FALSE(fs::exists(tmp_ + first + "/GP.zip"));
  ASSERT_TRUE(LoadDataSetArchive(tools_, tmp_, Path("Fremd.zg23"), *loaded_));
  left = TmpEntries();
  left.erase("ZGxx");
  ASSERT_EQ(left.size(), 1u);
  EXPECT_NE(*left.begin(), first);
}

TEST_F(DataSetArchive, PrintTextsThatCannotBeReadAreReported) {
  ASSERT_TRUE(GroupSave(*group_, 3, Path("pack/GP.g23")));
  ASSERT_TRUE(platform::WriteFileAtomic(Path("pack/GP_002.j23"), "kaputt\r\n"));
  fs::remove(Path("pack/GP_003.j23"));
  ASSERT_EQ(tools_.ZipToArchive(Path("pack/*.*"), Path("p.zip"), "", "plivet", 0), 0);
  ASSERT_EQ(tools_.LockArchive(Path("p.zip"), Path("Teil.zg23")), 0);
  auto loaded = LoadDataSetArchive(tools_, tmp_, Path("Teil.zg23"), *loaded_);
  ASSERT_TRUE(loaded) << loaded.error();
  EXPECT_EQ(loaded->Count, 3);
  ASSERT_EQ(loaded->Report.FailedTexts.size(), 2u);
  EXPECT_EQ(loaded->Report.FailedTexts[0].Index, 1);
  EXPECT_EQ(loaded->Report.FailedTexts[1].Index, 2);
  EXPECT_TRUE(datasettest::SameDataSet(*loaded_, *group_, 1));
}
