#pragma once
// Wildcard masks of the archiver: "*" spans any run of characters including
// folder separators, "?" one character; there are no escapes. A pattern that
// is exactly "*.*" matches every name, also one without a dot.
#include <string_view>

#include "zip/ZipTypes.h"

namespace zip {

bool WIsStrMatchPattern(std::u16string_view s, std::u16string_view pattern, bool ignoreCase);
// The same on byte strings; with ignoreCase only A to Z are folded.
bool IsStrMatchPattern(std::string_view s, std::string_view pattern, bool ignoreCase);

}  // namespace zip
