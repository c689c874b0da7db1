#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TreeFixture.h"
#include "filedialog/FolderListing.h"

using namespace filedialog;

namespace {

class Listing : public fdtest::TreeFixture {
 protected:
  Listing() : shell_(env_), listing_(shell_) {}

  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    for (const ShellItem& i : listing_.Items()) out.push_back(i.caption);
    return out;
  }
  void Default(const std::string& ext) { listing_.filter.defaultExtension = ext; }

  ShellNamespace shell_;
  FolderListing listing_;
};

}  // namespace

TEST_F(Listing, ExtensionListsDecideWhichFilesShow) {
  Folder("d/Sub");
  Folder("d/a.folder");
  Write("d/ABC.ZG23", "x");
  Write("d/abc.g23", "x");
  Write("d/plan.zg23", "x");
  Write("d/notes.txt", "x");
  Write("d/.secret.zg23", "x");
  const std::string d = Path("d");
  auto listed = [&] {
    EXPECT_TRUE(listing_.OpenPath(d));
    return Captions();
  };
  using V = std::vector<std::string>;
  // Folders first, then files, names without regard to case.
  Default(".zg23");
  EXPECT_EQ(listed(), (V{"a.folder", "Sub", "ABC.zg23", "plan.zg23"}));
  listing_.filter.extra.entries[0] = ".g23";
  EXPECT_EQ(listed(), (V{"a.folder", "Sub", "abc.g23", "ABC.zg23", "plan.zg23"}));
  listing_.filter.extra.Clear();
  listing_.filter.shown.entries[3] = ".txt";
  EXPECT_EQ(listed(), (V{"a.folder", "Sub", "ABC.zg23", "notes.txt", "plan.zg23"}));
  listing_.filter.shown.Clear();
  listing_.filter.hidden.entries[1] = ".zg23";
  EXPECT_EQ(listed(), (V{"a.folder", "Sub"}));
  listing_.filter.hidden.Clear();
  Default(".");
  EXPECT_EQ(listed(), (V{"a.folder", "Sub"}));
  Default(".*");
  EXPECT_EQ(listed(), (V{"a.folder", "Sub", "abc.g23", "ABC.zg23", "notes.txt", "plan.zg23"}));
  listing_.filter.hidden.entries[0] = ".*";
  EXPECT_EQ(listed(), (V{"a.folder", "Sub"}));
  listing_.filter.hidden.Clear();
  // Hidden items come with the flag 0x80 only.
  listing_.filter.enumFlags = 0xE0;
  Default(".zg23");
  EXPECT_EQ(listed(), (V{"a.folder", "Sub", ".secret.zg23", "ABC.zg23", "plan.zg23"}));
  listing_.filter.enumFlags = 0x40;
  EXPECT_EQ(listed(), (V{"ABC.zg23", "plan.zg23"}));
}

TEST_F(Listing, CaptionsLowerTheExtensionButRealNamesStay) {
  Write("d/ABC.ZG23", "x");
  Folder("d/Mein.Ordner");
  Default(".zg23");
  ASSERT_TRUE(listing_.OpenPath(Path("d")));
  ASSERT_EQ(listing_.Count(), 2);
  EXPECT_EQ(listing_.ItemAt(0)->caption, "Mein.ordner");
  EXPECT_EQ(listing_.ItemAt(0)->RealName(), "Mein.Ordner");
  EXPECT_EQ(listing_.ItemAt(1)->caption, "ABC.zg23");
  EXPECT_EQ(listing_.ItemAt(1)->RealName(), "ABC.ZG23");
  EXPECT_EQ(listing_.RowNamed("ABC.ZG23"), 1);
  EXPECT_EQ(listing_.RowNamed("ABC.zg23"), 1);
  EXPECT_EQ(listing_.RowNamed("abc.zg23"), -1);
}

