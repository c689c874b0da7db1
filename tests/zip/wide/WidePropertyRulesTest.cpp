// The rules of wide texts in stored property values.
#include <gtest/gtest.h>

#include "zip/UniStringList.h"
#include "zip/wide/SortedListSearch.h"
#include "zip/wide/WideErrors.h"
#include "zip/wide/WidePropertyRules.h"

using namespace zip;

namespace {

TStreamValue Text(TValueType kind, const ByteString& ansi) {
  TStreamValue v;
  v.Kind = kind;
  v.Ansi = ansi;
  return v;
}

TStreamValue Wide(const WideString& wide) {
  TStreamValue v;
  v.Kind = vaWString;
  v.Wide = wide;
  return v;
}

TStreamValue List(std::vector<TStreamValue> items) {
  TStreamValue v;
  v.Kind = vaList;
  v.Items = std::move(items);
  return v;
}

std::vector<WideString> Items(const TUniStringList& list) { return {list.begin(), list.end()}; }

}  // namespace

TEST(WidePropertyRules, UtfReadingNeedsAnOwnerAndDesignStateOrTheSwitch) {
  EXPECT_TRUE(UtfReadingActive(true, true, false));
  EXPECT_TRUE(UtfReadingActive(true, false, true));
  EXPECT_FALSE(UtfReadingActive(true, false, false));
  EXPECT_FALSE(UtfReadingActive(false, true, true));
}

TEST(WidePropertyRules, WideTextGetsAUtf7TwinOnlyBeyondAscii) {
  EXPECT_FALSE(StoresWideStringUtf7(u"plain ASCII", true, nullptr));
  EXPECT_TRUE(StoresWideStringUtf7(u"Gr\u00fc\u00dfe", true, nullptr));
  EXPECT_FALSE(StoresWideStringUtf7(u"Gr\u00fc\u00dfe", false, nullptr));
  const WideString same = u"Gr\u00fc\u00dfe", other = u"x";
  EXPECT_FALSE(StoresWideStringUtf7(u"Gr\u00fc\u00dfe", true, &same));
  EXPECT_TRUE(StoresWideStringUtf7(u"Gr\u00fc\u00dfe", true, &other));
  EXPECT_FALSE(StoresWideStringUtf7(u"", true, &other));
  EXPECT_EQ(WideStringUtf7Value(u"\u00a31"), "+AKM-1");
  EXPECT_EQ(ReadWideStringUtf7("+AKM-1", true), WideString(u"\u00a31"));
  EXPECT_EQ(ReadWideStringUtf7("+AKM-1", false), std::nullopt);
  EXPECT_THROW(ReadWideStringUtf7("+A-", true), EUniGeneralError);
  EXPECT_EQ(ReadWideStringW("\xC3\xA4", true), WideString(u"\u00e4"));
  EXPECT_EQ(ReadWideStringW("\xC3\xA4", false), std::nullopt);
}

TEST(WidePropertyRules, WideCharacters) {
  EXPECT_EQ(ReadWideCharW(Wide(u"\u20ac")), u'\u20ac');
  EXPECT_EQ(ReadWideCharW(Text(vaString, "\x80")), u'\u20ac');
  EXPECT_EQ(ReadWideCharW(Text(vaLString, "")), u'\0');
  try {
    ReadWideCharW(Wide(u"ab"));  // two characters
    FAIL();
  } catch (const EReadPropertyError& e) {
    EXPECT_STREQ(e.what(), "Ungültiger Eigenschaftswert");
  }
  EXPECT_THROW(ReadWideCharW(List({})), EReadPropertyError);
  EXPECT_EQ(ReadWideCharUtf7("+IKw-x"), u'\u20ac');
  EXPECT_EQ(ReadWideCharUtf7(""), u'\0');
  EXPECT_EQ(WideCharValue(u'x').Kind, vaWString);
  EXPECT_EQ(WideCharValue(u'x').Wide, u"x");

  EXPECT_TRUE(WideCharIsDefault(u'a', false, false, std::nullopt, kNoDefault));
  EXPECT_TRUE(WideCharIsDefault(u'a', true, true, u'a', u'b'));
  EXPECT_FALSE(WideCharIsDefault(u'a', true, true, u'b', u'a'));
  EXPECT_TRUE(WideCharIsDefault(u'a', true, false, std::nullopt, u'a'));
  EXPECT_FALSE(WideCharIsDefault(u'a', true, false, std::nullopt, kNoDefault));
  EXPECT_TRUE(StoresWideCharW(u'a', true, std::nullopt, false));
  EXPECT_FALSE(StoresWideCharW(u'a', true, u'a', false));
  EXPECT_FALSE(StoresWideCharW(u'a', true, std::nullopt, true));
}

