// The string list's files and streams.
#include "platform/FileIO.h"
#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/Streams.h"
#include "zip/UniStringList.h"
#include "zip/Utf16Bytes.h"

namespace zip {
namespace {

std::string ReadRest(TStream& stream) {
  std::int64_t rest = stream.Size() - stream.Position();
  std::string bytes(rest > 0 ? static_cast<std::size_t>(rest) : 0, '\0');
  if (!bytes.empty()) bytes.resize(stream.Read(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace

TUniStreamCharSet AutoDetectCharacterSet(TStream& stream) {
  const std::int64_t start = stream.Position();
  const std::int64_t rest = stream.Size() - start;
  unsigned char mark[3];
  if (rest >= 2 && stream.Read(mark, 2) == 2) {
    if (mark[0] == 0xFF && mark[1] == 0xFE) return csUnicode;
    if (mark[0] == 0xFE && mark[1] == 0xFF) return csUnicodeSwapped;
  }
  stream.SetPosition(start);
  if (rest >= 3 && stream.Read(mark, 3) == 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF)
    return csUtf8;
  stream.SetPosition(start);
  return csAnsi;
}

void TUniStringList::LoadFromStream_BOM(TStream& stream, bool withBOM) {
  const TUniStreamCharSet charSet = withBOM ? AutoDetectCharacterSet(stream) : csUnicode;
  const std::string bytes = ReadRest(stream);
  WideString text;
  switch (charSet) {
    case csUnicode:
    case csUnicodeSwapped:
      // Every character is turned round, also behind a NUL character.
      text = Utf16BytesToWide(bytes, charSet == csUnicodeSwapped);
      break;
    case csUtf8: text = Utf8ToWide(bytes); break;
    case csAnsi: text = AnsiToWide(bytes); break;
  }
  SetTextStr(text);
}

void TUniStringList::LoadFromFile(const std::string& fileName) {
  TUniFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  const TUniStreamCharSet charSet = AutoDetectCharacterSet(stream);
  stream.SetPosition(0);
  LoadFromStream(stream);
  LastFileCharSet = charSet;
}

void TUniStringList::SaveToStream_BOM(TStream& stream, bool withBOM) {
  const ByteString bytes = (withBOM ? ByteString("\xFF\xFE") : ByteString()) + WideToUtf16Bytes(GetTextStr());
  stream.WriteBuffer(bytes.data(), bytes.size());
}

void TUniStringList::SaveToFile(const std::string& fileName) {
  TMemoryStream memory;
  SaveToStream(memory);
  const auto& bytes = memory.Data();
  platform::Status written = platform::WriteFileAtomic(
      fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!written) throw EFCreateError("Datei " + WideExpandFileName(fileName) + " kann nicht erstellt werden");
}

}  // namespace zip
