#include <gtest/gtest.h>

#include "printdata/CharacterSet.h"

using namespace printdata;

namespace {

LayerObject DateCode(const std::string& code) {
  LayerObject l;
  l.DateCode = code;
  return l;
}

LayerObject TimeCode(const std::string& code, const std::string& am = "", const std::string& pm = "") {
  LayerObject l;
  l.TimeCode = code;
  l.AmText = am;
  l.PmText = pm;
  return l;
}

const std::string kDigits = "0 1 2 3 4 5 6 7 8 9 ";

}  // namespace

TEST(CharacterSet, DateCodes) {
  EXPECT_EQ(DateCharset(DateCode("\xA2.\xC2.\xD3")), kDigits + ". ");
  EXPECT_EQ(DateCharset(DateCode("\xA1.\xC1")), kDigits + ". ");  // the padding blank is no member
  EXPECT_EQ(DateCharset(DateCode("\xB0")), "1 2 3 4 5 6 7 ");
  EXPECT_EQ(DateCharset(DateCode("\xB0\xA6")), "1 2 3 4 5 6 7 0 8 9 ");
  EXPECT_EQ(DateCharset(DateCode("/\xE2 \xA7\xB2\xC5\xD5\xE3")), "/ 0 1 2 3 4 5 6 7 8 9 \xA7 \xB2 \xC5 \xD5 \xE3 ");
  EXPECT_EQ(DateCharset(DateCode("")), "");
  LayerObject names = DateCode("\xB1");
  names.WeekdayNames = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  EXPECT_EQ(DateCharset(names), "M o D i F r S a ");
  names.DateCode = "\xC3";
  names.MonthNames = {"JAN", "FEB", "MRZ", "APR", "MAI", "JUN", "JUL", "AUG", "SEP", "OKT", "NOV", "DEZ"};
  EXPECT_EQ(DateCharset(names), "J A N F E B M R Z P I U L G S O K T V D ");
}

TEST(CharacterSet, TimeCodes) {
  EXPECT_EQ(TimeCharset(TimeCode("\xD2:\xB2:\xA2")), kDigits + ": ");
  EXPECT_EQ(TimeCharset(TimeCode("\xD0:\xB2 \xE0", "AM", "PM")), kDigits + ": A M P ");
  EXPECT_EQ(TimeCharset(TimeCode("\xD1\xE0", "am", "AM")), kDigits + "a m A M ");  // case matters
  EXPECT_EQ(TimeCharset(TimeCode("\xA3\xE1")), "\xA3 \xE1 ");
}

TEST(CharacterSet, OnlyTheEffectiveCodeAndTwentyCharactersOfEachNameCount) {
  EXPECT_EQ(DateCharset(DateCode(std::string(20, 'x') + "\xA2")), "x ");
  EXPECT_EQ(DateCharset(DateCode(std::string("-\0\xA2", 3))), "- ");
  LayerObject l = TimeCode("\xE0", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(TimeCharset(l), "A B C D E F G H I J K L M N O P Q R S T ");
}

TEST(CharacterSet, AddingSkipsBlanksAndDuplicates) {
  std::string set;
  for (char c : std::string("aAb a")) AddCharsetChar(set, c);
  EXPECT_EQ(set, "a A b ");
}
