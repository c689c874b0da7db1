#include "app/language/LanguageFile.h"

#include <unordered_map>

#include "platform/LineFile.h"
#include "platform/NumberText.h"

namespace app {

std::vector<std::string> SplitLanguageText(std::string_view bytes) {
  const std::size_t end = bytes.find('\0');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);
  return platform::SplitLines(bytes);
}

std::uint32_t LanguageChecksum(const std::vector<std::string>& lines) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) sum += static_cast<std::uint32_t>(lines[i].size());
  return kLanguageChecksumBase - sum;
}

std::string ChecksumText(std::uint32_t checksum) { return platform::Hex8(checksum); }

bool IsSkippedLanguageLine(std::string_view line) {
  std::size_t first = 0;
  while (first < line.size() && static_cast<unsigned char>(line[first]) <= 0x20) ++first;
  std::size_t last = line.size();
  while (last > first && static_cast<unsigned char>(line[last - 1]) <= 0x20) --last;
  const std::string_view trimmed = line.substr(first, last - first);
  return trimmed.empty() || trimmed.substr(0, 2) == "//";
}

LanguageFileCheck CheckLanguageFile(const std::vector<std::string>& lines,
                                    const std::vector<LanguageSection>& table) {
  LanguageFileCheck check;
  check.checksum = ChecksumText(LanguageChecksum(lines));
  const std::size_t count = lines.size();
  if (count <= kChecksumLine) {
    check.result = kLanguageIncomplete;
    return check;
  }
  check.checksumLinePresent = true;
  if (lines[kChecksumLine] != check.checksum) {
    check.result = kLanguageBadChecksum;
    return check;
  }
  if (count <= kProductLine) {
    check.result = kLanguageIncomplete;
    return check;
  }
  if (lines[kProductLine] != kLanguageProduct) {
    check.result = kLanguageBadProduct;
    return check;
  }

  std::unordered_map<std::string_view, const LanguageSection*> headers;
  for (const LanguageSection& s : table) headers.emplace(s.header, &s);

  // The last line is never a header; it can only be a section's last value.
  for (std::size_t c = 0; c + 1 < count; ++c) {
    if (IsSkippedLanguageLine(lines[c])) continue;
    const auto found = headers.find(lines[c]);
    if (found == headers.end()) continue;
    const LanguageSection* section = found->second;
    const std::size_t values = section->values.size();
    if (values > count - 1 - c) {
      check.result = kLanguageIncomplete;
      return check;
    }
    for (std::size_t v = c + 1; v <= c + values; ++v) {
      if (headers.count(lines[v]) != 0) {
        check.result = kLanguageIncomplete;
        return check;
      }
    }
    check.sections.push_back({section, c + 1});
    c += values;
  }
  check.result = kLanguageLoaded;
  return check;
}

std::string LanguageFileBytes(std::vector<std::string> lines) {
  if (lines.size() > kChecksumLine) {
    lines[kChecksumLine] = "XXXXXXXX";
    lines[kChecksumLine] = ChecksumText(LanguageChecksum(lines));
  }
  return platform::JoinLines(lines);
}

}  // namespace app
