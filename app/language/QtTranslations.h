#pragma once
// Qt's own texts in the UI language: its print dialog and the overwrite
// question it asks, the standard buttons of its message boxes ("Yes", "No"
// in the firmware warning) and its other built-in words come from Qt's
// translation of its base module (qtbase_<code>.qm in Qt's translations
// folder, Debian's qt6-translations-l10n). Texts the program gives a
// window itself are never Qt's and stay as they are.
#include <QString>
#include <memory>

class QTranslator;

namespace app {

class QtTranslations {
 public:
  QtTranslations();
  ~QtTranslations();  // Qt speaks English again
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // Qt's texts in the language of `languageId` (0 German, 1 English,
  // 2 French, 3 Italian, 4 Spanish; any other id German), in place of the
  // language before. English is Qt's own; false when the language's file
  // is missing, and Qt then speaks English.
  bool Use(int languageId);

  // The file's language code of `languageId`: "de", "en", "fr", "it", "es".
  static QString LanguageCode(int languageId);

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace app
