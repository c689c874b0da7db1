#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "TestValues.h"
#include "rendering/LayerText.h"
#include "editor/WorkCopyRenderer.h"
#include "printdata/CharacterSet.h"
#include "printdata/DateTimeLayerFiles.h"
#include "printdata/PrinterFileReading.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

using namespace printdata;
using editor::kMaxSpacing;

namespace {

// The editor's renderer on a working copy and images of its own, at a
// fixed time.
struct Rig {
  PrintText work;
  editor::PreviewImages images;
  editor::WorkCopyRenderer renderer{work, images, [] { return testvalues::At(); }};
};

using printerfiles::Columns;
using printerfiles::LfLines;

struct Written {
  std::vector<std::string> description;
  std::vector<std::uint32_t> glyphs;
};

// Writes the D or T files of layer 2 holding `layer` and reads them back.
Written WriteLayer(const LayerObject& layer, bool date, const testsupport::TempDir& dir) {
  Rig rig;
  auto& r = rig.renderer;
  PrintText t;
  t.Layers[2] = layer;
  r.LoadAndRender(t);
  const std::string pam = dir / (date ? "D2.pam" : "T2.pam");
  const std::string r23 = dir / (date ? "D2.r23" : "T2.r23");
  EXPECT_TRUE((date ? WriteDateDescription(2, pam, r) : WriteTimeDescription(2, pam, r)).ok());
  EXPECT_TRUE((date ? WriteDateGlyphs(2, r23, r) : WriteTimeGlyphs(2, r23, r)).ok());
  const std::string description = testsupport::FileBytes(pam), glyphs = testsupport::FileBytes(r23);
  EXPECT_EQ(description.back(), '\n');
  EXPECT_EQ(glyphs.size() % 4, 0u);
  for (std::uint32_t column : Columns(glyphs)) EXPECT_EQ(column >> 25, 0u);
  return {LfLines(description), Columns(glyphs)};
}

LayerObject DynamicDate() {
  LayerObject l = DefaultLayer(2);
  l.Kind = kKindDate;
  return l;
}

LayerObject DynamicTime() {
  LayerObject l = DefaultLayer(2);
  l.Kind = kKindTime;
  return l;
}

}  // namespace

TEST(DateTimeLayerFiles, DateDescriptionLines) {
  testsupport::TempDir dir;
  LayerObject l = DynamicDate();
  l.DayOffset = -3;
  l.PosX = 40;
  l.WeekdayNames[0] = "MONTAG";
  l.MonthNames[11] = "DEZEMBER";
  const Written w = WriteLayer(l, true, dir);
  const auto& d = w.description;
  ASSERT_EQ(d.size(), 22u + 26u);
  EXPECT_EQ(d[0], "\xA2.\xC2.\xD3");
  EXPECT_EQ(d[1], "127");
  EXPECT_EQ(d[2], "-3");
  EXPECT_EQ(d[3], "40");
  EXPECT_EQ(d[4], "22");
  EXPECT_EQ(d[5], "0 1 2 3 4 5 6 7 8 9 . ");
  // 12-point Arial: digits 9 dots wide, the full stop and the blank 4.
  for (int k = 0; k < 22; ++k) {
    const char c = d[5][k];
    EXPECT_EQ(d[6 + k], c >= '0' && c <= '9' ? "9" : "4") << k;
  }
  EXPECT_EQ(d[28], "MONTAG");
  EXPECT_EQ(d[34], "");
  EXPECT_EQ(d[46], "DEZEMBER");
  EXPECT_EQ(d[47], "dd.mm.yyyy");
  EXPECT_EQ(w.glyphs.size(), 10u * 9 + 4 + 11u * 4 + 1);
}

TEST(DateTimeLayerFiles, TimeDescriptionLines) {
  testsupport::TempDir dir;
  LayerObject l = DynamicTime();
  l.TimeCode = "\xD0:\xB2 \xE0";
  l.AmText = "AM";
  l.PmText = "PM";
  l.TimeFormat = "hh:mm AM/PM";
  l.Interval = 30;
  l.TimeOffset = -3600;
  l.Spacing = 2;
  const Written w = WriteLayer(l, false, dir);
  const auto& d = w.description;
  ASSERT_EQ(d.size(), 28u + 9u);
  EXPECT_EQ(d[1], "30");
  EXPECT_EQ(d[2], "-3600");
  EXPECT_EQ(d[3], "24");
  EXPECT_EQ(d[4], "28");
  EXPECT_EQ(d[5], "0 1 2 3 4 5 6 7 8 9 : A M P ");
  EXPECT_EQ(d[6], "11");  // "0": 9 + spacing 2
  EXPECT_EQ(d[7], "6");   // the blank: 4 + 2
  EXPECT_EQ(d[34], "AM");
  EXPECT_EQ(d[35], "PM");
  EXPECT_EQ(d[36], "hh:mm AM/PM");
  // A file's interval that no choice offers is written as the unsigned number.
  l.Interval = -5;
  EXPECT_EQ(WriteLayer(l, false, dir).description[1], "4294967291");
}

