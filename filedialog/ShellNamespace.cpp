#include "filedialog/ShellNamespace.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>
#include <system_error>

#include "filedialog/Extensions.h"
#include "platform/DateTimeText.h"
#include "platform/FileIO.h"
#include "platform/LineFile.h"
#include "platform/PathText.h"

namespace filedialog {
namespace fs = std::filesystem;
using platform::Result;
using platform::Status;

namespace {

std::set<std::string> HiddenNames(const std::string& folder) {
  std::set<std::string> names;
  if (auto lines = platform::ReadLines(platform::JoinPath(folder, ".hidden")))
    for (const std::string& l : *lines)
      if (!l.empty()) names.insert(l);
  return names;
}

bool IsHidden(const std::string& name, const std::set<std::string>& hiddenNames) {
  return (!name.empty() && name[0] == '.') || hiddenNames.count(name) != 0;
}

bool Covers(const std::string& mountPoint, const std::string& path) {
  if (mountPoint == "/") return true;
  return path == mountPoint ||
         (path.size() > mountPoint.size() && path.compare(0, mountPoint.size(), mountPoint) == 0 &&
          path[mountPoint.size()] == '/');
}

int KindRank(ItemKind k) {
  switch (k) {
    case ItemKind::Computer: return 0;
    case ItemKind::Network: return 1;
    case ItemKind::Volume: return 2;
    case ItemKind::Entry: return 3;
  }
  return 3;
}

}  // namespace

ShellNamespace::ShellNamespace(ShellEnvironment env) : env_(std::move(env)) {}

std::vector<std::string> ShellNamespace::Volumes() const {
  auto table = platform::ReadWholeFile(env_.mountsFile);
  return VolumesFromMountTable(table ? *table : std::string(), env_.volumeFolders);
}

Result<ItemIdList> ShellNamespace::Parse(const std::string& path) const {
  if (path == kMyComputerName) return ItemIdList{{ItemKind::Computer, {}, true}};
  if (path == kNetworkName) return ItemIdList{{ItemKind::Network, {}, true}};
  if (path == kTopName) return ItemIdList{};
  if (path == kMyDocumentsName) return Parse(env_.DocumentsFolder());
  if (path.empty() || path[0] != '/') return Status::Fail("\"" + path + "\" is not a folder path");

  const std::string normal = platform::WithoutTrailingSlash(fs::path(path).lexically_normal().string());
  std::error_code ec;
  const fs::file_status st = fs::status(normal, ec);
  if (ec || !fs::exists(st)) return Status::Fail("\"" + path + "\" does not exist");

  std::string volume = "/";
  for (const std::string& v : Volumes())
    if (Covers(v, normal) && v.size() > volume.size()) volume = v;

  ItemIdList list{{ItemKind::Computer, {}, true}, {ItemKind::Volume, volume, true}};
  std::string rest = volume == "/" ? normal.substr(1) : normal.substr(volume.size());
  if (!rest.empty() && rest[0] == '/') rest.erase(0, 1);
  std::size_t start = 0;
  while (start < rest.size()) {
    const auto slash = rest.find('/', start);
    const std::size_t end = slash == std::string::npos ? rest.size() : slash;
    list.push_back({ItemKind::Entry, rest.substr(start, end - start), true});
    start = end + 1;
  }
  if (list.back().kind == ItemKind::Entry) list.back().folder = fs::is_directory(st);
  return list;
}

std::string ShellNamespace::FileSystemPath(const ItemIdList& list) const {
  if (list.size() < 2 || list[0].kind != ItemKind::Computer || list[1].kind != ItemKind::Volume) return {};
  std::string path = list[1].name;
  for (std::size_t i = 2; i < list.size(); ++i) path = platform::JoinPath(path, list[i].name);
  return path;
}

std::string ShellNamespace::ParsingName(const ItemIdList& list) const {
  if (list.empty()) return kTopName;
  if (list.size() == 1) return list[0].kind == ItemKind::Network ? kNetworkName : kMyComputerName;
  return FileSystemPath(list);
}

std::string ShellNamespace::DisplayName(const ItemIdList& list) const {
  if (list.empty()) return "Desktop";
  const ItemId& last = list.back();
  switch (last.kind) {
    case ItemKind::Computer: return "Arbeitsplatz";
    case ItemKind::Network: return "Netzwerkumgebung";
    case ItemKind::Volume:
      return last.name == "/" ? "Datenträger (/)" : platform::FileNameOf(last.name) + " (" + last.name + ")";
    case ItemKind::Entry: return last.name;
  }
  return last.name;
}

Result<std::vector<ItemId>> ShellNamespace::Enumerate(const ItemIdList& folder, std::uint32_t enumFlags) const {
  std::vector<ItemId> items;
  const bool folders = (enumFlags & kEnumFolders) != 0;
  const bool files = (enumFlags & kEnumNonFolders) != 0;
  const bool hidden = (enumFlags & kEnumIncludeHidden) != 0;
  if (folder.empty()) {
    if (folders) {
      items.push_back({ItemKind::Computer, {}, true});
      items.push_back({ItemKind::Network, {}, true});
    }
    return items;
  }
  if (folder.size() == 1) {
    if (folder[0].kind == ItemKind::Network) return Status::Fail("Netzwerkumgebung cannot be browsed");
    if (folders) {
      for (const std::string& v : Volumes()) {
        std::error_code ec;
        if (fs::is_directory(v, ec)) items.push_back({ItemKind::Volume, v, true});
      }
    }
    return items;
  }
  const std::string path = FileSystemPath(folder);
  if (path.empty()) return Status::Fail("not a folder");
  const std::set<std::string> hiddenNames = HiddenNames(path);
  std::error_code ec;
  fs::directory_iterator it(path, ec);
  if (ec) return Status::Fail("\"" + path + "\" cannot be read: " + ec.message());
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return Status::Fail("\"" + path + "\" cannot be read: " + ec.message());
    std::string name = it->path().filename().string();
    const bool isHidden = IsHidden(name, hiddenNames);
    if (!hidden && isHidden) continue;
    std::error_code kindEc;
    const bool isFolder = it->is_directory(kindEc);
    if (isFolder ? !folders : !files) continue;
    items.push_back({ItemKind::Entry, std::move(name), isFolder, isHidden});
  }
  if (ec) return Status::Fail("\"" + path + "\" cannot be read: " + ec.message());
  return items;
}

