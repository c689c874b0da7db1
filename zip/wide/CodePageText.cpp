#include "zip/wide/CodePageText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "zip/CodePages.h"
#include "zip/Utf16Bytes.h"
#include "zip/wide/Utf7.h"

namespace zip {
namespace {

// iconv's name of a Windows code page number; most are "CP<n>".
std::string IconvName(std::uint32_t codePage) {
  switch (codePage) {
    case 1200: return "UTF-16LE";
    case 1201: return "UTF-16BE";
    case 20127: return "ASCII";
    case 20866: return "KOI8-R";
    case 21866: return "KOI8-U";
    case 51932: return "EUC-JP";
    case 54936: return "GB18030";
    case 10000: return "MACINTOSH";
    default: break;
  }
  if (codePage >= 28591 && codePage <= 28605) return "ISO-8859-" + std::to_string(codePage - 28590);
  return "CP" + std::to_string(codePage);
}

// Converts through iconv; every input unit that cannot be converted is
// skipped (`skip` bytes) and replaced by `substitute` in the output. False
// when iconv does not know the conversion.
bool Convert(const std::string& to, const std::string& from, std::string_view in, std::size_t skip,
             std::string_view substitute, std::string& out) {
  iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  std::vector<char> buffer(4 * in.size() + 16);
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t r = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer.data(), buffer.size() - outLeft);
    if (r != static_cast<std::size_t>(-1)) break;
    if (error == E2BIG) continue;
    // EILSEQ (not a character of the code page) or EINVAL (cut off at the
    // end): one unit is replaced and the conversion goes on behind it.
    std::size_t n = std::min(skip, inLeft);
    inPtr += n;
    inLeft -= n;
    out.append(substitute);
  }
  char* outPtr = buffer.data();
  std::size_t outLeft = buffer.size();
  ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);  // the final shift state
  out.append(buffer.data(), buffer.size() - outLeft);
  ::iconv_close(cd);
  return true;
}

}  // namespace

WideString UCS2ToWideString(std::string_view bytes) { return Utf16BytesToWide(bytes); }

ByteString WideStringToUCS2(std::u16string_view text) { return WideToUtf16Bytes(text); }

WideString StringToWideStringEx(std::string_view bytes, std::uint32_t codePage) {
  switch (codePage) {
    case CP_UTF7: return UTF7ToWideString(bytes);
    case CP_UTF8: return Utf8ToWide(bytes);
    case CP_ACP:
    case CP_THREAD_ACP:
    case 1252: return AnsiToWide(bytes);
    case CP_OEMCP:
    case 850: return OemToWide(bytes);
    default: break;
  }
  std::string utf16;
  if (!Convert("UTF-16LE", IconvName(codePage), bytes, 1, std::string_view("\xFD\xFF", 2), utf16)) return {};
  return UCS2ToWideString(utf16);
}

ByteString WideStringToStringEx(std::u16string_view text, std::uint32_t codePage) {
  ByteString out;
  switch (codePage) {
    case CP_UTF7: return WideStringToUTF7(text);
    case CP_UTF8: return WideToUtf8(WideString(text));
    case CP_ACP:
    case CP_THREAD_ACP:
    case 1252: WideToAnsi(WideString(text), out); return out;
    case CP_OEMCP:
    case 850: WideToOem(WideString(text), out); return out;
    default: break;
  }
  if (!Convert(IconvName(codePage), "UTF-16LE", WideStringToUCS2(text), 2, "?", out)) return {};
  return out;
}

bool IsWideCharMappableToAnsi(char16_t c) { return IsWideStringMappableToAnsi(std::u16string_view(&c, 1)); }

bool IsWideStringMappableToAnsi(std::u16string_view text) {
  ByteString unused;
  return WideToAnsi(WideString(text), unused);
}

}  // namespace zip
