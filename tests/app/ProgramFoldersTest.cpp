#include <gtest/gtest.h>
#include <filesystem>

#include "app/ProgramFolders.h"
#include "platform/FileIO.h"
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
