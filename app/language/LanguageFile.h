#pragma once
// The language file as bytes: its lines, its checksum line and its sections.
// Checking a file finds every section it holds before anything is applied,
// so a file that cannot be applied whole is refused whole. No Qt.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/language/LanguageSections.h"

namespace app {

// Results of loading a language file.
enum LanguageFileResult : int {
  kLanguageLoaded = 1,
  kLanguageNoLineList = -1,   // the line list could not be set up
  kLanguageUnreadable = -2,   // missing, locked or unreadable
  kLanguageBadChecksum = -3,  // line 4 is not the file's checksum
  kLanguageBadProduct = -4,   // line 5 is not "Tarvik23"
  kLanguageIncomplete = -5,   // too short for its checksum or product line, or a section lacks value lines
};

inline constexpr std::uint32_t kLanguageChecksumBase = 0xF6F9DFF7u;
inline constexpr std::string_view kLanguageProduct = "Tarvik23";
inline constexpr std::size_t kChecksumLine = 4;
inline constexpr std::size_t kProductLine = 5;

// Lines end at CR, LF or CR LF; a line end after the last line adds no empty
// line; a zero byte ends the text.
std::vector<std::string> SplitLanguageText(std::string_view bytes);

// The checksum base minus the byte length of every line but the last.
std::uint32_t LanguageChecksum(const std::vector<std::string>& lines);
// The checksum line: eight upper-case hexadecimal digits, as the platform
// writes every such number.
std::string ChecksumText(std::uint32_t checksum);

// A section found in a file: its value lines start at `firstValue`.
struct SectionUse {
  const LanguageSection* section;
  std::size_t firstValue;
};

struct LanguageFileCheck {
  int result = kLanguageNoLineList;
  std::string checksum;              // what line 4 must hold
  bool checksumLinePresent = false;  // line 4 exists, so it was compared
  std::vector<SectionUse> sections;  // in file order; complete only with kLanguageLoaded
};

// Checks a file's lines against `table`: checksum line, product line, and
// every section's value lines present (a value line that is itself a header
// counts as missing, since the section then swallowed the next one).
LanguageFileCheck CheckLanguageFile(const std::vector<std::string>& lines,
                                    const std::vector<LanguageSection>& table);

// A line that counts as nothing between sections: blank (only bytes up to
// 0x20) or, once trimmed of them, starting with "//".
bool IsSkippedLanguageLine(std::string_view line);

// Writes `lines` with a correct checksum line (line 4 replaced) and CR LF
// line ends, as the language files are kept.
std::string LanguageFileBytes(std::vector<std::string> lines);

}  // namespace app
