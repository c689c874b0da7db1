#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FileFixture.h"
#include "printdata/DataFileNames.h"
#include "printdata/GroupFile.h"
#include "printdata/Init.h"
#include "printdata/VersionNotice.h"

using namespace printdata;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

class GroupFile : public FileFixture {
 protected:
  void SetUp() override {
    FileFixture::SetUp();
    previousNotice_ = SetVersionNoticeSink([this] { ++notices; });
    group = std::make_unique<PrintGroup>();
  }
  void TearDown() override {
    SetVersionNoticeSink(previousNotice_);
    FileFixture::TearDown();
  }
  std::set<std::string> Files(const std::string& folder = "") const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder.empty() ? dir.path() : Path(folder)))
      names.insert(e.path().filename().string());
    return names;
  }

  std::unique_ptr<PrintGroup> group;
  int notices = 0;

 private:
  VersionNoticeSink previousNotice_;
};

}  // namespace

TEST(DataFileNames, SplitsFolderBaseAndExtension) {
  struct Case { const char* path; const char* folder; const char* base; const char* extension; } cases[] = {
      {"/d/GP.g23", "/d/", "GP", ".g23"},
      {"/d/GP.g23/", "/d/", "GP", ".g23"},
      {"/d/Eier 2024.zg23", "/d/", "Eier 2024", ".zg23"},
      {"/d/a.b.c", "/d/", "a.b", ".c"},
  };
  for (const auto& c : cases) {
    auto names = SplitDataPath(c.path);
    ASSERT_TRUE(names) << c.path;
    EXPECT_EQ(names->Folder, c.folder);
    EXPECT_EQ(names->Base, c.base);
    EXPECT_EQ(names->Extension, c.extension);
  }
  for (const char* bad : {"GP.g23", "/d/GP", "/d/.g23", "/d/", "", "/d.x/GP", "/d/GP.", "/GP.", "/d/GP./"})
    EXPECT_FALSE(SplitDataPath(bad)) << bad;
  auto names = SplitDataPath("/d/GP.zg23");
  EXPECT_EQ(GroupFilePath(*names), "/d/GP.g23");
  EXPECT_EQ(PrintTextFilePath(*names, 0), "/d/GP_001.j23");
  EXPECT_EQ(PrintTextFilePath(*names, 98), "/d/GP_099.j23");
}

TEST_F(GroupFile, SaveWritesPrintTextsThenTheGroupAndDropsOldOnes) {
  for (const char* old : {"GP_002.j23", "GP_003.j23", "GP_099.j23", "GP_100.j23", "other.txt", "GP.g23"})
    Write(old, {"old"});
  group->Protection = "3";
  group->Note = "Kunde\r\nM\xFCller";
  group->Texts[1].Note = "second";
  ASSERT_TRUE(GroupSave(*group, 2, Path("GP.g23")));
  EXPECT_EQ(Files(), (std::set<std::string>{"GP.g23", "GP_001.j23", "GP_002.j23", "GP_100.j23", "other.txt"}));
  EXPECT_EQ(Bytes("GP.g23"), "00000009\r\n3\r\n2\r\nKunde\r\nM\xFC" "ller\r\n");
  EXPECT_EQ(LinesOf("GP_002.j23").back(), "second");
  EXPECT_EQ(beeps, 0);

  auto loaded = std::make_unique<PrintGroup>();
  int count = 50;
  auto report = GroupLoad(Path("GP.g23"), *loaded, count);
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->Complete());
  EXPECT_EQ(count, 2);
  // The saved layers are of kind none: the file keeps no pixels of them.
  auto expected = std::make_unique<PrintGroup>(*group);
  for (int i = 0; i < 2; ++i)
    for (auto& layer : expected->Texts[i].Layers) layer.Pixels.assign(288, '0');
  EXPECT_EQ(*loaded, *expected);
}

TEST_F(GroupFile, SaveUnderAnotherExtensionReplacesThatFileWithTheGroupFile) {
  Write("Eier.zg23", {"archive"});
  ASSERT_TRUE(GroupSave(*group, 1, Path("Eier.zg23")));
  EXPECT_EQ(Files(), (std::set<std::string>{"Eier.g23", "Eier_001.j23"}));
}

