// The text forms of the string list: name=value items, delimited text and
// the line text.
#include "zip/UniStringList.h"
#include "zip/WideQuoting.h"

namespace zip {
namespace {

// Blanks of the delimited text: the control characters and the space. NUL
// counts among them, so that a text holding one cannot stall the reader.
bool IsBlank(char16_t c) { return c <= 32; }

}  // namespace

WideString TUniStringList::GetName(int index) const {
  const WideString& s = Get(index);
  auto eq = s.find(NameValueSeparator);
  return eq == WideString::npos ? WideString() : s.substr(0, eq);
}

WideString TUniStringList::GetValue(const WideString& name) {
  int index = IndexOfName(name);
  return index < 0 ? WideString() : items_[index].substr(name.size() + 1);
}

void TUniStringList::SetValue(const WideString& name, const WideString& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  PutPair(index, name + NameValueSeparator + value);
}

void TUniStringList::PutPair(int index, const WideString& item) {
  if (sorted_) {
    // A sorted list refuses Put: the pair goes to its sorted place instead.
    if (index >= 0) Delete(index);
    Add(item);
    return;
  }
  if (index < 0) index = Add(WideString());
  Put(index, item);
}

WideString TUniStringList::GetValueFromIndex(int index) const {
  if (index < 0) return WideString();
  const WideString& s = Get(index);
  auto eq = s.find(NameValueSeparator);
  return eq == WideString::npos ? WideString() : s.substr(eq + 1);
}

void TUniStringList::SetValueFromIndex(int index, const WideString& value) {
  if (index >= 0) CheckIndex(index);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  PutPair(index, (index >= 0 ? GetName(index) : WideString()) + NameValueSeparator + value);
}

char16_t TUniStringList::GetDelimiter() {
  if (!delimiterDefined_) SetDelimiter(u',');
  return delimiter_;
}

void TUniStringList::SetDelimiter(char16_t delimiter) {
  delimiter_ = delimiter;
  delimiterDefined_ = true;
}

char16_t TUniStringList::GetQuoteChar() {
  if (!quoteDefined_) SetQuoteChar(u'"');
  return quoteChar_;
}

void TUniStringList::SetQuoteChar(char16_t quote) {
  quoteChar_ = quote;
  quoteDefined_ = true;
}

WideString TUniStringList::GetDelimitedText() {
  const char16_t quote = GetQuoteChar();
  const char16_t delimiter = GetDelimiter();
  if (GetCount() == 1 && items_[0].empty()) return WideString(2, quote);
  WideString out;
  for (int i = 0; i < GetCount(); ++i) {
    const WideString& s = items_[i];
    bool needsQuotes = false;
    for (char16_t c : s)
      if (IsBlank(c) || c == quote || c == delimiter) {
        needsQuotes = true;
        break;
      }
    if (i > 0) out += delimiter;
    out += needsQuotes ? WideQuotedStr(s, quote) : s;
  }
  return out;
}

void TUniStringList::SetDelimitedText(const WideString& text) {
  const char16_t quote = GetQuoteChar();
  const char16_t delimiter = GetDelimiter();
  const std::size_t n = text.size();
  std::size_t p = 0;
  auto skipBlanks = [&] {
    while (p < n && IsBlank(text[p])) ++p;
  };
  Atomically([&] {
    Clear();
    skipBlanks();
    while (p < n) {
      WideString item;
      if (text[p] == quote) {
        item = WideExtractQuotedStr(text, p, quote);
      } else {
        std::size_t start = p;
        while (p < n && !IsBlank(text[p]) && text[p] != delimiter) ++p;
        item = text.substr(start, p - start);
      }
      Add(item);
      skipBlanks();
      if (p < n && text[p] == delimiter) {
        if (p + 1 == n) Add(WideString());
        ++p;
        skipBlanks();
      }
    }
  });
}

WideString TUniStringList::GetCommaText() {
  const bool delimiterDefined = delimiterDefined_, quoteDefined = quoteDefined_;
  const char16_t delimiter = delimiter_, quote = quoteChar_;
  SetDelimiter(u',');
  SetQuoteChar(u'"');
  WideString text = GetDelimitedText();
  delimiter_ = delimiter;
  quoteChar_ = quote;
  delimiterDefined_ = delimiterDefined;
  quoteDefined_ = quoteDefined;
  return text;
}

void TUniStringList::SetCommaText(const WideString& text) {
  SetDelimiter(u',');
  SetQuoteChar(u'"');
  SetDelimitedText(text);
}

WideString TUniStringList::GetTextStr() const {
  std::size_t size = 0;
  for (const auto& s : items_) size += s.size() + 2;
  WideString out;
  out.reserve(size);
  for (const auto& s : items_) {
    out += s;
    out += u"\r\n";
  }
  return out;
}

void TUniStringList::SetTextStr(const WideString& text) {
  const std::size_t n = text.size();
  Atomically([&] {
    Clear();
    std::size_t p = 0;
    while (p < n) {
      std::size_t start = p;
      while (p < n && text[p] != u'\r' && text[p] != u'\n' && text[p] != u'\u2028') ++p;
      Add(text.substr(start, p - start));
      if (p < n && text[p] == u'\r') ++p;
      if (p < n && text[p] == u'\n') ++p;
      if (p < n && text[p] == u'\u2028') ++p;
    }
  });
}

}  // namespace zip
