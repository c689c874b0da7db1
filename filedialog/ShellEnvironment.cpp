#include "filedialog/ShellEnvironment.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "platform/FileIO.h"
#include "platform/LineFile.h"
#include "platform/PathText.h"

namespace filedialog {
namespace {

// The mount table writes blanks, tabs, newlines and backslashes as octal
// escapes ("\040").
std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out += static_cast<char>(std::stoi(digits, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

bool Below(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
         path[folder.size()] == '/';
}

std::string FolderFromUserDirs(const ShellEnvironment& env, const char* key, const char* fallback) {
  std::string value;
  if (auto text = platform::ReadWholeFile(env.home + "/.config/user-dirs.dirs"))
    value = UserDirFromText(*text, key, env.home);
  if (value.empty()) value = env.home + "/" + fallback;
  return platform::WithoutTrailingSlash(value);
}

}  // namespace

ShellEnvironment ShellEnvironment::OfProcess() {
  ShellEnvironment env;
  std::vector<char> buf(16384);
  passwd pw{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &pw, buf.data(), buf.size(), &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/')
    env.home = platform::WithoutTrailingSlash(found->pw_dir);
  else
    env.home = "/";
  return env;
}

std::string ShellEnvironment::DocumentsFolder() const {
  return FolderFromUserDirs(*this, "XDG_DOCUMENTS_DIR", "Documents");
}

std::string ShellEnvironment::DesktopFolder() const {
  return FolderFromUserDirs(*this, "XDG_DESKTOP_DIR", "Desktop");
}

std::string UserDirFromText(const std::string& text, const std::string& key, const std::string& home) {
  for (std::string line : platform::SplitLines(text)) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    line.erase(0, first);
    if (line.compare(0, key.size(), key) != 0 || line.size() <= key.size() || line[key.size()] != '=') continue;
    std::string value = line.substr(key.size() + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.compare(0, 5, "$HOME") == 0) value = home + value.substr(5);
    // Only absolute folders count; "$HOME/" alone names the home folder.
    if (value.empty() || value[0] != '/') return {};
    return platform::WithoutTrailingSlash(value);
  }
  return {};
}

std::vector<std::string> VolumesFromMountTable(const std::string& mountTable,
                                               const std::vector<std::string>& volumeFolders) {
  std::vector<std::string> volumes{"/"};
  for (const std::string& line : platform::SplitLines(mountTable)) {
    std::istringstream fields(line);
    std::string device, mountPoint;
    if (!(fields >> device >> mountPoint)) continue;
    if (device.compare(0, 5, "/dev/") != 0) continue;
    mountPoint = platform::WithoutTrailingSlash(Unescape(mountPoint));
    if (std::none_of(volumeFolders.begin(), volumeFolders.end(),
                     [&](const std::string& f) { return Below(mountPoint, platform::WithoutTrailingSlash(f)); }))
      continue;
    if (std::find(volumes.begin(), volumes.end(), mountPoint) == volumes.end()) volumes.push_back(mountPoint);
  }
  return volumes;
}

}  // namespace filedialog
