// The configuration file's lines as the editor shows them, and the bytes
// they are written back as.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
    bool endsWithBreak;
    std::string written;
  };
  const Case cases[] = {
      {"A\nB\rC\r\nD", {"A", "B", "C", "D"}, false, "A\r\nB\r\nC\r\nD"},
      {"A=1\n", {"A=1"}, true, "A=1\r\n"},
      // A lone CR at the end ends the last line; it is no line of its own.
      {"A=1\r", {"A=1"}, true, "A=1\r\n"},
      {"A=1\r\nB=2\r", {"A=1", "B=2"}, true, "A=1\r\nB=2\r\n"},
      {"\r", {""}, true, "\r\n"},
      {"A\r\r", {"A", ""}, true, "A\r\n\r\n"},
      // LF CR is two line ends, not one.
      {"A\n\rB", {"A", "", "B"}, false, "A\r\n\r\nB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const ConfigText t = printersettings::SplitConfigText(c.bytes);
    EXPECT_EQ(t.lines, c.lines);
    EXPECT_EQ(t.endsWithBreak, c.endsWithBreak);
    EXPECT_EQ(printersettings::JoinConfigText(t), c.written);
  }
}

TEST(ServiceToolTexts, EditorLanguagesAndResultBoxes) {
  EXPECT_EQ(printersettings::EditorTextsFor(2).caption, "\xC9" "diteur");
  EXPECT_EQ(printersettings::EditorTextsFor(3).install, "Install");  // no Italian: English
  EXPECT_EQ(printersettings::EditorTextsFor(9).install, "Installieren");
  EXPECT_EQ(printersettings::ConfigResultText(printersettings::ConfigResult::StoreFailed, 4),
            "Printer configuration could not be saved on the Printer.\n\n");
}
