#include <gtest/gtest.h>

#include <filesystem>

#include "TreeFixture.h"
#include "filedialog/ClipboardIndex.h"
#include "filedialog/ItemOperations.h"

using namespace filedialog;

namespace {

class Clipboard : public fdtest::TreeFixture {
 protected:
  Clipboard() {
    Folder("clip");
    Folder("work");
    index_.Load(Path("clip"));
  }
  ClipboardIndex index_;
};

}  // namespace

TEST_F(Clipboard, ElevenCopiesKeepTheTenNewest) {
  for (int i = 1; i <= 11; ++i) {
    const std::string name = "f" + std::to_string(i) + ".zg23";
    Write("work/" + name, name);
    ASSERT_TRUE(CutOrCopyItem(index_, Path("work"), name, false).ok()) << name;
  }
  ASSERT_EQ(index_.Lines().size(), 10u);
  EXPECT_EQ(index_.Lines().front(), "f11.zg23");
  EXPECT_EQ(index_.Lines().back(), "f2.zg23");
  EXPECT_FALSE(Exists("clip/f1.zg23"));  // pushed out with its line
  EXPECT_TRUE(Exists("clip/f2.zg23"));
  EXPECT_TRUE(Exists("work/f1.zg23"));   // a copy leaves the original
  EXPECT_EQ(Read("clip/~INDEX.LST").substr(0, 20), "f11.zg23\r\nf10.zg23\r\n");

  ClipboardIndex again;
  EXPECT_TRUE(again.Load(Path("clip") + "/"));
  EXPECT_EQ(again.Lines(), index_.Lines());
}

TEST_F(Clipboard, CopyingANameAgainReplacesTheOlderCopy) {
  Write("work/plan.zg23", "old");
  Write("work/other.zg23", "o");
  ASSERT_TRUE(CutOrCopyItem(index_, Path("work"), "plan.zg23", false).ok());
  ASSERT_TRUE(CutOrCopyItem(index_, Path("work"), "other.zg23", false).ok());
  Write("work/plan.zg23", "new");
  ASSERT_TRUE(CutOrCopyItem(index_, Path("work"), "plan.zg23", true).ok());
  EXPECT_EQ(index_.Lines(), (std::vector<std::string>{"plan.zg23", "other.zg23"}));
  EXPECT_EQ(Read("clip/plan.zg23"), "new");
  EXPECT_FALSE(Exists("work/plan.zg23"));  // cut
}

TEST_F(Clipboard, IndexLinesOutsideTheFolderAreNeverUsed) {
  Write("outside.txt", "keep me");
  Folder("clip/sub");
  Write("clip/sub/inner.txt", "keep me too");
  Write("clip/good.txt", "g");
  Folder("clip/GoodFolder");
  Write("clip/~INDEX.LST",
        "../outside.txt\r\n" + Path("outside.txt") + "\r\nsub/inner.txt\r\n..\r\n.\r\n\r\nmissing.txt\r\n"
        "~INDEX.LST\r\ngood.txt\r\ngood.txt\r\nGoodFolder\r\n");
  ASSERT_TRUE(index_.Load(Path("clip")));
  EXPECT_EQ(index_.Lines(), (std::vector<std::string>{"good.txt", "GoodFolder"}));
  EXPECT_EQ(index_.MenuText("GoodFolder"), "[GoodFolder]");
  EXPECT_EQ(index_.MenuText("good.txt"), "good.txt");
  ASSERT_TRUE(index_.Clear());
  EXPECT_EQ(Read("outside.txt"), "keep me");
  EXPECT_EQ(Read("clip/sub/inner.txt"), "keep me too");
  EXPECT_FALSE(Exists("clip/good.txt"));
  EXPECT_FALSE(Exists("clip/GoodFolder"));
  EXPECT_EQ(Read("clip/~INDEX.LST"), "");
  // Removing a name that is not a single name touches nothing.
  EXPECT_TRUE(index_.Remove("../outside.txt"));
  EXPECT_EQ(Read("outside.txt"), "keep me");
  EXPECT_FALSE(index_.Add("../x"));
}

TEST_F(Clipboard, CutOrCopyInsideTheClipboardFolderKeepsTheItem) {
  Write("clip/plan.zg23", "precious");
  Write("clip/older.zg23", "o");
  ASSERT_TRUE(index_.Add("plan.zg23"));
  ASSERT_TRUE(index_.Add("older.zg23"));
  for (bool cut : {false, true}) {
    const OpOutcome o = CutOrCopyItem(index_, Path("clip") + "/", "plan.zg23", cut);
    EXPECT_TRUE(o.ok()) << o.detail;
    EXPECT_EQ(Read("clip/plan.zg23"), "precious") << cut;
    EXPECT_EQ(index_.Lines().front(), "plan.zg23");
    EXPECT_EQ(index_.Lines().size(), 2u);
  }
  // A folder that holds the clipboard folder is refused, and so is an item
  // inside the clipboard item it would replace.
  EXPECT_EQ(CutOrCopyItem(index_, temp_.path(), "clip", true).error, OpError::Refused);
  Folder("clip/box/box");
  ASSERT_TRUE(index_.Add("box"));
  EXPECT_EQ(CutOrCopyItem(index_, Path("clip/box"), "box", false).error, OpError::Refused);
  EXPECT_TRUE(Exists("clip/box/box"));
  EXPECT_TRUE(Exists("clip/plan.zg23"));
}

