#include "zip/ZipStringHash.h"

#include <algorithm>

#include "zip/CodePages.h"

namespace zip {

TZipStringHash::TZipStringHash(std::uint32_t size) : BucketHeads(std::max<std::uint32_t>(size, 1), nullptr) {}

TZipStringHash::~TZipStringHash() { Clear(); }

std::uint32_t TZipStringHash::HashOf(const WideString& key) const {
  std::uint32_t h = 0;
  for (char16_t c : key) h = ((h << 2) | (h >> 30)) ^ c;
  return h;
}

TZipStringHash::THashItem** TZipStringHash::Find(const WideString& key) {
  THashItem** link = &BucketHeads[HashOf(key) % BucketHeads.size()];
  while (*link && (*link)->ItemKey != key) link = &(*link)->NextItem;
  return link;
}

TZipStringHash::THashItem* const* TZipStringHash::Find(const WideString& key) const {
  return const_cast<TZipStringHash*>(this)->Find(key);
}

void TZipStringHash::Add(const WideString& key, std::int32_t value) {
  THashItem*& head = BucketHeads[HashOf(key) % BucketHeads.size()];
  head = new THashItem{head, key, value};
}

std::int32_t TZipStringHash::ValueOf(const WideString& key) const {
  THashItem* item = *Find(key);
  return item ? item->ItemValue : -1;
}

bool TZipStringHash::Modify(const WideString& key, std::int32_t value) {
  THashItem* item = *Find(key);
  if (!item) return false;
  item->ItemValue = value;
  return true;
}

void TZipStringHash::Remove(const WideString& key) {
  THashItem** link = Find(key);
  if (THashItem* item = *link) {
    *link = item->NextItem;
    delete item;
  }
}

void TZipStringHash::Clear() {
  for (THashItem*& head : BucketHeads) {
    while (head) {
      THashItem* next = head->NextItem;
      delete head;
      head = next;
    }
  }
}

WideString TZipHashedStringList::KeyOf(const WideString& s) const {
  return CaseSensitive ? s : WideLowerCase(s);
}

int TZipHashedStringList::Add(const WideString& s) {
  int p = TUniStringList::Add(s);
  if (ValueLookup && ValueLookupValid) {
    ValueLookup->Add(KeyOf(s), p);
    // Too many strings per bucket: the next lookup builds a larger table.
    if (static_cast<std::uint64_t>(GetCount()) > 5ull * ValueLookup->BucketCount()) {
      ValueLookup.reset();
      ValueLookupValid = false;
    }
  }
  NameLookupValid = false;
  return p;
}

void TZipHashedStringList::Update(int index, const WideString& s) {
  CheckIndex(index);
  if (ValueLookup) ValueLookup->Remove(KeyOf(items_[index]));
  items_[index] = s;
  if (ValueLookup) ValueLookup->Add(KeyOf(s), index);
  NameLookupValid = false;
}

void TZipHashedStringList::Delete(int index) {
  TUniStringList::Delete(index);
  ValueLookupValid = false;
  NameLookupValid = false;
}

void TZipHashedStringList::Clear() {
  TUniStringList::Clear();
  if (ValueLookup) ValueLookup->Clear();
  if (NameLookup) NameLookup->Clear();
  // An empty table is a true picture of an empty list.
  ValueLookupValid = ValueLookup != nullptr;
  NameLookupValid = NameLookup != nullptr;
}

void TZipHashedStringList::UpdateValueHash() {
  if (!ValueLookup) {
    ValueLookup = std::make_unique<TZipStringHash>(std::max(GetCount(), 1000));
    ValueLookupValid = false;
  }
  if (!ValueLookupValid) {
    ValueLookup->Clear();
    for (int i = 0; i < GetCount(); ++i) ValueLookup->Add(KeyOf(items_[i]), i);
    ValueLookupValid = true;
  }
}

void TZipHashedStringList::UpdateNameHash() {
  if (NameLookupValid) return;
  if (!NameLookup) NameLookup = std::make_unique<TZipStringHash>(256);
  else NameLookup->Clear();
  for (int i = 0; i < GetCount(); ++i) {
    auto eq = items_[i].find(u'=');
    if (eq != WideString::npos) NameLookup->Add(KeyOf(items_[i].substr(0, eq)), i);
  }
  NameLookupValid = true;
}

int TZipHashedStringList::IndexOf(const WideString& s) {
  UpdateValueHash();
  return ValueLookup->ValueOf(KeyOf(s));
}

int TZipHashedStringList::IndexOfName(const WideString& name) {
  UpdateNameHash();
  return NameLookup->ValueOf(KeyOf(name));
}

}  // namespace zip
