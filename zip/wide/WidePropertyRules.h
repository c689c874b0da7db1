#pragma once
// The rules by which wide texts are kept in stored property values so that
// 8-bit readers survive them: every wide text is stored in its plain form
// and, when it holds more than 7-bit ASCII, once more as UTF-7 under a
// second name ("P_UTF7", "WideStrings_UTF7"); "PW" and "WideStringsW" carry
// UTF-8 for reading only. The values are given as TStreamValue records;
// how they are laid out in a stream is the stream's business.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "zip/UniStringList.h"
#include "zip/ZipErrors.h"

namespace zip {

enum TValueType : std::uint8_t { vaList = 1, vaString = 6, vaLString = 12, vaWString = 18 };

// One stored value: an 8-bit text (vaString, vaLString), a wide text
// (vaWString) or a list of values (vaList).
struct TStreamValue {
  TValueType Kind = vaString;
  ByteString Ansi;
  WideString Wide;
  std::vector<TStreamValue> Items;
};

// A stored value that does not fit the property: "Ungültiger Eigenschaftswert".
class EReadPropertyError : public EStreamError {
 public:
  EReadPropertyError() : EStreamError("Ungültiger Eigenschaftswert") {}
};

// A reader takes the UTF forms into account only when it has an owner and
// the component is in design state or runtime UTF streaming is switched on
// (it is off unless a caller switches it on).
bool UtfReadingActive(bool readerHasOwner, bool inDesignState, bool runtimeUtfStreaming);

// Every character below 0x80: the text survives a trip through 8 bits.
bool IsPlain7BitText(std::u16string_view text);

// Wide-text property: whether "P_UTF7" is written beside the plain value
// (stored, different from the ancestor's value when there is one, not empty,
// not plain 7-bit text), and what it holds.
bool StoresWideStringUtf7(const WideString& value, bool stored, const WideString* ancestorValue);
ByteString WideStringUtf7Value(const WideString& value);
// "PW" (UTF-8) and "P_UTF7" read back: the text to set, or nothing when UTF
// reading is not active (the value is then dropped).
std::optional<WideString> ReadWideStringW(const ByteString& utf8, bool utfActive);
std::optional<WideString> ReadWideStringUtf7(const ByteString& utf7, bool utfActive);

// Wide-character property. The runtime's "no default" marker.
constexpr std::int32_t kNoDefault = static_cast<std::int32_t>(0x80000000u);
// At its default: without getter or setter; with a valid ancestor when it
// equals the ancestor's value; otherwise when it equals a declared default.
bool WideCharIsDefault(char16_t value, bool hasGetterAndSetter, bool ancestorValid,
                       std::optional<char16_t> ancestorValue, std::int32_t declaredDefault);
// Whether a writer stores "PW": stored, different from the ancestor's value
// and not at its default.
bool StoresWideCharW(char16_t value, bool stored, std::optional<char16_t> ancestorValue, bool atDefault);
// "PW" as written: a wide text of the one character.
TStreamValue WideCharValue(char16_t value);
// "PW" read back: an 8-bit or wide text of at most one character (0 when
// empty); anything else raises EReadPropertyError.
char16_t ReadWideCharW(const TStreamValue& value);
// "P_UTF7" read back: the first character, 0 when empty.
char16_t ReadWideCharUtf7(const ByteString& utf7);

// Wide string lists. "Strings" is stored when the list differs from its
// ancestor, or, without one, when it is not empty; "WideStrings_UTF7" when
// "Strings" is and some item is not plain 7-bit text.
bool StoresStrings(const TUniStringList& list, const TUniStringList* ancestor);
bool StoresStringsUtf7(bool stringsStored, const TUniStringList& list);
// "Strings" / "WideStrings": one 8-bit or wide text that becomes the whole
// text, or a list of texts that replaces the items.
void ReadData(TUniStringList& list, const TStreamValue& value);
// "Strings" as written: a list of wide texts.
TStreamValue WriteData(const TUniStringList& list);
// "WideStrings_UTF7": a list of UTF-7 texts that replaces the items when
// UTF reading is active and is dropped otherwise.
void ReadDataUTF7(TUniStringList& list, const TStreamValue& value, bool utfActive);
TStreamValue WriteDataUTF7(const TUniStringList& list);
// "WideStringsW": a list of UTF-8 texts that replaces the items, unless UTF
// reading is not active and the list already holds items.
void ReadDataUTF8(TUniStringList& list, const TStreamValue& value, bool utfActive);

// A wide text kept beside its 8-bit twin: when the twin was changed behind
// its back, the wide text follows it.
WideString GetSyncedWideString(WideString& wide, const ByteString& ansi);
// Stores a new wide text and gives the 8-bit twin its ANSI form through
// `setter`; when that form equals the old twin although the text changed
// (characters the code page lacks), the setter first gets "" so that the
// change is seen.
void SetSyncedWideString(const WideString& newValue, WideString& wide, const ByteString& ansi,
                         const std::function<void(const ByteString&)>& setter);

}  // namespace zip
