#include "printdata/DataFileNames.h"

#include <cstdio>

namespace printdata {

platform::Result<DataFileNames> SplitDataPath(std::string_view path) {
  if (!path.empty() && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos)
    return platform::Status::Fail("no folder in \"" + std::string(path) + "\"");
  const std::string_view name = path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  // A name ending in its dot ("GP.") has no extension.
  if (name.empty() || dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
    return platform::Status::Fail("no file name with an extension in \"" + std::string(path) + "\"");
  DataFileNames names;
  names.Path = std::string(path);
  names.Folder = std::string(path.substr(0, slash + 1));
  names.Base = std::string(name.substr(0, dot));
  names.Extension = std::string(name.substr(dot));
  return names;
}

std::string GroupFilePath(const DataFileNames& names) { return names.Folder + names.Base + ".g23"; }

std::string PrintTextFilePath(const DataFileNames& names, int index) {
  char number[24];
  std::snprintf(number, sizeof number, "_%03d.j23", index + 1);
  return names.Folder + names.Base + number;
}

}  // namespace printdata
