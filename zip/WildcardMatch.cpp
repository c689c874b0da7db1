#include "zip/WildcardMatch.h"

#include "zip/CodePages.h"

namespace zip {
namespace {

template <class Char, class Fold>
bool MatchFrom(std::basic_string_view<Char> s, std::size_t si, std::basic_string_view<Char> p, std::size_t pi,
               Fold fold) {
  for (;;) {
    if (p.size() - pi == 1 && p[pi] == Char('*')) return true;
    if (si == s.size()) return pi == p.size();
    if (pi == p.size()) return false;
    Char c = p[pi];
    if (c == Char('*')) {
      // The rest of the pattern is tried at every remaining character of s;
      // an empty rest of s is never tried.
      for (std::size_t k = si; k < s.size(); ++k)
        if (MatchFrom(s, k, p, pi + 1, fold)) return true;
      return false;
    }
    if (c != Char('?') && fold(c) != fold(s[si])) return false;
    ++si;
    ++pi;
  }
}

template <class Char, class Fold>
bool Match(std::basic_string_view<Char> s, std::basic_string_view<Char> p, Fold fold) {
  static constexpr Char kAll[] = {Char('*'), Char('.'), Char('*')};
  if (p == std::basic_string_view<Char>(kAll, 3)) return true;
  return MatchFrom(s, 0, p, 0, fold);
}

}  // namespace

bool WIsStrMatchPattern(std::u16string_view s, std::u16string_view pattern, bool ignoreCase) {
  if (ignoreCase) return Match(s, pattern, [](char16_t c) { return WideUpperChar(c); });
  return Match(s, pattern, [](char16_t c) { return c; });
}

bool IsStrMatchPattern(std::string_view s, std::string_view pattern, bool ignoreCase) {
  if (ignoreCase)
    return Match(s, pattern, [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
  return Match(s, pattern, [](char c) { return c; });
}

}  // namespace zip
