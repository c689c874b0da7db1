// Code-page texts, text functions, null-terminated texts and character
// classes.
#include <gtest/gtest.h>

#include "zip/CodePages.h"
#include "zip/UniStringList.h"
#include "zip/WideQuoting.h"
#include "zip/wide/CodePageText.h"
#include "zip/wide/WideCStrings.h"
#include "zip/wide/WideCharClass.h"
#include "zip/wide/WideErrors.h"
#include "zip/wide/WideText.h"

using namespace zip;

TEST(CodePageText, ConversionsByCodePage) {
  EXPECT_EQ(StringToWideStringEx("gr\xC3\xBC\xC3\x9F", CP_UTF8), u"gr\u00fc\u00df");
  EXPECT_EQ(StringToWideStringEx("gr\xFC\xDF \x80", CP_ACP), u"gr\u00fc\u00df \u20ac");
  EXPECT_EQ(StringToWideStringEx("\x81\x84", CP_OEMCP), u"\u00fc\u00e4");
  EXPECT_EQ(StringToWideStringEx("+AKM-1", CP_UTF7), u"\u00a31");
  EXPECT_EQ(StringToWideStringEx("\xCF\xF0\xE8", 1251), u"\u041f\u0440\u0438");  // Cyrillic through iconv
  EXPECT_EQ(StringToWideStringEx("\x82\xA0", 932), u"\u3042");                     // Shift-JIS
  EXPECT_EQ(StringToWideStringEx("\x82", 932), u"\ufffd");                         // cut off
  EXPECT_EQ(StringToWideStringEx("abc", 12345), u"");                              // unknown code page
  EXPECT_THROW(StringToWideStringEx("+A-", CP_UTF7), EUniGeneralError);

  EXPECT_EQ(WideStringToStringEx(u"\u041f\u20ac", 1251), "\xCF\x88");
  EXPECT_EQ(WideStringToStringEx(u"a\u4e2db", 1251), "a?b");
  EXPECT_EQ(WideStringToStringEx(u"\u00e4\u20ac\u4e2d", CP_ACP), "\xE4\x80?");
  EXPECT_EQ(WideStringToStringEx(u"\u00e4", CP_UTF8), "\xC3\xA4");
  EXPECT_EQ(WideStringToStringEx(u"A+B", CP_UTF7), "A+-B");
  EXPECT_EQ(WideStringToStringEx(u"\u3042", 932), "\x82\xA0");
  EXPECT_EQ(WideStringToStringEx(u"x", 12345), "");

  EXPECT_TRUE(IsWideStringMappableToAnsi(u"Gr\u00fc\u00dfe \u20ac"));
  EXPECT_FALSE(IsWideCharMappableToAnsi(u'\u4e2d'));
}

TEST(CodePageText, Ucs2) {
  EXPECT_EQ(UCS2ToWideString(std::string("\x41\x00\x42", 3)), u"A");  // three bytes: one character
  EXPECT_EQ(UCS2ToWideString(""), u"");
  EXPECT_EQ(WideStringToUCS2(u"A\u20ac"), std::string("\x41\x00\xAC\x20", 4));
}

