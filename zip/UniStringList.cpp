#include "zip/UniStringList.h"

#include <stdexcept>

#include "zip/CodePages.h"

namespace zip {

void TUniStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount())
    throw std::out_of_range("Listenindex überschreitet das Maximum (" + std::to_string(index) + ")");
}

bool TUniStringList::Equal(const WideString& a, const WideString& b) const {
  if (CaseSensitive) return a == b;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (WideUpperChar(a[i]) != WideUpperChar(b[i])) return false;
  return true;
}

int TUniStringList::Add(const WideString& s) {
  items_.push_back(s);
  return GetCount() - 1;
}

void TUniStringList::Clear() { items_.clear(); }

void TUniStringList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
}

int TUniStringList::IndexOf(const WideString& s) {
  for (int i = 0; i < GetCount(); ++i)
    if (Equal(items_[i], s)) return i;
  return -1;
}

int TUniStringList::IndexOfName(const WideString& name) {
  for (int i = 0; i < GetCount(); ++i) {
    auto eq = items_[i].find(u'=');
    if (eq != WideString::npos && Equal(items_[i].substr(0, eq), name)) return i;
  }
  return -1;
}

void TUniStringList::Put(int index, const WideString& s) {
  CheckIndex(index);
  items_[index] = s;
}

const WideString& TUniStringList::Get(int index) const {
  CheckIndex(index);
  return items_[index];
}

void TUniStringList::Assign(const TUniStringList& other) {
  if (&other == this) return;
  Clear();
  for (const auto& s : other.items_) Add(s);
}

}  // namespace zip