TEST_F(GroupFile, SaveCreatesMissingFolders) {
  ASSERT_TRUE(GroupSave(*group, 1, Path("DATA/x/GP.g23/")));
  EXPECT_EQ(Files("DATA/x"), (std::set<std::string>{"GP.g23", "GP_001.j23"}));
}

TEST_F(GroupFile, CountZeroWritesOnlyTheGroupFile) {
  Write("GP_001.j23", {"old"});
  ASSERT_TRUE(GroupSave(*group, 0, Path("GP.g23")));
  EXPECT_EQ(Files(), (std::set<std::string>{"GP.g23"}));
  EXPECT_EQ(LinesOf("GP.g23"), (Lines{"00000009", "", "0", ""}));
  int count = 7;
  auto report = GroupLoad(Path("GP.g23"), *group, count);
  ASSERT_TRUE(report);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(group->Note, "");
}

TEST_F(GroupFile, SaveThatCannotStartDeletesNothing) {
  Write("GP.g23", {"old"});
  Write("GP_001.j23", {"old"});
  struct Case {
    const char* what;
    int count;
    std::string path;
    void (*spoil)(PrintGroup&);
  } cases[] = {
      {"no folder", 1, "GP.g23", nullptr},
      {"no extension", 1, Path("GP"), nullptr},
      {"a dot but no extension", 1, Path("GP."), nullptr},
      {"count 100", 100, Path("GP.g23"), nullptr},
      {"count -1", -1, Path("GP.g23"), nullptr},
      {"graphic too large", 2, Path("GP.g23"),
       [](PrintGroup& g) {
         g.Texts[1].Layers[0].Kind = kKindGraphic;
         g.Texts[1].Layers[0].GraphicHeight = 2000;
       }},
      {"line break in the protection", 1, Path("GP.g23"), [](PrintGroup& g) { g.Protection = "1\r\n"; }},
  };
  for (const auto& c : cases) {
    auto g = std::make_unique<PrintGroup>();
    if (c.spoil) c.spoil(*g);
    beeps = 0;
    platform::Status saved = GroupSave(*g, c.count, c.path);
    EXPECT_FALSE(saved) << c.what;
    EXPECT_EQ(beeps, 1) << c.what;
    EXPECT_EQ(Bytes("GP.g23"), "old\r\n") << c.what;
    EXPECT_EQ(Bytes("GP_001.j23"), "old\r\n") << c.what;
  }
  EXPECT_EQ(Files(), (std::set<std::string>{"GP.g23", "GP_001.j23"}));
}

TEST_F(GroupFile, SaveFailsWhenAPrintTextCannotBeWritten) {
  // Names one byte too long for the file system: the print-text files
  // cannot be created, the group file could.
  const std::string base(248, 'e');
  platform::Status saved = GroupSave(*group, 2, Path(base + ".zg23"));
  EXPECT_FALSE(saved);
  EXPECT_EQ(beeps, 1);
  EXPECT_TRUE(Files().empty());

  fs::create_directory(Path("GP_002.j23"));  // a folder where a print text goes
  EXPECT_FALSE(GroupSave(*group, 2, Path("GP.g23")));
  EXPECT_TRUE(fs::is_directory(Path("GP_002.j23")));
  EXPECT_FALSE(fs::exists(Path("GP.g23")));
}

TEST_F(GroupFile, LoadReadsTheGroupOfEveryVersion) {
  ASSERT_TRUE(GroupSave(*group, 1, Path("GP.g23")));
  for (const char* version : {"00000006", "00000007", "00000008", "00000009", "9"}) {
    Write("GP.g23", {version, "5", "1", "a", "", "b"});
    auto g = std::make_unique<PrintGroup>();
    int count = 0;
    ASSERT_TRUE(GroupLoad(Path("GP.g23"), *g, count)) << version;
    EXPECT_EQ(g->Protection, "5");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(g->Note, "a\r\n\r\nb");
  }
  Write("GP.g23", {"00000009", "", "0"});
  int count = 3;
  ASSERT_TRUE(GroupLoad(Path("GP.g23"), *group, count));
  EXPECT_EQ(group->Note, "");
  EXPECT_EQ(count, 0);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(beeps, 0);
}

