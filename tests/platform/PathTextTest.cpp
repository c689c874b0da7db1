// Local paths taken apart and put together, and names from outside that
// are to become part of one.
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

TEST(PathText, JoinsAndSplitsAtTheLastSlash) {
  EXPECT_EQ(platform::JoinPath("/", "x"), "/x");
  EXPECT_EQ(platform::JoinPath("/a/", "x"), "/a/x");
  EXPECT_EQ(platform::JoinPath("/a", "x"), "/a/x");
  EXPECT_EQ(platform::JoinPath("", "x"), "x");

  struct Case {
    std::string path, parent, name;
  };
  const Case cases[] = {
      {"/a/b/plan.zg23", "/a/b", "plan.zg23"},
      {"/plan", "/", "plan"},
      {"plan", ".", "plan"},
      {"a/b", "a", "b"},
      {"/a/", "/a", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::ParentFolder(c.path), c.parent) << c.path;
    EXPECT_EQ(platform::FileNameOf(c.path), c.name) << c.path;
  }
}
