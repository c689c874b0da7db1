#include <gtest/gtest.h>

#include "rendering/LayerRendering.h"
#include "rendering/RowPainting.h"

using namespace editor;
using printdata::LayerObject;
using printdata::PrintText;

TEST(RowPainting, TheRowPictureIsTheUnionOfAllLayersInk) {
  PrintText work;
  work.Parameters.X1.Drucklaenge = 300;
  PreviewImages images;
  SizePreviewImages(images, 180);
  images.Layers[0].SetPixel(0, 0, platform::kBlack);
  images.Layers[4].SetPixel(179, 24, platform::kBlack);
  images.Layers[2].SetPixel(5, 5, platform::kRed);
  const platform::Bitmap row = ComposeRowImage(images, work);
  EXPECT_EQ(row.Width(), 180);
  EXPECT_EQ(row.Height(), 25);
  EXPECT_EQ(row.Pixel(0, 0), platform::kBlack);
  EXPECT_EQ(row.Pixel(179, 24), platform::kBlack);
  EXPECT_EQ(row.Pixel(5, 5), platform::kRed);
  EXPECT_EQ(row.Pixel(1, 1), platform::kWhite);
  EXPECT_EQ(RowImageControlWidth(work, 2), 360);
  work.Parameters.X1.Drucklaenge = 15;
  EXPECT_EQ(ComposeRowImage(images, work).Width(), 6);
}

TEST(RowPainting, LayerSummaries) {
  const LayerSummaryTexts texts;
  LayerObject l;
  EXPECT_EQ(LayerSummary(l, texts), "-");
  l.Kind = 7;
  EXPECT_EQ(LayerSummary(l, texts), "-");
  l.Kind = printdata::kKindText;
  l.Text = " \tABC \x01";
  EXPECT_EQ(LayerSummary(l, texts), "Text ABC");
  l.Kind = printdata::kKindGraphic;
  EXPECT_EQ(LayerSummary(l, texts), "Grafik");

  l.Kind = printdata::kKindDate;
  l.DayOffset = -3;
  struct DateCase { std::int32_t mask; const char* change; } dates[] = {
      {127, "T\xE4glich"}, {9, "Montag/Donnerstag"}, {64, "Sonntag"}, {0, "Nie"}, {3, "T\xE4glich"}};
  for (const DateCase& c : dates) {
    l.WeekdayMask = c.mask;
    EXPECT_EQ(LayerSummary(l, texts), std::string("Datum, Offset -3, Wechsel ") + c.change + ", Format dd.mm.yyyy");
  }

  l.Kind = printdata::kKindTime;
  struct TimeCase { std::int32_t interval, offset; const char* text; } times[] = {
      {0, 0, "Zeit, Offset 0, Wechsel Forlaufend, Format hh:mm:ss"},
      {-1, -90, "Zeit, Offset -1, Wechsel Nie, Format hh:mm:ss"},
      {600, 5400, "Zeit, Offset 01:30, Wechsel 10 Minuten, Format hh:mm:ss"},
      {43200, 90000, "Zeit, Offset +?, Wechsel 12 Stunden, Format hh:mm:ss"},
      {45, 0, "Zeit, Offset 0, , Format hh:mm:ss"},
  };
  for (const TimeCase& c : times) {
    l.Interval = c.interval;
    l.TimeOffset = c.offset;
    EXPECT_EQ(LayerSummary(l, texts), c.text);
  }
}

TEST(RowPainting, ParameterValuesAndWhichOfThemShow) {
  printdata::ParameterSetX x1;
  RowParameterTexts t = RowParameters(x1);
  EXPECT_EQ(t.Vorlauf, "0 mm");
  EXPECT_EQ(t.Drucklaenge, "30 mm");
  EXPECT_EQ(t.Lage, "0 \xB0");
  EXPECT_EQ(t.Abstand, "10.0 mm");
  EXPECT_EQ(t.Abstand2, "20.0 mm");
  EXPECT_FALSE(t.ShowAbstand);
  EXPECT_FALSE(t.ShowGroups);
  x1 = {55, 305, 2, 105, 1, 7, 71, 90};
  t = RowParameters(x1);
  EXPECT_EQ(t.Vorlauf, "5 mm");
  EXPECT_EQ(t.Nachlauf, "7 mm");
  EXPECT_EQ(t.Lage, "180 \xB0");
  EXPECT_EQ(t.Abstand, "10.5 mm");
  EXPECT_EQ(t.Abstand2, "0.7 mm");
  EXPECT_TRUE(t.ShowAbstand);
  EXPECT_FALSE(t.ShowGroups);
  x1.Anzahl2 = 3;
  EXPECT_TRUE(RowParameters(x1).ShowGroups);
  x1.Abstand = -5;
  EXPECT_EQ(RowParameters(x1).Abstand, "-0.5 mm");
}
