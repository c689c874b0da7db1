#pragma once
// The runtime's format syntax on wide strings:
//   "%" [index ":"] ["-"] [width] ["." precision] type
// index, width and precision are decimal numbers of up to six digits, width
// and precision also "*" (taken from the next argument). Types, in either
// case: d (decimal; precision = least digits), u (unsigned), x (upper-case
// hexadecimal), e (exponent; precision = digits in all, default 15), f
// (fixed; precision = decimals, default 2), g (general, default 15
// significant digits), n (fixed with thousands separators), m (money: like
// n, two decimals by default, no currency sign), p (pointer, upper-case
// hexadecimal of full width), s (text; precision = most characters).
// "%%" is a "%"; a "%" at the end or before a blank stays as it is. A
// specifier without index takes the argument behind the highest one read so
// far ("%1:s %0:s %s" reads 1, 0, 2), as the format-string checker numbers
// them.
#include <cstdint>
#include <variant>
#include <vector>

#include "zip/ZipTypes.h"

namespace zip {

using TWideFormatArg = std::variant<std::int32_t, std::int64_t, double, WideString, char16_t, const void*>;
using TWideFormatArgs = std::vector<TWideFormatArg>;

// Formats every specifier. Raises EConvertError "Kein Argument für Format
// '<format>'" when an argument is missing and "Format '<format>' ungültig
// oder nicht kompatibel mit Argument" for a bad specifier or an argument of
// the wrong kind.
// The messages name `shownFormat` when it is given (the caller's own format
// when this one was derived from it).
WideString FormatWide(const WideString& format, const TWideFormatArgs& args,
                      const WideString* shownFormat = nullptr);

// FormatWide after the floating-point specifiers have been formatted in
// place by ReplaceFloatingArgumentsInFormatString; a format the checker
// cannot parse raises its EFormatSpecError.
WideString Uni_WideFormat(const WideString& format, const TWideFormatArgs& args);

}  // namespace zip
