#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fetch/UpdateDescription.h"

namespace {

using app::OffersUpdate;
using app::ParseUpdateDescription;

struct Case {
  std::vector<std::string> lines;
  bool offers;
};

TEST(UpdateDescription, WhatCountsAsAnUpdate) {
  const Case cases[] = {
      // The running release is 27.08.2024 22:00.
      {{"1", "20240827", "2200", "Setup.run"}, false},
      {{"1", "20240827", "2201", "Setup.run"}, true},
      {{"1", "20240828", "0", "Setup.run"}, true},
      {{"1", "20240826", "2359", "Setup.run"}, false},
      // A line that is no number is 0; a negative one counts as newer.
      {{"1", "abc", "2300", "Setup.run"}, false},
      {{"1", "-1", "0", "Setup.run"}, true},
      {{"1", "  20250101", "0", "Setup.run"}, true},
      // Line 1 must be "1" exactly, and four lines are needed.
      {{"1 ", "20250101", "0", "Setup.run"}, false},
      {{"01", "20250101", "0", "Setup.run"}, false},
      {{"1", "20250101", "0"}, false},
      {{"1", "20250101", "0", "Setup.run", "anything", "after"}, true},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& l : c.lines) shown += "[" + l + "]";
    EXPECT_EQ(OffersUpdate(ParseUpdateDescription(c.lines)), c.offers) << shown;
  }
}

TEST(UpdateDescription, InstallerNameIsTakenAsItStands) {
  const app::UpdateDescription d = ParseUpdateDescription({"1", "20250101", "0930", " Setup 2.run"});
  EXPECT_TRUE(d.announces);
  EXPECT_EQ(d.date, 20250101u);
  EXPECT_EQ(d.time, 930u);
  EXPECT_EQ(d.installer, " Setup 2.run");
}

TEST(UpdateDescription, OnlyPlainFileNamesNameAnInstaller) {
  const std::pair<std::string, bool> names[] = {
      {"Tarvik23Setup.run", true},
      {"Setup V1.01.exe", true},
      {"tarvik23_1.1_amd64.deb", true},
      {"", false},
      {".", false},
      {"..", false},
      {"../../CONFIG/Tarvik23.ini", false},
      {"a..b", false},
      {"sub/Setup.run", false},
      {"/etc/passwd", false},
      {"..\\..\\Setup.exe", false},
      {"C:\\Setup.exe", false},
      {"INFO.UPD", false},
      {"info.upd", false},
      {"~INFO.UPD", false},
      {"~todel.tmp", false},
      {"Setup\tx.run", false},
      {std::string("Setup\0.run", 10), false},
      {std::string(255, 'a'), true},
      {std::string(256, 'a'), false},
  };
  for (const auto& [name, plain] : names) EXPECT_EQ(app::IsPlainInstallerName(name), plain) << name;
  // A hostile fourth line makes an otherwise newer description offer nothing.
  EXPECT_FALSE(OffersUpdate(ParseUpdateDescription({"1", "20990101", "0", "../Tarvik23/bin/tarvik23"})));
}

}  // namespace
