#pragma once
// Local folder paths as text: "/" separates, and a folder path may come
// with or without a final "/".
#include <string>
#include <string_view>

namespace platform {

// The path without final "/"s; the root "/" stays.
inline std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The path ending in "/" ("" becomes "/").
inline std::string WithTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// `folder` and `name` joined with one "/"; an empty folder gives the name.
inline std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The last component of `path`: what follows its last "/", the whole path
// when it has none.
inline std::string FileNameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The folder that holds the last component of `path`, without final "/":
// "/" for a component directly below the root, "." for a path without "/".
inline std::string ParentFolder(std::string_view path) {
  const auto slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

// Whether `name` (UTF-8) can stand as one file name inside a folder: not
// empty, not "." or "..", no "/" or "\" (the printer's and Windows'
// separator), no control characters, at most 255 bytes. Names from outside
// (a printer, an archive) must pass before they become part of a path.
inline bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name.size() > 255 || name == "." || name == "..") return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return false;
    // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F.
    if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) <= 0x9F) return false;
  }
  return true;
}

}  // namespace platform
