// The wide string list: sorting, duplicates, objects, notifications,
// name=value items, delimited and line text, and the hashed name list on
// top of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "zip/CodePages.h"
#include "zip/UniStringList.h"
#include "zip/ZipStringHash.h"

using namespace zip;

namespace {

std::vector<WideString> Items(const TUniStringList& list) { return {list.begin(), list.end()}; }

// The message of the EStringListError that `f` raises.
template <class F>
std::string ListError(F f) {
  try {
    f();
  } catch (const EStringListError& e) {
    return e.what();
  }
  return "(nothing raised)";
}

}  // namespace

TEST(UniStringList, UnsortedAcceptsDuplicatesAndFindsTheFirstIgnoringCase) {
  for (TDuplicates policy : {dupIgnore, dupAccept, dupError}) {
    TUniStringList list;
    list.Duplicates = policy;
    list.Add(u"x");
    list.Add(u"Readme");
    list.Add(u"README");
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.IndexOf(u"readme"), 1);
  }
  TUniStringList list{u"Readme", u"readme"};
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf(u"readme"), 1);
  EXPECT_EQ(list.IndexOf(u"README"), -1);
}

TEST(UniStringList, SortedAddFollowsTheDuplicatesPolicy) {
  TUniStringList list;
  list.SetSorted(true);
  for (const char16_t* s : {u"delta", u"alpha", u"charlie", u"bravo"}) list.Add(s);
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"alpha", u"bravo", u"charlie", u"delta"}));

  EXPECT_EQ(list.Add(u"CHARLIE"), 2);  // dupIgnore: the existing index, nothing added
  EXPECT_EQ(list.GetCount(), 4);

  list.Duplicates = dupError;
  EXPECT_EQ(ListError([&] { list.Add(u"Bravo"); }), "In der Stringliste sind Duplikate nicht erlaubt");
  EXPECT_EQ(list.GetCount(), 4);

  list.Duplicates = dupAccept;
  list.Add(u"bravo");
  EXPECT_EQ(list.Add(u"Bravo"), 1);  // before the equal ones
  EXPECT_EQ(list.GetCount(), 6);
  int index = -1;
  EXPECT_TRUE(list.Find(u"BRAVO", index));
  EXPECT_EQ(index, 1);  // the first of the equal items
  EXPECT_FALSE(list.Find(u"bz", index));
  EXPECT_EQ(index, 4);  // where it belongs
}

TEST(UniStringList, SortOnlyWhenNotMarkedSortedAndAgainUnderANewComparison) {
  TUniStringList list{u"b", u"a", u"C", u"B"};
  list.CaseSensitive = true;
  list.Sort();
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"B", u"C", u"a", u"b"}));

  list.SetSorted(true);
  list.Exchange(0, 3);  // the list still calls itself sorted
  list.Sort();          // so Sort leaves it
  EXPECT_EQ(list[0], u"b");

  TUniStringList sorted{u"b", u"A", u"a", u"B"};
  sorted.CaseSensitive = true;
  sorted.SetSorted(true);
  EXPECT_EQ(Items(sorted), (std::vector<WideString>{u"A", u"B", u"a", u"b"}));
  sorted.SetCaseSensitive(false);
  for (int i = 1; i < sorted.GetCount(); ++i) EXPECT_LE(sorted.CompareStrings(sorted[i - 1], sorted[i]), 0);
  EXPECT_EQ(sorted.IndexOf(u"b"), sorted.IndexOf(u"B"));
}

TEST(UniStringList, SortedListsRefuseInsertAndPutAndStayAsTheyWere) {
  TUniStringList list{u"b", u"a"};
  list.SetSorted(true);
  const char* kSorted = "Operation für sortierte Listen nicht zulässig";
  EXPECT_EQ(ListError([&] { list.Insert(0, u"z"); }), kSorted);
  EXPECT_EQ(ListError([&] { list.Put(0, u"z"); }), kSorted);
  EXPECT_EQ(ListError([&] { list.Move(0, 1); }), kSorted);
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"a", u"b"}));
}

TEST(UniStringList, IndexErrorsNameTheIndex) {
  TUniStringList list{u"a", u"b", u"c"};
  EXPECT_EQ(ListError([&] { list.Exchange(5, 0); }), "Listenindex überschreitet das Maximum (5)");
  EXPECT_EQ(ListError([&] { list.Exchange(0, -1); }), "Listenindex überschreitet das Maximum (-1)");
  EXPECT_EQ(ListError([&] { list.Get(3); }), "Listenindex überschreitet das Maximum (3)");
  EXPECT_EQ(ListError([&] { list.Delete(-1); }), "Listenindex überschreitet das Maximum (-1)");
  EXPECT_EQ(ListError([&] { list.Insert(4, u"x"); }), "Listenindex überschreitet das Maximum (4)");
  list.Insert(3, u"d");  // count itself is a place to insert
  EXPECT_EQ(ListError([&] { list.SetCapacity(2); }), "Listenkapazität überschreitet das Maximum (2)");
  EXPECT_EQ(list.GetCount(), 4);
}

