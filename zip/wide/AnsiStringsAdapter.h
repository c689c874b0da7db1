#pragma once
// An 8-bit view of a wide string list in one code page (0: the ANSI code
// page, Windows-1252): items are converted as they pass, and the list can
// be loaded from and saved to 8-bit files in any code page of
// CodePageText.h. The list is not owned and must outlive the view.
#include <cstdint>
#include <string>

#include "zip/UniStringList.h"

namespace zip {

class TAnsiStringsForWideStringsAdapter {
 public:
  explicit TAnsiStringsForWideStringsAdapter(TUniStringList& list, std::uint32_t codePage = 0)
      : list_(list), codePage_(codePage) {}
  virtual ~TAnsiStringsForWideStringsAdapter() = default;

  virtual std::uint32_t AdapterCodePage() const { return codePage_; }

  ByteString Get(int index) const;
  void Put(int index, const ByteString& s);
  void Insert(int index, const ByteString& s);
  int Add(const ByteString& s);
  int GetCount() const { return list_.GetCount(); }
  void* GetObject(int index) const { return list_.GetObject(index); }
  void PutObject(int index, void* object) { list_.PutObject(index, object); }
  void Clear() { list_.Clear(); }
  void Delete(int index) { list_.Delete(index); }
  void BeginUpdate() { list_.BeginUpdate(); }
  void EndUpdate() { list_.EndUpdate(); }

  // In the adapter's code page.
  void LoadFromFile(const std::string& fileName) { LoadFromFileEx(fileName, AdapterCodePage()); }
  void SaveToFile(const std::string& fileName) { SaveToFileEx(fileName, AdapterCodePage()); }
  // Raise EFOpenError / EFCreateError. Saving in UTF-8 (65001) writes the
  // byte-order mark EF BB BF first, which loading in UTF-8 passes over.
  void LoadFromFileEx(const std::string& fileName, std::uint32_t codePage);
  void SaveToFileEx(const std::string& fileName, std::uint32_t codePage);
  // The rest of the stream as the whole text, one item per line.
  void LoadFromStreamEx(TStream& stream, std::uint32_t codePage);
  // Every item and CR LF.
  void SaveToStreamEx(TStream& stream, std::uint32_t codePage);

 private:
  TUniStringList& list_;
  std::uint32_t codePage_;
};

}  // namespace zip
