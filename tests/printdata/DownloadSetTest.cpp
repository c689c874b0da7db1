#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "FakeRenderer.h"
#include "platform/FileIO.h"
#include "printdata/DownloadSet.h"
#include "support/TempDir.h"

using namespace printdata;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct Fixture {
  testsupport::TempDir tmp;
  std::unique_ptr<PrintGroup> group = std::make_unique<PrintGroup>();
  testrender::FakeRenderer renderer;
  std::string Root() const { return tmp.path() + "/DOWNLOAD/"; }
  int Build(int count, const std::string& title = "Eier KW 10") {
    return BuildDownloadSet(*group, count, title, tmp.path() + "/", renderer);
  }
};

}  // namespace

TEST(DownloadSet, BuildsOneFolderPerPrintTextAndTheTitleFile) {
  Fixture f;
  f.group->Texts[1].Layers[3].Kind = kKindDate;
  f.group->Texts[2].Layers[0].Kind = kKindTime;
  int pumped = 0;
  EXPECT_EQ(BuildDownloadSet(*f.group, 3, "Eier \xE4", f.tmp.path(), f.renderer, [&] { ++pumped; }), kBuildDone);
  EXPECT_EQ(pumped, 2 + 3);
  EXPECT_EQ(Entries(f.Root()), (std::vector<std::string>{"001", "002", "003", "GP.n23"}));
  EXPECT_EQ(*platform::ReadWholeFile(f.Root() + "GP.n23"), "Eier \xE4\n");
  EXPECT_EQ(Entries(f.Root() + "001"), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam"}));
  EXPECT_EQ(Entries(f.Root() + "002"), (std::vector<std::string>{"BS.r23", "BS.u23", "D3.pam", "D3.r23", "DT.pam"}));
  EXPECT_EQ(Entries(f.Root() + "003"), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam", "T0.pam", "T0.r23"}));
  EXPECT_EQ(f.renderer.Loads, 3);
}

TEST(DownloadSet, ASecondBuildLeavesNothingOfTheFirst) {
  Fixture f;
  ASSERT_EQ(f.Build(5), kBuildDone);
  std::ofstream(f.Root() + "003/stale.tmp") << "x";
  ASSERT_EQ(f.Build(2), kBuildDone);
  EXPECT_EQ(Entries(f.Root()), (std::vector<std::string>{"001", "002", "GP.n23"}));
  EXPECT_EQ(f.Build(99), kBuildDone);
  EXPECT_EQ(Entries(f.Root()).size(), 100u);
  EXPECT_EQ(Entries(f.Root()).back(), "GP.n23");
  EXPECT_EQ(Entries(f.Root())[98], "099");
}

TEST(DownloadSet, FailedChecksLeaveAnEmptyFolder) {
  Fixture f;
  struct Case { int count; const char* title; } cases[] = {{0, "Eier"}, {100, "Eier"}, {-1, "Eier"}, {3, ""}};
  for (const Case& c : cases) {
    ASSERT_EQ(f.Build(2), kBuildDone);
    EXPECT_EQ(f.Build(c.count, c.title), kBuildCheckFailed) << c.count << " " << c.title;
    EXPECT_TRUE(fs::is_empty(f.Root()));
  }
}

TEST(DownloadSet, APrintTextThatCannotBeBuiltFailsTheWholeSet) {
  Fixture f;
  LayerObject& date = f.group->Texts[1].Layers[0];
  date.Kind = kKindDate;
  date.DateCode = "\xC3";
  for (int i = 0; i < 12; ++i)
    for (int k = 0; k < 20; ++k) date.MonthNames[i] += static_cast<char>(0x21 + i * 20 + k);
  EXPECT_EQ(BuildPrintTextFiles(1, f.tmp.path() + "/one", *f.group, f.renderer), kBuildFailed);
  EXPECT_EQ(f.Build(3), kBuildCheckFailed);
  EXPECT_TRUE(fs::is_empty(f.Root()));
}

TEST(DownloadSet, PrintTextFolderChecks) {
  Fixture f;
  EXPECT_EQ(BuildPrintTextFiles(-1, f.tmp / "x", *f.group, f.renderer), kBuildCheckFailed);
  EXPECT_EQ(BuildPrintTextFiles(99, f.tmp / "x", *f.group, f.renderer), kBuildCheckFailed);
  std::ofstream(f.tmp / "file") << "x";
  EXPECT_EQ(BuildPrintTextFiles(0, f.tmp / "file/sub", *f.group, f.renderer), kBuildCheckFailed);
  EXPECT_EQ(f.renderer.Loads, 0);
  // A folder that exists is emptied first; a trailing slash is fine.
  fs::create_directories(f.tmp / "t/old");
  std::ofstream(f.tmp / "t/junk.r23") << "x";
  EXPECT_EQ(BuildPrintTextFiles(0, f.tmp / "t/", *f.group, f.renderer), kBuildDone);
  EXPECT_EQ(Entries(f.tmp / "t"), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam"}));
}

TEST(DownloadSet, ATemporaryFolderThatCannotHoldTheSetFails) {
  Fixture f;
  std::ofstream(f.tmp / "TMP") << "a file, not a folder";
  EXPECT_EQ(BuildDownloadSet(*f.group, 1, "Eier", f.tmp / "TMP", f.renderer), kBuildCheckFailed);
}
