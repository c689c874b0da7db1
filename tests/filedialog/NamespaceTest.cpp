#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TreeFixture.h"
#include "filedialog/FolderListing.h"
#include "filedialog/ShellNamespace.h"

using namespace filedialog;

TEST(ShellEnvironment, UserDirsFileNamesTheFolders) {
  const std::string text =
      "# written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
      "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n"
      "XDG_MUSIC_DIR=\"relative\"\n";
  EXPECT_EQ(UserDirFromText(text, "XDG_DESKTOP_DIR", "/home/u"), "/home/u/Schreibtisch");
  EXPECT_EQ(UserDirFromText(text, "XDG_DOCUMENTS_DIR", "/home/u"), "/srv/docs");
  EXPECT_EQ(UserDirFromText(text, "XDG_MUSIC_DIR", "/home/u"), "");
  EXPECT_EQ(UserDirFromText(text, "XDG_VIDEOS_DIR", "/home/u"), "");
}

TEST(ShellEnvironment, VolumesAreTheRootAndUserMounts) {
  const std::string table =
      "proc /proc proc rw 0 0\n"
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sda2 /boot/efi vfat rw 0 0\n"
      "/dev/sdb1 /media/anna/USB\\040STICK vfat rw 0 0\n"
      "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
      "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
      "tmpfs /media/ram tmpfs rw 0 0\n"
      "/dev/sdd1 /media ext4 rw 0 0\n";
  const std::vector<std::string> expected = {"/", "/media/anna/USB STICK", "/mnt/backup"};
  EXPECT_EQ(VolumesFromMountTable(table, {"/media", "/run/media", "/mnt"}), expected);
}

namespace {

class Namespace : public fdtest::TreeFixture {
 protected:
  Namespace() {
    Folder("media/usb/photos");
    Write("mounts", "/dev/sdb1 " + Path("media/usb") + " vfat rw 0 0\n");
  }
};

}  // namespace

TEST_F(Namespace, PathsParseBelowTheirVolume) {
  ShellNamespace shell(env_);
  auto onRoot = shell.Parse(Path("home") + "/./");
  ASSERT_TRUE(onRoot) << onRoot.error();
  ASSERT_GE(onRoot->size(), 3u);
  EXPECT_EQ((*onRoot)[0].kind, ItemKind::Computer);
  EXPECT_EQ((*onRoot)[1].kind, ItemKind::Volume);
  EXPECT_EQ((*onRoot)[1].name, "/");
  EXPECT_EQ(onRoot->back().name, "home");
  EXPECT_EQ(shell.ParsingName(*onRoot), Path("home"));

  auto onUsb = shell.Parse(Path("media/usb/photos"));
  ASSERT_TRUE(onUsb);
  ASSERT_EQ(onUsb->size(), 3u);
  EXPECT_EQ((*onUsb)[1].name, Path("media/usb"));
  EXPECT_EQ(shell.ParsingName(*onUsb), Path("media/usb/photos"));
  EXPECT_EQ(shell.DisplayName({(*onUsb)[0], (*onUsb)[1]}), "usb (" + Path("media/usb") + ")");

  auto computer = shell.Parse(kMyComputerName);
  ASSERT_TRUE(computer);
  EXPECT_EQ(shell.ParsingName(*computer), kMyComputerName);
  EXPECT_EQ(shell.DisplayName(*computer), "Arbeitsplatz");
  EXPECT_EQ(shell.ShellDisplayPath(kNetworkName), "Netzwerkumgebung");
  EXPECT_EQ(shell.ShellParsingPath(Path("home/")), Path("home"));

  for (const std::string& bad : {std::string(), std::string("relative/path"), Path("missing"),
                                 std::string("::{00000000-0000-0000-0000-000000000000}")}) {
    EXPECT_FALSE(shell.Parse(bad)) << bad;
    EXPECT_EQ(shell.ShellParsingPath(bad), bad);
    EXPECT_EQ(shell.ShellDisplayPath(bad), "");
  }
}

TEST_F(Namespace, ComputerListsVolumesAndNetworkCannotBeBrowsed) {
  ShellNamespace shell(env_);
  FolderListing listing(shell);
  ASSERT_TRUE(listing.OpenPath(kMyComputerName));
  ASSERT_EQ(listing.Count(), 2);
  EXPECT_EQ(listing.ItemAt(0)->caption, "Datenträger (/)");
  EXPECT_EQ(listing.ItemAt(1)->caption, "usb (" + Path("media/usb") + ")");
  EXPECT_EQ(listing.PathFieldText(), "Arbeitsplatz");
  EXPECT_TRUE(shell.CanBrowse(kMyComputerName));
  EXPECT_FALSE(shell.CanBrowse(kNetworkName));
  EXPECT_FALSE(listing.OpenPath(kNetworkName));
  EXPECT_EQ(listing.CurrentPath(), kMyComputerName);
}

TEST(ItemIdList, MovingUpStopsDirectlyBelowTheTop) {
  ItemIdList list{{ItemKind::Computer, {}, true}, {ItemKind::Volume, "/", true}, {ItemKind::Entry, "home", true}};
  EXPECT_EQ(RemoveLastItemId(list), 1);
  EXPECT_EQ(ItemIdCount(list), 2);
  EXPECT_EQ(RemoveLastItemId(list), 1);
  EXPECT_EQ(RemoveLastItemId(list), 0);
  EXPECT_EQ(ItemIdCount(list), 1);
  ItemIdList empty;
  EXPECT_EQ(RemoveLastItemId(empty), 0);
  EXPECT_EQ(ItemIdCount(AppendItemIdList(list, {{ItemKind::Entry, "x", false}})), 2);
}
