#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "printdata/Copy.h"
#include "printdata/Init.h"
#include "printdata/PrintGroup.h"

using namespace printdata;

namespace {

// A print text with every part different from the defaults.
PrintText Changed() {
  PrintText t;
  t.Version = 3;
  for (auto& layer : t.Layers) {
    layer.Kind = kKindDate;
    layer.FontName = "Courier";
    layer.PosX = -7;
    layer.WeekdayNames[6] = "So";
    layer.MonthNames[11] = "Dez";
    layer.Pixels = "01";
  }
  t.Parameters.X1.Drucklaenge = 150;
  t.Parameters.X2.Lage = 180;
  t.Parameters.Y.AnzahlZ = 4;
  t.Note = "a\r\nb";
  return t;
}

}  // namespace

TEST(Records, DefaultsAreThoseOfANewLayer) {
  const PrintText t;
  for (int i = 0; i < kLayerCount; ++i) {
    const LayerObject& l = t.Layers[i];
    EXPECT_EQ(l.PosX, 12 * i);
    EXPECT_EQ(l.Kind, kKindNone);
    EXPECT_EQ(l.FontName, "Arial");
    EXPECT_EQ(l.FontStyle, 0);
    EXPECT_EQ(l.Spacing, 0);
    EXPECT_EQ(l.Height, 12);
    EXPECT_EQ(l.Width, 7);
    EXPECT_EQ(l.PosY, 0);
    EXPECT_EQ(l.Text, "ABC");
    EXPECT_EQ(l.DateFormat, "dd.mm.yyyy");
    EXPECT_EQ(l.DateCode, std::string("\xA2\x2E\xC2\x2E\xD3", 5));
    EXPECT_EQ(l.WeekdayMask, 127);
    EXPECT_EQ(l.TimeFormat, "hh:mm:ss");
    EXPECT_EQ(l.TimeCode, std::string("\xD2\x3A\xB2\x3A\xA2", 5));
    EXPECT_EQ(l.Interval, 0);
    EXPECT_EQ(l.GraphicHeight, 25);
    EXPECT_EQ(l.GraphicWidth, 50);
    EXPECT_EQ(l.Pixels, std::string(1250, '1'));
    for (const auto& n : l.WeekdayNames) EXPECT_EQ(n, "");
    for (const auto& n : l.MonthNames) EXPECT_EQ(n, "");
  }
  for (const auto* set : {&t.Parameters.X1, &t.Parameters.X2}) {
    EXPECT_EQ(set->Vorlauf, 0);
    EXPECT_EQ(set->Drucklaenge, 300);
    EXPECT_EQ(set->Anzahl, 1);
    EXPECT_EQ(set->Abstand, 100);
    EXPECT_EQ(set->Anzahl2, 1);
    EXPECT_EQ(set->Abstand2, 200);
    EXPECT_EQ(set->Nachlauf, 0);
    EXPECT_EQ(set->Lage, 0);
  }
  EXPECT_EQ(t.Parameters.Y, (ParameterSetY{0, 0, 1, 0}));
  EXPECT_EQ(t.Version, 9u);
  EXPECT_EQ(t.Note, "");
}

TEST(Records, GroupInitResetsEveryPrintText) {
  auto group = std::make_unique<PrintGroup>();
  group->Version = 4;
  group->Protection = "7";
  group->Note = "x";
  for (auto& t : group->Texts) t = Changed();
  GroupInit(*group);
  EXPECT_EQ(*group, PrintGroup{});
  const LayerObject& l = group->Texts[56].Layers[2];
  EXPECT_EQ(l.PosX, 24);
  EXPECT_EQ(l.Pixels, std::string(1250, '1'));
}

TEST(Records, PrintTextInitResetsAChangedText) {
  PrintText t = Changed();
  PrintTextInit(t);
  EXPECT_EQ(t, PrintText{});
}

TEST(Records, CopyTakesEverythingButTheVersion) {
  const PrintText source = Changed();
  PrintText destination;
  PrintTextCopy(source, destination);
  EXPECT_EQ(destination.Version, 9u);
  PrintText expected = source;
  expected.Version = 9;
  EXPECT_EQ(destination, expected);
  EXPECT_EQ(source, Changed());

  PrintTextCopy(destination, destination);
  EXPECT_EQ(destination, expected);
}

TEST(Records, PartialCopiesTouchOnlyTheirPart) {
  const PrintText source = Changed();
  struct Case {
    const char* name;
    std::function<void(const PrintText&, PrintText&)> copy;
    bool layers, parameters, note;
  } cases[] = {
      {"LayersCopy", LayersCopy, true, false, false},
      {"ParametersCopy", ParametersCopy, false, true, false},
      {"NoteCopy", NoteCopy, false, false, true},
  };
  for (const auto& c : cases) {
    PrintText d;
    c.copy(source, d);
    EXPECT_EQ(d.Layers == source.Layers, c.layers) << c.name;
    EXPECT_EQ(d.Layers == PrintText{}.Layers, !c.layers) << c.name;
    EXPECT_EQ(d.Parameters == source.Parameters, c.parameters) << c.name;
    EXPECT_EQ(d.Parameters == PrintParameters{}, !c.parameters) << c.name;
    EXPECT_EQ(d.Note == source.Note, c.note) << c.name;
    EXPECT_EQ(d.Version, 9u) << c.name;
  }
  PrintText d;
  ParametersX2Copy(source, d);
  EXPECT_EQ(d.Parameters.X2, source.Parameters.X2);
  EXPECT_EQ(d.Parameters.X1, ParameterSetX{});
  EXPECT_EQ(d.Parameters.Y, ParameterSetY{});
}
