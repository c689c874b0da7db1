// The 8-bit view of a wide list and its code-page files.
#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "zip/ZipTestUtil.h"
#include "zip/UniStringList.h"
#include "zip/ZipErrors.h"
#include "zip/wide/AnsiStringsAdapter.h"
#include "zip/wide/CodePageText.h"

using namespace zip;

TEST(AnsiStringsAdapter, ItemsPassThroughTheCodePage) {
  TUniStringList list;
  TAnsiStringsForWideStringsAdapter ansi(list);
  ansi.Add("Gr\xFC\xDF" "e");
  ansi.Insert(0, "\x80");
  EXPECT_EQ(list[0], u"\u20ac");
  EXPECT_EQ(list[1], u"Gr\u00fc\u00dfe");
  list.Add(u"\u4e2d");
  EXPECT_EQ(ansi.Get(2), "?");
  EXPECT_EQ(ansi.GetCount(), 3);

  TAnsiStringsForWideStringsAdapter cyrillic(list, 1251);
  cyrillic.Put(2, "\xCF");
  EXPECT_EQ(list[2], u"\u041f");
  EXPECT_EQ(cyrillic.Get(2), "\xCF");
  cyrillic.Delete(0);
  EXPECT_EQ(list.GetCount(), 2);
}

TEST(AnsiStringsAdapter, FilesRoundTripInEveryCodePage) {
  testsupport::TempDir dir;
  TUniStringList list{u"plain", u"\u00e4\u00f6\u00fc \u20ac", u""};
  for (std::uint32_t codePage : {CP_ACP, CP_UTF8, CP_UTF7, 850u, 1252u, 28591u}) {
    TAnsiStringsForWideStringsAdapter view(list);
    view.SaveToFileEx(dir / "list.txt", codePage);
    TUniStringList back;
    TAnsiStringsForWideStringsAdapter(back).LoadFromFileEx(dir / "list.txt", codePage);
    if (codePage == 850u || codePage == 28591u) {
      // Neither holds the euro sign.
      EXPECT_EQ(back[1], u"\u00e4\u00f6\u00fc ?") << codePage;
    } else {
      EXPECT_TRUE(back.Equals(list)) << codePage;
    }
  }
  // UTF-8 files start with the byte-order mark, and loading passes over it.
  TAnsiStringsForWideStringsAdapter(list).SaveToFileEx(dir / "utf8.txt", CP_UTF8);
  EXPECT_EQ(ziptest::ReadFile(dir / "utf8.txt").substr(0, 8), "\xEF\xBB\xBFplain");
  TUniStringList back;
  TAnsiStringsForWideStringsAdapter(back).LoadFromFileEx(dir / "utf8.txt", CP_UTF8);
  EXPECT_EQ(back[0], u"plain");

  TAnsiStringsForWideStringsAdapter utf8View(back, CP_UTF8);
  utf8View.SaveToFile(dir / "again.txt");
  EXPECT_EQ(ziptest::ReadFile(dir / "again.txt"), ziptest::ReadFile(dir / "utf8.txt"));

  EXPECT_THROW(utf8View.LoadFromFile(dir / "missing.txt"), EFOpenError);
  EXPECT_EQ(back.GetCount(), 3);
  EXPECT_THROW(utf8View.SaveToFile(dir / "no/such.txt"), EFCreateError);
}
