#include "filedialog/DialogProtocol.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "filedialog/Extensions.h"
#include "platform/FileIO.h"
#include "platform/LineFile.h"
#include "platform/PathText.h"

namespace filedialog {
namespace fs = std::filesystem;

namespace {

// Adds `name` to the ".hidden" file of `folder`, which file managers read
// as the list of names not to show there.
bool HideInFolder(const std::string& folder, const std::string& name) {
  const std::string list = platform::JoinPath(folder, ".hidden");
  std::vector<std::string> lines;
  std::error_code ec;
  if (fs::exists(list, ec)) {
    auto read = platform::ReadLines(list);
    if (!read) return false;
    lines = std::move(*read);
  }
  if (std::find(lines.begin(), lines.end(), name) != lines.end()) return true;
  lines.push_back(name);
  // The desktops write this file with LF line ends.
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return platform::WriteFileAtomic(list, text).ok();
}

}  // namespace

std::string ResolvePlacePath(const ShellNamespace& shell, const std::string& value) {
  std::string resolved;
  if (value == kPlaceDesktop)
    resolved = shell.Environment().DesktopFolder();
  else if (value == kPlaceDocuments)
    resolved = shell.Environment().DocumentsFolder();
  else
    resolved = shell.ShellParsingPath(value);
  return platform::WithoutTrailingSlash(resolved);
}

int SetPlaceEntry(PlaceMenu& menu, const ShellNamespace& shell, std::uint32_t index, const std::string& caption,
                  const std::string& path, const std::string& root) {
  if (index >= menu.size()) return -1;
  PlaceEntry& e = menu[index];
  e.path = ResolvePlacePath(shell, path);
  e.root = ResolvePlacePath(shell, root);
  e.caption = (path == kPlaceDesktop || path == kPlaceDocuments) ? platform::FileNameOf(e.path) : caption;
  return 0;
}

int PlaceCount(const PlaceMenu& menu) {
  int n = 0;
  while (n < static_cast<int>(menu.size()) && !menu[static_cast<std::size_t>(n)].caption.empty()) ++n;
  return n;
}

InitialFile SplitInitialFile(const std::string& initialFile, const std::string& defaultExtension) {
  InitialFile f;
  f.fileName = platform::FileNameOf(initialFile);
  if (f.fileName.empty()) return {};
  f.baseName = WithoutExtension(f.fileName);
  f.extension = ExtensionOf(f.fileName);
  if (f.extension.empty()) {
    f.fileName = f.baseName + defaultExtension;
    f.extension = defaultExtension;
  }
  return f;
}

std::string WithoutLeadingBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

OkState OkStateFor(std::uint8_t mode, const std::string& nameField, bool folderOrNothingSelected) {
  OkState s;
  s.nameField = nameField;
  switch (mode) {
    case kModeOpen:
      s.nameField = WithoutLeadingBlanks(nameField);
      s.okVisible = true;
      if (folderOrNothingSelected) s.nameField.clear();
      s.okEnabled = !s.nameField.empty() && !folderOrNothingSelected;
      break;
    case kModeSave:
      s.nameField = WithoutLeadingBlanks(nameField);
      s.okVisible = true;
      s.okEnabled = !s.nameField.empty();
      break;
    case kModeBrowse:
      if (folderOrNothingSelected) s.nameField.clear();
      break;
    default:
      s.nameField.clear();
      break;
  }
  return s;
}

std::string ChosenFileName(std::uint8_t mode, const std::string& nameField, const std::string& defaultExtension) {
  switch (mode) {
    case kModeOpen: return nameField;
    case kModeSave: return WithoutExtension(nameField) + defaultExtension;
    default: return {};
  }
}

int SetClipboardFolder(DialogState& state, const std::string& path) {
  if (path.empty()) return -1;
  std::string folder = path;
  if (folder.back() == '/') folder.pop_back();
  if (folder.empty()) return -2;
  folder = platform::WithoutTrailingSlash(folder);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) return -3;
  if (!HideInFolder(platform::ParentFolder(folder), platform::FileNameOf(folder))) return -4;
  state.clipboardFolder = platform::WithTrailingSlash(folder);
  return 0;
}

}  // namespace filedialog
