#include <gtest/gtest.h>

#include "TreeFixture.h"
#include "filedialog/DialogProtocol.h"
#include "filedialog/ShellNamespace.h"

using namespace filedialog;

namespace {
using Protocol = fdtest::TreeFixture;
}

TEST_F(Protocol, PlaceEntriesResolveTheSpecialFolders) {
  Folder("home/Dokumente");
  Folder("home/Schreibtisch");
  Write("home/.config/user-dirs.dirs",
        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  Folder("data");
  ShellNamespace shell(env_);
  PlaceMenu menu;
  EXPECT_EQ(SetPlaceEntry(menu, shell, 0, "Tarvik23", Path("data") + "/", Path("data") + "/"), 0);
  EXPECT_EQ(SetPlaceEntry(menu, shell, 1, "-", "", ""), 0);
  EXPECT_EQ(SetPlaceEntry(menu, shell, 2, "Eigene Dateien", "Eigene Dateien", "Eigene Dateien"), 0);
  EXPECT_EQ(SetPlaceEntry(menu, shell, 3, "Desktop", "Desktop", "Desktop"), 0);
  EXPECT_EQ(SetPlaceEntry(menu, shell, 4, "Arbeitsplatz", kMyComputerName, kMyComputerName), 0);
  EXPECT_EQ(SetPlaceEntry(menu, shell, 19, "last", "", ""), 0);
  EXPECT_EQ(SetPlaceEntry(menu, shell, 20, "beyond", Path("data"), Path("data")), -1);
  EXPECT_EQ(menu[0].path, Path("data"));
  EXPECT_EQ(menu[0].root, Path("data"));
  EXPECT_EQ(menu[0].caption, "Tarvik23");
  EXPECT_EQ(menu[2].caption, "Dokumente");
  EXPECT_EQ(menu[2].path, Path("home/Dokumente"));
  EXPECT_EQ(menu[3].caption, "Schreibtisch");
  EXPECT_EQ(menu[3].root, Path("home/Schreibtisch"));
  EXPECT_EQ(menu[4].path, kMyComputerName);
  EXPECT_EQ(menu[1].path, "");  // an empty path stays empty
  EXPECT_EQ(PlaceCount(menu), 5);

  // Without a user-dirs file the desktop's defaults hold.
  std::filesystem::remove(Path("home/.config/user-dirs.dirs"));
  EXPECT_EQ(ResolvePlacePath(shell, "Eigene Dateien"), Path("home/Documents"));
  EXPECT_EQ(ResolvePlacePath(shell, "Desktop"), Path("home/Desktop"));
  EXPECT_EQ(ResolvePlacePath(shell, "/"), "/");
}

TEST(InitialFile, SplitAsSetupDoes) {
  struct Case {
    const char* initial;
    const char* fileName;
    const char* baseName;
    const char* extension;
  };
  const Case cases[] = {
      {"KONFIG", "KONFIG.sys23", "KONFIG", ".sys23"},
      {"KONFIG.sys23", "KONFIG.sys23", "KONFIG", ".sys23"},
      {"/some/folder/Plan.ZG23", "Plan.ZG23", "Plan", ".ZG23"},
      {"", "", "", ""},
      {"/some/folder/", "", "", ""},
  };
  for (const Case& c : cases) {
    const InitialFile f = SplitInitialFile(c.initial, ".sys23");
    EXPECT_EQ(f.fileName, c.fileName) << c.initial;
    EXPECT_EQ(f.baseName, c.baseName) << c.initial;
    EXPECT_EQ(f.extension, c.extension) << c.initial;
  }
}

TEST(OkState, FollowsModeAndSelection) {
  struct Case {
    std::uint8_t mode;
    const char* field;
    bool folderOrNothing;
    const char* fieldAfter;
    bool visible, enabled;
  };
  const Case cases[] = {
      {kModeOpen, "plan.zg23", false, "plan.zg23", true, true},
      {kModeOpen, "  plan.zg23", false, "plan.zg23", true, true},
      {kModeOpen, "plan.zg23", true, "", true, false},
      {kModeOpen, "   ", false, "", true, false},
      {kModeSave, "  abc", false, "abc", true, true},
      {kModeSave, "abc", true, "abc", true, true},
      {kModeSave, "  ", true, "", true, false},
      {kModeBrowse, "x.txt", false, "x.txt", false, false},
      {kModeBrowse, "x.txt", true, "", false, false},
      {7, "x.txt", false, "", false, false},
  };
  for (const Case& c : cases) {
    const OkState s = OkStateFor(c.mode, c.field, c.folderOrNothing);
    EXPECT_EQ(s.nameField, c.fieldAfter) << int(c.mode) << " '" << c.field << "'";
    EXPECT_EQ(s.okVisible, c.visible) << int(c.mode) << " '" << c.field << "'";
    EXPECT_EQ(s.okEnabled, c.enabled) << int(c.mode) << " '" << c.field << "'";
  }
}

TEST(ChosenFileName, SaveModeForcesTheDefaultExtension) {
  EXPECT_EQ(ChosenFileName(kModeOpen, "Plan.ZG23", ".zg23"), "Plan.ZG23");
  EXPECT_EQ(ChosenFileName(kModeSave, "bericht.txt", ".zg23"), "bericht.zg23");
  EXPECT_EQ(ChosenFileName(kModeSave, "bericht", ".zg23"), "bericht.zg23");
  EXPECT_EQ(ChosenFileName(kModeSave, "a.b.c", ".bmp"), "a.b.bmp");
  EXPECT_EQ(ChosenFileName(kModeBrowse, "x", ".bmp"), "");
}

TEST_F(Protocol, ClipboardFolderIsMadeHiddenAndKeptOnFailure) {
  DialogState state;
  const std::string before = state.clipboardFolder;
  EXPECT_EQ(SetClipboardFolder(state, ""), -1);
  EXPECT_EQ(SetClipboardFolder(state, "/"), -2);
  Write("tmp/afile", "x");
  EXPECT_EQ(SetClipboardFolder(state, Path("tmp/afile/ZG12")), -3);
  EXPECT_EQ(state.clipboardFolder, before);

  EXPECT_EQ(SetClipboardFolder(state, Path("tmp/ZG12") + "/"), 0);
  EXPECT_EQ(state.clipboardFolder, Path("tmp/ZG12") + "/");
  EXPECT_TRUE(std::filesystem::is_directory(Path("tmp/ZG12")));
  EXPECT_EQ(Read("tmp/.hidden"), "ZG12\n");  // hidden from the listings
  EXPECT_EQ(SetClipboardFolder(state, Path("tmp/BMP")), 0);
  EXPECT_EQ(SetClipboardFolder(state, Path("tmp/ZG12")), 0);
  EXPECT_EQ(Read("tmp/.hidden"), "ZG12\nBMP\n");  // each name once

  // A ".hidden" that cannot be written leaves the folder not hidden.
  Folder("other/.hidden");
  EXPECT_EQ(SetClipboardFolder(state, Path("other/R12")), -4);
  EXPECT_EQ(state.clipboardFolder, Path("tmp/ZG12") + "/");
}
