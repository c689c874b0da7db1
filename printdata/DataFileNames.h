#pragma once
// Names of a data set's files. A group path P names the group file
// F + B + ".g23" whatever its own extension (a data archive's path works as
// well), and print text i (0 to 98) lives beside it in F + B + "_NNN.j23"
// with NNN = i + 1 as three digits.
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace printdata {

struct DataFileNames {
  std::string Path;       // P without a trailing "/"
  std::string Folder;     // F, ending in "/"
  std::string Base;       // B, the file name without its extension
  std::string Extension;  // E, with its dot and at least one character after it
};

// Fails when the folder, the file name, the base name or the extension is
// empty; a lone dot at the end is no extension.
platform::Result<DataFileNames> SplitDataPath(std::string_view path);

std::string GroupFilePath(const DataFileNames& names);
std::string PrintTextFilePath(const DataFileNames& names, int index);

}  // namespace printdata
