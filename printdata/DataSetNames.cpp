#include "printdata/DataSetNames.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/PathText.h"

namespace printdata {
namespace {

namespace fs = std::filesystem;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Lower(x) == Lower(y);
         });
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Code points, counting each UTF-8 sequence once.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithoutExtension(const std::string& name) {
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool HasExtension(const std::string& path, std::string_view extension) {
  const std::string name = FileNameOf(path);
  if (name.size() < extension.size() + 1) return false;
  const std::size_t dot = name.size() - extension.size() - 1;
  return name[dot] == '.' && EqualNoCase(std::string_view(name).substr(dot + 1), extension);
}

std::string ArchivePathFor(const std::string& folder, const std::string& name) {
  return platform::WithTrailingSlash(platform::WithoutTrailingSlash(folder)) + WithoutExtension(name) + "." +
         kArchiveExtension;
}

std::string FindFirstFile(const std::string& folder, std::string_view extension) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(platform::WithoutTrailingSlash(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code kind;
    if (!it->is_regular_file(kind)) continue;
    if (HasExtension(name, extension)) names.push_back(name);
  }
  if (names.empty()) return {};
  return *std::min_element(names.begin(), names.end());
}

std::string TrimName(std::string_view typed) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7F; };
  while (!typed.empty() && blank(typed.front())) typed.remove_prefix(1);
  while (!typed.empty() && blank(typed.back())) typed.remove_suffix(1);
  return std::string(typed);
}

bool IsValidDataSetName(std::string_view name) {
  if (name.empty() || Characters(name) > kMaxDataSetName) return false;
  if (name == "." || name == ".." || name.front() == '.') return false;
  for (char c : name)
    if (IsControl(static_cast<unsigned char>(c)) || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      return false;
  return true;
}

}  // namespace printdata
