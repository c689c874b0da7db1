#pragma once
// Reading printer files back in tests: raw bitmaps as 25-bit column masks
// and descriptions as LF-ended lines.
#include <cstdint>
#include <string>
#include <vector>

namespace printerfiles {

// Bit y of a column: the dot of row y prints.
inline std::vector<std::uint32_t> Columns(const std::string& bytes) {
  std::vector<std::uint32_t> columns;
  for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
    auto b = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i + k])); };
    columns.push_back(b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24);
  }
  return columns;
}

// Lines ended by LF alone; text after the last LF is dropped.
inline std::vector<std::string> LfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  return lines;
}

}  // namespace printerfiles
