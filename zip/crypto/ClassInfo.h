#pragma once
// Class references for the cipher library's registries and class-level
// operations: a constant record per class with its name and its parent, so
// a class can be passed around, compared and asked about its ancestry.
#include <string>
#include <string_view>

namespace zip {

struct TClassInfo {
  std::string_view Name;  // e.g. "TCipher_Rijndael"
  const TClassInfo* Parent;
};

// True when cls is base or derives from it; false for nullptr.
inline bool InheritsFrom(const TClassInfo* cls, const TClassInfo* base) {
  for (; cls; cls = cls->Parent)
    if (cls == base) return true;
  return false;
}

// The class name without everything up to and including its first "_"
// (the whole name when it has none; empty for nullptr).
std::string GetShortClassName(const TClassInfo* cls);

}  // namespace zip
