#include "zip/wide/WideText.h"

#include "zip/CodePages.h"
#include "zip/WideCompare.h"
#include "zip/wide/WideCharClass.h"

namespace zip {

char16_t UniWideLastChar(std::u16string_view text) { return text.empty() ? u'\0' : text.back(); }

const char16_t* WideLastChar(const WideString& text) { return text.empty() ? nullptr : &text.back(); }

int WideTextPos(std::u16string_view sub, std::u16string_view text) {
  if (sub.empty()) return 0;
  auto at = WideUpperCase(WideString(text)).find(WideUpperCase(WideString(sub)));
  return at == WideString::npos ? 0 : static_cast<int>(at) + 1;
}

bool IsRTF(std::u16string_view text) {
  if (text.size() < 5) return false;
  std::u16string_view head = text.substr(0, 5);
  return CompareWideText(head, u"{\\RTF", true) == 0 || CompareWideText(head, u"{URTF", true) == 0;
}

bool WideIsDelimiter(std::u16string_view delimiters, std::u16string_view text, int index) {
  if (index < 1 || index > static_cast<int>(text.size())) return false;
  return delimiters.find(text[index - 1]) != std::u16string_view::npos;
}

int WideLastDelimiter(std::u16string_view delimiters, std::u16string_view text) {
  for (int i = static_cast<int>(text.size()); i >= 1; --i) {
    char16_t c = text[i - 1];
    if (c != 0 && delimiters.find(c) != std::u16string_view::npos) return i;
  }
  return 0;
}

WideString ExtractStringArrayStr(std::u16string_view list, char16_t separator) {
  std::size_t pos = 0;
  while (pos < list.size()) {
    std::size_t end = list.find(separator, pos);
    if (end == std::u16string_view::npos) break;
    if (end == pos) return WideString(list.substr(0, end + 1));  // the ending empty text
    pos = end + 1;
  }
  return WideString(list);
}

WideString ExtractStringFromStringArray(std::u16string_view list, std::size_t& pos, char16_t separator) {
  if (pos >= list.size()) {
    pos = list.size();
    return WideString();
  }
  std::size_t end = list.find(separator, pos);
  if (end == std::u16string_view::npos) end = list.size();
  WideString text(list.substr(pos, end - pos));
  pos = end < list.size() ? end + 1 : end;
  return text;
}

std::vector<WideString> ExtractStringsFromStringArray(std::u16string_view list, char16_t separator) {
  std::vector<WideString> texts;
  std::size_t pos = 0;
  while (pos < list.size()) {
    WideString text = ExtractStringFromStringArray(list, pos, separator);
    if (text.empty()) break;
    texts.push_back(std::move(text));
  }
  return texts;
}

namespace {

template <class Sink>
void AdjustLineBreaks(std::u16string_view text, TUniTextLineBreakStyle style, Sink sink) {
  const std::u16string_view lineBreak = style == tlbsLF ? u"\n" : style == tlbsCR ? u"\r" : u"\r\n";
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      sink(lineBreak);
    } else if (c == u'\n' || c == u'\u2028') {
      sink(lineBreak);
    } else {
      sink(std::u16string_view(&text[i], 1));
    }
  }
}

}  // namespace

WideString UniAdjustLineBreaks(std::u16string_view text, TUniTextLineBreakStyle style) {
  WideString out;
  out.reserve(UniAdjustLineBreaksLength(text, style));
  AdjustLineBreaks(text, style, [&](std::u16string_view part) { out += part; });
  return out;
}

std::size_t UniAdjustLineBreaksLength(std::u16string_view text, TUniTextLineBreakStyle style) {
  std::size_t length = 0;
  AdjustLineBreaks(text, style, [&](std::u16string_view part) { length += part.size(); });
  return length;
}

WideString WideWrapText(std::u16string_view line, std::u16string_view breakText, std::u16string_view breakChars,
                        int width) {
  // Positions are 1-based as in the description of the algorithm; at(p) is
  // the character at position p.
  const int lineLen = static_cast<int>(line.size());
  const int breakLen = static_cast<int>(breakText.size());
  auto at = [&](int p) { return line[static_cast<std::size_t>(p - 1)]; };
  auto isBreakChar = [&](char16_t c) { return breakChars.find(c) != std::u16string_view::npos; };
  auto isQuote = [](char16_t c) { return c == u'\'' || c == u'"'; };
  int col = 1, pos = 1, linePos = 1, breakPos = 0;
  char16_t quote = 0;  // the open quote, 0 for none
  bool existingBreak = false;
  WideString result;
  while (pos <= lineLen) {
    const char16_t cur = at(pos);
    if (breakLen > 0 && cur == breakText[0]) {
      if (quote == 0) {
        existingBreak = CompareWideText(breakText, line.substr(pos - 1, breakLen), true) == 0;
        if (existingBreak) {
          pos += breakLen - 1;
          breakPos = pos;
        }
      }
    } else if (isBreakChar(cur)) {
      if (quote == 0) breakPos = pos;
    } else if (isQuote(cur)) {
      if (cur == quote) quote = 0;
      else if (quote == 0) quote = cur;
    }
    ++pos;
    ++col;
    if (quote == 0 && (existingBreak || (col > width && breakPos > linePos))) {
      col = pos - breakPos;
      result += line.substr(linePos - 1, breakPos - linePos + 1);
      if (!isQuote(cur)) {
        while (pos <= lineLen) {
          if (isBreakChar(at(pos))) ++pos;
          else if (pos < lineLen && at(pos) == u'\r' && at(pos + 1) == u'\n') pos += 2;
          else break;
        }
      }
      if (!existingBreak && pos <= lineLen) result += breakText;
      linePos = ++breakPos;
      existingBreak = false;
    }
  }
  if (linePos <= lineLen) result += line.substr(linePos - 1);
  return result;
}

WideString WideWrapText(std::u16string_view line, int width) { return WideWrapText(line, u"\r\n", u"\t -", width); }

WideString Uni_WideStringReplace(std::u16string_view text, std::u16string_view oldPattern,
                                 std::u16string_view newPattern, unsigned flags, bool wholeWord) {
  if (oldPattern.empty() || text.empty()) return WideString(text);
  const bool ignoreCase = flags & rfIgnoreCase;
  // Upper-casing keeps every character in its place, so positions found in
  // the search copy are positions in the text.
  const WideString search = ignoreCase ? WideUpperCase(WideString(text)) : WideString(text);
  const WideString pattern = ignoreCase ? WideUpperCase(WideString(oldPattern)) : WideString(oldPattern);
  auto separates = [](char16_t c) { return IsWideCharSpace(c) || IsWideCharPunct(c); };
  WideString result;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t match = search.find(pattern, from);
    if (match == WideString::npos) break;
    const std::size_t end = match + pattern.size();
    if (wholeWord) {
      bool before = match == from ? result.empty() || separates(result.back()) : separates(text[match - 1]);
      bool after = end >= text.size() || separates(text[end]);
      if (!before || !after) {
        result += text.substr(from, end - from);
        from = end;
        continue;
      }
    }
    result += text.substr(from, match - from);
    result += newPattern;
    from = end;
    if (!(flags & rfReplaceAll)) break;
  }
  result += text.substr(from);
  return result;
}

}  // namespace zip