TEST_F(GroupFile, LoadRefusesABadGroupFileAndChangesNothing) {
  Write("GP_001.j23", {"00000009"});
  struct Case {
    const char* what;
    Lines lines;
    int notices;
  } cases[] = {
      {"newer version", {"0000000A", "1", "1", ""}, 1},
      {"older version", {"00000005", "1", "1", ""}, 1},
      {"version not hex", {"V9", "1", "1", ""}, 0},
      {"empty file", {}, 0},
      {"no count", {"00000009", "1"}, 0},
      {"count not a number", {"00000009", "1", "x", ""}, 0},
      {"count 100", {"00000009", "1", "100", ""}, 0},
      {"count -1", {"00000009", "1", "-1", ""}, 0},
  };
  for (const auto& c : cases) {
    Write("GP.g23", c.lines);
    auto g = std::make_unique<PrintGroup>();
    g->Protection = "keep";
    int count = 4;
    beeps = notices = 0;
    auto loaded = GroupLoad(Path("GP.g23"), *g, count);
    EXPECT_FALSE(loaded) << c.what;
    EXPECT_EQ(count, 4) << c.what;
    EXPECT_EQ(g->Protection, "keep") << c.what;
    EXPECT_EQ(g->Texts[0], PrintText{}) << c.what;
    EXPECT_EQ(beeps, 1) << c.what;
    EXPECT_EQ(notices, c.notices) << c.what;
  }
  int count = 4;
  EXPECT_FALSE(GroupLoad(Path("missing.g23"), *group, count));
  EXPECT_FALSE(GroupLoad(Path("GP"), *group, count));
  Write("only.zg23", {"x"});
  EXPECT_FALSE(GroupLoad(Path("only.zg23"), *group, count));  // its group file is missing
  EXPECT_EQ(count, 4);
}

TEST_F(GroupFile, LoadReportsPrintTextsThatCouldNotBeRead) {
  for (int i = 0; i < 4; ++i) group->Texts[i].Note = "text " + std::to_string(i + 1);
  ASSERT_TRUE(GroupSave(*group, 4, Path("GP.g23")));
  Write("GP_002.j23", {"00000009", "5", "kaputt"});
  fs::remove(Path("GP_004.j23"));

  auto loaded = std::make_unique<PrintGroup>();
  int count = 0;
  auto report = GroupLoad(Path("GP.g23"), *loaded, count);
  ASSERT_TRUE(report);
  EXPECT_EQ(count, 4);
  EXPECT_FALSE(report->Complete());
  ASSERT_EQ(report->FailedTexts.size(), 2u);
  EXPECT_EQ(report->FailedTexts[0].Index, 1);
  EXPECT_NE(report->FailedTexts[0].Error.find("GP_002.j23"), std::string::npos);
  EXPECT_EQ(report->FailedTexts[1].Index, 3);
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(loaded->Texts[0].Note, "text 1");
  EXPECT_EQ(loaded->Texts[2].Note, "text 3");
  EXPECT_EQ(loaded->Texts[1].Note, "");
}

