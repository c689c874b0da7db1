#include "app/language/LanguageLoader.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <new>

#include "app/language/LanguageFile.h"
#include "app/language/LanguageTargets.h"
#include "app/language/TFormSprache.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/qt/TextCodec.h"

namespace app {
namespace {

// The checksum the file must carry, red when its line 4 holds another.
void ShowChecksum(const LanguageFileCheck& check) {
  if (!FormSprache) return;
  QLineEdit* field = FormSprache->Edit_SpracheCRC;
  field->setText(platform::ToQt(check.checksum));
  if (check.checksumLinePresent) FormSprache->ShowChecksumWrong(check.result == kLanguageBadChecksum);
}

}  // namespace

int LoadLanguageFile(const std::string& path) {
  std::vector<std::string> lines;
  LanguageFileCheck check;
  try {
    auto bytes = platform::ReadWholeFile(path);
    if (!bytes) return kLanguageUnreadable;
    lines = SplitLanguageText(*bytes);
    check = CheckLanguageFile(lines, LanguageSections());
  } catch (const std::bad_alloc&) {
    return kLanguageNoLineList;
  }
  ShowChecksum(check);
  if (check.result == kLanguageBadChecksum || check.result == kLanguageIncomplete)
    platform::Beep(platform::BeepKind::Error);
  if (check.result != kLanguageLoaded) return check.result;

  const LanguageWindows windows;
  for (const SectionUse& use : check.sections) {
    std::size_t line = use.firstValue;
    for (const std::vector<LanguageTarget>& targets : use.section->values) {
      for (const LanguageTarget& target : targets) (void)windows.Write(target, lines[line]);
      ++line;
    }
  }
  // Windows that hand their captions on (the printer's setting forms to the
  // printer thread) learn that the texts changed.
  for (QWidget* w : windows.All()) {
    QEvent changed(QEvent::LanguageChange);
    QCoreApplication::sendEvent(w, &changed);
  }
  return kLanguageLoaded;
}

}  // namespace app
