#pragma once
// The sections a language file may hold: each header with the value lines
// that follow it and, per value line, the texts it sets. Windows are named
// after their class without the leading T ("Form_Main", "FrameDaten"),
// members after themselves; see platform/qt/LanguageTexts.h for how a
// window makes them reachable. Plain data, no Qt.
#include <string>
#include <vector>

namespace app {

enum class TextTarget {
  Caption,             // caption of a component (label, button, panel, check box, menu item)
  Hint,                // hint of a component
  WindowCaption,       // the window's caption: one blank, then the line
  WindowCaptionPlain,  // the window's caption: the line as it stands
  Text,                // a registered text entry, the line as it stands
  TextBlankPrefix,     // a registered text entry: one blank, then the line
  TextTrailingBlank,   // a registered text entry: the line, then one blank
  TextWithTitle,       // a registered text entry; the component `follow` takes the line too
                       // while its caption shows the entry's old text
  Column,              // caption of column `index` of a list view
};

struct LanguageTarget {
  std::string window;
  std::string member;  // empty for window captions
  int index = 0;       // entry of a registered text array, or the column
  TextTarget kind = TextTarget::Caption;
  std::string follow;  // TextWithTitle only
  bool entry = false;  // `index` picks an entry of a registered text array

  // "FrameDaten.TitleNone", "FormMessage.caption", "Form_FileDialog.DialogTexts[3]"
  std::string Name() const;
};

struct LanguageSection {
  std::string header;  // Windows-1252 bytes, brackets included
  // One entry per value line, in file order; a line may set several texts.
  std::vector<std::vector<LanguageTarget>> values;
};

// The 62 sections, in the order headers are compared.
const std::vector<LanguageSection>& LanguageSections();

}  // namespace app
