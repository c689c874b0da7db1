#pragma once
// File-name extensions as the dialog compares them: "." followed by the
// extension in lower case; lists of ten extensions that say which files the
// listing shows.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace filedialog {

// Letters in lower case: A to Z and the Latin-1 capitals of UTF-8 text;
// every other byte stays as it is.
std::string LowerText(std::string_view text);

// The extension of the last component of `name`: from its last "." on,
// the dot included, in the case it has; "" without a dot.
std::string ExtensionOf(std::string_view name);
// ExtensionOf in lower case.
std::string LowerExtensionOf(std::string_view name);

// `text` without the extension of its last component: cut at the last "."
// that comes after the last "/" or ":"; a text without one stays whole.
std::string WithoutExtension(std::string_view text);

// Ten extensions, each "." plus lower-case letters, or empty. Entry 0
// ".*" stands for every extension; an empty entry matches nothing.
struct ExtensionList {
  std::array<std::string, 10> entries;

  bool Matches(const std::string& lowerExtension) const;
  void Clear() { entries.fill(std::string()); }
};

// What the listing shows besides folders.
struct ListingFilter {
  std::uint32_t enumFlags = 0x60;
  std::string defaultExtension = ".*";  // "." alone matches no file
  ExtensionList shown, extra, hidden;

  // Whether a file with this lower-case extension is listed.
  bool ListsFile(const std::string& lowerExtension) const;
};

// The enumeration flags the dialog understands.
inline constexpr std::uint32_t kEnumFolders = 0x20;
inline constexpr std::uint32_t kEnumNonFolders = 0x40;
inline constexpr std::uint32_t kEnumIncludeHidden = 0x80;

}  // namespace filedialog