TEST_F(Listing, DetailsComeOnlyForRowsAskedFor) {
  Folder("d/folder");
  Write("d/empty.bin", "");
  Write("d/ro.bin", "abc");
  Write("d/shown.bin", "12345");
  ::chmod(Path("d/ro.bin").c_str(), 0444);
  // A sparse file beyond 4 GiB: its size needs all 64 bits.
  ASSERT_EQ(::truncate(Write("d/big.bin", "").c_str(), 5'000'000'000LL), 0);
  Write("d/.hidden", "shown.bin\n");
  listing_.filter.enumFlags = 0xE0;
  ASSERT_TRUE(listing_.OpenPath(Path("d")));
  const int big = listing_.RowNamed("big.bin"), empty = listing_.RowNamed("empty.bin"), ro = listing_.RowNamed("ro.bin"),
            folder = listing_.RowNamed("folder"), shown = listing_.RowNamed("shown.bin");
  for (const ShellItem& i : listing_.Items()) EXPECT_TRUE(i.detailsPending);
  listing_.FetchDetails(0, listing_.Count());  // end outside: nothing
  for (const ShellItem& i : listing_.Items()) EXPECT_TRUE(i.detailsPending);
  listing_.FetchDetails(big, big);
  EXPECT_FALSE(listing_.ItemAt(big)->detailsPending);
  EXPECT_TRUE(listing_.ItemAt(ro)->detailsPending);
  listing_.FetchDetails(0, listing_.Count() - 1);
  EXPECT_EQ(listing_.ItemAt(big)->size, 5'000'000'000ULL);
  EXPECT_EQ(listing_.ItemAt(big)->typeName, "BIN-Datei");
  EXPECT_EQ(listing_.ItemAt(empty)->size, 0u);
  EXPECT_EQ(listing_.ItemAt(ro)->attributes, kAttrReadOnly | kAttrArchive);
  EXPECT_EQ(listing_.ItemAt(folder)->attributes, kAttrDirectory);
  EXPECT_EQ(listing_.ItemAt(folder)->iconIndex, kIconFolder);
  EXPECT_EQ(listing_.ItemAt(folder)->typeName, "Dateiordner");
  EXPECT_EQ(listing_.ItemAt(shown)->attributes, kAttrHidden | kAttrArchive);
  EXPECT_FALSE(listing_.ItemAt(shown)->modified.empty());
}

TEST(ModificationText, MidnightLeavesTheTimeOut) {
  std::tm t{};
  t.tm_year = 2024 - 1900;
  t.tm_mon = 1;
  t.tm_mday = 29;
  t.tm_isdst = -1;
  const std::time_t midnight = std::mktime(&t);
  EXPECT_EQ(ModificationText(midnight), "29.02.2024");
  EXPECT_EQ(ModificationText(midnight + 3661), "29.02.2024 01:01:01");
  EXPECT_EQ(ModificationText(0), "");
}

TEST_F(Listing, FindsByTheStartOfTheCaption) {
  for (const char* name : {"alpha.txt", "Abend.txt", "aBc.txt", "beta.txt", "Ärger.txt"}) Write(std::string("d/") + name, "");
  Default(".*");
  ASSERT_TRUE(listing_.OpenPath(Path("d")));
  ASSERT_EQ(Captions(), (std::vector<std::string>{"aBc.txt", "Abend.txt", "alpha.txt", "beta.txt", "Ärger.txt"}));
  struct Case {
    const char* text;
    int start;
    bool wrap;
    int row;
  };
  const Case cases[] = {
      {"ab", 0, false, 0},  {"AB", 0, false, 0},  {"abe", 0, false, 1}, {"b", 0, false, 3},
      {"ab", 2, false, -1}, {"ab", 2, true, 0},   {"ab", 0, true, 0},   {"x", 0, true, -1},
      {"", 0, true, -1},    {"be", 99, false, 3}, {"Ä", 0, false, 4},   {"ä", 0, false, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(listing_.Find(c.text, c.start, c.wrap), c.row) << c.text << " from " << c.start;
}

TEST_F(Listing, AFolderThatCannotBeOpenedLeavesThePreviousOneCurrent) {
  Write("d/keep.txt", "");
  Folder("d/gone");
  Write("d/file.txt", "");
  Default(".*");
  ASSERT_TRUE(listing_.OpenPath(Path("d")));
  const int gone = listing_.RowNamed("gone");
  const ItemIdList goneList = listing_.AbsoluteList(gone);
  std::filesystem::remove(Path("d/gone"));
  EXPECT_FALSE(listing_.OpenFolder(goneList));
  EXPECT_EQ(listing_.CurrentPath(), Path("d"));
  EXPECT_EQ(listing_.Count(), 3);  // the old listing, as it was
  EXPECT_FALSE(listing_.OpenFolder(listing_.AbsoluteList(listing_.RowNamed("file.txt"))));
  EXPECT_FALSE(listing_.OpenPath(Path("d/missing")));
  EXPECT_EQ(listing_.CurrentPath(), Path("d"));
}
