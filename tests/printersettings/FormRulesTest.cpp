// The rules of the setting forms that need no window: the pause steps, the
// print-mode table and its presets, the help pictures, the start/selection
// coupling.
#include <gtest/gtest.h>

#include "printersettings/HelpPictures.h"
#include "printersettings/PauseSteps.h"
#include "printersettings/PrintModeTable.h"
#include "printersettings/StartCoupling.h"

using namespace printersettings;

TEST(PauseSteps, WaitReverseTimeAndPowerStepAsTheFormShowsThem) {
  EXPECT_EQ(WaitUp(0), 1);
  EXPECT_EQ(WaitUp(1), 30);
  EXPECT_EQ(WaitUp(30), 60);
  EXPECT_EQ(WaitUp(45), 60);
  EXPECT_EQ(WaitDown(30), 1);
  EXPECT_EQ(WaitDown(1), 0);
  EXPECT_EQ(WaitDown(0), 0);
  EXPECT_EQ(WaitDown(600), 570);
  EXPECT_EQ(ReverseTimeUp(0), 700);
  EXPECT_EQ(ReverseTimeUp(700), 750);
  EXPECT_EQ(ReverseTimeDown(50), 0);
  EXPECT_EQ(ReverseTimeDown(0), 0);
  EXPECT_EQ(PowerUp(510), 560);
  EXPECT_EQ(PowerUp(960), 1010);  // the form clamps it to 1000
  EXPECT_EQ(PowerDown(1000), 960);
  EXPECT_EQ(PowerDown(510), 460);  // and this to 510
}

TEST(PauseSteps, ReverseRowsFollowMachineWaitAndTime) {
  EXPECT_EQ(ReverseRowsActive(4, 600, 700), (ReverseRows{false, false}));
  EXPECT_EQ(ReverseRowsActive(3, 600, 700), (ReverseRows{false, false}));
  EXPECT_EQ(ReverseRowsActive(2, 1, 700), (ReverseRows{false, false}));
  EXPECT_EQ(ReverseRowsActive(2, 0, 700), (ReverseRows{false, false}));
  EXPECT_EQ(ReverseRowsActive(2, 30, 0), (ReverseRows{true, false}));
  EXPECT_EQ(ReverseRowsActive(2, 30, 50), (ReverseRows{true, true}));
  EXPECT_EQ(ReverseRowsActive(-1, 30, 50), (ReverseRows{true, true}));
}

TEST(PrintModeTable, CoarseStepsVisitTheFiveMainEntries) {
  std::vector<int> up{0};
  while (up.back() != PrintModeUp(up.back(), false)) up.push_back(PrintModeUp(up.back(), false));
  EXPECT_EQ(up, (std::vector<int>{0, 1, 4, 8, 11}));
  std::vector<int> down{11};
  while (down.back() != PrintModeDown(down.back(), false)) down.push_back(PrintModeDown(down.back(), false));
  EXPECT_EQ(down, (std::vector<int>{11, 8, 4, 1, 0}));
  EXPECT_EQ(PrintModeUp(5, false), 8);
  EXPECT_EQ(PrintModeDown(9, false), 4);
  EXPECT_EQ(PrintModeUp(-1, false), 0);
  EXPECT_EQ(PrintModeDown(12, false), 11);
  EXPECT_EQ(PrintModeUp(4, true), 5);
  EXPECT_EQ(ResolutionText(5, false), "300x150 dpi   [A][A]");
  EXPECT_EQ(PrintModeAt(5).code, 0x05);
  EXPECT_EQ(ResolutionText(11, false), "300x300 dpi");
  EXPECT_EQ(ResolutionText(11, true), "300x300 dpi   [AB][AB]");
  const int codes[] = {0x00, 0x01, 0x20, 0x41, 0x21, 0x05, 0x28, 0x45, 0x25, 0x29, 0x65, 0x2D};
  for (int i = 0; i < kPrintModeEntries; ++i) EXPECT_EQ(PrintModeAt(i).code, codes[i]) << i;
}

TEST(PrintModeTable, APresetMatchesOnlyWithAllEightIndexes) {
  EXPECT_EQ(MatchingPreset(3, {0, 4, 11, 0, 0, 0, 0, 0}), 2);
  EXPECT_EQ(MatchingPreset(3, {0, 4, 11, 8, 0, 0, 0, 0}), -1);  // old indexes beyond the count
  EXPECT_EQ(MatchingPreset(4, {0, 5, 6, 11, 0, 0, 0, 0}), 4);
  EXPECT_EQ(MatchingPreset(5, {0, 1, 4, 8, 11, 0, 0, 0}), 0);
  EXPECT_STREQ(PresetAt(4).caption, "Test");
}

