#pragma once
// Where the texts of the language file go: finds the named windows and their
// named members (see platform/qt/LanguageTexts.h) and reads and writes the
// texts the section table names.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language/LanguageSections.h"

namespace app {

// A snapshot of the program's named windows, taken once per file load.
class LanguageWindows {
 public:
  LanguageWindows();

  QWidget* Window(const std::string& name) const;
  // Every named window and frame (those still alive).
  std::vector<QWidget*> All() const;
  // A member found below the window, not inside another named window.
  QObject* Member(const std::string& window, const std::string& member) const;

  // Whether the text the target names exists now.
  bool Has(const LanguageTarget& target) const;
  // The text as it stands (captions with their leading blank), as
  // Windows-1252 bytes; nothing when the target does not exist.
  std::optional<std::string> Read(const LanguageTarget& target) const;
  // Sets the text from one value line, in the way the target's kind asks;
  // false when the target does not exist (the line then sets nothing).
  bool Write(const LanguageTarget& target, std::string_view value) const;

 private:
  QHash<QString, QPointer<QWidget>> windows_;
};

// A named window or frame: its object name begins with "Form" or "Frame".
bool IsLanguageWindowName(const QString& name);

}  // namespace app
