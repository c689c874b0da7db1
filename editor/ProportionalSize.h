#pragma once
// Proportional font sizing: while it is on, a changed width sets the height
// (and a changed height the width) in the ratio the two had when it was
// switched on.
#include <algorithm>
#include <cstdint>

namespace editor {

// The other value for `changed`: changed x recordedOther / recordedThis,
// the product taken first and the division truncating. The recorded values
// are those the pane showed when proportional sizing was switched on; a
// layer read from a file can bring 0 or less, which counts as 1 so that
// nothing is divided by zero.
inline std::int64_t ProportionalValue(std::int64_t changed, std::int64_t recordedThis, std::int64_t recordedOther) {
  return changed * std::max<std::int64_t>(recordedOther, 1) / std::max<std::int64_t>(recordedThis, 1);
}

}  // namespace editor