ItemDetails ShellNamespace::Details(const ItemIdList& item) const {
  ItemDetails d;
  if (item.empty() || item.back().kind == ItemKind::Computer) {
    d.iconIndex = kIconComputer;
    d.typeName = "Systemordner";
    d.attributes = kAttrDirectory;
    return d;
  }
  if (item.back().kind == ItemKind::Network) {
    d.iconIndex = kIconNetwork;
    d.typeName = "Systemordner";
    d.attributes = kAttrDirectory;
    return d;
  }
  const std::string path = FileSystemPath(item);
  const bool volume = item.back().kind == ItemKind::Volume;
  d.iconIndex = volume ? kIconVolume : item.back().folder ? kIconFolder : kIconFile;
  d.typeName = volume ? "Lokaler Datenträger" : item.back().folder ? "Dateiordner" : "Datei";
  if (!volume && !item.back().folder) {
    const std::string ext = ExtensionOf(item.back().name);
    if (ext.size() > 1) {
      std::string upper = ext.substr(1);
      for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      d.typeName = upper + "-Datei";
    }
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return d;
  if (S_ISDIR(st.st_mode)) {
    d.attributes |= kAttrDirectory;
  } else if (S_ISREG(st.st_mode)) {
    d.attributes |= kAttrArchive;
    d.size = static_cast<std::uint64_t>(st.st_size);
  } else {
    d.attributes |= kAttrSystem;
  }
  if ((st.st_mode & 0222) == 0) d.attributes |= kAttrReadOnly;
  if (!volume && item.back().hidden) d.attributes |= kAttrHidden;
  d.modified = ModificationText(static_cast<std::int64_t>(st.st_mtim.tv_sec));
  return d;
}

int ShellNamespace::Compare(const ItemId& a, const ItemId& b) const {
  if (KindRank(a.kind) != KindRank(b.kind)) return KindRank(a.kind) - KindRank(b.kind);
  if (a.kind == ItemKind::Volume && (a.name == "/") != (b.name == "/")) return a.name == "/" ? -1 : 1;
  if (a.IsFolder() != b.IsFolder()) return a.IsFolder() ? -1 : 1;
  const int folded = LowerText(a.name).compare(LowerText(b.name));
  if (folded != 0) return folded < 0 ? -1 : 1;
  const int exact = a.name.compare(b.name);
  return exact < 0 ? -1 : exact > 0 ? 1 : 0;
}

std::string ShellNamespace::ShellParsingPath(const std::string& path) const {
  auto list = Parse(path);
  return list ? ParsingName(*list) : path;
}

std::string ShellNamespace::ShellDisplayPath(const std::string& path) const {
  auto list = Parse(path);
  return list ? WithoutExtension(DisplayName(*list)) : std::string();
}

bool ShellNamespace::CanBrowse(const std::string& path) const {
  auto list = Parse(path);
  if (!list) return false;
  if (!list->empty() && !list->back().IsFolder()) return false;
  return Enumerate(*list, kEnumFolders).ok();
}

std::string ModificationText(std::int64_t secondsSinceEpoch) {
  if (secondsSinceEpoch == 0) return {};
  const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm local{};
  if (!localtime_r(&t, &local)) return {};
  std::string text = platform::ShortDateText(local);
  if (local.tm_hour != 0 || local.tm_min != 0 || local.tm_sec != 0) text += " " + platform::LongTimeText(local);
  return text;
}

}  // namespace filedialog
