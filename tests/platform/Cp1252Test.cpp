#include <gtest/gtest.h>

#include "platform/Cp1252.h"

using namespace platform;

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUnicode) {
  for (int b = 0; b < 256; ++b) {
    char32_t c = Cp1252ToUnicode(static_cast<std::uint8_t>(b));
    EXPECT_EQ(UnicodeToCp1252(c), b) << "byte " << b;
  }
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheWindowsSpecificCharacters) {
  struct Case { std::uint8_t byte; char32_t ch; } cases[] = {
      {0x80, U'€'}, {0x8A, U'Š'}, {0x9F, U'Ÿ'}, {0xE4, U'ä'}, {0xDF, U'ß'},
      {0x81, 0x81}, {0x8D, 0x8D}, {0x8F, 0x8F}, {0x90, 0x90}, {0x9D, 0x9D}};
  for (auto c : cases) EXPECT_EQ(Cp1252ToUnicode(c.byte), c.ch) << int(c.byte);
  EXPECT_EQ(Cp1252ToUtf8("\xE4\x80"), "ä€");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreReplaced) {
  EXPECT_EQ(UnicodeToCp1252(U'Ω'), -1);
  EXPECT_EQ(Utf8ToCp1252("aΩb"), "a?b");
  // Malformed UTF-8 never stalls the decoder.
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
}
