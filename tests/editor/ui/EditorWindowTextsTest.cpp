// The texts of the graphic pane, the painter and the font chooser against
// the language file table: every name of their sections exists, holds the
// German file's line by default and takes the line meant for it.
#include <gtest/gtest.h>

#include <map>

#include "app/language/LanguageFile.h"
#include "app/language/LanguageSections.h"
#include "app/language/LanguageTargets.h"
#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "editor/ui/TFrameBearbeitenGrafik.h"
#include "platform/FileIO.h"

namespace {

class NoEditor : public editor::ui::GraphicPaneEditor {
 public:
  printdata::LayerObject* WorkLayer(int) override { return nullptr; }
  bool Loading() const override { return false; }
  int CurrentLayer() const override { return -1; }
  int EditorView() const override { return 0; }
  void RenderLayer(int, std::uint32_t) override {}
  std::int64_t PrintFieldDots() const override { return 600; }
  void HideMenuFrames() override {}
};

const char* const kSections[] = {"[Daten Bearbeiten Grafik]", "[Daten Bearbeiten Grafik Ruskavel]",
                                 "[Daten Bearbeiten Schriftauswahl]"};

// The value lines of `header` in the file, by line number from 1.
std::vector<std::string> FileSection(const std::string& file, const std::string& header) {
  auto bytes = platform::ReadWholeFile(std::string(LANGUAGE_DIR) + "/" + file);
  EXPECT_TRUE(bytes) << file;
  const std::vector<std::string> lines = app::SplitLanguageText(bytes ? *bytes : std::string());
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == header) {
      std::vector<std::string> values;
      for (std::size_t j = i + 1; j < lines.size() && !lines[j].empty() && lines[j][0] != '['; ++j)
        values.push_back(lines[j]);
      return values;
    }
  ADD_FAILURE() << header;
  return {};
}

const app::LanguageSection& Section(const std::string& header) {
  for (const app::LanguageSection& s : app::LanguageSections())
    if (s.header == header) return s;
  throw std::runtime_error(header);
}

std::string Stored(const app::LanguageTarget& t, const std::string& line) {
  return t.kind == app::TextTarget::WindowCaption ? " " + line : line;
}

}  // namespace

TEST(EditorWindowTexts, EveryNameHoldsTheGermanLineAndTakesItsOwn) {
  NoEditor editor;
  TFrameBearbeitenGrafik pane(&editor);
  TForm_Paint painter;
  TForm_Font chooser;
  const app::LanguageWindows windows;
  for (const char* header : kSections) {
    const app::LanguageSection& section = Section(header);
    const std::vector<std::string> german = FileSection("Deutsch23.lng", header);
    ASSERT_EQ(german.size(), section.values.size()) << header;
    for (std::size_t line = 0; line < section.values.size(); ++line) {
      for (const app::LanguageTarget& t : section.values[line]) {
        const auto text = windows.Read(t);
        ASSERT_TRUE(text.has_value()) << t.Name();
        EXPECT_EQ(*text, Stored(t, german[line])) << t.Name();
      }
    }
    // A unique line per target, read back where it was meant to go.
    const std::vector<std::string> english = FileSection("English23.lng", header);
    ASSERT_EQ(english.size(), section.values.size()) << header;
    for (std::size_t line = 0; line < section.values.size(); ++line) {
      const std::string value = "L" + std::to_string(line) + " " + english[line];
      for (const app::LanguageTarget& t : section.values[line]) EXPECT_TRUE(windows.Write(t, value)) << t.Name();
      for (const app::LanguageTarget& t : section.values[line]) EXPECT_EQ(*windows.Read(t), Stored(t, value)) << t.Name();
    }
  }
}

TEST(EditorWindowTexts, ThePainterSectionHasItsTwentySevenLines) {
  EXPECT_EQ(Section("[Daten Bearbeiten Grafik Ruskavel]").values.size(), 27u);
  EXPECT_EQ(FileSection("Deutsch23.lng", "[Daten Bearbeiten Grafik Ruskavel]").size(), 27u);
}

TEST(EditorWindowTexts, TheKeptWordsFollowTheLanguage) {
  NoEditor editor;
  TFrameBearbeitenGrafik pane(&editor);
  const app::LanguageWindows windows;
  const app::LanguageSection& section = Section("[Daten Bearbeiten Grafik]");
  for (const app::LanguageTarget& t : section.values[5]) ASSERT_TRUE(windows.Write(t, "Fixed"));
  pane.LabelAusrichten->Tag = 0;
  pane.SpeedButtonAusrichtenClick(pane.SpeedButtonAusrichten);
  EXPECT_EQ(pane.LabelAusrichten->text(), "Fixed");
}
