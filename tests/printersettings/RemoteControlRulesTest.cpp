#include <gtest/gtest.h>

#include <vector>

#include "printerlink/thread/PrinterCaptions.h"
#include "printersettings/RemoteControlRules.h"
#include "printersettings/StepRepeat.h"

using namespace printersettings;

namespace {

const std::array<std::string, 17> kNames = printerthread::PrinterCaptions{}.NameTexts;

// The values a held button shows tick by tick, starting at `from`.
std::vector<int> Hold(int from, bool up, int count, int ticks) {
  std::vector<int> shown;
  int value = from, tag = up ? 1 : -1;
  for (int i = 0; i < ticks; ++i) {
    value = NormalizePrintText(value + TakeRepeatStep(kPrintTextRepeat, tag), value, count);
    shown.push_back(value);
  }
  return shown;
}

}  // namespace

TEST(RemoteControlRules, PrintTextSelectionSkipsTheNumbersThePrinterDoesNotHave) {
  struct Case {
    int value, from, count, expected;
  };
  const Case cases[] = {
      {1000, 1001, 12, 1000},  // "P1", "-": "AU"
      {999, 1000, 12, 12},     // "AU", "-": the last print data
      {13, 12, 12, 1000},      // the last print data, "+": "AU"
      {-1, 0, 12, 0},          // nothing below the nozzle cleaning
      {1004, 1003, 12, 1003},  // nothing above "P3"
      {1, 0, 0, 1000},         // no print data on the printer
      {999, 1000, 0, 0},
      {999, 1000, -1, 0},      // count not known yet
      {56, 57, 12, 12},        // a selection beyond the count steps down into it
      {58, 57, 12, 1000},
      {7, 6, 12, 7},
      {992, 1000, 995, 995},   // a step down out of the special entries lands on the count
  };
  for (const auto& c : cases)
    EXPECT_EQ(NormalizePrintText(c.value, c.from, c.count), c.expected) << c.value << " from " << c.from;
}

TEST(RemoteControlRules, HoldingPlusClimbsFasterAndNeverShowsAMissingNumber) {
  std::vector<int> expected;
  for (int v = 2; v <= 10; ++v) expected.push_back(v);
  for (int v = 12; v <= 30; v += 2) expected.push_back(v);
  for (int v = 34; v <= 50; v += 4) expected.push_back(v);
  expected.push_back(1000);
  expected.push_back(1003);
  expected.push_back(1003);
  EXPECT_EQ(Hold(1, true, 50, static_cast<int>(expected.size())), expected);

  // Held long enough, the step stays at 8.
  const std::vector<int> down = Hold(1003, false, 500, 40);
  EXPECT_EQ(down[3], 500);  // 1000, then the count
  EXPECT_EQ(down.back(), 500 - (5 * 1 + 10 * 2 + 10 * 4 + 11 * 8));  // 40 ticks
}

TEST(RemoteControlRules, PrintModeSteps) {
  // Older firmware: 0, 3, 4, 8; newer without a table: 0, 3, 4, 10, 11.
  struct Case {
    int mode;
    bool up;
    int cli, expected;
  };
  const Case cases[] = {
      {0, true, 1, 3}, {3, true, 1, 4}, {4, true, 1, 8}, {8, true, 1, 8}, {8, false, 1, 4}, {0, false, 1, 0},
      {4, true, 2, 10}, {10, true, 2, 11}, {11, false, 2, 10}, {5, true, 2, 5}, {-1, true, 2, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(StepFixedPrintMode(c.mode, c.up, c.cli), c.expected) << c.mode << " " << c.up;

  EXPECT_EQ(ClampPrintMode(-3, 1), 0);
  EXPECT_EQ(ClampPrintMode(9, 1), 8);
  EXPECT_EQ(ClampPrintMode(7, 1), 7);
  EXPECT_EQ(ClampPrintMode(11, 2), 11);
  EXPECT_EQ(ClampPrintMode(12, 2), 11);

  // With the printer's table of 3 modes "+" stops at index 2.
  EXPECT_EQ(StepPrintModeIndex(0, true, 3), 1);
  EXPECT_EQ(StepPrintModeIndex(1, true, 3), 2);
  EXPECT_EQ(StepPrintModeIndex(2, true, 3), 2);
  EXPECT_EQ(StepPrintModeIndex(6, true, 3), 2);  // beyond the table: back to its last mode
  EXPECT_EQ(StepPrintModeIndex(9, true, 12), 7);
  EXPECT_EQ(StepPrintModeIndex(9, false, 12), 6);
  EXPECT_EQ(StepPrintModeIndex(0, false, 3), 0);
  EXPECT_EQ(StepPrintModeIndex(-1, false, 3), std::nullopt);
  EXPECT_EQ(StepPrintModeIndex(1, true, -1), std::nullopt);
  EXPECT_EQ(StepPrintModeIndex(0, true, 0), std::nullopt);  // a table without modes
}

TEST(RemoteControlRules, CaptionsAndLabelsOfTheChoice) {
  const std::string down = "-" + std::string(20, ' '), up = std::string(20, ' ') + "+";
  struct Case {
    RemoteChoice choice;
    RemoteChoiceView view;
  };
  const Case cases[] = {
      // Nothing known yet: both captions, the labels stay.
      {{-1, -1, -1, -1, -1}, {down, up, std::nullopt, down, up, "?", true}},
      // The nozzle cleaning prints at full coverage; its mode is not chosen.
      {{0, 8, -1, 4, 1}, {"", up, "(D\xFCsenreinigung)", "", "", "(100 %)", false}},
      {{1003, 0, -1, 4, 1}, {down, "", "(P3)", "", up, "(0 %)", true}},
      {{57, 8, -1, 4, 1}, {down, up, "(57)", down, "", "(100 %)", true}},
      {{57, 11, -1, 4, 1}, {down, up, "(57)", down, "", "?", true}},  // beyond the last mode
      {{57, 8, -1, 4, 2}, {down, up, "(57)", down, up, "(75 %)", true}},
      {{1000, 11, -1, 4, 2}, {down, up, "(AU)", down, "", "(100 %)", true}},
      // With the printer's table the index decides the captions.
      {{5, 3, 0, 3, 8058}, {down, up, "(5)", "", up, "(25 %)", true}},
      {{5, 4, 2, 3, 8058}, {down, up, "(5)", down, "", "(50 %)", true}},
      {{5, 12, 1, 3, 8058}, {down, up, "(5)", down, up, "(?)", true}},
  };
  for (const auto& c : cases) {
    const RemoteChoiceView v = RemoteChoiceTexts(c.choice, kNames);
    EXPECT_EQ(v, c.view) << c.choice.EditPrintText << " " << c.choice.EditPrintMode << " " << c.choice.CliWord
                         << ": " << v.PrintTextLabel.value_or("-") << " " << v.PrintModeLabel;
  }
}