TEST(DateTimeLayerFiles, WidthsLocateEveryGlyphInTheBitmap) {
  testsupport::TempDir dir;
  struct Case { const char* font; std::uint8_t style; int spacing, height, width; int entry; } cases[] = {
      {"Arial", 0, 0, 12, 7, 0},           {"Arial", kFontBold, 2, 12, 7, 31},
      {"Arial", kFontItalic, -1, 12, 7, 36}, {"DejaVu Sans", 0, 100, 14, 9, 29},
      {"Arial", kFontItalic | kFontBold, 1, 16, 12, 33}, {"Liberation Serif", 0, 0, 10, 5, 0},
  };
  const std::array<std::string, 12> months = {"JANUAR", "FEBRUAR", "MAERZ", "APRIL", "MAI", "JUNI", "JULI",
                                              "AUGUST", "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
  const std::array<std::string, 7> days = {"MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.font) + " spacing " + std::to_string(c.spacing));
    LayerObject l = DynamicDate();
    l.FontName = c.font;
    l.FontStyle = c.style;
    l.Spacing = c.spacing;
    l.Height = c.height;
    l.Width = c.width;
    l.DateCode = c.entry == 29 || c.entry == 33 ? "\xC3\xA2" : c.entry ? "\xB1 \xA2.\xC2.\xD3" : "\xA2.\xC2.\xD3";
    l.MonthNames = months;
    l.WeekdayNames = days;
    const Written w = WriteLayer(l, true, dir);
    const std::size_t L = std::stoul(w.description[4]);
    const std::string set = w.description[5];
    ASSERT_EQ(set.size(), L);
    std::vector<int> widths;
    for (std::size_t k = 0; k < L; ++k) widths.push_back(std::stoi(w.description[6 + k]));
    const int sum = std::accumulate(widths.begin(), widths.end(), 0);
    // The bitmap is the whole set as one text plus one column: the widths
    // with the last blank's spacing left out.
    EXPECT_EQ(static_cast<int>(w.glyphs.size()), sum - c.spacing + 1);
    std::vector<int> owner(w.glyphs.size(), -1);
    int start = 0;
    for (std::size_t k = 0; k < L; ++k) {
      for (int x = start; x < start + widths[k] && x < static_cast<int>(owner.size()); ++x)
        if (x >= 0) owner[static_cast<std::size_t>(x)] = static_cast<int>(k);
      start += widths[k];
    }
    int inked = 0;
    for (std::size_t x = 0; x < w.glyphs.size(); ++x) {
      if (!w.glyphs[x]) continue;
      ASSERT_GE(owner[x], 0) << "ink past the last glyph at column " << x;
      EXPECT_NE(set[static_cast<std::size_t>(owner[x])], ' ') << "ink in a separator at column " << x;
      ++inked;
    }
    EXPECT_GT(inked, 0);
  }
}

TEST(DateTimeLayerFiles, AnUnderlineRunsUnbrokenUnderTheWholeStrip) {
  testsupport::TempDir dir;
  LayerObject l = DynamicDate();
  l.FontStyle = kFontUnderline;
  const auto glyphs = WriteLayer(l, true, dir).glyphs;
  std::uint32_t common = 0x1FFFFFF;
  for (std::uint32_t column : glyphs) common &= column;
  EXPECT_NE(common, 0u);
}

TEST(DateTimeLayerFiles, GlyphsCarryTheVerticalPosition) {
  testsupport::TempDir dir;
  LayerObject l = DynamicDate();
  const auto base = WriteLayer(l, true, dir).glyphs;
  l.PosY = 5;  // cells' top at row -8: five rows higher
  const auto up = WriteLayer(l, true, dir).glyphs;
  ASSERT_EQ(base.size(), up.size());
  for (std::size_t x = 0; x < base.size(); ++x) EXPECT_EQ(up[x], base[x] >> 5) << x;
  l.PosY = -10;
  const auto down = WriteLayer(l, true, dir).glyphs;
  for (std::size_t x = 0; x < base.size(); ++x) EXPECT_EQ(down[x], (base[x] << 10) & 0x1FFFFFF) << x;
}

TEST(DateTimeLayerFiles, SpacingWidensTheBitmap) {
  testsupport::TempDir dir;
  LayerObject l = DynamicDate();
  const auto plain = WriteLayer(l, true, dir).glyphs.size();
  l.Spacing = 2;
  EXPECT_EQ(WriteLayer(l, true, dir).glyphs.size(), plain + 2 * (22 - 1));
  l.Spacing = 1000000;  // only a file holds this: bounded like every layer value
  EXPECT_EQ(WriteLayer(l, true, dir).glyphs.size(), plain + kMaxSpacing * (22 - 1));
}

TEST(DateTimeLayerFiles, OnlyDynamicDatesAndTimesGetFiles) {
  testsupport::TempDir dir;
  struct Case { std::uint8_t kind; std::int32_t mask, interval; } cases[] = {
      {kKindDate, 0, 0}, {kKindTime, 127, -1}, {kKindText, 127, 0}, {kKindGraphic, 127, 0}, {kKindNone, 127, 0}};
  for (const Case& c : cases) {
    Rig rig;
    auto& r = rig.renderer;
    PrintText t;
    t.Layers[1].Kind = c.kind;
    t.Layers[1].WeekdayMask = c.mask;
    t.Layers[1].Interval = c.interval;
    r.LoadAndRender(t);
    EXPECT_TRUE(WriteDateDescription(1, dir / "D1.pam", r).ok());
    EXPECT_TRUE(WriteDateGlyphs(1, dir / "D1.r23", r).ok());
    EXPECT_TRUE(WriteTimeDescription(1, dir / "T1.pam", r).ok());
    EXPECT_TRUE(WriteTimeGlyphs(1, dir / "T1.r23", r).ok());
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  Rig rig;
  auto& r = rig.renderer;
  r.LoadAndRender(PrintText{});
  EXPECT_FALSE(WriteDateDescription(5, dir / "D5.pam", r).ok());
  EXPECT_FALSE(WriteTimeGlyphs(-1, dir / "T.r23", r).ok());
}

TEST(DateTimeLayerFiles, ACharacterSetBeyondTheDescriptionFailsInsteadOfBeingCut) {
  testsupport::TempDir dir;
  Rig rig;
  auto& r = rig.renderer;
  PrintText t;
  t.Layers[0] = DynamicDate();
  t.Layers[0].DateCode = "\xB1\xC3";
  // 19 names of up to 20 distinct characters each: far beyond 100.
  for (int i = 0; i < 7; ++i) t.Layers[0].WeekdayNames[i] = std::string(1, char('A' + i)) + char('a' + i) + "\xC0\xC1\xC2";
  for (int i = 0; i < 12; ++i)
    for (int k = 0; k < 20; ++k) t.Layers[0].MonthNames[i] += static_cast<char>(0x21 + (i * 20 + k) % 200);
  r.LoadAndRender(t);
  EXPECT_GT(DateCharset(t.Layers[0]).size(), 2 * kMaxCharsetChars);
  EXPECT_FALSE(WriteDateDescription(0, dir / "D0.pam", r).ok());
  EXPECT_FALSE(WriteDateGlyphs(0, dir / "D0.r23", r).ok());
  // Exactly 100 characters still fit.
  t.Layers[0].DateCode = "\xC3";
  for (int i = 0; i < 12; ++i) t.Layers[0].MonthNames[i] = i < 5 ? std::string() : "";
  for (int i = 0; i < 5; ++i)
    for (int k = 0; k < 20; ++k) t.Layers[0].MonthNames[i] += static_cast<char>(0x21 + i * 20 + k);
  r.LoadAndRender(t);
  EXPECT_EQ(DateCharset(t.Layers[0]).size(), 200u);
  EXPECT_TRUE(WriteDateDescription(0, dir / "D0.pam", r).ok());
  EXPECT_TRUE(WriteDateGlyphs(0, dir / "D0.r23", r).ok());
}

TEST(DateTimeLayerFiles, AFileThatCannotBeWrittenFails) {
  Rig rig;
  auto& r = rig.renderer;
  PrintText t;
  t.Layers[0] = DynamicDate();
  r.LoadAndRender(t);
  EXPECT_FALSE(WriteDateDescription(0, "/nonexistent-folder-23/D0.pam", r).ok());
  EXPECT_FALSE(WriteDateGlyphs(0, "/nonexistent-folder-23/D0.r23", r).ok());
}