TEST(UniStringList, MoveThatCannotBeDoneLosesNothing) {
  TUniStringList list{u"a", u"b", u"c"};
  EXPECT_EQ(ListError([&] { list.Move(0, 3); }), "Listenindex überschreitet das Maximum (3)");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"a", u"b", u"c"}));
  int object = 7;
  list.PutObject(0, &object);
  list.Move(0, 2);
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"b", u"c", u"a"}));
  EXPECT_EQ(list.GetObject(2), &object);
  EXPECT_EQ(list.IndexOfObject(&object), 2);
}

TEST(UniStringList, GrowsByTheStepsOfItsCapacity) {
  TUniStringList list;
  std::vector<int> capacities;
  for (int i = 0; i < 100; ++i) {
    list.Add(u"x");
    if (capacities.empty() || capacities.back() != list.GetCapacity()) capacities.push_back(list.GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
  list.Clear();
  EXPECT_EQ(list.GetCapacity(), 0);
}

TEST(UniStringList, NotificationsAndUpdateBrackets) {
  TUniStringList list;
  std::vector<std::string> seen;
  list.OnChanging = [&](TUniStringList&) { seen.push_back("changing"); };
  list.OnChange = [&](TUniStringList& l) { seen.push_back("changed " + std::to_string(l.GetCount())); };
  list.Add(u"a");
  EXPECT_EQ(seen, (std::vector<std::string>{"changing", "changed 1"}));

  seen.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(u"b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_TRUE(seen.empty());
  list.EndUpdate();
  EXPECT_EQ(seen, (std::vector<std::string>{"changed 1"}));  // once, at the end

  seen.clear();
  list.EndUpdate();  // unbalanced: ignored
  list.Add(u"c");
  EXPECT_EQ(seen, (std::vector<std::string>{"changing", "changed 2"}));
}

TEST(UniStringList, CustomSortWithAComparisonThatContradictsItselfStaysInBounds) {
  TUniStringList list;
  for (int i = 0; i < 200; ++i) list.Add(W(std::to_string(i)));
  list.CustomSort([](TUniStringList&, int, int) { return -1; });
  EXPECT_EQ(list.GetCount(), 200);
  list.CustomSort([](TUniStringList&, int, int) { return 1; });
  std::vector<WideString> items = Items(list);
  std::sort(items.begin(), items.end());
  std::vector<WideString> expected;
  for (int i = 0; i < 200; ++i) expected.push_back(W(std::to_string(i)));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(items, expected);  // every item is still there once
}

TEST(UniStringList, NameValueItems) {
  TUniStringList list{u"Port=COM1", u"plain", u"Speed=115200"};
  EXPECT_EQ(list.GetName(0), u"Port");
  EXPECT_EQ(list.GetName(1), u"");
  EXPECT_EQ(list.GetValue(u"PORT"), u"COM1");
  EXPECT_EQ(list.GetValue(u"none"), u"");
  EXPECT_EQ(list.GetValueFromIndex(2), u"115200");
  EXPECT_EQ(list.GetValueFromIndex(1), u"");
  EXPECT_EQ(list.GetValueFromIndex(-1), u"");

  list.SetValue(u"Speed", u"9600");
  list.SetValue(u"Parity", u"E");
  list.SetValue(u"Port", u"");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"plain", u"Speed=9600", u"Parity=E"}));
  list.SetValueFromIndex(-1, u"x");
  EXPECT_EQ(list[3], u"=x");
  list.SetValueFromIndex(3, u"");
  EXPECT_EQ(list.GetCount(), 3);

  // A sorted list takes the pair at its sorted place instead of refusing it
  // after having added an empty item.
  TUniStringList sorted{u"b=2", u"d=4"};
  sorted.SetSorted(true);
  sorted.SetValue(u"c", u"3");
  sorted.SetValue(u"b", u"5");
  EXPECT_EQ(Items(sorted), (std::vector<WideString>{u"b=5", u"c=3", u"d=4"}));
  EXPECT_EQ(sorted.IndexOfName(u"C"), 1);
  EXPECT_EQ(sorted.IndexOfName(u"a"), -1);
  sorted.SetValueFromIndex(0, u"6");
  EXPECT_EQ(Items(sorted), (std::vector<WideString>{u"b=6", u"c=3", u"d=4"}));
}

