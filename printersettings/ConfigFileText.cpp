#include "printersettings/ConfigFileText.h"

namespace printersettings {

ConfigText SplitConfigText(std::string_view bytes) {
  ConfigText t;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    t.lines.push_back(std::move(line));
    line.clear();
  }
  t.endsWithBreak = !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r');
  if (!t.endsWithBreak && !bytes.empty()) t.lines.push_back(std::move(line));
  return t;
}

std::string JoinConfigText(const ConfigText& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    if (i > 0) bytes += "\r\n";
    bytes += text.lines[i];
  }
  if (text.endsWithBreak && !text.lines.empty()) bytes += "\r\n";
  return bytes;
}

}  // namespace printersettings
