// The font families the font chooser lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/InstalledFonts.h"

using namespace editor;

TEST(InstalledFonts, ListsTheInstalledFamiliesInOrderWithoutDoubles) {
  const std::vector<std::string> families = InstalledFontFamilies();
  ASSERT_FALSE(families.empty());
  std::vector<std::string> sorted = families;
  SortFontFamilies(sorted);
  EXPECT_EQ(families, sorted);
  EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
  // Every family listed is drawn with a font of its own.
  for (const std::string& family : families) EXPECT_TRUE(FontFamilyResolves(family)) << family;
}

TEST(InstalledFonts, TheWindowsCoreNamesStandWhereFontconfigHasAStandIn) {
  const std::vector<std::string> families = InstalledFontFamilies();
  // The program's default layer font: the installed metric-compatible face
  // (Liberation Sans, which the build's fonts bring) serves it.
  EXPECT_NE(std::find(families.begin(), families.end(), "Arial"), families.end());
  EXPECT_FALSE(FontFamilyResolves("Tarvik23 no such family"));
  EXPECT_FALSE(FontFamilyResolves("Quite Unknown Face"));
}

TEST(InstalledFonts, OrderIgnoresCaseOfLetters) {
  std::vector<std::string> names = {"b", "Zeta", "alpha", "Beta", "\xC4rger"};
  SortFontFamilies(names);
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "b", "Beta", "Zeta", "\xC4rger"}));
}
