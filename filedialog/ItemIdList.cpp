#include "filedialog/ItemIdList.h"

namespace filedialog {

int ItemIdCount(const ItemIdList& list) { return static_cast<int>(list.size()); }

int RemoveLastItemId(ItemIdList& list) {
  if (list.size() < 2) return 0;
  list.pop_back();
  return 1;
}

ItemIdList AppendItemIdList(const ItemIdList& first, const ItemIdList& second) {
  ItemIdList out;
  out.reserve(first.size() + second.size());
  out.insert(out.end(), first.begin(), first.end());
  out.insert(out.end(), second.begin(), second.end());
  return out;
}

}  // namespace filedialog
