#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileFixture.h"
#include "printdata/PrintTextFile.h"
#include "printdata/PrintTextFormat.h"

using namespace printdata;
using Lines = std::vector<std::string>;

namespace {

// Line index (0-based) of line `n` (1-based, as the file layout counts) of
// layer block `layer` in a version 9 file whose blocks have no pixel rows.
std::size_t BlockLine(int layer, int n) { return 2 + 44 * static_cast<std::size_t>(layer) + n - 1; }

const std::array<std::string, 7> kWeekdays = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
const std::array<std::string, 12> kMonths = {"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                                             "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

// Marks a layer so that a test can tell it was not touched by a reader.
PrintText Marked() {
  PrintText t;
  for (auto& l : t.Layers) {
    l.Text = "untouched";
    l.Spacing = 5;
  }
  t.Note = "old note";
  return t;
}

// Older files have one horizontal layout, which serves as both, and no
// vertical one.
void ExpectOneLayout(const PrintText& t, const ParameterSetX& x) {
  EXPECT_EQ(t.Parameters.X1, x);
  EXPECT_EQ(t.Parameters.X2, x);
  EXPECT_EQ(t.Parameters.Y, (ParameterSetY{0, 0, 1, 0}));
}

class PrintTextFile : public FileFixture {};

}  // namespace

TEST_F(PrintTextFile, DefaultTextHasTheDocumentedLayout) {
  PrintText t;
  t.Note = "n";
  ASSERT_TRUE(PrintTextSave(t, Path("a.j23")));
  Lines lines = LinesOf("a.j23");
  ASSERT_EQ(lines.size(), 243u);
  EXPECT_EQ(lines[0], "00000009");
  EXPECT_EQ(lines[1], "5");
  const Lines block0 = {"0", "Arial", "0000", "0", "12", "7", "0", "0", "ABC", "", "dd.mm.yyyy",
                        "\xA2.\xC2.\xD3", "127", "0", "0"};
  EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 17), block0);
  EXPECT_EQ(lines[BlockLine(0, 35)], "");
  EXPECT_EQ(lines[BlockLine(0, 36)], "hh:mm:ss");
  EXPECT_EQ(lines[BlockLine(0, 37)], "\xD2:\xB2:\xA2");
  EXPECT_EQ(lines[BlockLine(0, 38)], "0");
  EXPECT_EQ(lines[BlockLine(0, 43)], "12");
  EXPECT_EQ(lines[BlockLine(0, 44)], "24");
  EXPECT_EQ(lines[BlockLine(4, 7)], "48");
  const Lines parameters = {"0", "300", "1", "100", "1", "200", "0", "0", "0", "300", "1", "100",
                            "1", "200", "0", "0", "0", "0", "1", "0", "n"};
  EXPECT_EQ(Lines(lines.begin() + 222, lines.end()), parameters);
  EXPECT_EQ(Bytes("a.j23").substr(0, 13), "00000009\r\n5\r\n");
  EXPECT_EQ(Bytes("a.j23").substr(Bytes("a.j23").size() - 3), "n\r\n");
  EXPECT_EQ(beeps, 0);
}

TEST_F(PrintTextFile, StyleLineHasOneCharacterPerBit) {
  struct Case { std::uint8_t style; const char* line; } cases[] = {
      {0, "0000"}, {kFontBold | kFontUnderline, "1010"}, {kFontItalic, "0100"},
      {kFontStrikeOut, "0001"}, {15, "1111"}, {0xF0 | kFontBold, "1000"},
  };
  for (const auto& c : cases) {
    PrintText t;
    t.Layers[1].FontStyle = c.style;
    ASSERT_TRUE(PrintTextSave(t, Path("s.j23")));
    Lines lines = LinesOf("s.j23");
    EXPECT_EQ(lines[BlockLine(1, 3)], c.line);
    PrintText back;
    ASSERT_TRUE(PrintTextLoad(Path("s.j23"), back));
    EXPECT_EQ(back.Layers[1].FontStyle, c.style & 15);
  }
}

TEST_F(PrintTextFile, GraphicPositionIsStoredNegated) {
  PrintText t;
  t.Layers[0].Kind = kKindGraphic;
  t.Layers[0].PosY = 5;
  t.Layers[1].Kind = kKindText;
  t.Layers[1].PosY = 5;
  ASSERT_TRUE(PrintTextSave(t, Path("g.j23")));
  Lines lines = LinesOf("g.j23");
  EXPECT_EQ(lines[BlockLine(0, 8)], "-5");
  const std::size_t secondBlock = 2 + 44 + 25;  // after the 25 pixel rows
  EXPECT_EQ(lines[secondBlock + 7], "5");
  PrintText back;
  ASSERT_TRUE(PrintTextLoad(Path("g.j23"), back));
  EXPECT_EQ(back.Layers[0].PosY, 5);
  EXPECT_EQ(back.Layers[1].PosY, 5);
}

