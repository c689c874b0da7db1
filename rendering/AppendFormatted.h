#pragma once
// Appending a number as a printf format writes it ("%02d", "%2lld", ...):
// how the date and time codes spell their placeholders, as the printer's
// own formatting does. Locale-free for the integer formats they use.
#include <algorithm>
#include <cstdio>
#include <string>

namespace editor {

template <class... Args>
void AppendFormatted(std::string& out, const char* format, Args... args) {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  if (n > 0) out.append(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

}  // namespace editor
