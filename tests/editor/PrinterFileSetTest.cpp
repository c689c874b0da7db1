#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "rendering/DateFormats.h"
#include "rendering/LayerRendering.h"
#include "rendering/TimeFormats.h"
#include "editor/WorkCopyRenderer.h"
#include "platform/LineFile.h"
#include "printdata/DownloadSet.h"
#include "printdata/RawBitmap.h"
#include "printdata/StaticLayer.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "TestValues.h"
#include "printdata/PrinterFileReading.h"

using namespace editor;
using namespace printdata;
namespace fs = std::filesystem;
using printerfiles::Columns;
using printerfiles::LfLines;
using testvalues::At;

namespace {

struct Built {
  std::string folder;
  std::string Read(const std::string& name) const { return testsupport::FileBytes(folder + "/" + name); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

class PrinterFileSet : public ::testing::Test {
 protected:
  testsupport::TempDir tmp;
  std::unique_ptr<PrintGroup> group = std::make_unique<PrintGroup>();
  PrintText work;
  PreviewImages images;
  WorkCopyRenderer renderer{work, images, [] { return At(); }};

  Built Build(const PrintText& text) {
    group->Texts[0] = text;
    const std::string folder = tmp / "001";
    EXPECT_EQ(BuildPrintTextFiles(0, folder, *group, renderer), kBuildDone);
    return {folder};
  }
};

PrintText WithText() {
  PrintText t;
  t.Layers[0].Kind = kKindText;
  return t;
}

}  // namespace

TEST_F(PrinterFileSet, DefaultPrintTextWithOneTextLayer) {
  const Built b = Build(WithText());
  EXPECT_EQ(b.Files(), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam"}));
  const std::string r23 = b.Read("BS.r23");
  ASSERT_EQ(r23.size(), 720u);
  EXPECT_EQ(b.Read("BS.u23"), "0\r\n5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(platform::SplitLines(b.Read("DT.pam")),
            (std::vector<std::string>{"0", "30", "1", "10", "1", "20", "0", "0", "0", "300", "1", "100", "1", "200",
                                      "0", "0", "0", "300", "1", "100", "1", "200", "0", "0", "0", "0", "1", "0"}));
  // The raw bitmap is the "ABC" of layer 1, dot for dot.
  const auto columns = Columns(r23);
  int dots = 0;
  for (int x = 0; x < 180; ++x)
    for (int y = 0; y < 25; ++y) {
      const bool dot = columns[x] >> y & 1;
      EXPECT_EQ(dot, images.Layers[0].Pixel(x, y) == platform::kBlack) << x << "," << y;
      dots += dot;
    }
  EXPECT_GT(dots, 50);
  // "ABC" at 12 points is 34 dots wide.
  for (int x = 34; x < 180; ++x) EXPECT_EQ(columns[x], 0u) << x;
}

TEST_F(PrinterFileSet, StaticBitmapIsTheUnionOfTheStaticLayers) {
  PrintText t = WithText();
  t.Layers[1].Kind = kKindGraphic;
  t.Layers[1].PosY = 10;
  t.Layers[2].Kind = kKindDate;
  t.Layers[2].WeekdayMask = 0;
  t.Layers[2].DatePreview = "31.12.1999";
  t.Layers[3].Kind = kKindTime;  // dynamic: not in the bitmap
  t.Layers[4].Kind = kKindTime;
  t.Layers[4].Interval = -1;
  t.Layers[4].TimePreview = "12:00";
  t.Layers[4].PosY = -12;
  const auto columns = Columns(Build(t).Read("BS.r23"));
  for (int x = 0; x < 180; ++x)
    for (int y = 0; y < 25; ++y) {
      bool expected = false;
      for (int n = 0; n < 5; ++n)
        expected = expected || (IsStaticLayer(work, n) && images.Layers[n].Pixel(x, y) == platform::kBlack);
      ASSERT_EQ(bool(columns[x] >> y & 1), expected) << x << "," << y;
    }
  // The dynamic time layer was drawn, but prints only through its own files.
  bool timeInk = false;
  for (int x = 0; x < 180; ++x) timeInk = timeInk || images.Layers[3].Pixel(x, 5) == platform::kBlack;
  EXPECT_TRUE(timeInk);
}

TEST_F(PrinterFileSet, DynamicAndStaticDatesAndTimes) {
  const std::string textOnly = Build(WithText()).Read("BS.r23");

  PrintText t = WithText();
  t.Layers[2].Kind = kKindDate;  // mask 127
  Built b = Build(t);
  EXPECT_EQ(b.Read("BS.r23"), textOnly);
  EXPECT_EQ(b.Read("BS.u23"), "1\r\n5\r\n0\r\n0\r\n2\r\n0\r\n0\r\n");
  EXPECT_EQ(b.Files(), (std::vector<std::string>{"BS.r23", "BS.u23", "D2.pam", "D2.r23", "DT.pam"}));

  t.Layers[2].WeekdayMask = 0;
  t.Layers[2].DatePreview = "05.03.2024";
  b = Build(t);
  EXPECT_NE(b.Read("BS.r23"), textOnly);
  EXPECT_EQ(b.Read("BS.u23"), "0\r\n5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(b.Files(), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam"}));