TEST(WidePropertyRules, StringLists) {
  TUniStringList list{u"plain", u"Gr\u00fc\u00dfe"};
  TUniStringList ascii{u"plain"};
  EXPECT_TRUE(StoresStrings(list, nullptr));
  EXPECT_FALSE(StoresStrings(TUniStringList(), nullptr));
  EXPECT_FALSE(StoresStrings(list, &list));
  EXPECT_TRUE(StoresStrings(list, &ascii));
  EXPECT_TRUE(StoresStringsUtf7(true, list));
  EXPECT_FALSE(StoresStringsUtf7(true, ascii));
  EXPECT_FALSE(StoresStringsUtf7(false, list));

  // What "Strings" wrote, read back.
  TUniStringList back;
  ReadData(back, WriteData(list));
  EXPECT_TRUE(back.Equals(list));
  ReadData(back, Text(vaString, "a\r\nb\xE4"));
  EXPECT_EQ(Items(back), (std::vector<WideString>{u"a", u"b\u00e4"}));
  ReadData(back, Wide(u"x\ny"));
  EXPECT_EQ(Items(back), (std::vector<WideString>{u"x", u"y"}));
  ReadData(back, List({Text(vaString, "\xE4"), Wide(u"\u20ac")}));
  EXPECT_EQ(Items(back), (std::vector<WideString>{u"\u00e4", u"\u20ac"}));
  EXPECT_THROW(ReadData(back, List({List({})})), EReadPropertyError);

  // "WideStrings_UTF7" is dropped unless UTF reading is active; the list
  // keeps what "Strings" gave it.
  const TStreamValue utf7 = WriteDataUTF7(list);
  EXPECT_EQ(utf7.Items[1].Ansi, "Gr+APwA3w-e");
  TUniStringList fromStrings{u"Gr?e"};
  ReadDataUTF7(fromStrings, utf7, false);
  EXPECT_EQ(Items(fromStrings), std::vector<WideString>{u"Gr?e"});
  ReadDataUTF7(fromStrings, utf7, true);
  EXPECT_TRUE(fromStrings.Equals(list));

  TUniStringList filled{u"kept"};
  ReadDataUTF8(filled, List({Text(vaString, "\xC3\xA4")}), false);
  EXPECT_EQ(Items(filled), std::vector<WideString>{u"kept"});
  TUniStringList empty;
  ReadDataUTF8(empty, List({Text(vaString, "\xC3\xA4")}), false);
  EXPECT_EQ(Items(empty), std::vector<WideString>{u"\u00e4"});
}

TEST(WidePropertyRules, SyncedWideText) {
  ByteString ansi = "Gr\xFC\xDF" "e";
  WideString wide = u"stale";
  EXPECT_EQ(GetSyncedWideString(wide, ansi), u"Gr\u00fc\u00dfe");  // follows the 8-bit twin

  std::vector<ByteString> calls;
  auto setter = [&](const ByteString& s) {
    calls.push_back(s);
    ansi = s;
  };
  SetSyncedWideString(u"Gr\u00fc\u00dfe", wide, ansi, setter);
  EXPECT_TRUE(calls.empty());  // no change
  SetSyncedWideString(u"\u4e2d", wide, ansi, setter);
  EXPECT_EQ(calls, std::vector<ByteString>{"?"});
  EXPECT_EQ(wide, u"\u4e2d");
  // Another text the code page lacks has the same 8-bit form: the twin is
  // emptied first so that the change is seen.
  calls.clear();
  SetSyncedWideString(u"\u6587", wide, ansi, setter);
  EXPECT_EQ(calls, (std::vector<ByteString>{"", "?"}));
  EXPECT_EQ(GetSyncedWideString(wide, ansi), u"\u6587");
}

TEST(WidePropertyRules, SortedListSearch) {
  const std::vector<int> list{2, 4, 4, 8};
  auto compare = [](int item, int target) { return item < target ? -1 : item > target ? 1 : 0; };
  int index = -1;
  EXPECT_TRUE(FindSortedListByTarget(list, compare, 8, index));
  EXPECT_EQ(index, 3);
  EXPECT_FALSE(FindSortedListByTarget(list, compare, 5, index));
  EXPECT_EQ(index, 3);
  EXPECT_FALSE(FindSortedListByTarget(std::vector<int>{}, compare, 1, index));
  EXPECT_EQ(index, 0);
}
