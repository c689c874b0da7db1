#pragma once
// The texts the console and the configuration editor carry in the code,
// chosen by the UI language (0 German, 1 English, 2 French, 3 Italian,
// 4 Spanish), as Windows-1252 bytes.
#include <string>

namespace printersettings {

// The console refuses a line its printer's command buffer cannot hold.
std::string ConsoleLineTooLongText(int languageId);

// The configuration editor: German for 0 and any unknown language, English
// for 1 and 3 (it has no Italian texts), French for 2, Spanish for 4.
struct EditorTexts {
  std::string caption, open, save, print, install, cancel, loading, saving, installing;
  std::string discardQuestion;  // asked before edits are thrown away
};
EditorTexts EditorTextsFor(int languageId);

// The system boxes that end the editor's fetch and store: German for 0,
// English for every other language. Each ends in two line breaks.
enum class ConfigResult { FetchFailed, Stored, StoreFailed };
std::string ConfigResultText(ConfigResult result, int languageId);

}  // namespace printersettings
