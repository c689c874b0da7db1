#pragma once
// printf-style formatting of the library's message texts into a std::string.
#include <cstdarg>
#include <cstdio>
#include <string>

namespace zip {

inline std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
inline std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

}  // namespace zip
