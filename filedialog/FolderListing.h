#pragma once
// The folder being shown and its listed items in display order: opening a
// folder, filtering and sorting its items, fetching details only for rows
// that come into view, and finding a row by the start of its caption.
#include <string>
#include <string_view>
#include <vector>

#include "filedialog/Extensions.h"
#include "filedialog/ItemIdList.h"
#include "filedialog/ShellItem.h"
#include "filedialog/ShellNamespace.h"
#include "platform/Result.h"

namespace filedialog {

// The caption of a listed item: its display name without extension,
// followed by its extension in lower case (volumes and the computer keep
// their names whole).
std::string ItemCaption(const ShellNamespace& shell, const ItemIdList& folder, const ItemId& item);

class FolderListing {
 public:
  // Shows the computer until the first folder is opened.
  explicit FolderListing(const ShellNamespace& shell);

  ListingFilter filter;

  const ShellNamespace& Shell() const { return shell_; }
  const ItemIdList& CurrentIdList() const { return current_; }
  const std::string& CurrentPath() const { return currentPath_; }
  // The folder's file-system path, "" while a virtual folder is shown.
  std::string FileSystemFolder() const { return shell_.FileSystemPath(current_); }
  // The folder for the path field: its path, or for a virtual folder its
  // display name.
  std::string PathFieldText() const;

  // Lists the folder and makes it current. When it cannot be listed,
  // nothing changes and the failure says why.
  platform::Status OpenFolder(const ItemIdList& folder);
  platform::Status OpenPath(const std::string& path);
  // Reads the current folder again.
  platform::Status Refresh() { return OpenFolder(current_); }

  int Count() const { return static_cast<int>(items_.size()); }
  const std::vector<ShellItem>& Items() const { return items_; }
  // nullptr for a row outside the listing.
  ShellItem* ItemAt(int row);
  const ShellItem* ItemAt(int row) const;
  // The absolute list of a row's item.
  ItemIdList AbsoluteList(int row) const;

  // Fetches the details of rows start..end that still lack them; nothing
  // when either row is outside the listing.
  void FetchDetails(int start, int end);

  // The first row from `start` whose caption begins with `text` (letters
  // A to Z without regard to case), going back to row 0 after the last row
  // only when `wrap` and start > 0; -1 when none or `text` is empty.
  int Find(std::string_view text, int start, bool wrap) const;
  // The row whose caption or real name is exactly `name`, else -1.
  int RowNamed(const std::string& name) const;

 private:
  const ShellNamespace& shell_;
  ItemIdList current_;
  std::string currentPath_;
  std::vector<ShellItem> items_;
};

}  // namespace filedialog
