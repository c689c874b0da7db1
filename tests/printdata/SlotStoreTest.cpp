// The slot clipboard on disk: cut, copy, paste and remove whole slots, and
// what a copy that cannot be made leaves behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "FileFixture.h"
#include "printdata/FolderTree.h"
#include "printdata/SlotStore.h"

using namespace printdata;
namespace fs = std::filesystem;

namespace {

class Slots : public FileFixture {
 protected:
  void SetUp() override {
    FileFixture::SetUp();
    easy_ = Path("DATAEASY") + "/";
    for (int n = 1; n <= kSlotCount; ++n) fs::create_directories(SlotFolder(easy_, n));
  }
  std::string Slot(int n) const { return SlotFolder(easy_, n); }
  void Put(int slot, const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(platform::WriteFileAtomic(Slot(slot) + name, bytes));
  }
  // Every file below `folder` with its bytes, by relative path; hidden work
  // folders of the store included, so leftovers show.
  static std::map<std::string, std::string> Content(const std::string& folder) {
    std::map<std::string, std::string> out;
    if (!fs::is_directory(folder)) return out;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
      const std::string rel = fs::relative(e.path(), folder).string();
      if (e.is_directory()) out[rel + "/"] = "";
      else if (e.is_regular_file()) out[rel] = *platform::ReadWholeFile(e.path().string());
      else out[rel] = "<special>";
    }
    return out;
  }
  std::map<std::string, std::string> Store() const { return Content(easy_); }

  std::string easy_;
};

const std::map<std::string, std::string> kEier = {
    {"Eier.zg23", "archive"}, {"notes/", ""}, {"notes/readme.txt", "kept"}};

}  // namespace

TEST_F(Slots, CutThenPasteMovesTheWholeSlotAndTheClipboardKeepsIt) {
  Put(3, "Eier.zg23", "archive");
  fs::create_directories(Slot(3) + "notes");
  Put(3, "notes/readme.txt", "kept");

  ASSERT_TRUE(CutSlotToClipboard(easy_, Slot(3)));
  EXPECT_TRUE(Content(Slot(3)).empty());
  EXPECT_TRUE(fs::is_directory(Slot(3)));
  EXPECT_EQ(Content(SlotClipboardFolder(easy_)), kEier);
  EXPECT_EQ(FindSlotFile(SlotClipboardFolder(easy_)), "Eier.zg23");

  ASSERT_TRUE(PasteClipboardIntoSlot(easy_, Slot(5)));
  EXPECT_EQ(Content(Slot(5)), kEier);
  ASSERT_TRUE(PasteClipboardIntoSlot(easy_, Slot(6)));
  EXPECT_EQ(Content(Slot(6)), kEier);
  EXPECT_EQ(Content(SlotClipboardFolder(easy_)), kEier);

  // No work folder is left in the store.
  for (const auto& [path, bytes] : Store()) EXPECT_NE(path[0], '.') << path;
}

TEST_F(Slots, PasteReplacesEverythingTheSlotHeld) {
  Put(1, "Eier.zg23", "archive");
  ASSERT_TRUE(CopySlotToClipboard(easy_, Slot(1)));
  Put(2, "Alt.g23", "old group");
  Put(2, "Alt_001.j23", "old text");
  ASSERT_TRUE(PasteClipboardIntoSlot(easy_, Slot(2)));
  EXPECT_EQ(Content(Slot(2)), (std::map<std::string, std::string>{{"Eier.zg23", "archive"}}));
  // Pasting into the slot the clipboard came from gives the same content.
  ASSERT_TRUE(PasteClipboardIntoSlot(easy_, Slot(1)));
  EXPECT_EQ(Content(Slot(1)), (std::map<std::string, std::string>{{"Eier.zg23", "archive"}}));
}

TEST_F(Slots, CopyThenRemoveLeavesTheDataSetInTheClipboard) {
  Put(4, "Eier.zg23", "archive");
  Put(9, "Huhn.zg23", "other");
  ASSERT_TRUE(CopySlotToClipboard(easy_, Slot(9)));
  ASSERT_TRUE(CopySlotToClipboard(easy_, Slot(4)));  // replaces the clipboard whole
  EXPECT_EQ(Content(SlotClipboardFolder(easy_)), (std::map<std::string, std::string>{{"Eier.zg23", "archive"}}));
  ASSERT_TRUE(EmptySlot(Slot(4)));
  EXPECT_TRUE(Content(Slot(4)).empty());
  ASSERT_TRUE(PasteClipboardIntoSlot(easy_, Slot(4)));
  EXPECT_EQ(Content(Slot(4)), (std::map<std::string, std::string>{{"Eier.zg23", "archive"}}));
}

