#include <gtest/gtest.h>

#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/SearchStrip.h"

using namespace printerthread;

namespace {

bool Offered(const TileState& t) { return t.colour == kOfferedColour && t.buttonVisible.value_or(true) && t.enabled.value_or(true); }

}  // namespace

TEST(DisplayRules, TilesByMachineTypeAndFirmware) {
  PrinterMirror m;  // unknown machine, CliWord -1
  SettingsTiles t = TilesAfterRefresh(m);
  EXPECT_TRUE(Offered(t.DruckstartVerschieben));
  EXPECT_TRUE(Offered(t.DruckstartInterface));
  EXPECT_TRUE(Offered(t.DruckgeschwindigkeitTaktquelle));
  EXPECT_TRUE(Offered(t.BedienteilProgramme));
  EXPECT_FALSE(Offered(t.GeraetSleep));
  EXPECT_FALSE(Offered(t.AuslaufModus));
  EXPECT_FALSE(Offered(t.BedienteilOption));
  EXPECT_EQ(t.GeraetDPI, (TileState{kWithheldColour, std::nullopt, false}));  // disabled, not hidden

  m.MachineType = 3;
  m.CliWord = 8058;
  m.ClockSource = 0;
  t = TilesAfterRefresh(m);
  EXPECT_TRUE(Offered(t.GeraetSleep));
  EXPECT_TRUE(Offered(t.AuslaufModus));
  EXPECT_TRUE(Offered(t.GeraetDPI));
  EXPECT_FALSE(Offered(t.BedienteilOption));
  EXPECT_FALSE(Offered(t.DruckgeschwindigkeitFaktor));
  EXPECT_EQ(t.BedienteilProgramme, (TileState{kWithheldColour, std::nullopt, false}));
  EXPECT_EQ(t.DruckstartVerschieben, (TileState{kWithheldColour, false, std::nullopt}));

  m.MachineType = 0;
  m.ClockSource = 2;
  t = TilesAfterRefresh(m);
  EXPECT_TRUE(Offered(t.DruckgeschwindigkeitFaktor));
  EXPECT_TRUE(Offered(t.BedienteilOption));
  m.ClockSource = 0;  // the internal clock withholds the factor whatever the machine
  EXPECT_FALSE(Offered(TilesAfterRefresh(m).DruckgeschwindigkeitFaktor));

  t = TilesAfterReset();
  EXPECT_EQ(t.GeraetSleep, (TileState{kWithheldColour, false, std::nullopt}));
  EXPECT_EQ(t.GeraetDPI, (TileState{kWithheldColour, std::nullopt, std::nullopt}));  // only silver

  EXPECT_EQ(OrientationButtonsEnabled(2), (std::array<bool, 6>{false, false, true, false, false, true}));
  EXPECT_EQ(OrientationButtonsEnabled(-1), (std::array<bool, 6>{true, true, false, true, true, false}));
  EXPECT_FALSE(FilterRowShown(-1));
  EXPECT_FALSE(FilterRowShown(10));
  EXPECT_TRUE(FilterRowShown(3));
  EXPECT_TRUE(FilterRowShown(0x20));
}

