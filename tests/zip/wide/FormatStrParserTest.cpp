// The format-string checker: canonical forms, comparison of two formats and
// its errors, and the floating-point replacement.
#include <gtest/gtest.h>

#include "zip/CodePages.h"
#include "zip/wide/FormatStrParser.h"
#include "zip/wide/WideErrors.h"

using namespace zip;

namespace {

template <class F>
std::string SpecError(F f) {
  try {
    f();
  } catch (const EFormatSpecError& e) {
    return e.what();
  }
  return "(nothing raised)";
}

}  // namespace

TEST(FormatStrParser, CanonicalForms) {
  struct Case {
    const char16_t* format;
    const char16_t* canonical;
  } cases[] = {
      {u"%s and %d", u"%0:s and %1:d"},
      {u"%s", u"%s"},                 // one implicit specifier: unchanged
      {u"%1:s %0:s", u"%1:s %0:s"},   // explicit only: unchanged
      {u"%1:s %s", u"%1:s %2:s"},
      {u"no specifier", u"no specifier"},
      {u"100%% of %s %s", u"100%% of %0:s %1:s"},
      {u"%s %s %", u"%0:s %1:s %"},   // a final "%" stays text
      {u"% d%s%d", u"% d%0:s%1:d"},   // "% " stays text
      {u"%-10.3f|%5d", u"%0:-10.3f|%1:5d"},
      {u"%*d %d", u"%0:*d %2:d"},     // a "*" width takes an argument
      {u"%.*f %d", u"%0:.*f %2:d"},   // so does a "*" precision
      {u"%X%u%p%m%n%G%e", u"%0:X%1:u%2:p%3:m%4:n%5:G%6:e"},
      {u"%999999:s %s", u"%999999:s %1000000:s"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetCanonicalFormatStr(c.format), c.canonical) << U8(c.format);
}

TEST(FormatStrParser, InvalidSpecifiers) {
  struct Case {
    const char16_t* format;
    const char* message;
  } cases[] = {
      {u"%1234567d", "Invalid Format Specifier: 1234567d"},  // seven digits
      {u"%k", "Invalid Format Specifier: %0:k"},
      {u"abc %5", "Invalid Format Specifier: %0:5"},
      {u"%-", "Invalid Format Specifier: %0:-"},
      {u"%1:5:d", "Invalid Format Specifier: %1:5:d"},
      {u"%*:d", "Invalid Format Specifier: %0:*:d"},  // an index from an argument cannot be checked
  };
  for (const auto& c : cases)
    EXPECT_EQ(SpecError([&] { GetCanonicalFormatStr(c.format); }), c.message) << U8(c.format);
}

TEST(FormatStrParser, CompareFormats) {
  EXPECT_NO_THROW(CompareFormatStrings(u"%s %d", u"%1:d %0:s"));
  EXPECT_NO_THROW(CompareFormatStrings(u"Datei %s nicht gefunden", u"File %s not found"));
  EXPECT_NO_THROW(CompareFormatStrings(u"%d %x %u", u"%u %d %X"));
  EXPECT_EQ(SpecError([] { CompareFormatStrings(u"%s", u"%d"); }),
            "Argument types for index 0 do not match. (%0:s <> %0:d)");
  EXPECT_EQ(SpecError([] { CompareFormatStrings(u"%s", u"%s %s"); }),
            "Number of format specifiers do not match.\r\n\r\n> %s\r\n> %s %s");
  // A gap (no specifier names index 0) counts as an integer.
  EXPECT_NO_THROW(CompareFormatStrings(u"%1:s", u"%d %s"));
  EXPECT_EQ(SpecError([] { CompareFormatStrings(u"%1:s", u"%f %s"); }),
            "Argument types for index 0 do not match. ( <> %0:f)");
  // One format naming an argument twice with two kinds.
  EXPECT_EQ(SpecError([] { CompareFormatStrings(u"%0:s %0:d", u"%s"); }),
            "Argument types for index 0 do not match. (%0:s <> %0:d)");

  // The highest index decides the count, however high it is.
  EXPECT_EQ(SpecError([] { CompareFormatStrings(u"%999999:s", u"%999999:d"); }),
            "Argument types for index 999999 do not match. (%999999:s <> %999999:d)");
  EXPECT_FALSE(FormatStringsAreCompatible(u"%999999:s", u"%999998:s"));

  EXPECT_TRUE(FormatStringsAreCompatible(u"%s %d", u"%1:d %0:s"));
  EXPECT_FALSE(FormatStringsAreCompatible(u"%s", u"%d"));
  EXPECT_FALSE(FormatStringsAreCompatible(u"%s", u"%s %s"));
  EXPECT_THROW(FormatStringsAreCompatible(u"%s", u"%k"), EFormatSpecError);
}

TEST(FormatStrParser, SpecifierKinds) {
  EXPECT_EQ(TFormatStrParser::SpecifierKind(u"%0:d"), fakInteger);
  EXPECT_EQ(TFormatStrParser::SpecifierKind(u"%0:N"), fakFloat);
  EXPECT_EQ(TFormatStrParser::SpecifierKind(u"%0:p"), fakPointer);
  EXPECT_EQ(TFormatStrParser::SpecifierKind(u"%0:S"), fakString);
  try {
    TFormatStrParser::SpecifierKind(u"%0:k");
    FAIL();
  } catch (const EUniInternalError& e) {
    EXPECT_STREQ(e.what(), "Internal Error: Unexpected format type (%0:k)");
  }
}

TEST(FormatStrParser, FloatingSpecifiersAreFormattedInPlace) {
  const TWideFormatArgs args{WideString(u"x"), 1.25, std::int32_t{7}, 1234.5};
  EXPECT_EQ(ReplaceFloatingArgumentsInFormatString(u"%s=%.1f, %d %%, %9.2n!", args), u"%0:s=1.3, %2:d %%,  1'234.50!");
}
