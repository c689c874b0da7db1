#pragma once
// The dialog's namespace over the Linux file system. Its top holds the
// computer ("Arbeitsplatz", the root file system and the mounted volumes)
// and the network places ("Netzwerkumgebung", which has a name but cannot
// be browsed here); below a volume lie its folders and files. Places are
// addressed by item-ID lists (filedialog/ItemIdList.h) or by parsing
// names: a file-system path, or one of the "::{...}" names below.
#include <cstdint>
#include <string>
#include <vector>

#include "filedialog/ItemIdList.h"
#include "filedialog/ShellEnvironment.h"
#include "platform/Result.h"

namespace filedialog {

inline constexpr const char* kMyComputerName = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
inline constexpr const char* kNetworkName = "::{208D2C60-3AEA-1069-A2D7-08002B30309D}";
inline constexpr const char* kMyDocumentsName = "::{450D8FBA-AD25-11D0-98A8-0800361B1103}";
inline constexpr const char* kTopName = "::{00021400-0000-0000-C000-000000000046}";

// Attribute bits of an item, as the details column shows them.
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

// Pictures of items; the UI keeps one icon per value.
enum IconIndex : int { kIconFolder = 0, kIconFile = 1, kIconVolume = 2, kIconComputer = 3, kIconNetwork = 4 };

struct ItemDetails {
  int iconIndex = kIconFile;
  std::string typeName;
  std::string modified;  // "dd.mm.yyyy hh:mm:ss", the time left out at midnight; "" unknown
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;
};

class ShellNamespace {
 public:
  explicit ShellNamespace(ShellEnvironment env);

  const ShellEnvironment& Environment() const { return env_; }

  // The item-ID list of a parsing name. Fails for a relative path, a path
  // that does not exist and an unknown "::{...}" name.
  platform::Result<ItemIdList> Parse(const std::string& path) const;
  // The file-system path of a list ("" for the top, the computer and the
  // network), or its "::{...}" name.
  std::string ParsingName(const ItemIdList& list) const;
  std::string FileSystemPath(const ItemIdList& list) const;
  // The name a user sees: a file's or folder's name, "Arbeitsplatz", a
  // volume's name with its mount point.
  std::string DisplayName(const ItemIdList& list) const;

  // The items directly in a folder, unsorted; fails when the folder cannot
  // be read (the network places never can).
  platform::Result<std::vector<ItemId>> Enumerate(const ItemIdList& folder, std::uint32_t enumFlags) const;
  // Icon, type, size, time and attributes of an item; what cannot be read
  // stays empty or zero. Whether an entry is hidden is what the listing
  // found (ItemId::hidden).
  ItemDetails Details(const ItemIdList& item) const;
  // Order in a listing: negative when `a` comes first. Folders come before
  // files, then names without regard to case.
  int Compare(const ItemId& a, const ItemId& b) const;

  // The parsing name of a path, or the path unchanged when it cannot be
  // parsed.
  std::string ShellParsingPath(const std::string& path) const;
  // The display name of a path, "" when it cannot be parsed.
  std::string ShellDisplayPath(const std::string& path) const;
  // True when the path parses to a folder whose items can be listed.
  bool CanBrowse(const std::string& path) const;

  // Mount points of the volumes shown in the computer.
  std::vector<std::string> Volumes() const;

 private:
  ShellEnvironment env_;
};

// "dd.mm.yyyy hh:mm:ss" of a moment in local time, "dd.mm.yyyy" at
// midnight; "" for 0.
std::string ModificationText(std::int64_t secondsSinceEpoch);

}  // namespace filedialog