// A printer of marked eggs in every variation the files carry.
namespace {

void Fill(PrintGroup& g, int count) {
  g.Protection = "7";
  g.Note = "Gruppe\r\n\r\nH\xE4ndler\r\n";
  const std::pair<int, int> sizes[] = {{1, 1}, {1000, 1}, {1, 1000}, {25, 50}, {3, 17}, {1000, 1000}};
  for (int i = 0; i < count; ++i) {
    PrintText& t = g.Texts[i];
    for (int n = 0; n < kLayerCount; ++n) {
      LayerObject& l = t.Layers[n];
      const int v = i * kLayerCount + n;
      l.Kind = static_cast<std::uint8_t>(v % 5);
      l.FontName = v % 3 ? "Arial" : "Courier \xC9";
      l.FontStyle = static_cast<std::uint8_t>(v % 16);
      l.Spacing = v % 102 - 1;
      l.Height = 1 + v % 500;
      l.Width = 500 - v % 500;
      l.PosX = v % 1201 - 600;
      l.PosY = v % 101 - 50;
      l.Text = "Ei " + std::to_string(v) + " \x80\xFF";
      l.DatePreview = std::to_string(v);
      l.DateFormat = "ddd dd.mm";
      l.DateCode = std::string("\xA0\xA1\xA2\xA3\xA4\xA5 -", 8);
      l.WeekdayMask = v % 128;
      l.DayOffset = v % 1601 - 800;
      l.DateMode = v % 4;
      for (int d = 0; d < 7; ++d) l.WeekdayNames[d] = v % 2 ? "" : "T" + std::to_string(d);
      for (int m = 0; m < 12; ++m) l.MonthNames[m] = v % 2 ? "M\xE4" + std::to_string(m) : "";
      l.TimePreview = "12:" + std::to_string(v % 60);
      l.TimeFormat = "hh:mm AM";
      l.TimeCode = "\xD2:\xB2 \xE0";
      const int intervals[] = {0, 30, 600, 3600, 43200, -1};
      l.Interval = intervals[v % 6];
      l.TimeOffset = v * 173 % 172799 - 86399;
      l.AmText = v % 2 ? "vorm." : "";
      l.PmText = v % 2 ? "nachm." : "";
      l.TimeStep = v % 3 == 0 ? 0 : v % 3 == 1 ? 60 : 3600;
      if (l.Kind == kKindGraphic) {
        const auto [h, w] = sizes[(v / 5) % 6];
        l.GraphicHeight = h;
        l.GraphicWidth = w;
        l.Pixels.clear();
        for (int p = 0; p < h * w; ++p) l.Pixels += (p * 7 + v) % 3 ? '1' : '0';
      } else {
        // What the file keeps of a layer that is not a graphic.
        l.GraphicHeight = 12;
        l.GraphicWidth = 24;
        l.Pixels.assign(288, '0');
      }
    }
    ParameterSetX& x1 = t.Parameters.X1;
    x1 = {i * 10, 100 + i * 10, 1 + i, i * 50, 100 - i, 5000 - i, i * 20, i % 2 ? 180 : 0};
    t.Parameters.X2 = {-i, 1000, 100, 0, 1, 0, 5000, 180 - (i % 2) * 180};
    t.Parameters.Y = {i * 10, i * 3, 1 + i % 5, -i};
    t.Note = i % 3 == 0 ? "" : i % 3 == 1 ? "Zeile\r\n\r\nnoch eine\r\n" : "kurz";
  }
}

}  // namespace

TEST_F(GroupFile, FullGroupSurvivesSaveAndLoadByteForByte) {
  Fill(*group, kMaxPrintTexts);
  const PrintGroup original = *group;
  ASSERT_TRUE(GroupSave(*group, kMaxPrintTexts, Path("a/GP.g23")));
  EXPECT_EQ(*group, original);

  auto loaded = std::make_unique<PrintGroup>();
  GroupInit(*loaded);
  int count = 0;
  auto report = GroupLoad(Path("a/GP.g23"), *loaded, count);
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->Complete());
  EXPECT_EQ(count, kMaxPrintTexts);
  for (int i = 0; i < kMaxPrintTexts; ++i) ASSERT_EQ(loaded->Texts[i], original.Texts[i]) << i;
  EXPECT_EQ(*loaded, original);

  ASSERT_TRUE(GroupSave(*loaded, count, Path("b/GP.g23")));
  const auto files = Files("a");
  EXPECT_EQ(files.size(), 100u);
  EXPECT_EQ(files, Files("b"));
  for (const auto& name : files) ASSERT_EQ(Bytes("a/" + name), Bytes("b/" + name)) << name;
  EXPECT_EQ(beeps, 0);
}
