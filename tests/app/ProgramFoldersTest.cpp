#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "AppFixture.h"
#include "app/ProgramFolders.h"
#include "app/TForm_Main.h"
#include "platform/FileIO.h"
#include "support/EndedProcess.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(ProgramFolders, TreeBesideTheStartFolder) {
  testsupport::TempDir temp;
  const std::string root = temp.path() + "/Tarvik23/";
  fs::create_directories(root + "bin");
  fs::create_directories(temp.path() + "/Tarvik12/BMP");

  const app::ProgramFolders f = app::CreateProgramFolders(root + "bin");
  EXPECT_EQ(f.start, root + "bin/");
  EXPECT_EQ(f.root, root);
  const std::pair<const std::string*, const char*> members[] = {
      {&f.config, "CONFIG"}, {&f.sound, "SOUND"},     {&f.tmp, "TMP"},           {&f.data, "DATA"},
      {&f.dataEasy, "DATAEASY"}, {&f.help, "HELP"},   {&f.language, "LANGUAGE"}, {&f.teamViewer, "TEAMVIEWER"},
      {&f.service, "SERVICE"}, {&f.hex, "HEX"},       {&f.driver, "DRIVER"},     {&f.bmp, "BMP"},
      {&f.update, "UPDATE"},   {&f.browser, "BROWSER"},
  };
  for (const auto& [member, name] : members) {
    EXPECT_EQ(*member, root + name + "/");
    EXPECT_TRUE(fs::is_directory(*member)) << name;
  }
  for (const char* dash : {"DATA", "SERVICE", "HEX", "BMP"}) EXPECT_TRUE(fs::is_directory(root + dash + "/-")) << dash;
  for (const char* slot : {"001", "010", "020"}) EXPECT_TRUE(fs::is_directory(f.dataEasy + slot)) << slot;
  EXPECT_FALSE(fs::exists(f.dataEasy + "021"));
  EXPECT_FALSE(fs::exists(f.dataEasy + "COPY"));
  EXPECT_TRUE(f.notCreated.empty());
  // Graphics folders of the maker's other programs beside this one.
  EXPECT_EQ(f.tarvik12Bmp, temp.path() + "/Tarvik12/BMP");
  EXPECT_EQ(f.tarvikBmp, "");
  EXPECT_EQ(f.tarvik50Bmp, "");

  // A second start finds the tree in place.
  EXPECT_TRUE(app::CreateProgramFolders(root + "bin/").notCreated.empty());
}

TEST(ProgramFolders, FolderThatCannotBeCreatedNeverFallsBackToTheStartFolder) {
  testsupport::TempDir temp;
  const std::string root = temp.path() + "/";
  fs::create_directories(root + "bin");
  // A file in the way of CONFIG, and of the slot folders' parent.
  ASSERT_TRUE(platform::WriteFileAtomic(root + "CONFIG", "x"));
  ASSERT_TRUE(platform::WriteFileAtomic(root + "DATAEASY", "x"));

  const app::ProgramFolders f = app::CreateProgramFolders(root + "bin");
  EXPECT_EQ(f.config, root + "CONFIG/");
  EXPECT_EQ(f.dataEasy, root + "DATAEASY/");
  EXPECT_NE(f.config, f.start);
  EXPECT_EQ(f.notCreated, (std::vector<std::string>{root + "CONFIG/", root + "DATAEASY/"}));
  EXPECT_TRUE(fs::is_directory(f.tmp));
}

namespace {

// Files left in the tree by writes that were killed midway, made before the
// program starts.
class StartUpLeftovers : public apptest::AppFixture {
 protected:
  void SetUp() override {
    const std::string root = temp_.path() + "/Tarvik23/";
    const std::string ended = std::to_string(testsupport::EndedProcessId());
    const std::string running = std::to_string(::getpid());
    for (const char* folder : {"DATAEASY/007", "DATA/Kunde", "CONFIG", "TMP", "bin", "elsewhere"})
      fs::create_directories(root + folder);
    gone_ = {root + "DATAEASY/007/GP.zg23.~" + ended + ".0.tmp", root + "DATA/Kunde/Eier.zg23.~" + ended + ".4.tmp",
             root + "CONFIG/Tarvik23.ini.~" + ended + ".1.tmp", root + "TMP/x.~" + ended + ".2.tmp"};
    // A writer that still runs, and folders that are not the program's.
    kept_ = {root + "DATAEASY/007/GP.zg23", root + "DATA/Kunde/Eier.zg23.~" + running + ".9.tmp",
             root + "bin/t.~" + ended + ".0.tmp", root + "elsewhere/t.~" + ended + ".0.tmp",
             root + "t.~" + ended + ".0.tmp"};
    for (const auto* list : {&gone_, &kept_})
      for (const std::string& f : *list) ASSERT_TRUE(platform::WriteFileDirect(f, "x"));
    AppFixture::SetUp();
  }
  std::vector<std::string> gone_, kept_;
};

}  // namespace

TEST_F(StartUpLeftovers, AreClearedInTheProgramsFoldersWhenTheirWriterHasEnded) {
  ASSERT_NE(Form_Main, nullptr);
  for (const std::string& f : gone_) EXPECT_FALSE(fs::exists(f)) << f;
  for (const std::string& f : kept_) EXPECT_TRUE(fs::exists(f)) << f;
}
