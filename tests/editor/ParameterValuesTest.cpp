// The parameters pane's values and how they travel to the print layout.
#include <gtest/gtest.h>

#include "rendering/ParameterValues.h"

using namespace editor;

TEST(ParameterValues, LengthsAreWholeMillimetresInThePaneAndTenthsInTheLayout) {
  printdata::PrintParameters p;
  p.X1.Vorlauf = 125;
  p.X1.Drucklaenge = 305;
  p.X1.Abstand = 105;
  p.X2.Nachlauf = 99;
  p.Y.VorlaufZ = 41;
  p.Y.AbstandZ = 33;
  const ParameterValueSet v = LoadParameterValues(p);
  EXPECT_EQ(v[kVorlauf], 12);
  EXPECT_EQ(v[kDrucklaenge], 30);
  EXPECT_EQ(v[kAbstand], 105);
  EXPECT_EQ(v[kNachlauf + kX2], 9);
  EXPECT_EQ(v[kVorlaufZ], 4);
  EXPECT_EQ(v[kAbstandZ], 33);
  printdata::PrintParameters back;
  StoreParameterValues(v, back);
  EXPECT_EQ(back.X1.Vorlauf, 120);
  EXPECT_EQ(back.X1.Drucklaenge, 300);
  EXPECT_EQ(back.X1.Abstand, 105);
  EXPECT_EQ(back.X2.Nachlauf, 90);
  EXPECT_EQ(back.Y.VorlaufZ, 40);
  EXPECT_EQ(back.Y.AbstandZ, 33);
}

TEST(ParameterValues, RangesCaptionsAndOrientation) {
  EXPECT_EQ(ClampParameter(kDrucklaenge, 0).Value, 1);
  EXPECT_TRUE(ClampParameter(kDrucklaenge, 1).AtMin);
  EXPECT_TRUE(ClampParameter(kDrucklaenge + kX2, 101).AtMax);
  EXPECT_EQ(ClampParameter(kAbstand, -1).Value, 0);
  EXPECT_EQ(ClampParameter(kAbstandZ, 6000).Value, 5000);
  EXPECT_EQ(ClampParameter(kLage, 90).Value, 90);  // shown as it is
  EXPECT_EQ(ParameterCaption(kVorlauf, 12), "12 mm");
  EXPECT_EQ(ParameterCaption(kAbstand, 100), "10.0 mm");
  EXPECT_EQ(ParameterCaption(kAbstand2 + kX2, 5), "0.5 mm");
  EXPECT_EQ(ParameterCaption(kAnzahlZ, 3), "3");
  EXPECT_EQ(ParameterCaption(kLage, 180), "180 \xB0");
  EXPECT_EQ(ToggledOrientation(0), 180);
  EXPECT_EQ(ToggledOrientation(180), 0);
  EXPECT_EQ(ToggledOrientation(90), 0);
}

TEST(ParameterValues, RowsAndHeightsFollowTheCounts) {
  EXPECT_EQ(RowsOfSetX(1, 5).Height, 131);
  EXPECT_FALSE(RowsOfSetX(1, 5).Abstand);
  EXPECT_EQ(RowsOfSetX(2, 1).Height, 187);
  EXPECT_TRUE(RowsOfSetX(2, 1).Anzahl2);
  EXPECT_FALSE(RowsOfSetX(2, 1).Abstand2);
  EXPECT_EQ(RowsOfSetX(2, 2).Height, 243);
  EXPECT_EQ(RowsOfSetY(1).Height, 75);
  EXPECT_TRUE(RowsOfSetY(2).AbstandZ);
  EXPECT_EQ(RowsOfSetY(2).Height, 131);
}

TEST(ParameterValues, ExtendedViewOnlyWhenX2OrYDifferFromTheDefaults) {
  printdata::PrintParameters p;
  EXPECT_FALSE(NeedsExtendedView(p));
  p.X1.Anzahl = 7;
  EXPECT_FALSE(NeedsExtendedView(p));
  p.Y.AnzahlZ = 2;
  EXPECT_TRUE(NeedsExtendedView(p));
  p = {};
  p.X2.Lage = 180;
  EXPECT_TRUE(NeedsExtendedView(p));
}

TEST(ParameterValues, ResetsAndTitles) {
  ParameterValueSet v{};
  ResetSetX(v, kX2);
  EXPECT_EQ(v[kDrucklaenge + kX2], 30);
  EXPECT_EQ(v[kAbstand + kX2], 100);
  EXPECT_EQ(v[kAbstand2 + kX2], 200);
  EXPECT_EQ(v[kAnzahl2 + kX2], 1);
  EXPECT_EQ(v[kDrucklaenge], 0);  // X1 untouched
  ResetSetY(v);
  EXPECT_EQ(v[kAnzahlZ], 1);
  EXPECT_EQ(SetTitle("Parameter", "Gesamtl\xE4nge", 300), "Parameter  -  Gesamtl\xE4nge 30.0 mm");
  EXPECT_EQ(SetTitle("Parameter Y", "Total", -5), "Parameter Y  -  Total -0.5 mm");
}
