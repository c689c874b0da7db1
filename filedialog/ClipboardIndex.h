#pragma once
// The index "~INDEX.LST" of a clipboard folder: the names of the items cut
// or copied into the folder, newest first, at most ten, each once, one per
// line with CR LF. Names are the items' real names in the file system's
// encoding. A line that does not name an existing item directly inside the
// folder is never used, so a hand-edited index cannot make the dialog copy
// or delete anything outside its folder.
#include <string>
#include <vector>

#include "platform/Result.h"

namespace filedialog {

inline constexpr const char* kClipboardIndexName = "~INDEX.LST";
inline constexpr int kClipboardEntries = 10;

// A name that stays inside its folder: not empty, no "/", no NUL, not "."
// or "..".
bool IsSingleName(const std::string& name);

class ClipboardIndex {
 public:
  // Reads the index of `folder`: the usable lines, at most ten. True when
  // there is at least one.
  bool Load(const std::string& folder);

  const std::string& Folder() const { return folder_; }
  const std::vector<std::string>& Lines() const { return lines_; }
  bool Empty() const { return lines_.empty(); }
  // The item of a name in the clipboard folder.
  std::string ItemPath(const std::string& name) const;
  // True when the line names a folder (the menu shows it in brackets).
  bool NamesFolder(const std::string& name) const;
  // The menu text of a line: "[name]" for a folder, else the name.
  std::string MenuText(const std::string& name) const;

  // Makes `name` the newest line (moving it up when it is there already);
  // beyond ten lines the oldest go, each with its item. Saves the index.
  platform::Status Add(const std::string& name);
  // Removes the line and the item of that name; saves when a line went.
  platform::Status Remove(const std::string& name);
  // Removes every line with its item, from the oldest, and saves the empty
  // index.
  platform::Status Clear();

 private:
  platform::Status Save() const;
  void DeleteItem(const std::string& name) const;

  std::string folder_;
  std::vector<std::string> lines_;
};

}  // namespace filedialog
