#include "zip/ZipPaths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "zip/CodePages.h"
#include "zip/FileSystem.h"

namespace zip {

WideString Slashed(WideString name) {
  std::replace(name.begin(), name.end(), u'\\', u'/');
  return name;
}

bool IsRemovableBlockDevice(unsigned major, unsigned minor, const std::string& sysfsRoot) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path device =
      fs::canonical(sysfsRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor), ec);
  if (ec) return false;
  // A disk's folder carries the flag; a partition's folder sits inside its
  // disk's and carries none.
  for (const fs::path& folder : {device, device.parent_path()}) {
    std::ifstream flag(folder / "removable");
    char value = 0;
    if (flag >> value) return value == '1';
  }
  return false;
}

bool IsRemovableDevice(std::uint64_t device) {
  return IsRemovableBlockDevice(major(device), minor(device), "/sys");
}

bool IsRemovableDrive(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && IsRemovableDevice(st.st_dev);
}

std::string AddTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path;
  return path + "/";
}

std::string DropTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path.substr(0, path.size() - 1);
  return path;
}

std::string BaseFolderOf(const std::string& base, const std::string& currentFolder) {
  return AddTrailingBackslash(base.empty() ? currentFolder : base);
}

std::string ResolveArchivePath(const std::string& base, const std::string& mask, const std::string& currentFolder) {
  std::string current = currentFolder.empty() ? WideGetCurrentDir() : currentFolder;
  std::string folder = AddTrailingBackslash(base.empty() ? current : base);
  if (!mask.empty()) {
    if (mask[0] == '/') return WideExpandFileName(mask);
    return WideExpandFileName(folder + mask);
  }
  if (!base.empty() && base[0] == '/' && !WideDirectoryExists(base)) return base;
  if (!WideDirectoryExists(folder) && !base.empty()) return base;
  return AddTrailingBackslash(WideExpandFileName(folder));
}

std::string ExtractRelativePath(const std::string& base, const std::string& target) {
  auto split = [](const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
      if (i == path.size() || path[i] == '/') {
        parts.push_back(path.substr(start, i - start));
        start = i + 1;
      }
    }
    return parts;
  };
  std::vector<std::string> from = split(WideExtractFilePath(base));
  std::vector<std::string> to = split(WideExtractFilePath(target));
  std::size_t i = 0;
  while (i < from.size() && i < to.size() && from[i] == to[i]) ++i;
  std::string out;
  for (std::size_t k = i; k < from.size(); ++k)
    if (!from[k].empty() || k + 1 < from.size()) out += "../";
  for (std::size_t k = i; k < to.size(); ++k)
    if (!to[k].empty()) out += to[k] + "/";
  return out + WideExtractFileName(target);
}

std::string MakeStoredName(const std::string& filePath, const std::string& baseFolder, TZipStorePathMode mode,
                           const std::string& currentFolder) {
  std::string base = ResolveArchivePath(baseFolder, std::string(), currentFolder);
  std::string full = ResolveArchivePath(base, filePath, currentFolder);
  if (!full.empty() && full.back() == '/') full.pop_back();
  if (!full.empty() && full.back() == '.') full.pop_back();
  std::string name;
  switch (mode) {
    case spNoPath: name = WideExtractFileName(full); break;
    case spRelativePath: {
      std::string rel = ExtractRelativePath(BaseFolderOf(base, currentFolder), full);
      name = rel.find("../") == std::string::npos && rel != ".." ? rel : full;
      break;
    }
    case spFullPath: name = full; break;
    case spFullPathWithDrive: name = WideExpandFileName(full); break;
  }
  if (mode != spFullPathWithDrive && !name.empty() && name[0] == '/') name.erase(0, 1);
  for (char& c : name)
    if (c == '\\') c = '/';
  return name;
}

bool DelTreeIfNoFiles(const std::string& folder) {
  std::string dir = AddTrailingBackslash(folder);
  if (DIR* d = ::opendir(dir.c_str())) {
    std::vector<std::string> subs;
    while (dirent* e = ::readdir(d)) {
      std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      std::int32_t attr = WideFileGetAttr(dir + name);
      if (attr != -1 && (attr & 0x10) && !WideFileExists(dir + name)) subs.push_back(name);
    }
    ::closedir(d);
    for (const auto& s : subs)
      if (!DelTreeIfNoFiles(dir + s + "/")) return false;
  }
  ::rmdir(DropTrailingBackslash(dir).c_str());
  return !WideDirectoryExists(DropTrailingBackslash(dir));
}

bool SafeRelativeName(const WideString& storedName, std::string& relative) {
  relative.clear();
  if (storedName.empty()) return false;
  if (storedName.find(u'\0') != WideString::npos) return false;
  if (storedName[0] == u'/' || storedName[0] == u'\\') return false;
  if (storedName.size() >= 2 && storedName[1] == u':') return false;
  std::vector<WideString> parts;
  WideString part;
  for (std::size_t i = 0; i <= storedName.size(); ++i) {
    if (i == storedName.size() || storedName[i] == u'/' || storedName[i] == u'\\') {
      if (part == u"..") return false;
      if (!part.empty() && part != u".") parts.push_back(part);
      part.clear();
    } else {
      part += storedName[i];
    }
  }
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) relative += '/';
    relative += WideToUtf8(parts[i]);
  }
  return true;
}

}  // namespace zip
