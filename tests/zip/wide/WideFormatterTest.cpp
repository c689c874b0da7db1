// The runtime's format syntax on wide strings, and numbers as text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "zip/CodePages.h"
#include "zip/wide/FloatText.h"
#include "zip/wide/FormatStrParser.h"
#include "zip/wide/WideErrors.h"
#include "zip/wide/WideFormatter.h"

using namespace zip;

namespace {

std::string ConvertError(const WideString& format, const TWideFormatArgs& args) {
  try {
    Uni_WideFormat(format, args);
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "(formatted)";
}

}  // namespace

TEST(WideFormatter, Specifiers) {
  const void* pointer = reinterpret_cast<const void*>(std::uintptr_t{0xBEEF});
  struct Case {
    const char16_t* format;
    TWideFormatArgs args;
    const char16_t* text;
  } cases[] = {
      {u"%d|%5d|%-5d|%.3d|%.3d", {std::int32_t{42}, std::int32_t{42}, std::int32_t{42}, std::int32_t{7}, std::int32_t{-7}},
       u"42|   42|42   |007|-007"},
      {u"%u %u", {std::int32_t{-1}, std::int64_t{-1}}, u"4294967295 18446744073709551615"},
      {u"%x %X %.4x %x", {std::int32_t{255}, std::int32_t{-1}, std::int32_t{10}, std::int64_t{-2}},
       u"FF FFFFFFFF 000A FFFFFFFFFFFFFFFE"},
      {u"%d", {std::int64_t{-9223372036854775807 - 1}}, u"-9223372036854775808"},
      {u"%s|%3s|%-3s|%.2s", {WideString(u"\u00e4b"), WideString(u"x"), WideString(u"x"), WideString(u"abc")},
       u"\u00e4b|  x|x  |ab"},
      {u"%s%s", {u'\u20ac', WideString()}, u"\u20ac"},
      {u"%1:s %0:s %s", {WideString(u"a"), WideString(u"b"), WideString(u"c")}, u"b a c"},
      {u"%*d|%-*d|%.*f", {std::int32_t{4}, std::int32_t{1}, std::int32_t{3}, std::int32_t{2}, std::int32_t{1}, 2.25},
       u"   1|2  |2.3"},
      {u"%f %.0f %.3f %f", {1.0, 2.5, -0.0004, -0.001}, u"1.00 3 0.000 0.00"},
      {u"%e|%.3e|%e", {1.5, -12345.678, 0.0}, u"1.50000000000000E+000|-1.23E+004|0.00000000000000E+000"},
      {u"%g|%g|%g|%g|%.3g", {0.1, 1e20, 1.5e-7, 123456.0, 1234.5}, u"0.1|1E020|1.5E-007|123456|1.23E003"},
      {u"%n|%m|%.0n|%n", {1234567.891, -1234.5, 999.5, 12.0}, u"1'234'567.89|-1'234.50|1'000|12.00"},
      {u"%f %e %g", {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()},
       u"NAN INF -INF"},
      {u"%p", {pointer}, u"000000000000BEEF"},
      {u"100%% %", {}, u"100% %"},
      {u"a% b", {}, u"a% b"},
  };
  for (const auto& c : cases) EXPECT_EQ(U8(Uni_WideFormat(c.format, c.args)), U8(c.text)) << U8(c.format);
}

TEST(WideFormatter, Errors) {
  EXPECT_EQ(ConvertError(u"%d %d", {std::int32_t{1}}), "Kein Argument für Format '%d %d'");
  EXPECT_EQ(ConvertError(u"%d", {1.5}), "Format '%d' ungültig oder nicht kompatibel mit Argument");
  EXPECT_EQ(ConvertError(u"%f", {std::int32_t{1}}), "Format '%f' ungültig oder nicht kompatibel mit Argument");
  EXPECT_EQ(ConvertError(u"%s", {std::int32_t{1}}), "Format '%s' ungültig oder nicht kompatibel mit Argument");
  EXPECT_EQ(ConvertError(u"%*d", {WideString(u"x"), std::int32_t{1}}),
            "Format '%*d' ungültig oder nicht kompatibel mit Argument");
  // A width beyond six digits is refused rather than allocated.
  EXPECT_EQ(ConvertError(u"%*d", {std::int32_t{1000000}, std::int32_t{1}}),
            "Format '%*d' ungültig oder nicht kompatibel mit Argument");
  EXPECT_THROW(Uni_WideFormat(u"%1234567d", {std::int32_t{1}}), EFormatSpecError);
  EXPECT_THROW(Uni_WideFormat(u"%k", {std::int32_t{1}}), EFormatSpecError);
  EXPECT_THROW(FormatWide(u"%1234567d", {std::int32_t{1}}), EConvertError);
}

TEST(FloatText, StrToFloatIsIndependentOfTheLocale) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"1.5", 1.5}, {" -2.25 ", -2.25}, {"+3", 3}, {"1e3", 1000}, {"1.5E-2", 0.015}, {".5", 0.5},
      {"5.", 5}, {"1e-400", 0}, {"0", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ENG_US_StrToFloat(c.text), c.value) << c.text;
  for (const char* bad : {"", " ", "1,5", "1.5x", "e5", "1e", "inf", "nan", "0x10", "--1", "1e400", "1'000"}) {
    try {
      ENG_US_StrToFloat(bad);
      ADD_FAILURE() << bad;
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' ist kein gültiger Gleitkommawert");
    }
  }
}

TEST(FloatText, FloatToStr) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {1.5, "1.5"},        {0.1, "0.1"},          {1e20, "1E20"},      {1.5e-7, "1.5E-7"},
      {0.00001, "0.00001"},   {0.0001, "0.0001"},    {-2, "-2"},          {0.0, "0"},
      {123456789012345.0, "123456789012345"},     {1234567890123456.0, "1.23456789012346E15"},
      {1.0 / 3, "0.333333333333333"},             {0.125, "0.125"},
  };
  for (const auto& c : cases) EXPECT_EQ(ENG_US_FloatToStr(c.value), c.text);
  for (double v : {1.5, 0.1, 1e20, -7.25e-12, 3.0e300})
    EXPECT_EQ(ENG_US_StrToFloat(ENG_US_FloatToStr(v)), v) << ENG_US_FloatToStr(v);
}

TEST(FloatText, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FloatToFixedText(0.125, 2, false), "0.13");
  EXPECT_EQ(FloatToFixedText(-0.125, 2, false), "-0.13");
  EXPECT_EQ(FloatToFixedText(9.995, 2, false), "9.99");  // 9.99499999999999921840...
  EXPECT_EQ(FloatToFixedText(99.5, 0, true), "100");
  EXPECT_EQ(FloatToFixedText(0.5, 0, false), "1");
  EXPECT_EQ(FloatToFixedText(0.05, 0, false), "0");
  EXPECT_EQ(FloatToExponentText(9.9999, 2), "1.0E+001");
  EXPECT_EQ(FloatToGeneralText(999999.5, 6, 0), "1E6");
}