TEST_F(Slots, ACutWhoseCopyCannotBeMadeDeletesNothing) {
  Put(3, "Eier.zg23", "archive");
  Put(9, "Huhn.zg23", "clipboard before");
  ASSERT_TRUE(CopySlotToClipboard(easy_, Slot(9)));
  // A pipe is no file the copy can take: the copy differs from the slot.
  ASSERT_EQ(::mkfifo((Slot(3) + "pipe").c_str(), 0600), 0);
  const auto slotBefore = Content(Slot(3));
  const auto clipBefore = Content(SlotClipboardFolder(easy_));

  EXPECT_FALSE(CutSlotToClipboard(easy_, Slot(3)));
  EXPECT_EQ(Content(Slot(3)), slotBefore);
  EXPECT_EQ(Content(SlotClipboardFolder(easy_)), clipBefore);
  EXPECT_FALSE(CopySlotToClipboard(easy_, Slot(3)));
  EXPECT_EQ(Content(SlotClipboardFolder(easy_)), clipBefore);
  for (const auto& [path, bytes] : Store()) EXPECT_NE(path[0], '.') << path;
}

TEST_F(Slots, APasteWhoseCopyCannotBeMadeLeavesTheSlotAsItWas) {
  fs::create_directories(SlotClipboardFolder(easy_));
  ASSERT_TRUE(platform::WriteFileAtomic(SlotClipboardFolder(easy_) + "Eier.zg23", "new"));
  ASSERT_EQ(::mkfifo((SlotClipboardFolder(easy_) + "pipe").c_str(), 0600), 0);
  Put(2, "Alt.zg23", "old");
  EXPECT_FALSE(PasteClipboardIntoSlot(easy_, Slot(2)));
  EXPECT_EQ(Content(Slot(2)), (std::map<std::string, std::string>{{"Alt.zg23", "old"}}));
  // A slot folder that is missing is not created.
  fs::remove_all(Slot(12));
  ::unlink((SlotClipboardFolder(easy_) + "pipe").c_str());
  EXPECT_FALSE(PasteClipboardIntoSlot(easy_, Slot(12)));
  EXPECT_FALSE(fs::exists(Slot(12)));
  for (const auto& [path, bytes] : Store()) EXPECT_NE(path[0], '.') << path;
}

TEST_F(Slots, KeepOnlyRemovesTheSlotsEarlierContent) {
  Put(7, "Neu.zg23", "new");
  Put(7, "Alt.zg23", "old");
  Put(7, "Alt.g23", "old group");
  fs::create_directories(Slot(7) + "sub");
  ASSERT_TRUE(KeepOnly(Slot(7), "Neu.zg23"));
  EXPECT_EQ(Content(Slot(7)), (std::map<std::string, std::string>{{"Neu.zg23", "new"}}));
  // Without the file to keep nothing is removed.
  Put(8, "Alt.zg23", "old");
  EXPECT_FALSE(KeepOnly(Slot(8), "Neu.zg23"));
  EXPECT_EQ(Content(Slot(8)), (std::map<std::string, std::string>{{"Alt.zg23", "old"}}));
}

TEST_F(Slots, ReplaceFolderPutsTheNewFolderInPlaceOrCreatesIt) {
  fs::create_directories(Path("a/new"));
  ASSERT_TRUE(platform::WriteFileAtomic(Path("a/new/f"), "new"));
  fs::create_directories(Path("a/old/deep"));
  ASSERT_TRUE(platform::WriteFileAtomic(Path("a/old/deep/g"), "old"));
  ASSERT_TRUE(ReplaceFolder(Path("a/new"), Path("a/old")));
  EXPECT_EQ(Content(Path("a")), (std::map<std::string, std::string>{{"old/", ""}, {"old/f", "new"}}));
  fs::create_directories(Path("a/next"));
  ASSERT_TRUE(ReplaceFolder(Path("a/next/"), Path("a/missing/")));
  EXPECT_TRUE(fs::is_directory(Path("a/missing")));
  EXPECT_FALSE(fs::exists(Path("a/next")));
  // A file is never replaced by a folder.
  ASSERT_TRUE(platform::WriteFileAtomic(Path("a/file"), "x"));
  fs::create_directories(Path("a/other"));
  EXPECT_FALSE(ReplaceFolder(Path("a/other"), Path("a/file")));
  EXPECT_EQ(*platform::ReadWholeFile(Path("a/file")), "x");
}

TEST_F(Slots, SameFolderContentSeesNamesKindsAndBytes) {
  auto make = [&](const std::string& root) {
    fs::create_directories(Path(root + "/d"));
    ASSERT_TRUE(platform::WriteFileAtomic(Path(root + "/d/f"), "bytes"));
    ASSERT_TRUE(platform::WriteFileAtomic(Path(root + "/g"), ""));
  };
  make("x");
  make("y");
  EXPECT_TRUE(SameFolderContent(Path("x"), Path("y/")));
  ASSERT_TRUE(platform::WriteFileAtomic(Path("y/d/f"), "bytez"));
  EXPECT_FALSE(SameFolderContent(Path("x"), Path("y")));
  ASSERT_TRUE(platform::WriteFileAtomic(Path("y/d/f"), "bytes"));
  fs::create_directories(Path("y/e"));
  EXPECT_FALSE(SameFolderContent(Path("x"), Path("y")));
  fs::remove(Path("y/e"));
  fs::remove(Path("y/g"));
  fs::create_directories(Path("y/g"));
  EXPECT_FALSE(SameFolderContent(Path("x"), Path("y")));
  EXPECT_FALSE(SameFolderContent(Path("x"), Path("missing")));
}