  t = WithText();
  t.Layers[4].Kind = kKindTime;
  t.Layers[4].Interval = -1;
  t.Layers[4].TimePreview = "13:05:09";
  b = Build(t);
  EXPECT_NE(b.Read("BS.r23"), textOnly);
  EXPECT_EQ(b.Files(), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam"}));
  t.Layers[4].Interval = 30;
  b = Build(t);
  EXPECT_EQ(b.Read("BS.r23"), textOnly);
  EXPECT_EQ(b.Read("BS.u23"), "1\r\n5\r\n0\r\n0\r\n0\r\n0\r\n3\r\n");
  EXPECT_EQ(b.Files(), (std::vector<std::string>{"BS.r23", "BS.u23", "DT.pam", "T4.pam", "T4.r23"}));

  // Kind none contributes nothing anywhere.
  t = PrintText{};
  b = Build(t);
  EXPECT_EQ(b.Read("BS.r23"), std::string(720, '\0'));
}

TEST_F(PrinterFileSet, ParametersAreThoseTheEditorKeeps) {
  PrintText t = WithText();
  t.Parameters.X1.Drucklaenge = 15;
  t.Parameters.X1.Vorlauf = 55;
  t.Parameters.X1.Abstand = 105;
  const Built b = Build(t);
  EXPECT_EQ(b.Read("BS.r23").size(), 24u);
  const auto lines = platform::SplitLines(b.Read("DT.pam"));
  EXPECT_EQ(lines[0], "5");
  EXPECT_EQ(lines[1], "1");
  EXPECT_EQ(lines[3], "10");
  EXPECT_EQ(lines[8], "50");
  EXPECT_EQ(lines[9], "10");
  EXPECT_EQ(lines[11], "105");
}

// What the printer does with a dynamic layer's files, put together from the
// glyph strip by the widths, is what the PC draws for the same text.
TEST_F(PrinterFileSet, DynamicTextsComposeToWhatThePcDraws) {
  struct Case { bool date; int entry; int spacing; int posX, posY; std::uint8_t style; } cases[] = {
      {true, 0, 0, 12, 0, 0},          {true, 31, 2, 0, 3, 0},   {true, 36, -1, 30, -4, kFontBold},
      {true, 29, 1, 5, 0, kFontItalic}, {false, 0, 0, 20, 0, 0},  {false, 5, 3, 0, -2, kFontItalic},
      {false, 11, -1, 7, 1, kFontBold},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.date) + " entry " + std::to_string(c.entry));
    PrintText t;
    LayerObject& l = t.Layers[1];
    l.Kind = c.date ? kKindDate : kKindTime;
    l.Spacing = c.spacing;
    l.PosX = c.posX;
    l.PosY = c.posY;
    l.FontStyle = c.style;
    if (c.date) ApplyDateFormat(t, 1, c.entry, At());
    else ApplyTimeFormat(t, 1, c.entry, At());
    t.Parameters.X1.Drucklaenge = 1000;
    const Built dynamic = Build(t);
    const std::string prefix = c.date ? "D1" : "T1";
    const auto pam = LfLines(dynamic.Read(prefix + ".pam"));
    const auto strip = Columns(dynamic.Read(prefix + ".r23"));
    const std::string set = pam[5];
    const std::string text = c.date ? work.Layers[1].DatePreview : work.Layers[1].TimePreview;
    ASSERT_FALSE(text.empty());

    std::vector<std::uint32_t> composed(600, 0);
    long x = std::stol(pam[3]);
    for (char ch : text) {
      long start = 0;
      std::size_t k = 0;
      for (; k < set.size() && set[k] != ch; ++k) start += std::stol(pam[6 + k]);
      ASSERT_LT(k, set.size()) << "'" << ch << "' is not in the set";
      const long width = std::stol(pam[6 + k]);
      for (long i = 0; i < width; ++i)
        if (x + i >= 0 && x + i < 600) composed[x + i] |= strip[start + i];
      x += width;
    }

    // The same layer as a static one, drawn by the PC.
    if (c.date) l.WeekdayMask = 0, l.DatePreview = text;
    else l.Interval = -1, l.TimePreview = text;
    auto drawn = Columns(Build(t).Read("BS.r23"));
    ASSERT_EQ(drawn.size(), 600u);
    // With spacing -1 every span is one column short of its character; the
    // PC's last character keeps that column because nothing follows it.
    if (c.spacing < 0 && x >= 0 && x < 600) drawn[x] = composed[x];
    EXPECT_EQ(composed, drawn);
  }
}

TEST_F(PrinterFileSet, WholeSetThroughTheEditorsRenderer) {
  group->Texts[0] = WithText();
  group->Texts[1].Layers[0].Kind = kKindDate;
  group->Texts[2].Layers[3].Kind = kKindTime;
  EXPECT_EQ(BuildDownloadSet(*group, 3, "Eier", tmp.path(), renderer), kBuildDone);
  const std::string root = tmp / "DOWNLOAD";
  EXPECT_TRUE(fs::exists(root + "/002/D0.r23"));
  EXPECT_TRUE(fs::exists(root + "/003/T3.pam"));
  // The working copy holds the last print text built.
  EXPECT_EQ(work.Layers[3].Kind, kKindTime);
  EXPECT_EQ(work.Layers[3].TimePreview, "13:05:09");
}
