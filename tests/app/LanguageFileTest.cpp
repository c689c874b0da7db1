#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LanguageFixtures.h"
#include "app/language/LanguageFile.h"
#include "app/language/LanguageSections.h"
#include "platform/LineFile.h"
#include "support/FileBytes.h"

using namespace app;

namespace {

// A file with a correct checksum line: free lines, checksum, product, then
// `body`, then a last line.
std::vector<std::string> ValidLines(std::vector<std::string> body, std::string last = "// end") {
  std::vector<std::string> lines{"// a", "// b", "// c", "// d", "XXXXXXXX", "Tarvik23"};
  for (std::string& l : body) lines.push_back(std::move(l));
  lines.push_back(std::move(last));
  lines[4] = ChecksumText(LanguageChecksum(lines));
  return lines;
}

const LanguageSection& SectionNamed(const std::string& header) {
  for (const LanguageSection& s : LanguageSections())
    if (s.header == header) return s;
  throw std::runtime_error("no section " + header);
}

}  // namespace

TEST(LanguageChecksum, WorkedExampleAndWhatCounts) {
  // Lines 0 to Count-2 hold 55 bytes together.
  std::vector<std::string> lines{"0123456789", "0123456789", "0123456789", "0123456789", "XXXXXXXX", "Tarvik2",
                                 "whatever the last line holds"};
  ASSERT_EQ(10 * 4 + 8 + 7, 55);
  EXPECT_EQ(ChecksumText(LanguageChecksum(lines)), "F6F9DFC0");
  // The last line is outside the sum; a trailing blank anywhere else counts.
  lines.back() = "something else entirely";
  EXPECT_EQ(ChecksumText(LanguageChecksum(lines)), "F6F9DFC0");
  lines[1] += " ";
  EXPECT_EQ(ChecksumText(LanguageChecksum(lines)), "F6F9DFBF");
  EXPECT_EQ(ChecksumText(LanguageChecksum({})), "F6F9DFF7");
  EXPECT_EQ(ChecksumText(0x0000ABCD), "0000ABCD");
}

TEST(LanguageText, LineEndsAndZeroByte) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {std::string("a\nb\0c\nd", 7), {"a", "b"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLanguageText(c.bytes), c.lines) << c.bytes;
}

TEST(LanguageCheck, ResultsOfTheChecks) {
  std::vector<std::string> lowerHex = ValidLines({"// x"});
  for (char& ch : lowerHex[4]) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  std::vector<std::string> wrongProduct = ValidLines({});
  wrongProduct[5] = "Tarvik20";
  wrongProduct[4] = ChecksumText(LanguageChecksum(wrongProduct));
  std::vector<std::string> fourLines{"a", "b", "c", "d"};
  std::vector<std::string> fiveLines{"a", "b", "c", "d", "XXXXXXXX"};
  fiveLines[4] = ChecksumText(LanguageChecksum(fiveLines));

  // A section whose value lines run past the end of the file.
  std::vector<std::string> truncated = ValidLines({"[PC Sprache]", "Language"}, "OK");
  // A section that lost a value line: the next header became its value.
  std::vector<std::string> lostValue = ValidLines({"[PC Sprache]", "Language", "OK", "[PC Sprache]", "Langue",
                                                   "OK", "Annuler"});

  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int result;
  };
  const Case cases[] = {
      {"no sections", ValidLines({}), kLanguageLoaded},
      {"lower-case checksum", lowerHex, kLanguageBadChecksum},
      {"wrong product", wrongProduct, kLanguageBadProduct},
      {"line 4 missing", fourLines, kLanguageIncomplete},
      {"line 5 missing", fiveLines, kLanguageIncomplete},
      {"section past the end", truncated, kLanguageIncomplete},
      {"section lost a value", lostValue, kLanguageIncomplete},
      {"section ends on the last line", ValidLines({"[PC Sprache]", "Language", "OK"}, "Cancel"), kLanguageLoaded},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckLanguageFile(c.lines, LanguageSections()).result, c.result) << c.what;
}

TEST(LanguageCheck, WhereSectionsAreFound) {
  const LanguageSection& sprache = SectionNamed("[PC Sprache]");
  const std::vector<std::string> lines = ValidLines({
      "",                    // 6 blank
      "   // comment",       // 7 comment
      "[PC Sprache] ",       // 8 a trailing blank: no header
      "[pc sprache]",        // 9 case counts: no header
      "[PC Sprache]",        // 10 header
      "",                    // 11 a blank line inside a section is a value
      "// also a value",     // 12
      "OK",                  // 13
      "Abbrechen",           // 14 left to the main pass, ignored
      "[PC Sprache]",        // 15 repeated: applied again
      "A", "B", "C",         // 16..18
  }, "[PC Sprache]");        // 19: the last line is never a header
  const LanguageFileCheck check = CheckLanguageFile(lines, LanguageSections());
  ASSERT_EQ(check.result, kLanguageLoaded);
  ASSERT_EQ(check.sections.size(), 2u);
  EXPECT_EQ(check.sections[0].section, &sprache);
  EXPECT_EQ(check.sections[0].firstValue, 11u);
  EXPECT_EQ(check.sections[1].firstValue, 16u);
  EXPECT_EQ(check.checksum, lines[4]);
}

