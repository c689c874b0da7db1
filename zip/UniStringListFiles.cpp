// The string list's files and streams.
#include <vector>

#include "platform/FileIO.h"
#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/Streams.h"
#include "zip/UniStringList.h"

namespace zip {
namespace {

std::vector<std::uint8_t> ReadRest(TStream& stream) {
  std::int64_t rest = stream.Size() - stream.Position();
  std::vector<std::uint8_t> bytes(rest > 0 ? static_cast<std::size_t>(rest) : 0);
  if (!bytes.empty()) bytes.resize(stream.Read(bytes.data(), bytes.size()));
  return bytes;
}

WideString Utf16FromBytes(const std::vector<std::uint8_t>& bytes, bool bigEndian) {
  WideString text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned lo = bytes[2 * i], hi = bytes[2 * i + 1];
    if (bigEndian) std::swap(lo, hi);
    text[i] = static_cast<char16_t>(lo | (hi << 8));
  }
  return text;
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
  const std::vector<std::uint8_t> bytes = ReadRest(stream);
  WideString text;
  switch (charSet) {
    case csUnicode:
    case csUnicodeSwapped:
      // Every character is turned round, also behind a NUL character.
      text = Utf16FromBytes(bytes, charSet == csUnicodeSwapped);
      break;
    case csUtf8:
      text = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      break;
    case csAnsi:
      text = AnsiToWide(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      break;
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
  const WideString text = GetTextStr();
  std::vector<std::uint8_t> bytes;
  bytes.reserve(2 * text.size() + 2);
  if (withBOM) {
    bytes.push_back(0xFF);
    bytes.push_back(0xFE);
  }
  for (char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
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
