#pragma once
// A chained hash table from wide strings to integers, and the hashed string
// list that the directory uses as its name index.
#include <cstdint>
#include <memory>
#include <vector>

#include "zip/UniStringList.h"

namespace zip {

class TZipStringHash {
 public:
  explicit TZipStringHash(std::uint32_t size);
  virtual ~TZipStringHash();
  TZipStringHash(const TZipStringHash&) = delete;
  TZipStringHash& operator=(const TZipStringHash&) = delete;

  virtual std::uint32_t HashOf(const WideString& key) const;
  void Add(const WideString& key, std::int32_t value);
  std::int32_t ValueOf(const WideString& key) const;
  bool Modify(const WideString& key, std::int32_t value);
  void Remove(const WideString& key);
  void Clear();
  std::uint32_t BucketCount() const { return static_cast<std::uint32_t>(BucketHeads.size()); }

 private:
  struct THashItem {
    THashItem* NextItem;
    WideString ItemKey;
    std::int32_t ItemValue;
  };
  THashItem** Find(const WideString& key);
  THashItem* const* Find(const WideString& key) const;
  std::vector<THashItem*> BucketHeads;
};

class TZipHashedStringList : public TUniStringList {
 public:
  int Add(const WideString& s) override;
  void Clear() override;
  void Delete(int index) override;
  int IndexOf(const WideString& s) override;
  int IndexOfName(const WideString& name) override;
  void Put(int index, const WideString& s) override { Update(index, s); }
  void Update(int index, const WideString& s);

  // How many buckets the value table has (0 when there is none).
  std::uint32_t ValueBuckets() const { return ValueLookup ? ValueLookup->BucketCount() : 0; }

 protected:
  // Inserts, exchanges and sorting of the base list move positions: both
  // tables are rebuilt at the next lookup.
  void PositionsChanged() override {
    ValueLookupValid = false;
    NameLookupValid = false;
  }

 private:
  WideString KeyOf(const WideString& s) const;
  void UpdateValueHash();
  void UpdateNameHash();

  std::unique_ptr<TZipStringHash> ValueLookup;
  std::unique_ptr<TZipStringHash> NameLookup;
  bool ValueLookupValid = false;
  bool NameLookupValid = false;
};

}  // namespace zip
