#include "zip/wide/WidePropertyRules.h"

#include "zip/CodePages.h"
#include "zip/wide/Utf7.h"

namespace zip {
namespace {

ByteString ToAnsi(const WideString& text) {
  ByteString out;
  WideToAnsi(text, out);
  return out;
}

// The elements of a list value (an 8-bit or wide text each).
std::vector<WideString> Elements(const TStreamValue& value) {
  if (value.Kind != vaList) throw EReadPropertyError();
  std::vector<WideString> items;
  for (const auto& item : value.Items) {
    if (item.Kind == vaWString) items.push_back(item.Wide);
    else if (item.Kind == vaString || item.Kind == vaLString) items.push_back(AnsiToWide(item.Ansi));
    else throw EReadPropertyError();
  }
  return items;
}

std::vector<ByteString> ByteElements(const TStreamValue& value) {
  if (value.Kind != vaList) throw EReadPropertyError();
  std::vector<ByteString> items;
  for (const auto& item : value.Items) {
    if (item.Kind != vaString && item.Kind != vaLString) throw EReadPropertyError();
    items.push_back(item.Ansi);
  }
  return items;
}

void Replace(TUniStringList& list, const std::vector<WideString>& items) {
  list.BeginUpdate();
  try {
    list.Clear();
    for (const auto& s : items) list.Add(s);
  } catch (...) {
    list.EndUpdate();
    throw;
  }
  list.EndUpdate();
}

}  // namespace

bool UtfReadingActive(bool readerHasOwner, bool inDesignState, bool runtimeUtfStreaming) {
  return readerHasOwner && (inDesignState || runtimeUtfStreaming);
}

bool IsPlain7BitText(std::u16string_view text) {
  for (char16_t c : text)
    if (c >= 0x80) return false;
  return true;
}

bool StoresWideStringUtf7(const WideString& value, bool stored, const WideString* ancestorValue) {
  if (!stored || value.empty() || IsPlain7BitText(value)) return false;
  return !ancestorValue || *ancestorValue != value;
}

ByteString WideStringUtf7Value(const WideString& value) { return WideStringToUTF7(value); }

std::optional<WideString> ReadWideStringW(const ByteString& utf8, bool utfActive) {
  if (!utfActive) return std::nullopt;
  return Utf8ToWide(utf8);
}

std::optional<WideString> ReadWideStringUtf7(const ByteString& utf7, bool utfActive) {
  if (!utfActive) return std::nullopt;
  return UTF7ToWideString(utf7);
}

bool WideCharIsDefault(char16_t value, bool hasGetterAndSetter, bool ancestorValid,
                       std::optional<char16_t> ancestorValue, std::int32_t declaredDefault) {
  if (!hasGetterAndSetter) return true;
  if (ancestorValid) return ancestorValue && *ancestorValue == value;
  return declaredDefault != kNoDefault && static_cast<std::int32_t>(value) == declaredDefault;
}

bool StoresWideCharW(char16_t value, bool stored, std::optional<char16_t> ancestorValue, bool atDefault) {
  return stored && (!ancestorValue || *ancestorValue != value) && !atDefault;
}

TStreamValue WideCharValue(char16_t value) {
  TStreamValue v;
  v.Kind = vaWString;
  v.Wide = WideString(1, value);
  return v;
}

char16_t ReadWideCharW(const TStreamValue& value) {
  WideString text;
  if (value.Kind == vaString || value.Kind == vaLString) text = AnsiToWide(value.Ansi);
  else if (value.Kind == vaWString) text = value.Wide;
  else throw EReadPropertyError();
  if (text.size() > 1) throw EReadPropertyError();
  return text.empty() ? u'\0' : text[0];
}

char16_t ReadWideCharUtf7(const ByteString& utf7) {
  const WideString text = UTF7ToWideString(utf7);
  return text.empty() ? u'\0' : text[0];
}

bool StoresStrings(const TUniStringList& list, const TUniStringList* ancestor) {
  return ancestor ? !list.Equals(*ancestor) : list.GetCount() > 0;
}

bool StoresStringsUtf7(bool stringsStored, const TUniStringList& list) {
  if (!stringsStored) return false;
  for (const auto& s : list)
    if (!s.empty() && !IsPlain7BitText(s)) return true;
  return false;
}

void ReadData(TUniStringList& list, const TStreamValue& value) {
  switch (value.Kind) {
    case vaString:
    case vaLString: list.SetTextStr(AnsiToWide(value.Ansi)); return;
    case vaWString: list.SetTextStr(value.Wide); return;
    default: Replace(list, Elements(value));
  }
}

TStreamValue WriteData(const TUniStringList& list) {
  TStreamValue v;
  v.Kind = vaList;
  for (const auto& s : list) {
    TStreamValue item;
    item.Kind = vaWString;
    item.Wide = s;
    v.Items.push_back(std::move(item));
  }
  return v;
}

void ReadDataUTF7(TUniStringList& list, const TStreamValue& value, bool utfActive) {
  const std::vector<ByteString> elements = ByteElements(value);
  if (!utfActive) return;
  std::vector<WideString> items;
  for (const auto& e : elements) items.push_back(UTF7ToWideString(e));
  Replace(list, items);
}

TStreamValue WriteDataUTF7(const TUniStringList& list) {
  TStreamValue v;
  v.Kind = vaList;
  for (const auto& s : list) {
    TStreamValue item;
    item.Kind = vaLString;
    item.Ansi = WideStringToUTF7(s);
    v.Items.push_back(std::move(item));
  }
  return v;
}

void ReadDataUTF8(TUniStringList& list, const TStreamValue& value, bool utfActive) {
  const std::vector<ByteString> elements = ByteElements(value);
  if (!utfActive && list.GetCount() > 0) return;
  std::vector<WideString> items;
  for (const auto& e : elements) items.push_back(Utf8ToWide(e));
  Replace(list, items);
}

WideString GetSyncedWideString(WideString& wide, const ByteString& ansi) {
  if (ToAnsi(wide) != ansi) wide = AnsiToWide(ansi);
  return wide;
}

void SetSyncedWideString(const WideString& newValue, WideString& wide, const ByteString& ansi,
                         const std::function<void(const ByteString&)>& setter) {
  if (newValue == GetSyncedWideString(wide, ansi)) return;
  const ByteString newAnsi = ToAnsi(newValue);
  if (AnsiToWide(newAnsi) != newValue && newAnsi == ansi) setter(ByteString());
  wide = newValue;
  setter(newAnsi);
}

}  // namespace zip