TEST(LanguageSectionTable, HeadersAndLineCounts) {
  // The 62 sections a language file knows, with their value lines.
  const std::vector<std::pair<std::string, std::size_t>> expected = {
      {"[Meldungen]", 30},
      {"[Printer]", 5},
      {"[Printer Fernsteuerung]", 24},
      {"[Printer Einstellen]", 36},
      {"[Printer ?]", 6},
      {"[Printer Einstellen Ger\xE4t Typ]", 6},
      {"[Printer Einstellen Ger\xE4t Ausrichtung]", 13},
      {"[Printer Einstellen Ger\xE4t Aufstarten]", 5},
      {"[Printer Einstellen Ger\xE4t Sleep]", 6},
      {"[Printer Einstellen Ger\xE4t DPI]", 10},
      {"[Printer Einstellen Start Modus]", 14},
      {"[Printer Einstellen Start Verschieben]", 6},
      {"[Printer Einstellen Start Interface]", 25},
      {"[Printer Einstellen Unterdr\xFC" "ckung Modus]", 9},
      {"[Printer Einstellen Unterdr\xFC" "ckung Verschieben]", 6},
      {"[Printer Einstellen Auslauf Modus]", 7},
      {"[Printer Einstellen Geschwindigkeit Taktquelle]", 10},
      {"[Printer Einstellen Geschwindigkeit Faktor]", 7},
      {"[Printer Einstellen Bedienteil Typ]", 9},
      {"[Printer Einstellen Bedienteil Option]", 27},
      {"[Printer Einstellen Bedienteil Programme]", 12},
      {"[Printer Einstellen Steuerung Diagnose]", 25},
      {"[Printer Einstellen Steuerung CLI]", 4},
      {"[Printer Einstellen Steuerung Uhr]", 5},
      {"[Printer Einstellen Steuerung Z\xE4hler]", 6},
      {"[Printer Einstellen Steuerung Kommunikation]", 22},
      {"[Printer Einstellen Steuerung Pulsdauer]", 12},
      {"[PC]", 7},
      {"[PC Bedienungsmodus]", 7},
      {"[PC Sprache]", 3},
      {"[PC Herstellen]", 7},
      {"[PC Einstellen]", 5},
      {"[Update]", 4},
      {"[Hilfe]", 5},
      {"[Info]", 4},
      {"[Daten]", 2},
      {"[Daten Ansicht]", 5},
      {"[Daten \xD6" "ffnen]", 12},
      {"[Daten Speichern]", 12},
      {"[Daten Schliessen]", 3},
      {"[Daten Werkzeug]", 8},
      {"[Daten Werkzeug Einf\xFCgen...]", 10},
      {"[Daten Schutz]", 4},
      {"[Daten Rapport]", 8},
      {"[Daten ?]", 26},
      {"[Daten Bearbeiten Ansicht]", 8},
      {"[Daten Bearbeiten Zoom]", 2},
      {"[Daten Bearbeiten Raster]", 5},
      {"[Daten Bearbeiten Vorschau]", 2},
      {"[Daten Bearbeiten ?]", 18},
      {"[Daten Bearbeiten Objekt]", 8},
      {"[Daten Bearbeiten Schriftauswahl]", 10},
      {"[Daten Bearbeiten Text]", 15},
      {"[Daten Bearbeiten Datum]", 30},
      {"[Daten Bearbeiten Zeit]", 24},
      {"[Daten Bearbeiten Grafik]", 16},
      {"[Daten Bearbeiten Grafik Ruskavel]", 27},
      {"[Daten Bearbeiten Parameter]", 31},
      {"[Daten Bearbeiten Notiz]", 1},
      {"[Daten Bearbeiten Ok Abbrechen]", 2},
      {"[File Dialog]", 28},
      {"[Browser]", 3},
  };
  const std::vector<LanguageSection>& table = LanguageSections();
  ASSERT_EQ(table.size(), expected.size());
  std::size_t total = 0;
  int withUmlauts = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].header, expected[i].first);
    EXPECT_EQ(table[i].values.size(), expected[i].second) << expected[i].first;
    total += table[i].values.size();
    for (const auto& line : table[i].values) EXPECT_FALSE(line.empty()) << table[i].header;
    for (char c : table[i].header)
      if (static_cast<unsigned char>(c) >= 0x80) {
        ++withUmlauts;
        break;
      }
  }
  EXPECT_EQ(total, 709u);
  EXPECT_EQ(withUmlauts, 10);

  // No text is set twice by one section, and no target is named twice.
  std::set<std::string> names;
  for (const LanguageSection& s : table)
    for (const auto& line : s.values)
      for (const LanguageTarget& t : line) EXPECT_TRUE(names.insert(t.Name()).second) << t.Name();
}

TEST(LanguageFiles, EachFilePassesTheLoadersCheck) {
  for (const std::string& name : apptest::kLanguageFiles) {
    SCOPED_TRACE(name);
    const std::string bytes = testsupport::FileBytes(apptest::LanguageSourceDir() + name);
    const std::vector<std::string> lines = SplitLanguageText(bytes);
    const LanguageFileCheck check = CheckLanguageFile(lines, LanguageSections());
    EXPECT_EQ(check.result, kLanguageLoaded);
    EXPECT_EQ(lines.at(kProductLine), "Tarvik23");
    // Every section, once, complete; CR LF line ends as the program's files.
    std::map<const LanguageSection*, int> seen;
    for (const SectionUse& use : check.sections) ++seen[use.section];
    EXPECT_EQ(seen.size(), LanguageSections().size());
    for (const auto& [section, times] : seen) EXPECT_EQ(times, 1) << section->header;
    EXPECT_EQ(platform::JoinLines(lines), bytes);
    // Windows-1252 bytes: no UTF-8 sequence slipped in.
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos);
  }
}

TEST(LanguageFiles, WrittenFilesCarryTheirChecksum) {
  const std::string bytes = LanguageFileBytes({"a", "b", "c", "d", "", "Tarvik23", "[PC Sprache]", "x", "y", "z"});
  const LanguageFileCheck check = CheckLanguageFile(SplitLanguageText(bytes), LanguageSections());
  EXPECT_EQ(check.result, kLanguageLoaded);
  ASSERT_EQ(check.sections.size(), 1u);
}