TEST(DisplayRules, DerivedTexts) {
  EXPECT_EQ(ShiftLabel(0, "250 mm", "0 ms", "Aus"), "Aus");
  EXPECT_EQ(ShiftLabel(2, "250 mm", "0 ms", "Aus"), "0 ms");
  EXPECT_EQ(ShiftLabel(-1, "250 mm", "0 ms", "Aus"), "?");

  EXPECT_EQ(TargetSpeedText(1, 1100, 1500, "1500 mm/s"), "1650 mm/s");
  EXPECT_EQ(TargetSpeedText(0, 1100, 1500, "1500 mm/s"), "1500 mm/s");
  EXPECT_EQ(TargetSpeedText(2, 1100, 1500, "1500 mm/s"), "?");
  // A product beyond 32 bits is still right.
  EXPECT_EQ(TargetSpeedText(1, 10000, 2000000000, ""), "20000000000 mm/s");
  EXPECT_EQ(TargetSpeedText(1, -1500, 1000, ""), "-1500 mm/s");

  EXPECT_TRUE(CounterChangePending(true, 3, 1, 0));
  EXPECT_TRUE(CounterChangePending(true, 1, 1, 1));
  EXPECT_FALSE(CounterChangePending(false, 3, 1, 1));
  EXPECT_EQ(CounterLabel("1234", true), "(1234)");
  EXPECT_EQ(CounterLabel("1234", false), "1234");

  EXPECT_EQ(CommunicationLabel({}), "RS232, USB");
  EXPECT_EQ(CommunicationLabel({1, 1, 0, 0, 0, 0, 0, 8}), "RS232, USB, BT, LAN, WLAN");

  PrinterMirror m;
  m.CommKit = {1, 0, 0, 0, 0, 0, 0, 0};
  m.LanName = "TARVIK23";
  auto rows = CommunicationWindowRows(m);
  EXPECT_TRUE(rows.lan.fitted);
  EXPECT_EQ(rows.lan.labels[0], "TARVIK23");
  EXPECT_FALSE(rows.wlan.fitted);
  EXPECT_EQ(rows.wlan.labels[4], "-");
  m.CommKit = {0, 2, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(CommunicationWindowRows(m).wlan.labels[4], "-... dBm");
}

TEST(DisplayRules, DisplayUnitAndRemoteControl) {
  PrinterMirror m;
  m.Option = 3;
  m.CliWord = 1;
  DisplayUnitView v = DisplayUnitLines(m);
  EXPECT_FALSE(v.shown);
  EXPECT_EQ(v.title, "Display");
  EXPECT_EQ(v.value, "-");
  m.CliWord = 2;
  m.DisplayLine0 = "Tarvik23";
  m.DisplayLine1 = "Stop            ";
  v = DisplayUnitLines(m);
  EXPECT_TRUE(v.shown);
  EXPECT_EQ(v.line0, "        Tarvik23");
  EXPECT_EQ(v.line1, "Stop            ");
  EXPECT_EQ(v.title, "");
  EXPECT_EQ(DisplayUnitUnknown().value, "?");

  EXPECT_TRUE(ShowPrinterPrintText(57, 57, false, false));
  EXPECT_FALSE(ShowPrinterPrintText(57, 58, false, false));
  EXPECT_FALSE(ShowPrinterPrintText(57, 57, true, false));
  EXPECT_FALSE(ShowPrinterPrintText(57, 57, false, true));
  EXPECT_TRUE(ShowPrinterPrintMode(0x100, 3, 3, 0, 9, true));
  EXPECT_FALSE(ShowPrinterPrintMode(0x100, 2, 3, 9, 9, false));
  EXPECT_TRUE(ShowPrinterPrintMode(8, 2, 3, 9, 9, false));
  EXPECT_FALSE(ShowPrinterPrintMode(-1, 2, 3, 9, 9, true));
}

TEST(SearchStrip, TheDotSweepsFromTheNinthCharacter) {
  SearchStrip strip;
  std::vector<int> positions;
  std::uint32_t now = 1000;
  auto first = strip.Move(now, 10);  // the first move shows at once
  ASSERT_TRUE(first);
  positions.push_back(static_cast<int>(first->find('.')));
  EXPECT_FALSE(strip.Move(now + 9, 10));
  for (int i = 1; i <= 30; ++i) {
    auto s = strip.Move(now + 10u * static_cast<std::uint32_t>(i), 10);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->size(), 16u);
    EXPECT_EQ(std::count(s->begin(), s->end(), '.'), 1);
    positions.push_back(static_cast<int>(s->find('.')));
  }
  EXPECT_EQ(positions[0], 8);
  EXPECT_EQ(positions[7], 15);
  EXPECT_EQ(positions[8], 14);
  EXPECT_EQ(positions[22], 0);
  EXPECT_EQ(positions[23], 1);
}

// The state's name is what the printer said, also while the level the
// remote control sent still counts as its state (a printer slow to start).
TEST(DisplayRules, TheStateIsNamedAsThePrinterReportedIt) {
  const PrinterCaptions c;
  PrinterMirror m;
  m.ReportedState = 40;
  m.State = 50;
  DeriveCaptionTexts(m, c);
  EXPECT_EQ(m.StatusText, "Stop");
  m.ReportedState = 80;
  m.ErrorCode = 0x1A;
  m.State = 80;
  DeriveCaptionTexts(m, c);
  EXPECT_EQ(m.StatusText, "Fehler 1A");
  m.ReportedState = kUnknown;
  DeriveCaptionTexts(m, c);
  EXPECT_EQ(m.StatusText, "?");
}
