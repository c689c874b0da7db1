#pragma once
// The growable array of entries of one directory, with its name index that
// finds an entry by name without regard to case.
#include <cstdint>
#include <vector>

#include "zip/DirItem.h"
#include "zip/ZipStringHash.h"

namespace zip {

class TZipDirArray {
 public:
  TZipDirArray() = default;
  TZipDirArray(const TZipDirArray&) = delete;
  TZipDirArray& operator=(const TZipDirArray&) = delete;

  void Clear();
  int GetCount() const { return Count; }
  void SetCount(int n);
  int GetCapacity() const { return Capacity; }
  void GetItem(int i, TDirItem& item) const;
  TDirItem* GetItemPtr(int i);
  const TDirItem* GetItemPtr(int i) const { return const_cast<TZipDirArray*>(this)->GetItemPtr(i); }
  void SetItem(int i, const TDirItem& item);
  void Assign(const TZipDirArray& other);
  void Append(const TZipDirArray& other);
  void DeleteItem(int i);
  void ClearTags();
  bool FileExists(const WideString& name, int& index);
  void SetItemName(int i, const WideString& name);
  TZipHashedStringList& Names() { return NameIndex; }

 private:
  std::vector<TDirItem> Entries;  // Capacity slots
  TZipHashedStringList NameIndex;
  std::int32_t GrowBy = 500;
  std::int32_t MaxGrowBy = 10000;
  std::int32_t Capacity = 0;
  std::int32_t Count = 0;
};

}  // namespace zip