TEST(HelpPictures, StartModePicturesByModeFirmwareAndSelection) {
  struct Case {
    int mode, cli, selMode, selLines;
    HelpPictures expected;
  };
  const Case cases[] = {
      {1, 0x800, 1, 0, {"ImageSP", "ImageMU", "ImageMMI_N"}},
      {1, 8, 1, 0, {"ImageSP", "ImageSU101", "ImageMMI_N_AU"}},
      {1, 8, 0, 0, {"ImageSP", "ImageMU", "ImageMMI_N"}},
      {2, -1, -1, 0, {"ImageSN", "ImageSU101", "ImageMMI_N_AU"}},
      {3, 0x800, 0, 0, {"ImageSP", "ImageSU101", "ImageMMI_N"}},
      {4, 0x800, 2, 0, {"ImageSN", "ImageSU101", "ImageMMI_N_AU"}},
      {5, 0x800, 1, 2, {"ImageSPWP3", "ImageSU141", "ImageMMI_N_AU"}},
      {5, 0x800, 0, 0, {"ImageSPWP1", "ImageSU141", "ImageMMI_N_AU"}},
      {6, 0x800, 2, 3, {"ImageSNWN4", "ImageSU141", "ImageMMI_N_AU"}},
      {6, 0x800, 2, -1, {"ImageNO", "ImageSU141", "ImageMMI_N_AU"}},
      {5, 0x800, -1, 1, {"ImageNO", "ImageSU141", "ImageMMI_N_AU"}},
      {-1, 0x800, 1, 1, {"ImageNO", "ImageNO", "ImageNO"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StartModePictures(c.mode, c.cli, c.selMode, c.selLines), c.expected) << c.mode << " " << c.cli;
}

TEST(HelpPictures, SelectionAndClockSourcePictures) {
  EXPECT_EQ(SelectionModePictures(1, 1, 2).upper, "ImageSNWP2");
  EXPECT_EQ(SelectionModePictures(1, 3, 5).upper, "ImageSPWP4");
  EXPECT_EQ(SelectionModePictures(2, 0, 3).upper, "ImageSPWN1");
  EXPECT_EQ(SelectionModePictures(2, 0, 0).upper, "ImageNO");
  EXPECT_EQ(SelectionModePictures(2, 0, -1).upper, std::nullopt);  // stays as it was
  EXPECT_EQ(SelectionModePictures(1, 0, 1).middle, "ImageSU141");
  EXPECT_EQ(SelectionModePictures(0, 0, 1), (SelectionPictures{"ImageNO", "ImageNO", "ImageNO"}));
  EXPECT_EQ(ClockSourcePictures(5), (TwoPictures{"ImageTakt", "ImageSU101"}));
  EXPECT_EQ(ClockSourcePictures(4), (TwoPictures{"ImageDrehgeberN", "ImageMU_CPL"}));
  EXPECT_EQ(ClockSourcePictures(0), (TwoPictures{"ImageNO", "ImageMU_Intern"}));
  EXPECT_EQ(ClockSourcePictures(-1), (TwoPictures{"ImageNO", "ImageNO"}));
}

TEST(StartCoupling, TheOtherFormIsCorrectedWithClampedPrinterValues) {
  SelectionSetting printerSelection{2, 7, {}};
  for (std::size_t n = 0; n < 16; ++n) printerSelection.texts[n] = static_cast<int>(n) * 10 - 20;  // -20 .. 130
  auto s = SelectionAfterStart(0x800, 1, printerSelection);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->mode, 0);
  EXPECT_EQ(s->lines, 3);
  EXPECT_EQ(s->texts[0], 0);
  EXPECT_EQ(s->texts[5], 30);
  EXPECT_EQ(s->texts[15], 99);
  printerSelection.mode = 0;
  EXPECT_EQ(SelectionAfterStart(0x800, 5, printerSelection)->mode, 1);
  EXPECT_FALSE(SelectionAfterStart(0x800, 3, printerSelection));
  EXPECT_FALSE(SelectionAfterStart(0x800, 1, printerSelection));  // no conflict
  EXPECT_FALSE(SelectionAfterStart(-1, 5, printerSelection));    // no printer: no coupling
  EXPECT_FALSE(SelectionAfterStart(0x7FF, 5, printerSelection));

  struct Case {
    int chosen, printerMode;
    int expected;  // -1: nothing
  };
  for (const Case c : {Case{0, 0, 3}, Case{0, 5, 3}, Case{0, 6, 4}, Case{0, 1, -1}, Case{1, 0, 5}, Case{2, 1, 5},
                       Case{1, 2, 6}, Case{2, 5, -1}, Case{1, -1, -1}}) {
    auto start = StartAfterSelection(0x800, c.chosen, {c.printerMode, 350});
    if (c.expected < 0) {
      EXPECT_FALSE(start) << c.chosen << " " << c.printerMode;
    } else {
      ASSERT_TRUE(start);
      EXPECT_EQ(*start, (StartSetting{c.expected, 200})) << c.chosen << " " << c.printerMode;
    }
  }
  EXPECT_EQ(StartAfterSelection(0x800, 0, {6, -1})->filter, 0);
}
