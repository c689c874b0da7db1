// Names from outside that are to become part of a local path.
#include <gtest/gtest.h>

#include <string>

#include "platform/PathText.h"

TEST(PathText, OnlyOnePlainNameMayStandInAFolder) {
  struct Case {
    std::string name;
    bool plain;
  };
  const Case cases[] = {
      {"Eier 2024", true},
      {"\xC3\x84pfel", true},  // a letter beyond ASCII
      {"...", true},
      {"-dash", true},
      {std::string(255, 'E'), true},
      {"", false},
      {".", false},
      {"..", false},
      {"../Eier", false},
      {"Eier/", false},
      {"C:\\Eier", false},  // the printer's and Windows' separator
      {"Eier\x01", false},
      {"Eier\x7F", false},
      {"Eier\xC2\x81", false},  // a C1 control, as byte 0x81 of the code page becomes
      {std::string("Ei\0er", 5), false},
      {std::string(256, 'E'), false},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::IsPlainFileName(c.name), c.plain) << c.name;
}