TEST(UniStringList, CommaAndDelimitedText) {
  TUniStringList list;
  list.SetCommaText(u"a b,\"c,d\",");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"a", u"b", u"c,d", u""}));

  TUniStringList two{u"x y", u"z"};
  EXPECT_EQ(two.GetCommaText(), u"\"x y\",z");

  TUniStringList one{u""};
  EXPECT_EQ(one.GetCommaText(), u"\"\"");

  // The getter leaves the list's own characters; the setter keeps ",".
  TUniStringList semi{u"p;q", u"r"};
  semi.SetDelimiter(u';');
  semi.SetQuoteChar(u'\'');
  EXPECT_EQ(semi.GetCommaText(), u"p;q,r");
  EXPECT_EQ(semi.GetDelimitedText(), u"'p;q';r");
  semi.SetDelimitedText(u"'it''s';  two ;");
  EXPECT_EQ(Items(semi), (std::vector<WideString>{u"it's", u"two", u""}));
  EXPECT_EQ(semi.GetDelimiter(), u';');

  // An unclosed quote runs to the end; a NUL is a blank and cannot stall
  // the reader.
  list.SetCommaText(u"\"open,end");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"open,end"}));
  list.SetCommaText(WideString(u"a\0b", 3));
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"a", u"b"}));
}

TEST(UniStringList, DelimitedTextRoundTripsAnyItems) {
  const std::vector<std::vector<WideString>> cases = {
      {}, {u""}, {u"", u""}, {u"", u"a"}, {u"a", u""}, {u" lead", u"trail ", u"in\"side"},
      {u"line\r\nbreak", u"tab\t", WideString(u"nul\0", 4)}, {u",", u"\"\"", u"\u00e4\u20ac"},
  };
  for (const auto& items : cases) {
    TUniStringList list;
    for (const auto& s : items) list.Add(s);
    TUniStringList back;
    back.SetCommaText(list.GetCommaText());
    EXPECT_EQ(Items(back), items) << U8(list.GetCommaText());
  }
}

TEST(UniStringList, LineText) {
  TUniStringList list;
  list.SetTextStr(u"a\r\nb\rc\n");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"a", u"b", u"c"}));
  EXPECT_EQ(list.GetTextStr(), u"a\r\nb\r\nc\r\n");
  list.SetTextStr(u"x\u2028y\n\rz");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"x", u"y", u"", u"z"}));
  list.SetTextStr(u"");
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetTextStr(), u"");
}

TEST(UniStringList, ABulkChangeThatFailsHalfWayPutsTheItemsBack) {
  TUniStringList list{u"keep"};
  list.SetSorted(true);
  list.Duplicates = dupError;
  EXPECT_EQ(ListError([&] { list.SetTextStr(u"a\r\nb\r\na\r\n"); }), "In der Stringliste sind Duplikate nicht erlaubt");
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"keep"}));
  EXPECT_THROW(list.SetCommaText(u"x,y,X"), EStringListError);
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"keep"}));
  TUniStringList source{u"m", u"n", u"M"};
  EXPECT_THROW(list.AddStrings(source), EStringListError);
  EXPECT_EQ(Items(list), (std::vector<WideString>{u"keep"}));
}

TEST(UniStringList, AssignCopiesItemsObjectsAndCharacters) {
  int object = 1;
  TUniStringList source{u"a", u"b"};
  source.PutObject(1, &object);
  source.SetDelimiter(u'|');
  TUniStringList target{u"old"};
  target.Assign(source);
  EXPECT_TRUE(target.Equals(source));
  EXPECT_EQ(target.GetObject(1), &object);
  EXPECT_EQ(target.GetDelimitedText(), u"a|b");
  target.AddStrings(target);
  EXPECT_EQ(Items(target), (std::vector<WideString>{u"a", u"b", u"a", u"b"}));
  EXPECT_FALSE(target.Equals(source));
}

TEST(UniStringList, HashedNameListFollowsInsertsExchangesAndSorting) {
  TZipHashedStringList list;
  list.Add(u"b.txt");
  list.Add(u"a.txt");
  list.Add(u"k=v");
  EXPECT_EQ(list.IndexOf(u"A.TXT"), 1);  // builds the tables
  EXPECT_EQ(list.IndexOfName(u"k"), 2);
  list.Insert(0, u"new.txt");
  EXPECT_EQ(list.IndexOf(u"a.txt"), 2);
  EXPECT_EQ(list.IndexOf(u"new.txt"), 0);
  EXPECT_EQ(list.IndexOfName(u"k"), 3);
  list.Exchange(0, 3);
  EXPECT_EQ(list.IndexOf(u"new.txt"), 3);
  list.Sort();
  for (int i = 0; i < list.GetCount(); ++i) EXPECT_EQ(list.IndexOf(list[i]), i);
  list.AddObject(u"obj.txt", nullptr);
  EXPECT_EQ(list.IndexOf(u"obj.txt"), list.GetCount() - 1);
}
