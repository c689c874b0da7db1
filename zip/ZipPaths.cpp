#include "zip/ZipPaths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
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
    if (flag >> value && value == '1') return true;
  }
  // Many USB sticks and card readers call their medium fixed; what hangs
  // on a USB port can be pulled out all the same.
  for (const fs::path& part : device.lexically_relative(fs::canonical(sysfsRoot, ec)))
    if (part.string().rfind("usb", 0) == 0) return true;
  return false;
}

std::uint64_t MountSourceDevice(std::uint64_t device, const std::string& mountInfo) {
  std::ifstream in(mountInfo);
  std::string line;
  const std::string number = std::to_string(major(device)) + ":" + std::to_string(minor(device));
  while (std::getline(in, line)) {
    // "id parent MAJ:MIN root mount-point options [tags] - type source options"
    std::istringstream fields(line);
    std::string id, parent, numbers;
    if (!(fields >> id >> parent >> numbers) || numbers != number) continue;
    const std::size_t dash = line.find(" - ");
    if (dash == std::string::npos) continue;
    std::istringstream tail(line.substr(dash + 3));
    std::string type, source;
    if (!(tail >> type >> source) || source.rfind("/dev/", 0) != 0) continue;
    struct stat st;
    if (::stat(source.c_str(), &st) == 0 && S_ISBLK(st.st_mode)) return st.st_rdev;
  }
  return device;
}

bool IsRemovableDevice(std::uint64_t device) {
  // File systems such as btrfs give their files a device number of their
  // own; the mount table names the block device beneath.
  if (major(device) == 0) device = MountSourceDevice(device, "/proc/self/mountinfo");
  return IsRemovableBlockDevice(major(device), minor(device), "/sys");
}

bool IsRemovableDrive(const std::string& path) {
  // A file about to be made is on the drive of the folder it goes into.
  std::string at = path.empty() ? std::string(".") : path;
  struct stat st;
  while (::stat(at.c_str(), &st) != 0) {
    std::string parent = DropTrailingBackslash(WideExtractFilePath(DropTrailingBackslash(at)));
    if (parent.empty()) parent = at[0] == '/' ? "/" : ".";
    if (parent == at) return false;
    at = parent;
  }
  return IsRemovableDevice(st.st_dev);
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
