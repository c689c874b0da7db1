#include "zip/UniStringList.h"

#include <algorithm>

#include "zip/WideCompare.h"

namespace zip {
namespace {

const char* const kIndexError = "Listenindex überschreitet das Maximum (";
const char* const kSortedListError = "Operation für sortierte Listen nicht zulässig";
const char* const kDuplicateError = "In der Stringliste sind Duplikate nicht erlaubt";
const char* const kCapacityError = "Listenkapazität überschreitet das Maximum (";

}  // namespace

TUniStringList::TUniStringList(std::initializer_list<WideString> items) {
  for (const auto& s : items) Add(s);
}

void TUniStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) throw EStringListError(kIndexError + std::to_string(index) + ")");
}

void TUniStringList::CheckInsertIndex(int index) const {
  if (index < 0 || index > GetCount()) throw EStringListError(kIndexError + std::to_string(index) + ")");
}

void TUniStringList::CheckUnsorted() const {
  if (sorted_) throw EStringListError(kSortedListError);
}

int TUniStringList::CompareStrings(const WideString& a, const WideString& b) const {
  return CompareWideText(a, b, !CaseSensitive);
}

void TUniStringList::Changed() {
  if (!updating_ && OnChange) OnChange(*this);
}

void TUniStringList::Changing() {
  if (!updating_ && OnChanging) OnChanging(*this);
}

void TUniStringList::SetUpdateState(bool updating) {
  updating_ = updating;
  if (updating) Changing();
  else Changed();
}

void TUniStringList::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TUniStringList::EndUpdate() {
  if (updateCount_ == 0) return;  // unbalanced: nothing is open
  if (--updateCount_ == 0) SetUpdateState(false);
}

void TUniStringList::SetCapacity(int capacity) {
  if (capacity < GetCount()) throw EStringListError(kCapacityError + std::to_string(capacity) + ")");
  items_.reserve(static_cast<std::size_t>(capacity));
  objects_.reserve(static_cast<std::size_t>(capacity));
  capacity_ = capacity;
}

void TUniStringList::Grow() {
  int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
  SetCapacity(capacity_ + delta);
}

void TUniStringList::InsertItem(int index, const WideString& s, void* object) {
  Changing();
  if (GetCount() == capacity_) Grow();
  items_.insert(items_.begin() + index, s);
  objects_.insert(objects_.begin() + index, object);
  Changed();
}

int TUniStringList::AddItem(const WideString& s, void* object) {
  int index = GetCount();
  if (sorted_ && Find(s, index)) {
    if (Duplicates == dupIgnore) return index;
    if (Duplicates == dupError) throw EStringListError(kDuplicateError);
  }
  InsertItem(index, s, object);
  return index;
}

int TUniStringList::Add(const WideString& s) { return AddItem(s, nullptr); }

int TUniStringList::AddObject(const WideString& s, void* object) {
  int index = AddItem(s, object);
  PositionsChanged();
  return index;
}

void TUniStringList::Insert(int index, const WideString& s) { InsertObject(index, s, nullptr); }

void TUniStringList::InsertObject(int index, const WideString& s, void* object) {
  CheckUnsorted();
  CheckInsertIndex(index);
  InsertItem(index, s, object);
  PositionsChanged();
}

void TUniStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  objects_.clear();
  items_.shrink_to_fit();
  objects_.shrink_to_fit();
  capacity_ = 0;
  Changed();
}

void TUniStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  items_.erase(items_.begin() + index);
  objects_.erase(objects_.begin() + index);
  Changed();
}

void TUniStringList::Put(int index, const WideString& s) {
  CheckUnsorted();
  CheckIndex(index);
  Changing();
  items_[index] = s;
  Changed();
}

const WideString& TUniStringList::Get(int index) const {
  CheckIndex(index);
  return items_[index];
}

void* TUniStringList::GetObject(int index) const {
  CheckIndex(index);
  return objects_[index];
}

void TUniStringList::PutObject(int index, void* object) {
  CheckIndex(index);
  Changing();
  objects_[index] = object;
  Changed();
}

int TUniStringList::IndexOfObject(const void* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (objects_[i] == object) return i;
  return -1;
}

