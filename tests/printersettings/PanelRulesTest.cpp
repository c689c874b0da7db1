// The operator panel forms' value rules and built-in texts.
#include <gtest/gtest.h>

#include <climits>

#include "printersettings/PanelOptionTexts.h"
#include "printersettings/PanelRules.h"

using namespace printersettings;

TEST(PanelRules, TheBehaviourSequence) {
  const int sequence[] = {1, 2, 3, 4, 11, 12, 13, 14, 21, 22, 23, 24, 31};
  for (std::size_t i = 0; i < std::size(sequence); ++i) {
    EXPECT_EQ(BehaviourInSequence(sequence[i]), sequence[i]);
    EXPECT_EQ(BehaviourUp(sequence[i]), sequence[std::min(i + 1, std::size(sequence) - 1)]) << sequence[i];
    EXPECT_EQ(BehaviourDown(sequence[i]), sequence[i == 0 ? 0 : i - 1]) << sequence[i];
  }
  // Values from the printer between the steps.
  const std::pair<int, int> into[] = {{INT_MIN, 1}, {-1, 1}, {0, 1}, {5, 4},   {7, 4},   {10, 4},      {15, 14},
                                      {20, 14},     {25, 24}, {26, 24}, {30, 24}, {32, 31}, {40, 31}, {INT_MAX, 31}};
  for (auto [value, shown] : into) EXPECT_EQ(BehaviourInSequence(value), shown) << value;
  EXPECT_EQ(BehaviourUp(INT_MAX), 31);
  EXPECT_EQ(BehaviourDown(INT_MIN), 1);
}

TEST(PanelRules, SignalEntries) {
  std::array<int, 8> lamp{-1, 12, 5, 9, 0, 0, 0, 99}, horn{-1, 1, 2, 1, 0, 0, 0, 0}, alarm{-1, 0, 7, 0, 1, 1, 1, 0};
  NormaliseSignalEntries(lamp, horn, alarm);
  EXPECT_EQ(lamp, (std::array<int, 8>{0, 11, 5, 9, 9, 9, 9, 11}));
  EXPECT_EQ(horn, (std::array<int, 8>{0, 1, 0, 1, 1, 1, 1, 0}));
  EXPECT_EQ(alarm, (std::array<int, 8>{1, 0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Toggled(0), 1);
  EXPECT_EQ(Toggled(1), 0);
  EXPECT_EQ(Toggled(-1), 0);
}

TEST(PanelRules, TheLinesOfTheFixedModes) {
  EXPECT_EQ(FixedLinesOfMode(0).line1, 6);
  EXPECT_EQ(FixedLinesOfMode(1).line1, 8);
  EXPECT_EQ(FixedLinesOfMode(1).behaviour, 31);
  EXPECT_EQ(FixedLinesOfMode(0).pause, 0);
  EXPECT_EQ(FixedLinesOfMode(0).line2, 0);
}

TEST(PanelOptionTexts, ByLanguage) {
  struct Case {
    std::string text;
    const char* expected;
  };
  const Case cases[] = {
      {BehaviourText(13, 0), "Laufschrift Rechts, Start(1x)/Stop"},
      {BehaviourText(22, 1), "Alternating display, Stop/Start"},
      {BehaviourText(1, 2), "Marque \xE0 gauche"},
      {BehaviourText(24, 3), "Alternating display, Start/Stop"},
      {BehaviourText(31, 4), "Fixed display"},
      {BehaviourText(31, 9), "Stehende Anzeige"},
      {BehaviourText(5, 0), "?"},
      {BehaviourText(32, 0), "?"},
      {BehaviourText(0, 0), "?"},
      {KeyText(0, 2), "Off"},
      {KeyText(1, 0), "ZozaZade23"},
      {KeyText(3, 0), "?"},
      {PauseText(5, 0), "500 ms"},
      {PauseText(INT_MAX, 0), "214748364700 ms"},
      {LineContentText(2, 2), "Dur\xE9" "e"},
      {LineContentText(8, 1), "Start time, Duartion"},
      {LineContentText(11, 2),
       "Heure de d\xE9" "but, Date de d\xE9" "but, Dur\xE9" "e, Travail, Travail total, Vitesse, Time, Date"},
      {LineContentText(15, 0), "?"},
      {LampText(7, 0), "Gr\xFCn/Rot blinken"},
      {LampText(10, 2), "Vert+Rouge flash"},
      {LampText(-1, 0), "?"},
      {HornText(1, 1), "On"},
      {AlarmText(0, 1, 2), "Overt"},
      {AlarmText(1, 1, 0), "Geschlossen"},
      {AlarmText(1, 0, 0), "-"},
      {AlarmText(-1, 1, 0), "?"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}
