#pragma once
// Looking a format up by name in one of the fixed format tables.
#include <string_view>

namespace editor {

// Index 0..last of the first entry whose Name equals `name` byte for byte,
// or -1.
template <class Table>
int FindFormatByName(const Table& table, int last, std::string_view name) {
  for (int i = 0; i <= last; ++i) {
    if (table[static_cast<std::size_t>(i)].Name == name) return i;
  }
  return -1;
}

}  // namespace editor
