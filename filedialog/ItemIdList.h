#pragma once
// Places in the dialog's namespace as lists of item IDs, one ID per step
// from the top: the computer, then a volume (by its mount point), then the
// names of the folders and files below it. A list of no IDs is the top of
// the namespace itself. The dialog moves up by cutting the last ID off and
// down by appending a child's ID.
#include <cstdint>
#include <string>
#include <vector>

namespace filedialog {

enum class ItemKind : std::uint8_t {
  Computer,  // the computer: the volumes
  Network,   // the network places (shown, never browsed)
  Volume,    // a mounted volume; name = its mount point
  Entry,     // a folder or file; name = its real name in its folder
};

struct ItemId {
  ItemKind kind = ItemKind::Entry;
  std::string name;
  // For entries: a folder (or a link to one) that the dialog can enter.
  // Volumes, the computer and the network are folders always.
  bool folder = false;
  // For listed entries: hidden by name (a leading "." or named in the
  // folder's ".hidden" file), as the listing found it.
  bool hidden = false;

  bool IsFolder() const { return kind != ItemKind::Entry || folder; }
  bool operator==(const ItemId& o) const { return kind == o.kind && name == o.name; }
};

using ItemIdList = std::vector<ItemId>;

// Number of IDs in the list.
int ItemIdCount(const ItemIdList& list);

// Cuts the last ID off when the list has at least two and returns 1; a list
// of one ID or none stays as it is and 0 is returned, so moving up from a
// place directly below the top reads the same place again.
int RemoveLastItemId(ItemIdList& list);

// The first list's IDs followed by the second's.
ItemIdList AppendItemIdList(const ItemIdList& first, const ItemIdList& second);

}  // namespace filedialog
