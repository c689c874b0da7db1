#pragma once
// Loads a language file into every window: checks the file whole (checksum
// line, product line, every section complete) and only then replaces the
// texts that its sections name.
#include <string>

namespace app {

// Results as app/LanguageFile.h lists them: 1 loaded, -1 no line list,
// -2 unreadable, -3 wrong checksum line, -4 wrong product line, -5 too short
// or a section lacking value lines. With any result but 1 no text has
// changed except the language dialog's checksum field.
int LoadLanguageFile(const std::string& path);

}  // namespace app
