#pragma once
// UTF-7 (RFC 2152). The encoder writes the optional direct characters (set
// O) directly and closes a base64 run with "-" only where the next character
// would otherwise be read as part of it, never at the end of the text.
#include <string>
#include <string_view>

#include "zip/ZipTypes.h"

namespace zip {

std::string WideStringToUTF7(std::u16string_view text);

// Raises EUniGeneralError "Invalid UTF7" for a byte of 0x80 or more, a "+"
// run that yields no character, or a run that ends on bits that are not
// zero; the whole input is read first.
WideString UTF7ToWideString(std::string_view utf7);

}  // namespace zip
