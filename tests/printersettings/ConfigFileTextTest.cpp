// The configuration file's lines as the editor shows them, and the bytes
// they are written back as.
#include <gtest/gtest.h>

#include "printersettings/ConfigFileText.h"
#include "printersettings/ServiceToolTexts.h"

using printersettings::ConfigText;

TEST(ConfigFileText, CrLfFilesComeBackByteForByte) {
  const std::string cases[] = {"",
                               "\r\n",
                               "A=1",
                               "A=1\r\n",
                               "A=1\r\nB=\xE4\x80\r\n\r\n",
                               "[X]\r\n\r\nY=2"};
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(printersettings::JoinConfigText(printersettings::SplitConfigText(bytes)), bytes);
  }
}

TEST(ConfigFileText, OtherLineEndsAreReadAsLinesAndWrittenWithCrLf) {
  const ConfigText t = printersettings::SplitConfigText("A\nB\rC\r\nD");
  EXPECT_EQ(t.lines, (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_FALSE(t.endsWithBreak);
  EXPECT_EQ(printersettings::JoinConfigText(t), "A\r\nB\r\nC\r\nD");
}

TEST(ServiceToolTexts, EditorLanguagesAndResultBoxes) {
  EXPECT_EQ(printersettings::EditorTextsFor(2).caption, "\xC9" "diteur");
  EXPECT_EQ(printersettings::EditorTextsFor(3).install, "Install");  // no Italian: English
  EXPECT_EQ(printersettings::EditorTextsFor(9).install, "Installieren");
  EXPECT_EQ(printersettings::ConfigResultText(printersettings::ConfigResult::StoreFailed, 4),
            "Printer configuration could not be saved on the Printer.\n\n");
}
