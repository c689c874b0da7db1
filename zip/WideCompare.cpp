#include "zip/WideCompare.h"

#include <algorithm>

#include "zip/CodePages.h"

namespace zip {

int CompareWideText(std::u16string_view a, std::u16string_view b, bool ignoreCase) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    char16_t x = ignoreCase ? WideUpperChar(a[i]) : a[i];
    char16_t y = ignoreCase ? WideUpperChar(b[i]) : b[i];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace zip
