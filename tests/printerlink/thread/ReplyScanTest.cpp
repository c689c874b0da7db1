#include <gtest/gtest.h>

#include "printerlink/thread/ReplyScan.h"

using namespace printerthread;

TEST(ReplyScan, IntegersConvertLikeTheProtocolsScanf) {
  struct Case {
    const char* reply;
    std::optional<std::array<int, 3>> expected;
  };
  const Case cases[] = {
      {"1 250 0", std::array<int, 3>{1, 250, 0}},
      {"  -13\t+4\r\n7 and more", std::array<int, 3>{-13, 4, 7}},  // blanks skipped, the rest ignored
      {"1-2-3", std::array<int, 3>{1, -2, -3}},                     // a sign ends the number before it
      {"3 250", std::nullopt},                                      // two numbers for three
      {"1 x 3", std::nullopt},
      {"", std::nullopt},
      {"Fehler 1", std::nullopt},
      {"1 2 99999999999", std::nullopt},  // beyond 32 bits
      {"- 1 2 3", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ScanIntegers<3>(c.reply), c.expected) << c.reply;
  EXPECT_EQ(ScanIntegers<1>("12abc"), (std::array<int, 1>{12}));
  EXPECT_EQ(ScanIntegers<1>("-2147483648"), (std::array<int, 1>{-2147483647 - 1}));
}

TEST(ReplyScan, FractionsUseThePointWhateverTheLocale) {
  EXPECT_EQ(ScanFractions<4>("20.12 4.98 0 0"), (std::array<double, 4>{20.12, 4.98, 0, 0}));
  EXPECT_EQ(ScanFractions<2>(" +1.5 -2e1"), (std::array<double, 2>{1.5, -20}));
  EXPECT_FALSE(ScanFractions<4>("20,12 4,98 0 0"));  // the comma ends the first number
  EXPECT_FALSE(ScanFractions<1>("+-1"));
}

TEST(ReplyScan, WordsHexAndLines) {
  EXPECT_EQ(ScanWords("08.12.2026 Di 14:05:09", 3), (std::vector<std::string>{"08.12.2026", "Di", "14:05:09"}));
  EXPECT_EQ(ScanWords("  one  ", 3), (std::vector<std::string>{"one"}));
  EXPECT_TRUE(ScanWords("   ", 1).empty());
  EXPECT_EQ(ScanHexWord("80000011"), 0x80000011u);
  EXPECT_EQ(ScanHexWord(" 0045 rest"), 0x45u);
  EXPECT_FALSE(ScanHexWord("xyz"));
  EXPECT_EQ(FirstLine("Device A\r\nsecond"), "Device A");
  EXPECT_EQ(FirstLine("\nsecond"), "");
}
