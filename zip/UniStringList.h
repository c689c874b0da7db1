#pragma once
// The archiver's list of wide strings (mask lists, the base of its name
// index). Never sorted; case-insensitive unless switched.
#include <vector>

#include "zip/ZipTypes.h"

namespace zip {

class TUniStringList {
 public:
  TUniStringList() = default;
  TUniStringList(std::initializer_list<WideString> items) : items_(items) {}
  virtual ~TUniStringList() = default;

  virtual int Add(const WideString& s);
  virtual void Clear();
  virtual void Delete(int index);
  virtual int IndexOf(const WideString& s);
  virtual int IndexOfName(const WideString& name);
  virtual void Put(int index, const WideString& s);

  const WideString& Get(int index) const;
  const WideString& operator[](int index) const { return Get(index); }
  int GetCount() const { return static_cast<int>(items_.size()); }
  int Count() const { return GetCount(); }
  void Assign(const TUniStringList& other);

  bool CaseSensitive = false;

 protected:
  bool Equal(const WideString& a, const WideString& b) const;
  void CheckIndex(int index) const;
  std::vector<WideString> items_;
};

}  // namespace zip