TEST_F(PrintTextFile, LayersThatAreNotGraphicsAreSavedAs12By24) {
  PrintText t;
  t.Layers[2].Kind = kKindText;
  t.Layers[3].Kind = kKindGraphic;
  ASSERT_TRUE(PrintTextSave(t, Path("t.j23")));
  for (int i : {0, 1, 2, 4}) {
    EXPECT_EQ(t.Layers[i].GraphicHeight, 12) << i;
    EXPECT_EQ(t.Layers[i].GraphicWidth, 24) << i;
    EXPECT_EQ(t.Layers[i].Pixels, std::string(1250, '1')) << i;
  }
  EXPECT_EQ(t.Layers[3].GraphicHeight, 25);
  PrintText back;
  ASSERT_TRUE(PrintTextLoad(Path("t.j23"), back));
  EXPECT_EQ(back.Layers[2].Pixels, std::string(288, '0'));
  EXPECT_EQ(back.Layers[3].Pixels, std::string(1250, '1'));
}

TEST_F(PrintTextFile, PixelsAreWrittenAsOneOrZeroAndReadBackTheSame) {
  PrintText t;
  LayerObject& g = t.Layers[0];
  g.Kind = kKindGraphic;
  g.GraphicHeight = 2;
  g.GraphicWidth = 3;
  g.Pixels = "0x1 0";  // one short: the missing pixel is white
  ASSERT_TRUE(PrintTextSave(t, Path("p.j23")));
  Lines lines = LinesOf("p.j23");
  EXPECT_EQ(lines[BlockLine(0, 45)], "011");
  EXPECT_EQ(lines[BlockLine(0, 46)], "100");
  PrintText back;
  ASSERT_TRUE(PrintTextLoad(Path("p.j23"), back));
  EXPECT_EQ(back.Layers[0].Pixels, "011100");

  lines[BlockLine(0, 45)] = "1x1";  // anything but '1' in a file is white
  Write("p.j23", lines);
  ASSERT_TRUE(PrintTextLoad(Path("p.j23"), back));
  EXPECT_EQ(back.Layers[0].Pixels, "101100");
}

