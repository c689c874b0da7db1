#pragma once
// UTF-16 code units as bytes, either byte order. An odd last byte is no
// code unit and is dropped; unpaired surrogates pass unchanged.
#include <string_view>

#include "zip/ZipTypes.h"

namespace zip {

WideString Utf16BytesToWide(std::string_view bytes, bool bigEndian = false);
ByteString WideToUtf16Bytes(std::u16string_view text, bool bigEndian = false);

}  // namespace zip
