#include "zip/wide/AnsiStringsAdapter.h"

#include <vector>

#include "platform/FileIO.h"
#include "zip/FileSystem.h"
#include "zip/Streams.h"
#include "zip/wide/CodePageText.h"

namespace zip {

ByteString TAnsiStringsForWideStringsAdapter::Get(int index) const {
  return WideStringToStringEx(list_.Get(index), AdapterCodePage());
}

void TAnsiStringsForWideStringsAdapter::Put(int index, const ByteString& s) {
  list_.Put(index, StringToWideStringEx(s, AdapterCodePage()));
}

void TAnsiStringsForWideStringsAdapter::Insert(int index, const ByteString& s) {
  list_.Insert(index, StringToWideStringEx(s, AdapterCodePage()));
}

int TAnsiStringsForWideStringsAdapter::Add(const ByteString& s) {
  return list_.Add(StringToWideStringEx(s, AdapterCodePage()));
}

void TAnsiStringsForWideStringsAdapter::LoadFromStreamEx(TStream& stream, std::uint32_t codePage) {
  std::int64_t rest = stream.Size() - stream.Position();
  std::string bytes(rest > 0 ? static_cast<std::size_t>(rest) : 0, '\0');
  bytes.resize(stream.Read(bytes.data(), bytes.size()));
  std::string_view text(bytes);
  // The mark SaveToFileEx writes is no part of the first line.
  if (codePage == CP_UTF8 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const WideString wide = StringToWideStringEx(text, codePage);
  list_.BeginUpdate();
  try {
    list_.SetTextStr(wide);
  } catch (...) {
    list_.EndUpdate();
    throw;
  }
  list_.EndUpdate();
}

void TAnsiStringsForWideStringsAdapter::SaveToStreamEx(TStream& stream, std::uint32_t codePage) {
  const ByteString bytes = WideStringToStringEx(list_.GetTextStr(), codePage);
  stream.WriteBuffer(bytes.data(), bytes.size());
}

void TAnsiStringsForWideStringsAdapter::LoadFromFileEx(const std::string& fileName, std::uint32_t codePage) {
  TUniFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStreamEx(stream, codePage);
}

void TAnsiStringsForWideStringsAdapter::SaveToFileEx(const std::string& fileName, std::uint32_t codePage) {
  TMemoryStream memory;
  if (codePage == CP_UTF8) memory.WriteBuffer("\xEF\xBB\xBF", 3);
  SaveToStreamEx(memory, codePage);
  const auto& bytes = memory.Data();
  platform::Status written = platform::WriteFileAtomic(
      fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!written) throw EFCreateError("Datei " + WideExpandFileName(fileName) + " kann nicht erstellt werden");
}

}  // namespace zip
