#include "zip/wide/FloatText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/DateTimeText.h"
#include "zip/wide/WideErrors.h"

namespace zip {
namespace {

// A finite value as sign, significant digits (no leading zero; empty for
// zero) and the decimal exponent of the first digit.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal ToDecimal(double value) {
  Decimal d;
  d.negative = std::signbit(value);
  if (value == 0) return d;
  // 17 significant digits identify every double exactly.
  char buffer[40];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 16);
  std::string_view text(buffer, static_cast<std::size_t>(r.ptr - buffer));
  auto e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') d.digits += c;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
  return d;
}

// Rounds to `count` significant digits, half away from zero; the digits
// come back exactly `count` long (empty when the value rounds to zero) and
// the exponent follows a carry.
std::string RoundDigits(const Decimal& d, int count, int& exponent) {
  exponent = d.exponent;
  if (d.digits.empty() || count < 0) return {};
  if (count == 0) {
    if (d.digits[0] < '5') return {};
    ++exponent;
    return "1";
  }
  const std::size_t n = static_cast<std::size_t>(count);
  if (n >= d.digits.size()) return d.digits + std::string(n - d.digits.size(), '0');
  std::string out = d.digits.substr(0, n);
  if (d.digits[n] >= '5') {
    std::size_t i = n;
    while (i > 0 && out[i - 1] == '9') out[--i] = '0';
    if (i == 0) {
      out.insert(out.begin(), '1');
      out.pop_back();
      ++exponent;
    } else {
      ++out[i - 1];
    }
  }
  return out;
}

bool Special(double value, std::string& text) {
  if (std::isnan(value)) text = "NAN";
  else if (std::isinf(value)) text = value < 0 ? "-INF" : "INF";
  else return false;
  return true;
}

std::string ExponentText(int exponent, bool plusSign, int minDigits) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return std::string("E") + (exponent < 0 ? "-" : plusSign ? "+" : "") + digits;
}

void Group(std::string& integer) {
  for (int i = static_cast<int>(integer.size()) - 3; i > 0; i -= 3)
    integer.insert(static_cast<std::size_t>(i), 1, platform::kThousandsSeparator);
}

}  // namespace

std::string FloatToExponentText(double value, int precision) {
  std::string text;
  if (Special(value, text)) return text;
  precision = std::clamp(precision, 1, 18);
  const Decimal d = ToDecimal(value);
  int exponent;
  std::string digits = RoundDigits(d, precision, exponent);
  const bool zero = digits.empty();
  if (zero) {
    digits.assign(static_cast<std::size_t>(precision), '0');
    exponent = 0;
  }
  if (d.negative && !zero) text += '-';
  text += digits[0];
  if (precision > 1) {
    text += platform::kDecimalSeparator;
    text += digits.substr(1);
  }
  return text + ExponentText(exponent, true, 3);
}

std::string FloatToFixedText(double value, int decimals, bool thousands) {
  std::string text;
  if (Special(value, text)) return text;
  decimals = std::clamp(decimals, 0, 18);
  const Decimal d = ToDecimal(value);
  int exponent;
  std::string digits = RoundDigits(d, d.exponent + 1 + decimals, exponent);
  // A carry (9.99 -> 10.0) moved the first digit up: the digits must still
  // reach down to the last decimal.
  const int needed = exponent + 1 + decimals;
  if (!digits.empty() && static_cast<int>(digits.size()) < needed)
    digits.append(static_cast<std::size_t>(needed) - digits.size(), '0');
  std::string integer, fraction;
  if (digits.empty()) {
    integer = "0";
    fraction.assign(static_cast<std::size_t>(decimals), '0');
  } else {
    // The digits cover everything down to the last decimal.
    const int integerDigits = exponent + 1;
    if (integerDigits > 0) {
      integer = digits.substr(0, static_cast<std::size_t>(integerDigits));
      fraction = digits.substr(static_cast<std::size_t>(integerDigits));
    } else {
      integer = "0";
      fraction = std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    }
  }
  if (thousands) Group(integer);
  if (d.negative && !digits.empty()) text += '-';
  text += integer;
  if (decimals > 0) {
    text += platform::kDecimalSeparator;
    text += fraction;
  }
  return text;
}

std::string FloatToGeneralText(double value, int precision, int minExponentDigits) {
  std::string text;
  if (Special(value, text)) return text;
  precision = std::clamp(precision, 1, 18);
  const Decimal d = ToDecimal(value);
  int exponent;
  std::string digits = RoundDigits(d, precision, exponent);
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) return "0";
  if (d.negative) text += '-';
  if (exponent >= precision || exponent < -5) {
    text += digits[0];
    if (digits.size() > 1) {
      text += platform::kDecimalSeparator;
      text += digits.substr(1);
    }
    return text + ExponentText(exponent, false, minExponentDigits);
  }
  if (exponent < 0) {
    text += '0';
    text += platform::kDecimalSeparator;
    text += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    return text;
  }
  const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integerDigits) return text + digits + std::string(integerDigits - digits.size(), '0');
  text += digits.substr(0, integerDigits);
  text += platform::kDecimalSeparator;
  return text + digits.substr(integerDigits);
}

std::string ENG_US_FloatToStr(double value) { return FloatToGeneralText(value, 15, 0); }

double ENG_US_StrToFloat(std::string_view text) {
  auto fail = [&]() -> double { throw EConvertError("'" + std::string(text) + "' ist kein gültiger Gleitkommawert"); };
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // The grammar is checked here; from_chars would also take "inf", "nan"
  // and hexadecimal forms.
  std::size_t i = 0, mantissaDigits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return fail();
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t k = j;
    while (k < s.size() && s[k] >= '0' && s[k] <= '9') ++k;
    if (k == j) return fail();
    i = k;
  }
  if (i != s.size()) return fail();
  std::string plain(s);
  if (plain.front() == '.') plain.insert(0, 1, '0');  // from_chars wants a digit first
  double value = 0;
  auto r = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    // Too small to tell from zero is zero; too large is no number. Which of
    // the two: the decimal exponent of the first significant digit.
    long long exponent = 0;
    auto e = plain.find_first_of("eE");
    if (e != std::string::npos) {
      std::string_view digits(plain.data() + e + 1, plain.size() - e - 1);
      if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
      if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
        exponent = digits.front() == '-' ? -1000000 : 1000000;
    }
    std::string_view mantissa(plain.data(), e == std::string::npos ? plain.size() : e);
    auto point = mantissa.find('.');
    const long long first = static_cast<long long>(mantissa.find_first_of("123456789"));
    const long long integerDigits =
        static_cast<long long>(point == std::string_view::npos ? mantissa.size() : point);
    // Digits before the point count from 1, digits behind it from 0 down.
    const long long position = first < integerDigits ? integerDigits - first : integerDigits - first + 1;
    if (exponent + position > 0) return fail();
    value = 0;
  } else if (r.ec != std::errc()) {
    return fail();
  }
  return negative ? -value : value;
}

}  // namespace zip
