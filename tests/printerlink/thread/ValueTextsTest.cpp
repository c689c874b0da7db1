#include <gtest/gtest.h>

#include "printerlink/thread/ValueTexts.h"

using namespace printerthread;

TEST(ValueTexts, FactorKeepsItsSign) {
  const std::pair<int, const char*> cases[] = {
      {1000, "1.000"},   {-1500, "-1.500"}, {-5, "-0.005"},        {999, "0.999"},
      {-500, "-0.500"},  {0, "0.000"},      {-1000, "-1.000"},     {10000, "10.000"},
      {-2147483647 - 1, "-2147483.648"},  // the widest factor still shows every digit
  };
  for (const auto& [factor, text] : cases) EXPECT_EQ(FactorText(factor), text) << factor;
}

TEST(ValueTexts, StateAndPrintDataNames) {
  const PrinterCaptions c;
  std::string text;
  ASSERT_TRUE(StatusName(80, 26, c, text));
  EXPECT_EQ(text, "Fehler 1A");
  ASSERT_TRUE(StatusName(80, 0x1234, c, text));
  EXPECT_EQ(text, "Fehler 1234");
  ASSERT_TRUE(StatusName(30, 0, c, text));
  EXPECT_EQ(text, "PC");
  ASSERT_TRUE(StatusName(70, 0, c, text));
  EXPECT_EQ(text, "FL");
  EXPECT_FALSE(StatusName(35, 0, c, text));
  EXPECT_FALSE(StatusName(-1, 0, c, text));

  const std::pair<int, const char*> names[] = {
      {0, "D\xFCsenreinigung"}, {1000, "AU"}, {1002, "P2"}, {1003, "P3"}, {57, "57"}, {999, "999"}};
  for (const auto& [code, name] : names) {
    ASSERT_TRUE(PrintDataName(code, c.NameTexts, text)) << code;
    EXPECT_EQ(text, name);
  }
  EXPECT_FALSE(PrintDataName(1004, c.NameTexts, text));
  EXPECT_FALSE(PrintDataName(-1, c.NameTexts, text));
}

TEST(ValueTexts, CoverageDependsOnTheFirmware) {
  struct Case {
    int value, cli;
    const char* text;  // nullptr: unknown
  };
  const Case cases[] = {
      {0, 1, "0 %"},    {3, 1, "25 %"},    {7, 8058, "50 %"},  {8, 1, "100 %"}, {8, 8058, "75 %"},
      {8, -1, "100 %"}, {9, 1, nullptr},   {10, 2, "75 %"},    {11, 1, nullptr}, {11, 2, "100 %"},
      {12, 8058, nullptr}, {-1, 8058, nullptr},
  };
  for (const auto& c : cases) {
    std::string text;
    EXPECT_EQ(CoverageText(c.value, c.cli, text), c.text != nullptr) << c.value << " " << c.cli;
    if (c.text) {
      EXPECT_EQ(text, c.text) << c.value << " " << c.cli;
    }
  }
}

TEST(ValueTexts, StartModes) {
  const PrinterCaptions c;
  std::string text;
  ASSERT_TRUE(StartModeName(5, c, text));
  EXPECT_EQ(text, "Positive Flanke Interface...");
  ASSERT_TRUE(StartModeName(4, c, text));
  EXPECT_EQ(text, "Negative Flanke Interface");
  ASSERT_TRUE(StartModeName(0, c, text));
  EXPECT_EQ(text, "-");
  EXPECT_FALSE(StartModeName(7, c, text));
}

TEST(ValueTexts, InputWord) {
  SignalInputs in{0x800, 2, 1, 0, 0, 0, "0 mm/s"};
  SignalTexts s = DecodeInputWord(0x45, in);  // bits 0, 2 and 6
  EXPECT_EQ(s.start, "1");
  EXPECT_EQ(s.select, "1 = 1");
  EXPECT_EQ(s.suppression, "1");
  EXPECT_EQ(s.runOut, "-");
  EXPECT_EQ(s.belt, "-");
  EXPECT_EQ(s.speed, "-");
  in.interfaceMode = 2;
  EXPECT_EQ(DecodeInputWord(0x45, in).select, "1 = 0");
  in.interfaceMode = 0;
  EXPECT_EQ(DecodeInputWord(0x45, in).select, "-");

  in = {-1, -1, 1, 3, 3, 1, "120 mm/s"};
  s = DecodeInputWord(0x28 | 0x80 | 0x800 | 0x400, in);  // lines 2 and 4, clock A, belt, run-out
  EXPECT_EQ(s.select, "1 0 1 0 = 10");
  EXPECT_EQ(s.speed, "1 0 0 1");
  EXPECT_EQ(s.belt, "1   120 mm/s");
  EXPECT_EQ(s.runOut, "1");
  EXPECT_EQ(s.start, "0");  // interface mode 1 without the extended view: bit 1
  in.interfaceMode = 2;
  EXPECT_EQ(DecodeInputWord(0x28, in).select, "1 0 1 0 = 5");
  in.signalLines = 4;
  EXPECT_EQ(DecodeInputWord(0x28, in).select, "?");
  in.clockSource = -1;
  EXPECT_EQ(DecodeInputWord(0, in).speed, "?");
  in.clockSource = 3;
  EXPECT_EQ(DecodeInputWord(0x100, in).speed, "0 1");
  in.clockSource = 5;
  EXPECT_EQ(DecodeInputWord(0x200, in).speed, "1");
}