TEST_F(Clipboard, PastesUnderFreeNames) {
  Write("work/plan.zg23", "p");
  Folder("work/Ordner/inner");
  ASSERT_TRUE(CutOrCopyItem(index_, Path("work"), "plan.zg23", false).ok());
  ASSERT_TRUE(CutOrCopyItem(index_, Path("work"), "Ordner", false).ok());
  struct Step {
    const char* name;
    const char* pastedAs;
  };
  const Step steps[] = {{"plan.zg23", "plan(1).zg23"}, {"plan.zg23", "plan(2).zg23"}, {"Ordner", "Ordner(1)"},
                        {"Ordner", "Ordner(2)"}};
  for (const Step& s : steps) {
    const OpOutcome o = PasteItem(index_, Path("work"), s.name);
    ASSERT_TRUE(o.ok()) << o.detail;
    EXPECT_EQ(o.name, s.pastedAs);
  }
  EXPECT_EQ(Read("work/plan(2).zg23"), "p");
  EXPECT_TRUE(Exists("work/Ordner(2)/inner"));
  EXPECT_TRUE(Exists("clip/plan.zg23"));  // the clipboard item stays
  // Pasting into a fresh folder keeps the name; pasting a folder into
  // itself is refused.
  Folder("empty");
  EXPECT_EQ(PasteItem(index_, Path("empty"), "plan.zg23").name, "plan.zg23");
  EXPECT_EQ(PasteItem(index_, Path("clip/Ordner/inner"), "Ordner").error, OpError::Refused);
}

TEST_F(Clipboard, LongPathsNeedNoBuffer) {
  std::string deep = "work";
  while (deep.size() < 400) deep += "/a-rather-long-folder-name";
  Write(deep + "/plan.zg23", "deep");
  ASSERT_GT(Path(deep).size(), 400u);
  ASSERT_TRUE(CutOrCopyItem(index_, Path(deep), "plan.zg23", false).ok());
  const OpOutcome pasted = PasteItem(index_, Path(deep), "plan.zg23");
  ASSERT_TRUE(pasted.ok()) << pasted.detail;
  EXPECT_EQ(Read(deep + "/plan(1).zg23"), "deep");
  ASSERT_TRUE(RenameItem(Path(deep), "plan(1).zg23", "neu").ok());
  EXPECT_TRUE(Exists(deep + "/neu.zg23"));
}

TEST_F(Clipboard, RenameKeepsTheExtensionAndNeverReplaces) {
  Write("work/plan.zg23", "plan");
  Write("work/neu.zg23", "neu");
  Write("work/Foto.JPG", "jpg");
  const OpOutcome taken = RenameItem(Path("work"), "plan.zg23", "neu.txt");
  EXPECT_EQ(taken.error, OpError::Exists);
  EXPECT_EQ(Read("work/neu.zg23"), "neu");
  EXPECT_EQ(Read("work/plan.zg23"), "plan");

  OpOutcome o = RenameItem(Path("work"), "plan.zg23", "anders.txt");
  ASSERT_TRUE(o.ok()) << o.detail;
  EXPECT_EQ(o.name, "anders.zg23");
  EXPECT_EQ(Read("work/anders.zg23"), "plan");
  o = RenameItem(Path("work"), "anders.zg23", "anders");
  EXPECT_TRUE(o.ok());
  EXPECT_EQ(o.name, "anders.zg23");  // the same base: nothing changes
  o = RenameItem(Path("work"), "Foto.JPG", "Bild");
  EXPECT_EQ(o.name, "Bild.JPG");  // the real extension, not the caption's
  EXPECT_EQ(Read("work/Bild.JPG"), "jpg");

  for (const char* bad : {"a/b", "../x", "..", ".", "", "   ", "x/"}) {
    EXPECT_EQ(RenameItem(Path("work"), "neu.zg23", bad).error, OpError::InvalidName) << "'" << bad << "'";
    EXPECT_EQ(MakeNewFolder(Path("work"), bad).error, OpError::InvalidName) << "'" << bad << "'";
  }
  EXPECT_EQ(Read("work/neu.zg23"), "neu");
}

TEST_F(Clipboard, NewFolderIsOneFolderInsideTheCurrentOne) {
  OpOutcome o = MakeNewFolder(Path("work"), "Neuer Ordner");
  ASSERT_TRUE(o.ok()) << o.detail;
  EXPECT_TRUE(std::filesystem::is_directory(Path("work/Neuer Ordner")));
  EXPECT_TRUE(MakeNewFolder(Path("work"), "Neuer Ordner").ok());  // there already
  Write("work/datei", "x");
  EXPECT_EQ(MakeNewFolder(Path("work"), "datei").error, OpError::Exists);
  EXPECT_FALSE(Exists("work/a"));
}

TEST_F(Clipboard, DeleteGoesToTheTrash) {
  Write("home/plan.zg23", "p");
  const OpOutcome o = DeleteItem(Path("home"), "plan.zg23", env_);
  ASSERT_TRUE(o.ok()) << o.detail;
  EXPECT_FALSE(Exists("home/plan.zg23"));
  EXPECT_EQ(Read("home/.local/share/Trash/files/plan.zg23"), "p");
  const std::string info = Read("home/.local/share/Trash/info/plan.zg23.trashinfo");
  EXPECT_EQ(info.rfind("[Trash Info]\nPath=", 0), 0u) << info;
  EXPECT_NE(info.find("/home/plan.zg23\nDeletionDate="), std::string::npos) << info;
  // A second item of the same name gets a name of its own in the trash.
  Write("home/plan.zg23", "q");
  ASSERT_TRUE(DeleteItem(Path("home"), "plan.zg23", env_).ok());
  EXPECT_EQ(Read("home/.local/share/Trash/files/plan.zg23.2"), "q");
  EXPECT_EQ(DeleteItem(Path("home"), "../x", env_).error, OpError::InvalidName);
}
