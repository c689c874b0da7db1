#pragma once
// Binary search over a list kept sorted by `compare(item, target)`.
#include <vector>

namespace zip {

// True when an item compares equal to the target; `index` is its position,
// or the position where the target belongs.
template <class Item, class Target, class Compare>
bool FindSortedListByTarget(const std::vector<Item>& list, Compare compare, const Target& target, int& index) {
  bool found = false;
  int low = 0, high = static_cast<int>(list.size()) - 1;
  while (low <= high) {
    const int middle = static_cast<int>((static_cast<unsigned>(low) + static_cast<unsigned>(high)) >> 1);
    const int c = compare(list[static_cast<std::size_t>(middle)], target);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        low = middle;
      }
    }
  }
  index = low;
  return found;
}

}  // namespace zip