bool TUniStringList::Find(const WideString& s, int& index) {
  bool found = false;
  int low = 0, high = GetCount() - 1;
  while (low <= high) {
    int middle = static_cast<int>((static_cast<unsigned>(low) + static_cast<unsigned>(high)) >> 1);
    int c = CompareStrings(items_[middle], s);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        if (Duplicates != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

int TUniStringList::IndexOf(const WideString& s) {
  if (sorted_) {
    int index;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < GetCount(); ++i)
    if (Equal(items_[i], s)) return i;
  return -1;
}

int TUniStringList::IndexOfName(const WideString& name) {
  const WideString key = name + NameValueSeparator;
  if (sorted_) {
    int index;
    Find(key, index);
    if (index < GetCount() && Equal(items_[index].substr(0, key.size()), key)) return index;
    return -1;
  }
  for (int i = 0; i < GetCount(); ++i) {
    auto eq = items_[i].find(NameValueSeparator);
    if (eq != WideString::npos && Equal(items_[i].substr(0, eq), name)) return i;
  }
  return -1;
}

void TUniStringList::ExchangeItems(int index1, int index2) {
  std::swap(items_[index1], items_[index2]);
  std::swap(objects_[index1], objects_[index2]);
}

void TUniStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  ExchangeItems(index1, index2);
  Changed();
  PositionsChanged();
}

void TUniStringList::Move(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  // Every check before the item is taken out, so that a refused move loses
  // nothing.
  CheckUnsorted();
  CheckIndex(fromIndex);
  CheckIndex(toIndex);
  BeginUpdate();
  WideString s = items_[fromIndex];
  void* object = objects_[fromIndex];
  Delete(fromIndex);
  InsertObject(toIndex, s, object);
  EndUpdate();
}

void TUniStringList::QuickSort(int left, int right, const TStringListSortCompare& compare) {
  while (left < right) {
    int i = left, j = right;
    int p = static_cast<int>((static_cast<unsigned>(left) + static_cast<unsigned>(right)) >> 1);
    do {
      // The bounds only matter for a comparison that contradicts itself; a
      // consistent one stops at the pivot anyway.
      while (i < right && compare(*this, i, p) < 0) ++i;
      while (j > left && compare(*this, j, p) > 0) --j;
      if (i <= j) {
        ExchangeItems(i, j);
        if (p == i) p = j;
        else if (p == j) p = i;
        ++i;
        --j;
      }
    } while (i <= j);
    // The smaller part recursively, the larger one in this loop: the stack
    // stays shallow whatever the order of the items.
    if (j - left < right - i) {
      if (left < j) QuickSort(left, j, compare);
      left = i;
    } else {
      if (i < right) QuickSort(i, right, compare);
      right = j;
    }
  }
}

void TUniStringList::SortItems(const TStringListSortCompare& compare) {
  Changing();
  QuickSort(0, GetCount() - 1, compare);
  Changed();
  PositionsChanged();
}

void TUniStringList::CustomSort(const TStringListSortCompare& compare) {
  if (sorted_ || GetCount() < 2) return;
  SortItems(compare);
}

void TUniStringList::Sort() {
  CustomSort([](TUniStringList& list, int a, int b) { return list.CompareStrings(list.items_[a], list.items_[b]); });
}

void TUniStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TUniStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == CaseSensitive) return;
  CaseSensitive = caseSensitive;
  if (sorted_ && GetCount() >= 2)
    SortItems([](TUniStringList& list, int a, int b) { return list.CompareStrings(list.items_[a], list.items_[b]); });
  else
    PositionsChanged();
}

void TUniStringList::Atomically(const std::function<void()>& change) {
  std::vector<WideString> items = items_;
  std::vector<void*> objects = objects_;
  BeginUpdate();
  try {
    change();
  } catch (...) {
    items_ = std::move(items);
    objects_ = std::move(objects);
    capacity_ = std::max(capacity_, GetCount());
    PositionsChanged();
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TUniStringList::AddStrings(const TUniStringList& other) {
  if (&other == this) {
    const TUniStringList copy(other);
    AddStrings(copy);
    return;
  }
  Atomically([&] {
    for (int i = 0; i < other.GetCount(); ++i) AddObject(other.items_[i], other.objects_[i]);
  });
}

void TUniStringList::Assign(const TUniStringList& other) {
  if (&other == this) return;
  Atomically([&] {
    Clear();
    AddStrings(other);
  });
  delimiterDefined_ = other.delimiterDefined_;
  quoteDefined_ = other.quoteDefined_;
  delimiter_ = other.delimiter_;
  quoteChar_ = other.quoteChar_;
}

bool TUniStringList::Equals(const TUniStringList& other) const { return items_ == other.items_; }

}  // namespace zip