TEST(WideText, StringReplace) {
  struct Case {
    const char16_t* text;
    const char16_t* from;
    const char16_t* to;
    unsigned flags;
    bool wholeWord;
    const char16_t* result;
  } cases[] = {
      {u"a/b/c", u"/", u"\\", rfReplaceAll, false, u"a\\b\\c"},
      {u"a/b/c", u"/", u"\\", 0, false, u"a\\b/c"},
      {u"ABab", u"ab", u"x", rfReplaceAll | rfIgnoreCase, false, u"xx"},
      {u"ABab", u"ab", u"x", rfReplaceAll, false, u"ABx"},
      {u"abc", u"", u"x", rfReplaceAll, false, u"abc"},
      {u"", u"a", u"x", rfReplaceAll, false, u""},
      {u"aaa", u"aa", u"b", rfReplaceAll, false, u"ba"},
      {u"cat concat cat.", u"cat", u"dog", rfReplaceAll, true, u"dog concat dog."},
      {u"concat cat", u"cat", u"dog", 0, true, u"concat dog"},  // the first whole word, also without replace all
      {u"\u00c4rger \u00e4rger", u"\u00e4RGER", u"x", rfReplaceAll | rfIgnoreCase, true, u"x x"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(U8(Uni_WideStringReplace(c.text, c.from, c.to, c.flags, c.wholeWord)), U8(c.result)) << U8(c.text);
}

TEST(WideText, Quoting) {
  EXPECT_EQ(WideQuotedStr(u"say \"hi\"", u'"'), u"\"say \"\"hi\"\"\"");
  EXPECT_EQ(WideDequotedStr(u"\"say \"\"hi\"\"\"", u'"'), u"say \"hi\"");
  EXPECT_EQ(WideDequotedStr(u"plain", u'"'), u"plain");
  EXPECT_EQ(WideDequotedStr(u"\"\"", u'"'), u"\"\"");
  std::size_t pos = 0;
  EXPECT_EQ(WideExtractQuotedStr(u"'ab''c' rest", pos, u'\''), u"ab'c");
  EXPECT_EQ(pos, 7u);
  pos = 0;
  EXPECT_EQ(WideExtractQuotedStr(u"'unclosed", pos, u'\''), u"unclosed");
  EXPECT_EQ(pos, 9u);
}

TEST(WideText, LineBreaksAndWrapping) {
  EXPECT_EQ(UniAdjustLineBreaks(u"\r\r\n\n", tlbsCRLF), u"\r\n\r\n\r\n");
  EXPECT_EQ(UniAdjustLineBreaks(u"a\r\nb\u2028c\rd", tlbsLF), u"a\nb\nc\nd");
  EXPECT_EQ(UniAdjustLineBreaks(u"a\nb", tlbsCR), u"a\rb");
  EXPECT_EQ(UniAdjustLineBreaksLength(u"\r\r\n\n", tlbsCRLF), 6u);

  EXPECT_EQ(WideWrapText(u"abcdefghijklmnopqrstuvwxyz", 5), u"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(WideWrapText(u"the quick brown fox", 10), u"the quick \r\nbrown fox");
  EXPECT_EQ(WideWrapText(u"aaaa b", 4), u"aaaa \r\nb");
  EXPECT_EQ(WideWrapText(u"one-two-three", 5), u"one-\r\ntwo-\r\nthree");
  EXPECT_EQ(WideWrapText(u"say \"a b c d\" now", 4), u"say \r\n\"a b c d\" \r\nnow");
  EXPECT_EQ(WideWrapText(u"ab\r\ncd efgh", 20), u"ab\r\ncd efgh");  // an existing break counts
  EXPECT_EQ(WideWrapText(u"aa bb", u"", u" ", 2), u"aa bb");        // an empty break text inserts nothing
}

TEST(WideText, SmallFunctions) {
  EXPECT_EQ(WideTextPos(u"LO", u"Hello"), 4);
  EXPECT_EQ(WideTextPos(u"", u"Hello"), 0);
  EXPECT_EQ(WideTextPos(u"x", u"Hello"), 0);
  EXPECT_TRUE(IsRTF(u"{\\rtf1 text}"));
  EXPECT_TRUE(IsRTF(u"{URTF"));
  EXPECT_FALSE(IsRTF(u"{\\rt"));
  EXPECT_EQ(UniWideLastChar(u"ab"), u'b');
  EXPECT_EQ(UniWideLastChar(u""), u'\0');
  WideString s = u"xy";
  EXPECT_EQ(WideLastChar(s), &s[1]);
  EXPECT_EQ(WideLastChar(WideString()), nullptr);
  EXPECT_EQ(WideLastDelimiter(u"/.", u"a/b.c"), 4);
  EXPECT_EQ(WideLastDelimiter(WideString(u"\0", 1), WideString(u"a\0", 2)), 0);
  EXPECT_TRUE(WideIsDelimiter(u",;", u"a;b", 2));
  EXPECT_FALSE(WideIsDelimiter(u",;", u"a;b", 4));

  const WideString list(u"one\0two\0\0rest", 13);
  EXPECT_EQ(ExtractStringArrayStr(list), WideString(u"one\0two\0\0", 9));
  EXPECT_EQ(ExtractStringsFromStringArray(list), (std::vector<WideString>{u"one", u"two"}));
  std::size_t pos = 0;
  EXPECT_EQ(ExtractStringFromStringArray(u"a;b", pos, u';'), u"a");
  EXPECT_EQ(ExtractStringFromStringArray(u"a;b", pos, u';'), u"b");
  EXPECT_EQ(pos, 3u);
  EXPECT_EQ(ExtractStringArrayStr(u"unended"), u"unended");
}

TEST(WideCStrings, BoundsAndScans) {
  char16_t buffer[16];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  WStrLCopy(buffer, u"abc", 0);
  EXPECT_EQ(buffer[0], 0);  // a terminator only
  EXPECT_EQ(buffer[1], u'#');
  WStrLCopy(buffer, u"abcdef", 3);
  EXPECT_EQ(WStrPas(buffer), u"abc");
  WStrLCat(buffer, u"defgh", 5);
  EXPECT_EQ(WStrPas(buffer), u"abcde");
  WStrLCat(buffer, u"xyz", 2);  // already beyond the limit: nothing
  EXPECT_EQ(WStrPas(buffer), u"abcde");

  const char16_t* text = u"a.b.c";
  EXPECT_EQ(WStrScan(text, 0), text + 5);
  EXPECT_EQ(WStrScan(text, u'.'), text + 1);
  EXPECT_EQ(WStrRScan(text, u'.'), text + 3);
  EXPECT_EQ(WStrScan(text, u'x'), nullptr);
  EXPECT_EQ(WStrPos(text, u"b.c"), text + 2);
  EXPECT_EQ(WStrPos(text, u""), nullptr);
  EXPECT_EQ(WStrPos(nullptr, u"a"), nullptr);

  EXPECT_LT(WStrComp(u"abc", u"abd"), 0);
  EXPECT_EQ(WStrIComp(u"\u00c4bc", u"\u00e4BC"), 0);
  EXPECT_EQ(WStrLComp(u"abcX", u"abcY", 3), 0);
  EXPECT_GT(WStrLIComp(u"abd", u"ABC", 3), 0);

  char16_t* copy = WStrNew(u"Stra\u00dfe");
  EXPECT_EQ(WStrBufSize(copy), 7u);
  WStrUpper(copy);
  EXPECT_EQ(WStrPas(copy), u"STRA\u00dfE");
  StrSwapByteOrder(copy);
  EXPECT_EQ(copy[0], 0x5300);
  WStrDispose(copy);
  WStrDispose(nullptr);
  EXPECT_EQ(WStrNew(nullptr), nullptr);

  TUniStringList list{u"a", u"b"};
  char16_t* all = GetTextW(list);
  EXPECT_EQ(WStrPas(all), u"a\r\nb\r\n");
  SetTextW(list, u"x\ny");
  EXPECT_EQ(list.GetCount(), 2);
  WStrDispose(all);
}

TEST(WideCharClass, Classes) {
  EXPECT_TRUE(IsWideCharUpper(u'\u00c4'));
  EXPECT_TRUE(IsWideCharLower(u'\u00e4'));
  EXPECT_TRUE(IsWideCharAlpha(u'\u4e2d'));
  EXPECT_TRUE(IsWideCharDigit(u'7'));
  EXPECT_TRUE(IsWideCharXDigit(u'f'));
  EXPECT_FALSE(IsWideCharXDigit(u'g'));
  EXPECT_TRUE(IsWideCharSpace(u'\t'));
  EXPECT_TRUE(IsWideCharSpace(u'\u2028'));
  EXPECT_TRUE(IsWideCharBlank(u' '));
  EXPECT_FALSE(IsWideCharBlank(u'\n'));
  EXPECT_TRUE(IsWideCharPunct(u'\u00bf'));
  EXPECT_TRUE(IsWideCharPunct(u'\u20ac'));
  EXPECT_TRUE(IsWideCharCntrl(u'\x7f'));
  EXPECT_TRUE(IsWideCharAlphaNumeric(u'x'));
  EXPECT_FALSE(IsWideCharAlphaNumeric(u'-'));
  EXPECT_FALSE(IsWideCharAlpha(u'\xd800'));  // a lone surrogate is no letter
}
