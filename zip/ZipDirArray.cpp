#include "zip/ZipDirArray.h"

#include <algorithm>

#include "zip/CodePages.h"
#include "zip/ZipErrors.h"

namespace zip {

void TZipDirArray::Clear() {
  for (int i = 0; i < Count; ++i) Entries[i].ExtraBlocks.clear();
  Count = 0;
  NameIndex.Clear();
}

void TZipDirArray::SetCount(int n) {
  if (n > Capacity) {
    GrowBy = std::min(GrowBy * 2, MaxGrowBy);
    Capacity = std::max(Capacity + GrowBy, n);
    Entries.resize(Capacity);
    for (int i = Count; i < Capacity; ++i) Entries[i] = TDirItem();
  } else if (n == 0) {
    Entries.clear();
    Entries.shrink_to_fit();
    Capacity = 0;
  }
  Count = n;
}

void TZipDirArray::GetItem(int i, TDirItem& item) const {
  if (i < 0 || i >= Count) throw EZipException(2);
  item = Entries[i];
}

TDirItem* TZipDirArray::GetItemPtr(int i) {
  if (i < 0 || i >= Count) throw EZipException(3);
  return &Entries[i];
}

void TZipDirArray::SetItem(int i, const TDirItem& item) {
  if (i < 0 || i >= Count) throw EZipException(1);
  WideString key = WideLowerCase(item.StoredName);
  if (i < NameIndex.GetCount()) NameIndex.Update(i, key);
  else if (i == NameIndex.GetCount()) NameIndex.Add(key);
  else throw EZipException(58);
  Entries[i] = item;
}

void TZipDirArray::Assign(const TZipDirArray& other) {
  if (&other == this) return;
  Clear();
  SetCount(other.Count);
  for (int i = 0; i < other.Count; ++i) SetItem(i, other.Entries[i]);
}

void TZipDirArray::Append(const TZipDirArray& other) {
  int start = Count, n = other.Count;
  SetCount(start + n);
  for (int i = 0; i < n; ++i) SetItem(start + i, other.Entries[i]);
}

void TZipDirArray::DeleteItem(int i) {
  if (i < 0 || i >= Count) throw EZipException(4);
  // String i of the index belongs to entry i; with duplicate names a lookup
  // by name could answer with another entry.
  if (i < NameIndex.GetCount()) NameIndex.Delete(i);
  Entries.erase(Entries.begin() + i);
  Entries.emplace_back();
  --Count;
}

void TZipDirArray::ClearTags() {
  for (int i = 0; i < Count; ++i) Entries[i].IsTagged = false;
}

bool TZipDirArray::FileExists(const WideString& name, int& index) {
  index = NameIndex.IndexOf(WideLowerCase(name));
  return index >= 0;
}

void TZipDirArray::SetItemName(int i, const WideString& name) {
  TDirItem* item = GetItemPtr(i);
  WideString newKey = WideLowerCase(name);
  int at = NameIndex.IndexOf(WideLowerCase(item->StoredName));
  if (at < 0) NameIndex.Add(newKey);
  else if (at != i) throw EZipException(59);
  else NameIndex.Update(i, newKey);
  item->StoredName = name;
}

}  // namespace zip
