#pragma once
// Ordering of wide texts for the string lists and the null-terminated text
// routines. There is no locale collation here: texts compare code unit by
// code unit, and without regard to case they compare after the library's
// one upper-case mapping of names (WideUpperChar), so that "equal ignoring
// case" means the same everywhere in the library.
#include <string_view>

namespace zip {

// Below 0, 0 or above 0, like the platform's string comparison minus 2.
int CompareWideText(std::u16string_view a, std::u16string_view b, bool ignoreCase);

}  // namespace zip