TEST_F(PrintTextFile, NotesKeepTheirLines) {
  struct Case { std::string note; Lines written; } cases[] = {
      {"", {""}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n", {"a", ""}},
      {"\xE4\r\n\r\nc", {"\xE4", "", "c"}},
  };
  for (const auto& c : cases) {
    PrintText t;
    t.Note = c.note;
    ASSERT_TRUE(PrintTextSave(t, Path("n.j23")));
    Lines lines = LinesOf("n.j23");
    EXPECT_EQ(Lines(lines.begin() + 242, lines.end()), c.written) << c.note;
    PrintText back = Marked();
    ASSERT_TRUE(PrintTextLoad(Path("n.j23"), back));
    EXPECT_EQ(back.Note, c.note);
  }
  // A note with bare line ends is stored with CR LF between its lines.
  PrintText t;
  t.Note = "a\nb\rc";
  ASSERT_TRUE(PrintTextSave(t, Path("n.j23")));
  PrintText back;
  ASSERT_TRUE(PrintTextLoad(Path("n.j23"), back));
  EXPECT_EQ(back.Note, "a\r\nb\r\nc");
}

TEST_F(PrintTextFile, ReadsHandWrittenVersion9) {
  PrintText t = Marked();
  ASSERT_TRUE(PrintTextLoad(Fixture("v9.j23"), t));
  const LayerObject& l = t.Layers[0];
  EXPECT_EQ(l.Kind, kKindText);
  EXPECT_EQ(l.FontStyle, kFontUnderline);
  EXPECT_EQ(l.Spacing, 1);
  EXPECT_EQ(l.Height, 16);
  EXPECT_EQ(l.Width, 9);
  EXPECT_EQ(l.PosX, 12);
  EXPECT_EQ(l.Text, "Klasse A");
  EXPECT_EQ(l.Pixels, std::string(288, '0'));
  EXPECT_EQ(t.Layers[1].Text, "untouched");
  EXPECT_EQ(t.Parameters.X1, (ParameterSetX{10, 300, 2, 100, 3, 200, 20, 180}));
  EXPECT_EQ(t.Parameters.X2, (ParameterSetX{20, 400, 1, 50, 1, 0, 30, 0}));
  EXPECT_EQ(t.Parameters.Y, (ParameterSetY{10, 25, 4, 20}));
  EXPECT_EQ(t.Note, "\r\nzweite Zeile\r\n");
  EXPECT_EQ(t.Version, 9u);
}

TEST_F(PrintTextFile, ReadsHandWrittenVersion8) {
  PrintText t = Marked();
  ASSERT_TRUE(PrintTextLoad(Fixture("v8.j23"), t));
  const LayerObject& text = t.Layers[0];
  EXPECT_EQ(text.Kind, kKindText);
  EXPECT_EQ(text.FontName, "Times New Roman");
  EXPECT_EQ(text.FontStyle, kFontBold | kFontUnderline);
  EXPECT_EQ(text.Spacing, 2);
  EXPECT_EQ(text.Height, 14);
  EXPECT_EQ(text.Width, 8);
  EXPECT_EQ(text.PosX, 30);
  EXPECT_EQ(text.PosY, -3);
  EXPECT_EQ(text.Text, "Eier \xE4");
  EXPECT_EQ(text.DatePreview, "05.03.2024");
  EXPECT_EQ(text.DateCode, "\xA2.\xC2.\xD3");
  EXPECT_EQ(text.WeekdayMask, 0);
  EXPECT_EQ(text.DayOffset, 1);
  EXPECT_EQ(text.WeekdayNames, kWeekdays);
  EXPECT_EQ(text.MonthNames, kMonths);
  EXPECT_EQ(text.TimePreview, "12:00");
  EXPECT_EQ(text.TimeFormat, "hh:mm");
  EXPECT_EQ(text.TimeCode, "\xD2:\xB2");
  EXPECT_EQ(text.Interval, -1);
  EXPECT_EQ(text.TimeOffset, 60);
  EXPECT_EQ(text.AmText, "AM");
  EXPECT_EQ(text.PmText, "PM");
  EXPECT_EQ(text.Pixels, std::string(288, '0'));
  const LayerObject& graphic = t.Layers[1];
  EXPECT_EQ(graphic.Kind, kKindGraphic);
  EXPECT_EQ(graphic.PosX, 100);
  EXPECT_EQ(graphic.PosY, -5);
  EXPECT_EQ(graphic.GraphicHeight, 3);
  EXPECT_EQ(graphic.GraphicWidth, 4);
  EXPECT_EQ(graphic.Pixels, "100101101001");
  for (int i = 2; i < kLayerCount; ++i) EXPECT_EQ(t.Layers[i].Text, "untouched") << i;
  ExpectOneLayout(t, {0, 300, 1, 100, 1, 200, 0, 0});
  EXPECT_EQ(t.Note, "Zeile 1\r\nZeile 2");
}

TEST_F(PrintTextFile, ReadsHandWrittenVersion7) {
  PrintText t = Marked();
  t.Parameters.Y = {5, 5, 5, 5};
  ASSERT_TRUE(PrintTextLoad(Fixture("v7.j23"), t));
  const LayerObject& date = t.Layers[0];
  EXPECT_EQ(date.Kind, kKindDate);
  EXPECT_EQ(date.FontStyle, kFontItalic);
  EXPECT_EQ(date.Spacing, -1);
  EXPECT_EQ(date.PosX, -600);
  EXPECT_EQ(date.PosY, 50);
  EXPECT_EQ(date.Text, "");
  EXPECT_EQ(date.DateFormat, "ddd");
  EXPECT_EQ(date.DateCode, "\xB4");
  EXPECT_EQ(date.WeekdayMask, 31);
  EXPECT_EQ(date.DayOffset, -800);
  EXPECT_EQ(date.DateMode, 3);
  EXPECT_EQ(t.Layers[1].Text, "untouched");
  ExpectOneLayout(t, {50, 250, 2, 80, 3, 150, 40, 180});
  EXPECT_EQ(t.Note, "");
}

TEST_F(PrintTextFile, ReadsHandWrittenVersion6WithoutSpacing) {
  PrintText t = Marked();
  ASSERT_TRUE(PrintTextLoad(Fixture("v6.j23"), t));
  const LayerObject& time = t.Layers[0];
  EXPECT_EQ(time.Kind, kKindTime);
  EXPECT_EQ(time.FontName, "Courier New");
  EXPECT_EQ(time.FontStyle, kFontStrikeOut);
  EXPECT_EQ(time.Spacing, 0);
  EXPECT_EQ(time.Height, 30);
  EXPECT_EQ(time.Width, 11);
  EXPECT_EQ(time.PosX, -5);
  EXPECT_EQ(time.PosY, 7);
  EXPECT_EQ(time.Text, "x");
  EXPECT_EQ(time.TimePreview, "10:30");
  EXPECT_EQ(time.Interval, 600);
  EXPECT_EQ(time.TimeOffset, -3600);
  EXPECT_EQ(time.AmText, "vorm.");
  EXPECT_EQ(time.PmText, "nachm.");
  EXPECT_EQ(time.TimeStep, 60);
  const LayerObject& graphic = t.Layers[1];
  EXPECT_EQ(graphic.Kind, kKindGraphic);
  EXPECT_EQ(graphic.FontStyle, 15);
  EXPECT_EQ(graphic.Spacing, 0);
  EXPECT_EQ(graphic.Height, 25);
  EXPECT_EQ(graphic.Width, 50);
  EXPECT_EQ(graphic.PosY, 2);
  EXPECT_EQ(graphic.Interval, -1);
  EXPECT_EQ(graphic.Pixels, "1001");
  EXPECT_EQ(t.Layers[2].Spacing, 5);
  ExpectOneLayout(t, {10, 150, 2, 0, 1, 0, 20, 0});
  EXPECT_EQ(t.Note, "Notiz");
}

TEST_F(PrintTextFile, LayerCountDecidesHowManyBlocksAreRead) {
  PrintText source;
  for (int i = 0; i < kLayerCount; ++i) source.Layers[i].Text = "L" + std::to_string(i);
  source.Parameters.X1.Vorlauf = 40;
  source.Note = "end";
  auto lines = PrintTextToLines(source);
  ASSERT_TRUE(lines);

  struct Case { std::string count; int blocks; int read; } cases[] = {
      {"7", 5, 5}, {"5", 5, 5}, {"2", 2, 2}, {"0", 0, 0}, {"-1", 0, 0},
  };
  for (const auto& c : cases) {
    Lines file(lines->begin(), lines->begin() + 2 + 44 * c.blocks);
    file[1] = c.count;
    file.insert(file.end(), lines->end() - 21, lines->end());
    PrintText t = Marked();
    ASSERT_TRUE(PrintTextLoadV9(file, 1, t)) << c.count;
    for (int i = 0; i < kLayerCount; ++i)
      EXPECT_EQ(t.Layers[i].Text, i < c.read ? "L" + std::to_string(i) : "untouched") << c.count;
    EXPECT_EQ(t.Parameters.X1.Vorlauf, 40) << c.count;
    EXPECT_EQ(t.Note, "end") << c.count;
  }
}

TEST_F(PrintTextFile, KindKeepsItsLowByte) {
  PrintText source;
  source.Layers[0].PosY = 9;
  auto lines = PrintTextToLines(source);
  ASSERT_TRUE(lines);
  (*lines)[BlockLine(0, 1)] = "260";  // 256 + 4: a graphic, so its position is negated
  (*lines)[BlockLine(0, 44)] = "1";
  (*lines)[BlockLine(0, 43)] = "1";
  lines->insert(lines->begin() + BlockLine(0, 45), "1");
  PrintText t;
  ASSERT_TRUE(PrintTextFromLines(*lines, t));
  EXPECT_EQ(t.Layers[0].Kind, kKindGraphic);
  EXPECT_EQ(t.Layers[0].PosY, -9);
  EXPECT_EQ(t.Layers[0].Pixels, "1");
}

TEST_F(PrintTextFile, MalformedFilesFailAndKeepWhatWasRead) {
  PrintText source;
  source.Layers[1].Kind = kKindGraphic;
  source.Layers[1].GraphicHeight = 2;
  source.Layers[1].GraphicWidth = 3;
  source.Layers[1].Pixels = "111000";
  source.Layers[0].Text = "first";
  auto good = PrintTextToLines(source);
  ASSERT_TRUE(good);
  const std::size_t layer1 = BlockLine(1, 1);

  struct Case {
    const char* what;
    std::size_t line;
    std::string content;  // "<cut>" ends the file before this line
    bool layer0Read;  // the line of layer 0's text was read before the failure
  } cases[] = {
      {"version not hex", 0, "9z", false},
      {"version 5", 0, "00000005", false},
      {"version 10", 0, "0000000A", false},
      {"layer count", 1, "five", false},
      {"number", BlockLine(0, 5), "12.5", false},
      {"number with blank", BlockLine(0, 5), " 12", false},
      {"number beyond 32 bits", BlockLine(0, 7), "2147483648", false},
      {"short style", BlockLine(0, 3), "101", false},
      {"ends in a block", BlockLine(0, 20), "<cut>", true},
      {"ends in the parameters", good->size() - 5, "<cut>", true},
      {"graphic height 0", layer1 + 42, "0", true},
      {"graphic width 1001", layer1 + 43, "1001", true},
      {"graphic height negative", layer1 + 42, "-5", true},
      {"size of a text layer", BlockLine(0, 43), "100000", true},
      {"short pixel row", layer1 + 45, "10", true},
      {"missing pixel row", layer1 + 45, "<cut>", true},
  };
  for (const auto& c : cases) {
    Lines lines = *good;
    if (c.content == "<cut>")
      lines.resize(c.line);
    else
      lines[c.line] = c.content;
    Write("bad.j23", lines);
    PrintText t = Marked();
    beeps = 0;
    platform::Status read = PrintTextLoad(Path("bad.j23"), t);
    EXPECT_FALSE(read) << c.what;
    EXPECT_FALSE(read.error().empty()) << c.what;
    EXPECT_EQ(beeps, 1) << c.what;
    EXPECT_EQ(t.Layers[0].Text, c.layer0Read ? "first" : "untouched") << c.what;
    EXPECT_EQ(t.Note, "old note") << c.what;
  }
  beeps = 0;
  PrintText t;
  EXPECT_FALSE(PrintTextLoad(Path("missing.j23"), t));
  Write("empty.j23", {});
  EXPECT_FALSE(PrintTextLoad(Path("empty.j23"), t));
  EXPECT_EQ(beeps, 2);
}

TEST_F(PrintTextFile, VersionLineIsOneHexadecimalNumber) {
  PrintText source;
  auto lines = PrintTextToLines(source);
  ASSERT_TRUE(lines);
  for (const char* version : {"9", "00000009", "000000009", "00000007", "8"}) {
    (*lines)[0] = version;
    PrintText t;
    EXPECT_TRUE(PrintTextFromLines(*lines, t)) << version;
  }
}

TEST_F(PrintTextFile, RefusesToWriteWhatCouldNotBeReadBack) {
  struct Case {
    const char* what;
    void (*spoil)(PrintText&);
  } cases[] = {
      {"graphic too high", [](PrintText& t) { t.Layers[2].Kind = kKindGraphic; t.Layers[2].GraphicHeight = 1001; }},
      {"graphic without width", [](PrintText& t) { t.Layers[2].Kind = kKindGraphic; t.Layers[2].GraphicWidth = 0; }},
      {"line break in a text", [](PrintText& t) { t.Layers[2].Text = "a\r\nb"; }},
      {"line break in a month", [](PrintText& t) { t.Layers[2].MonthNames[3] = "x\n"; }},
      {"line break in a code", [](PrintText& t) { t.Layers[2].TimeCode = "\xA2\r"; }},
  };
  Write("keep.j23", {"old"});
  for (const auto& c : cases) {
    PrintText t;
    c.spoil(t);
    beeps = 0;
    platform::Status saved = PrintTextSave(t, Path("keep.j23"));
    EXPECT_FALSE(saved) << c.what;
    EXPECT_NE(saved.error().find("layer 3"), std::string::npos) << c.what << ": " << saved.error();
    EXPECT_EQ(beeps, 1) << c.what;
    EXPECT_EQ(Bytes("keep.j23"), "old\r\n") << c.what;
  }
  PrintText t;
  beeps = 0;
  EXPECT_FALSE(PrintTextSave(t, Path("no/such/folder/a.j23")));
  EXPECT_EQ(beeps, 1);
}

TEST_F(PrintTextFile, OldLengthsInMillimetresWrapInsteadOfOverflowing) {
  auto raw = platform::ReadLines(Fixture("v7.j23"));
  ASSERT_TRUE(raw);
  (*raw)[raw->size() - 7] = "300000000";  // Drucklaenge * 10 is beyond 32 bits
  PrintText t;
  ASSERT_TRUE(PrintTextFromLines(*raw, t));
  EXPECT_EQ(t.Parameters.X1.Drucklaenge, static_cast<std::int32_t>(3000000000u));
}
