// Libraries: app
// Language files as they might arrive, checked by the loader's own check:
// a file it takes whole has every line it promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/language/LanguageFile.h"
#include "app/language/LanguageSections.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = app::SplitLanguageText(std::string_view(reinterpret_cast<const char*>(data), size));
  const app::LanguageFileCheck check = app::CheckLanguageFile(lines, app::LanguageSections());
  if (check.result != app::kLanguageLoaded) return 0;
  // A file taken whole has every value line it promises, before its last line ends.
  if (lines.size() <= app::kProductLine || lines[app::kChecksumLine] != check.checksum) std::abort();
  for (const app::SectionUse& use : check.sections)
    if (use.firstValue + use.section->values.size() > lines.size()) std::abort();
  return 0;
}
