#pragma once
// Local folder paths as text: "/" separates, and a folder path may come
// with or without a final "/".
#include <string>

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

}  // namespace platform
