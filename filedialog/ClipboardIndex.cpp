#include "filedialog/ClipboardIndex.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "filedialog/FileOperations.h"
#include "platform/LineFile.h"
#include "platform/PathText.h"

namespace filedialog {
namespace fs = std::filesystem;
using platform::Status;

bool IsSingleName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

bool ClipboardIndex::Load(const std::string& folder) {
  folder_ = platform::WithoutTrailingSlash(folder);
  lines_.clear();
  const std::string indexPath = platform::JoinPath(folder_, kClipboardIndexName);
  if (!PathExists(indexPath)) return false;
  auto read = platform::ReadLines(indexPath);
  if (!read) return false;
  for (const std::string& line : *read) {
    if (static_cast<int>(lines_.size()) >= kClipboardEntries) break;
    if (!IsSingleName(line) || line == kClipboardIndexName) continue;
    if (std::find(lines_.begin(), lines_.end(), line) != lines_.end()) continue;
    if (!PathExists(ItemPath(line))) continue;
    lines_.push_back(line);
  }
  return !lines_.empty();
}

std::string ClipboardIndex::ItemPath(const std::string& name) const { return platform::JoinPath(folder_, name); }

bool ClipboardIndex::NamesFolder(const std::string& name) const {
  std::error_code ec;
  return fs::is_directory(fs::symlink_status(ItemPath(name), ec));
}

std::string ClipboardIndex::MenuText(const std::string& name) const {
  return NamesFolder(name) ? "[" + name + "]" : name;
}

void ClipboardIndex::DeleteItem(const std::string& name) const {
  if (!IsSingleName(name) || name == kClipboardIndexName) return;
  const std::string path = ItemPath(name);
  if (PathExists(path)) (void)DeletePath(path);
}

Status ClipboardIndex::Add(const std::string& name) {
  if (!IsSingleName(name) || name == kClipboardIndexName) return Status::Fail("\"" + name + "\" is not an item name");
  lines_.erase(std::remove(lines_.begin(), lines_.end(), name), lines_.end());
  lines_.insert(lines_.begin(), name);
  while (static_cast<int>(lines_.size()) > kClipboardEntries) {
    DeleteItem(lines_.back());
    lines_.pop_back();
  }
  return Save();
}

Status ClipboardIndex::Remove(const std::string& name) {
  const auto it = std::find(lines_.begin(), lines_.end(), name);
  DeleteItem(name);
  if (it == lines_.end()) return Status::Ok();
  lines_.erase(it);
  return Save();
}

Status ClipboardIndex::Clear() {
  while (!lines_.empty()) {
    DeleteItem(lines_.back());
    lines_.pop_back();
  }
  return Save();
}

Status ClipboardIndex::Save() const {
  if (folder_.empty()) return Status::Fail("no clipboard folder");
  return platform::WriteLines(platform::JoinPath(folder_, kClipboardIndexName), lines_);
}

}  // namespace filedialog
