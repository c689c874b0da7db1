#pragma once
// One listed item of the folder being shown. The caption is what the list
// shows; every file operation and every result uses the real name, which
// may differ from the caption in the case of its extension.
#include <cstdint>
#include <string>

#include "filedialog/ItemIdList.h"

namespace filedialog {

struct ShellItem {
  ItemId id;                  // the item relative to its folder
  bool detailsPending = true; // icon, type, time, size and attributes not fetched yet
  std::string caption;
  std::string typeName;
  std::string modified;
  int iconIndex = 0;
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;

  bool IsFolder() const { return id.IsFolder(); }
  const std::string& RealName() const { return id.name; }
};

}  // namespace filedialog
