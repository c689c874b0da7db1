#include "printdata/NoteLines.h"

namespace printdata {

std::vector<std::string> NoteToLines(std::string_view note) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < note.size(); ++i) {
    const char c = note[i];
    if (c != '\r' && c != '\n') {
      lines.back() += c;
      continue;
    }
    if (c == '\r' && i + 1 < note.size() && note[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  return lines;
}

std::string NoteFromLines(const std::vector<std::string>& lines, std::size_t first) {
  std::string note;
  for (std::size_t i = first; i < lines.size(); ++i) {
    if (i > first) note += "\r\n";
    note += lines[i];
  }
  return note;
}

}  // namespace printdata
