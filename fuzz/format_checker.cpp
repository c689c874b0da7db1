// Libraries: zip_wide
// The format-string checker on any text (UTF-8; a first line break splits
// two formats): parsing succeeds or raises EFormatSpecError; a canonical
// form is its own canonical form and takes the same arguments as the
// format it came from; comparing two formats and formatting with a fixed
// argument list raise only their own errors.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "zip/CodePages.h"
#include "zip/wide/FormatStrParser.h"
#include "zip/wide/WideErrors.h"
#include "zip/wide/WideFormatter.h"

using namespace zip;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const WideString text = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::size_t lineBreak = text.find(u'\n');
  const WideString first = text.substr(0, lineBreak);
  const WideString second = lineBreak == WideString::npos ? first : text.substr(lineBreak + 1);

  try {
    const WideString canonical = GetCanonicalFormatStr(first);
    Check(GetCanonicalFormatStr(canonical) == canonical);
    Check(FormatStringsAreCompatible(first, canonical));
  } catch (const EFormatSpecError&) {
  }
  try {
    CompareFormatStrings(first, second);
  } catch (const EFormatSpecError&) {
  }
  // Widths of up to six digits are allowed; a short format keeps the output
  // within bounds a fuzzer can afford.
  if (first.size() <= 200) {
    static const TWideFormatArgs args{std::int32_t{7}, WideString(u"text"), 2.5, std::int64_t{-1},
                                      u'\u20ac', static_cast<const void*>(nullptr), std::int32_t{3}};
    try {
      Uni_WideFormat(first, args);
    } catch (const EFormatSpecError&) {
    } catch (const EConvertError&) {
    }
  }
  return 0;
}
