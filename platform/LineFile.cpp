#include "platform/LineFile.h"

#include "platform/FileIO.h"

namespace platform {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  std::size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

Result<std::vector<std::string>> ReadLines(const std::string& path) {
  auto data = ReadWholeFile(path);
  if (!data) return data.status();
  return SplitLines(*data);
}

Status WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteFileAtomic(path, JoinLines(lines));
}

}  // namespace platform
