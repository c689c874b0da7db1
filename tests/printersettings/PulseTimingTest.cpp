// The pulse form's limits, presets, labels and diagram lines.
#include <gtest/gtest.h>

#include <climits>

#include "printersettings/PulseTiming.h"

using namespace printersettings;

TEST(PulseTiming, LimitsByFirmware) {
  // Without bit 0x80 (and with no printer, -1) the classic heads.
  for (int cli : {-1, 0x400, 8058 & ~0x80}) {
    auto l = PulseLimits(cli);
    EXPECT_EQ(l[kPulseRow].low, 10) << cli;
    EXPECT_EQ(l[kPulseRow].high, 50);
    EXPECT_EQ(l[kPauseRow].high, 50);
    EXPECT_EQ(l[kRefreshRow].high, 50);
    EXPECT_EQ(l[kInkRow].high, 1);
  }
  auto l = PulseLimits(0x480);
  EXPECT_EQ(l[kPulseRow].low, 1);
  EXPECT_EQ(l[kPulseRow].high, 40);
  EXPECT_EQ(l[kPauseRow].high, 0);
  EXPECT_EQ(l[kPrePulseRow].high, 0);
  EXPECT_EQ(l[kRefreshRow].high, 60);
  EXPECT_EQ(l[kInkRow].high, 0);

  EXPECT_EQ(ClampPulseValues({5, -1, 51, 60, 2}, -1), (PulseValues{10, 0, 50, 50, 1}));
  EXPECT_EQ(ClampPulseValues({INT_MAX, 18, 6, 70, 1}, 0x480), (PulseValues{40, 0, 0, 60, 0}));
  EXPECT_TRUE(ExtendedPulseRows(0x480));
  EXPECT_FALSE(ExtendedPulseRows(0x80));
  EXPECT_FALSE(ExtendedPulseRows(-1));
}

TEST(PulseTiming, Presets) {
  const char* captions[] = {"1x 00/00/36/00", "1x 06/18/25/00", "1x 06/18/25/06", "2x 06/18/25/06"};
  for (int p = 0; p < kPresetCount; ++p) {
    EXPECT_EQ(PresetCaption(p), captions[p]);
    EXPECT_EQ(MatchingPreset(PresetValues(p, 0x400), 0x400), p);
    EXPECT_EQ(PresetValues(p, 0x480), (PulseValues{13, 0, 0, 0, 0}));
  }
  EXPECT_EQ(PresetValues(2, -1), (PulseValues{25, 18, 6, 6, 0}));
  EXPECT_EQ(MatchingPreset({25, 18, 6, 0, 0}, -1), 1);  // set by hand
  EXPECT_EQ(MatchingPreset({25, 18, 6, 0, 1}, -1), -1);
  EXPECT_EQ(MatchingPreset({13, 0, 0, 0, 0}, 0x480), 0);
  EXPECT_EQ(MatchingPreset({36, 0, 0, 0, 0}, 0x480), -1);
}

TEST(PulseTiming, Labels) {
  EXPECT_EQ(MicrosecondsText(25), "2.5 \xB5s");
  EXPECT_EQ(MicrosecondsText(0), "0.0 \xB5s");
  EXPECT_EQ(MicrosecondsText(10), "1.0 \xB5s");
  EXPECT_EQ(MicrosecondsText(6), "0.6 \xB5s");
  EXPECT_EQ(InkFactorText(0), "1x");
  EXPECT_EQ(InkFactorText(1), "2x");
  EXPECT_EQ(InkFactorText(INT_MAX), "2147483648x");
}

TEST(PulseTiming, DiagramLines) {
  using L = DiagramLine;
  const std::uint32_t k = kDiagramBase, r = kDiagramPrePulse, g = kDiagramPause, b = kDiagramPulse;
  // Pre-pulse 6, pause 18, pulse 25: 48 pixels high, so low 40 and high 8.
  EXPECT_EQ(PulseDiagram(25, 18, 6),
            (std::vector<L>{{k, 8, 40, 28, 40},
                            {r, 28, 40, 28, 8},
                            {r, 28, 8, 46, 8},
                            {r, 46, 8, 46, 40},
                            {g, 46, 40, 100, 40},
                            {b, 100, 40, 100, 8},
                            {b, 100, 8, 175, 8},
                            {b, 175, 8, 175, 40},
                            {k, 175, 40, 215, 40}}));
  // A pre-pulse without a pause runs straight into the pulse.
  EXPECT_EQ(PulseDiagram(25, 0, 6),
            (std::vector<L>{{k, 8, 40, 28, 40},
                            {r, 28, 40, 28, 8},
                            {r, 28, 8, 46, 8},
                            {b, 46, 8, 121, 8},
                            {b, 121, 8, 121, 40},
                            {k, 121, 40, 161, 40}}));
  // No pre-pulse: the pause is not drawn.
  EXPECT_EQ(PulseDiagram(36, 18, 0, 60),
            (std::vector<L>{{k, 8, 52, 28, 52},
                            {b, 28, 52, 28, 8},
                            {b, 28, 8, 136, 8},
                            {b, 136, 8, 136, 52},
                            {k, 136, 52, 176, 52}}));
  EXPECT_EQ(RefreshDiagram(6),
            (std::vector<L>{{k, 8, 40, 28, 40},
                            {r, 28, 40, 28, 8},
                            {r, 28, 8, 46, 8},
                            {r, 46, 8, 46, 40},
                            {k, 46, 40, 86, 40}}));
  EXPECT_TRUE(RefreshDiagram(0).empty());
  // The longest trace fits the picture.
  const auto widest = PulseDiagram(50, 50, 50);
  EXPECT_LT(widest.back().x2, kDiagramWidth);
}
