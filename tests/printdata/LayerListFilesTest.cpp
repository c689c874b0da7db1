#include <gtest/gtest.h>

#include "FakeRenderer.h"
#include "platform/LineFile.h"
#include "printdata/LayerListFiles.h"
#include "printdata/RawBitmap.h"

using namespace printdata;
using platform::kBlack;
using platform::kRed;

namespace {

std::string Joined(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines) out += std::string(l) + "\r\n";
  return out;
}

std::string Column(const std::string& bytes, int column) { return bytes.substr(column * 4, 4); }

}  // namespace

TEST(PrinterFiles, DefaultPrintTextLists) {
  PrintText t;
  t.Layers[0].Kind = kKindText;
  EXPECT_EQ(DynamicLayerListText(t), Joined({"0", "5", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(ParameterFileText(t), Joined({"0", "30", "1", "10", "1", "20", "0", "0",       //
                                          "0", "300", "1", "100", "1", "200", "0", "0",  //
                                          "0", "300", "1", "100", "1", "200", "0", "0",  //
                                          "0", "0", "1", "0"}));
}

TEST(PrinterFiles, DynamicLayerList) {
  PrintText t;
  t.Layers[0].Kind = kKindText;
  t.Layers[2].Kind = kKindDate;  // mask 127
  EXPECT_EQ(DynamicLayerListText(t), Joined({"1", "5", "0", "0", "2", "0", "0"}));
  t.Layers[2].WeekdayMask = 0;
  t.Layers[3].Kind = kKindTime;
  t.Layers[3].Interval = 30;
  t.Layers[4].Kind = kKindTime;
  t.Layers[4].Interval = -1;
  EXPECT_EQ(DynamicLayerListText(t), Joined({"1", "5", "0", "0", "0", "3", "0"}));
  t.Layers[1].Kind = kKindDate;
  t.Layers[1].WeekdayMask = 0x80 | 0x40;  // any of the seven weekday bits makes it dynamic
  t.Layers[2].WeekdayMask = 0x80;
  EXPECT_EQ(DynamicLayerListText(t), Joined({"2", "5", "0", "2", "0", "3", "0"}));
}

TEST(PrinterFiles, ParameterFileDropsTenthsOnlyInTheFirstBlock) {
  PrintText t;
  t.Parameters.X1 = {55, 305, 3, 105, 2, 219, 71, 180};
  t.Parameters.X2.Abstand = 7;
  t.Parameters.Y = {10, 25, 4, 20};
  std::vector<std::string> lines = platform::SplitLines(ParameterFileText(t));
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
            (std::vector<std::string>{"5", "30", "3", "10", "2", "21", "7", "180"}));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 16),
            (std::vector<std::string>{"55", "305", "3", "105", "2", "219", "71", "180"}));
  EXPECT_EQ(lines[19], "7");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 24, lines.end()),
            (std::vector<std::string>{"10", "25", "4", "20"}));
}

TEST(RawBitmap, DotsPackIntoFourBytesPerColumn) {
  struct Case { int row; const char* bytes; } cases[] = {
      {0, "\x01\x00\x00\x00"}, {9, "\x00\x02\x00\x00"}, {23, "\x00\x00\x80\x00"}, {24, "\x00\x00\x00\x01"},
      {7, "\x80\x00\x00\x00"}, {16, "\x00\x00\x01\x00"}};
  for (const Case& c : cases) {
    std::string bytes = RawBitmapBytes(3, [&](int x, int y) { return x == 0 && y == c.row; });
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(Column(bytes, 0), std::string(c.bytes, 4)) << c.row;
    EXPECT_EQ(Column(bytes, 1), std::string(4, '\0'));
  }
  EXPECT_EQ(RawBitmapBytes(1, [](int, int) { return true; }), std::string("\xFF\xFF\xFF\x01", 4));
  EXPECT_EQ(RawBitmapBytes(0, [](int, int) { return true; }), "");
}

TEST(RawBitmap, StaticBitmapIsTheUnionOfTheStaticLayersBlackPixels) {
  testrender::FakeRenderer r;
  PrintText t;
  t.Layers[0].Kind = kKindText;
  t.Layers[1].Kind = kKindGraphic;
  t.Layers[2].Kind = kKindDate;  // dynamic: prints nothing here
  t.Layers[3].Kind = kKindNone;
  t.Layers[4].Kind = kKindTime;
  t.Layers[4].Interval = -1;  // static
  r.Draw = [](testrender::FakeRenderer& f) {
    f.Images[0].SetPixel(0, 0, kBlack);
    f.Images[1].SetPixel(5, 24, kBlack);
    f.Images[1].SetPixel(6, 3, kRed);  // only black prints
    f.Images[2].SetPixel(7, 7, kBlack);
    f.Images[3].SetPixel(8, 8, kBlack);
    f.Images[4].SetPixel(179, 12, kBlack);
  };
  r.LoadAndRender(t);
  const std::string bytes = StaticLayerBitmap(r);
  ASSERT_EQ(bytes.size(), 720u);
  std::string expected(720, '\0');
  expected[0] = 1;
  expected[5 * 4 + 3] = 1;
  expected[179 * 4 + 1] = 0x10;
  EXPECT_EQ(bytes, expected);
}
