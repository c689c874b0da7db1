#pragma once
// The library's list of wide strings: the archiver's mask lists and the base
// of its name index, and a general list with an optional sort order, a
// duplicates policy, objects beside the strings, change notifications,
// name=value access, delimited text and files with byte-order marks.
// The archiver's lists are never sorted and never case-sensitive.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "zip/ZipTypes.h"

namespace zip {

class TStream;

// Failures of list operations: an index out of range, an operation that a
// sorted list refuses, a duplicate refused by dupError. A failing operation
// leaves the list as it was.
class EStringListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TDuplicates : std::uint8_t { dupIgnore, dupAccept, dupError };

// Character sets of list files: csUnicode is UTF-16 little-endian,
// csUnicodeSwapped UTF-16 big-endian, csAnsi Windows-1252.
enum TUniStreamCharSet : std::uint8_t { csAnsi, csUnicode, csUnicodeSwapped, csUtf8 };

// Reads a byte-order mark at the stream's position: FF FE (csUnicode),
// FE FF (csUnicodeSwapped) or EF BB BF (csUtf8), leaving the stream behind
// it; anything else is csAnsi with the position unchanged.
TUniStreamCharSet AutoDetectCharacterSet(TStream& stream);

class TUniStringList {
 public:
  using TNotifyEvent = std::function<void(TUniStringList&)>;
  // Compares the items at two indices: below 0, 0 or above 0.
  using TStringListSortCompare = std::function<int(TUniStringList&, int, int)>;

  TUniStringList() = default;
  TUniStringList(std::initializer_list<WideString> items);
  virtual ~TUniStringList() = default;

  // The operations a derived index (TZipHashedStringList) keeps track of.
  virtual int Add(const WideString& s);
  virtual void Clear();
  virtual void Delete(int index);
  virtual int IndexOf(const WideString& s);
  virtual int IndexOfName(const WideString& name);
  virtual void Put(int index, const WideString& s);

  // A sorted list puts the text at its place (see Duplicates); an unsorted
  // one appends it. Returns the index.
  virtual int AddObject(const WideString& s, void* object);
  // Refused on a sorted list; index 0 to count.
  virtual void Insert(int index, const WideString& s);
  virtual void InsertObject(int index, const WideString& s, void* object);
  virtual void Exchange(int index1, int index2);
  // Sorted lists only: true when an equal item exists; `index` is its
  // position (with dupAccept the first of the equal ones) or the position
  // where `s` belongs.
  virtual bool Find(const WideString& s, int& index);
  // Sorts an unsorted list once by CompareStrings.
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& compare);
  virtual int CompareStrings(const WideString& a, const WideString& b) const;

  const WideString& Get(int index) const;
  const WideString& operator[](int index) const { return Get(index); }
  int GetCount() const { return static_cast<int>(items_.size()); }
  int Count() const { return GetCount(); }
  // The objects are the caller's; the list never frees them.
  void* GetObject(int index) const;
  void PutObject(int index, void* object);
  int IndexOfObject(const void* object) const;

  void Append(const WideString& s) { Add(s); }
  void AddStrings(const TUniStringList& other);
  // Items, objects, delimiter and quote character of `other`.
  void Assign(const TUniStringList& other);
  // Same count and every item equal character for character.
  bool Equals(const TUniStringList& other) const;
  void Move(int fromIndex, int toIndex);

  // Nested brackets; inside them no change handler runs, and closing the
  // outermost one reports one change.
  void BeginUpdate();
  void EndUpdate();

  int GetCapacity() const { return capacity_; }
  // Refuses a capacity below the count.
  void SetCapacity(int capacity);

  bool Sorted() const { return sorted_; }
  // Switching sorting on sorts the list first.
  void SetSorted(bool sorted);
  // Sorted lists are sorted again under the new comparison.
  void SetCaseSensitive(bool caseSensitive);

  // name=value items.
  static constexpr char16_t NameValueSeparator = u'=';
  WideString GetName(int index) const;
  WideString GetValue(const WideString& name);
  // An empty value deletes the item; otherwise the item found (or a new one)
  // becomes name=value.
  void SetValue(const WideString& name, const WideString& value);
  WideString GetValueFromIndex(int index) const;
  void SetValueFromIndex(int index, const WideString& value);

  // Delimiter and quote character of the delimited text; "," and '"' until
  // they are set.
  char16_t GetDelimiter();
  void SetDelimiter(char16_t delimiter);
  char16_t GetQuoteChar();
  void SetQuoteChar(char16_t quote);
  WideString GetDelimitedText();
  // Items separated by the delimiter or by blanks; quoted items may hold
  // both. A delimiter at the very end adds an empty item.
  void SetDelimitedText(const WideString& text);
  WideString GetCommaText();
  void SetCommaText(const WideString& text);

  // Every item followed by CR LF.
  WideString GetTextStr() const;
  // One item per line; CR LF, CR, LF and U+2028 end a line, and a final
  // line end adds no empty item.
  void SetTextStr(const WideString& text);

  // Files and streams. Loading detects a byte-order mark (UTF-16 either way,
  // UTF-8) and reads text without one as Windows-1252; saving writes FF FE
  // and UTF-16 little-endian. Without the byte-order-mark flag a stream is
  // read and written as raw UTF-16 little-endian.
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(TStream& stream) { LoadFromStream_BOM(stream, true); }
  virtual void LoadFromStream_BOM(TStream& stream, bool withBOM);
  // The file is replaced whole, never left half written.
  void SaveToFile(const std::string& fileName);
  void SaveToStream(TStream& stream) { SaveToStream_BOM(stream, true); }
  virtual void SaveToStream_BOM(TStream& stream, bool withBOM);

  std::vector<WideString>::const_iterator begin() const { return items_.begin(); }
  std::vector<WideString>::const_iterator end() const { return items_.end(); }

  // Read by every comparison; a sorted list is switched through
  // SetCaseSensitive, which sorts it again.
  bool CaseSensitive = false;
  TDuplicates Duplicates = dupIgnore;
  // The character set LoadFromFile found.
  TUniStreamCharSet LastFileCharSet = csUnicode;
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changed();
  virtual void Changing();
  virtual void SetUpdateState(bool updating);
  virtual void InsertItem(int index, const WideString& s, void* object);
  // Called after every change of the items that did not go through Add,
  // Put, Delete or Clear (inserts, exchanges, sorting, a new comparison),
  // so that an index kept by a derived list can be rebuilt.
  virtual void PositionsChanged() {}

  bool Equal(const WideString& a, const WideString& b) const { return CompareStrings(a, b) == 0; }
  void CheckIndex(int index) const;
  void CheckInsertIndex(int index) const;
  void CheckUnsorted() const;

  std::vector<WideString> items_;
  std::vector<void*> objects_;

 private:
  int AddItem(const WideString& s, void* object);
  // Puts a name=value pair at `index` (-1: a new item); a sorted list takes
  // it out and adds it at its sorted place.
  void PutPair(int index, const WideString& item);
  // Runs a change of many items inside one update bracket; when it fails
  // half-way, the items are put back as they were and the failure passes on.
  void Atomically(const std::function<void()>& change);
  void ExchangeItems(int index1, int index2);
  void Grow();
  void QuickSort(int left, int right, const TStringListSortCompare& compare);
  void SortItems(const TStringListSortCompare& compare);

  int capacity_ = 0;
  int updateCount_ = 0;
  bool updating_ = false;
  bool sorted_ = false;
  bool delimiterDefined_ = false;
  bool quoteDefined_ = false;
  char16_t delimiter_ = u',';
  char16_t quoteChar_ = u'"';
};

}  // namespace zip
