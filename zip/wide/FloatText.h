#pragma once
// Floating-point numbers as text, independent of the process locale: "."
// separates decimals and "'" thousands (the program's fixed separators).
// Digits are rounded half away from zero on the shortest decimal form of
// the value, so 0.125 at two decimals gives "0.13".
#include <string>
#include <string_view>

namespace zip {

// The runtime's general form with 15 significant digits: "1.5", "1E20",
// "1.5E-7"; "NAN", "INF", "-INF".
std::string ENG_US_FloatToStr(double value);
// Blanks around, an optional sign, digits with an optional "." and an
// optional exponent. Raises EConvertError
// "'<text>' ist kein gültiger Gleitkommawert" for anything else and for
// values beyond the range of a double.
double ENG_US_StrToFloat(std::string_view text);

// The layouts of the format types e, f, g, n and m.
// "-d.ddd...E+ddd": `precision` digits in all (1 to 18), at least three
// exponent digits.
std::string FloatToExponentText(double value, int precision);
// "-ddd.ddd": `decimals` digits behind the point (0 to 18); with `thousands`
// the integer digits are grouped.
std::string FloatToFixedText(double value, int decimals, bool thousands);
// The shorter of fixed and exponent form with at most `precision`
// significant digits (1 to 18), trailing zeros removed; the exponent has
// at least `minExponentDigits` digits and a sign only when negative.
std::string FloatToGeneralText(double value, int precision, int minExponentDigits);

}  // namespace zip
