#pragma once
// Names and paths of data sets on disk: the data archive (zg23) and the
// group file (g23), the name a user types for a data set, and the search for
// a folder's data-set file. Extensions are compared without case, as on the
// system the data sets come from, and written in lower case.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/PathText.h"

namespace printdata {

inline constexpr char kArchiveExtension[] = "zg23";
inline constexpr char kGroupExtension[] = "g23";
// The longest name the save dialog takes.
inline constexpr std::size_t kMaxDataSetName = 33;

// The file name of `path` (after its last "/").
using platform::FileNameOf;
// The folder of `path` with its final "/"; "" when the path has none.
std::string FolderOf(const std::string& path);
// `name` without its last extension: "Eier 5.zg23" gives "Eier 5", "Eier"
// stays "Eier".
std::string WithoutExtension(const std::string& name);
// Whether the file name of `path` ends in "." + `extension`, any case.
bool HasExtension(const std::string& path, std::string_view extension);
// The archive `folder`/<name without its extension>.zg23; `folder` with or
// without its final "/".
std::string ArchivePathFor(const std::string& folder, const std::string& name);

// The first plain file of `folder` whose extension is `extension` (any
// case), by name: hidden files (a leading ".") and folders never match. ""
// when there is none or the folder cannot be read.
std::string FindFirstFile(const std::string& folder, std::string_view extension);

// The typed name with blanks and control characters removed at both ends.
std::string TrimName(std::string_view typed);
// Whether a trimmed name can name a data set in a folder of its own: not
// empty, at most kMaxDataSetName characters, not "." or "..", no leading
// "." (the file would be hidden, and its slot would look empty), and none of
// the characters that name folders or are reserved on the systems the data
// sets travel to (\ / : * ? " < > |) or control characters.
bool IsValidDataSetName(std::string_view name);

}  // namespace printdata
