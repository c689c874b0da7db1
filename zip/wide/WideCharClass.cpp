#include "zip/wide/WideCharClass.h"

#include <locale.h>
#include <wctype.h>

namespace zip {
namespace {

locale_t UnicodeLocale() {
  // Built into the C library since glibc 2.35; the plain C locale (ASCII
  // classes only) stands in where it is missing.
  static const locale_t locale = [] {
    locale_t l = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return l ? l : ::newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
  }();
  return locale;
}

template <int (*Test)(wint_t, locale_t)>
bool Is(char16_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  return Test(static_cast<wint_t>(c), UnicodeLocale()) != 0;
}

}  // namespace

bool IsWideCharUpper(char16_t c) { return Is<::iswupper_l>(c); }
bool IsWideCharLower(char16_t c) { return Is<::iswlower_l>(c); }
bool IsWideCharDigit(char16_t c) { return Is<::iswdigit_l>(c); }
bool IsWideCharSpace(char16_t c) { return Is<::iswspace_l>(c); }
bool IsWideCharPunct(char16_t c) { return Is<::iswpunct_l>(c); }
bool IsWideCharCntrl(char16_t c) { return Is<::iswcntrl_l>(c); }
bool IsWideCharBlank(char16_t c) { return Is<::iswblank_l>(c); }
bool IsWideCharXDigit(char16_t c) { return Is<::iswxdigit_l>(c); }
bool IsWideCharAlpha(char16_t c) { return Is<::iswalpha_l>(c); }
bool IsWideCharAlphaNumeric(char16_t c) { return IsWideCharAlpha(c) || IsWideCharDigit(c); }

}  // namespace zip
