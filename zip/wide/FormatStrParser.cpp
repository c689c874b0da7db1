#include "zip/wide/FormatStrParser.h"

#include <algorithm>
#include <map>
#include <vector>

#include "zip/CodePages.h"
#include "zip/wide/WideErrors.h"

namespace zip {

void TFormatStrParser::Invalid() const {
  throw EFormatSpecError("Invalid Format Specifier: " + U8(output_ + format_.substr(std::min(cursor_, format_.size()))));
}

bool TFormatStrParser::TakeChar(char16_t c) {
  if (AtEnd() || format_[cursor_] != c) return false;
  output_ += c;
  ++cursor_;
  return true;
}

void TFormatStrParser::ExpectChar(char16_t c) {
  if (!TakeChar(c)) Invalid();
}

bool TFormatStrParser::TakeDigit() {
  if (AtEnd() || format_[cursor_] < u'0' || format_[cursor_] > u'9') return false;
  output_ += format_[cursor_++];
  return true;
}

bool TFormatStrParser::TakeNumber() {
  int digits = 0;
  while (digits < 6 && TakeDigit()) ++digits;
  if (digits == 6 && !AtEnd() && format_[cursor_] >= u'0' && format_[cursor_] <= u'9') Invalid();
  return digits > 0;
}

void TFormatStrParser::TakeType() {
  static const std::u16string_view kTypes = u"defgmnpsuxDEFGMNPSUX";
  if (AtEnd() || kTypes.find(format_[cursor_]) == std::u16string_view::npos) Invalid();
  output_ += format_[cursor_++];
}

bool TFormatStrParser::PeekIndex(int& index) {
  // Looks ahead for "N:" and consumes nothing, whatever the outcome.
  const WideString savedOutput = output_;
  const std::size_t savedCursor = cursor_;
  output_.clear();
  index = -1;
  bool found = false;
  try {
    if (TakeNumber()) {
      index = std::stoi(U8(output_));
      found = TakeChar(u':');
    }
  } catch (...) {
    output_ = savedOutput;
    cursor_ = savedCursor;
    throw;
  }
  output_ = savedOutput;
  cursor_ = savedCursor;
  return found;
}

void TFormatStrParser::CountImplicit() {
  ++implicitCount_;
  ++lastIndex_;
}

bool TFormatStrParser::ParseSpecifier() {
  ExpectChar(u'%');
  if (AtEnd() || TakeChar(u' ') || TakeChar(u'%')) return false;
  int index;
  if (PeekIndex(index)) {
    ++explicitCount_;
    lastIndex_ = std::max(lastIndex_, index);
  } else {
    CountImplicit();
    output_ += W(std::to_string(lastIndex_)) + u':';
  }
  if (TakeChar(u'*')) {
    CountImplicit();
    // An index taken from an argument cannot be checked: which argument a
    // later specifier names would depend on a value.
    if (TakeChar(u':')) Invalid();
  } else if (TakeNumber()) {
    TakeChar(u':');
  }
  TakeChar(u'-');
  if (TakeChar(u'*')) CountImplicit();
  else TakeNumber();
  if (TakeChar(u'.')) {
    // A "*" precision takes an argument as a "*" width does, so that the
    // indices of later specifiers stay those the formatter uses.
    if (TakeChar(u'*')) CountImplicit();
    else TakeNumber();
  }
  TakeType();
  return true;
}

TFormatArgKind TFormatStrParser::SpecifierKind(const WideString& specifier) {
  const char16_t type = specifier.empty() ? u'\0' : WideUpperChar(specifier.back());
  switch (type) {
    case u'D': case u'U': case u'X': return fakInteger;
    case u'E': case u'F': case u'G': case u'M': case u'N': return fakFloat;
    case u'P': return fakPointer;
    case u'S': return fakString;
    default:
      throw EUniInternalError("Internal Error: Unexpected format type (" + U8(specifier) + ")");
  }
}

namespace {

// Calls `onSpecifier(parser, parsed)` for each "%" with the parser's output
// holding just that specifier's text, and `onText` for the text between.
template <class OnText, class OnSpecifier>
void Scan(TFormatStrParser& parser, const WideString& format, OnText onText, OnSpecifier onSpecifier) {
  for (;;) {
    const std::size_t percent = format.find(u'%', parser.Cursor());
    if (percent == WideString::npos) break;
    onText(std::u16string_view(format).substr(parser.Cursor(), percent - parser.Cursor()));
    parser.SetCursor(percent);
    parser.Output().clear();
    const bool parsed = parser.ParseSpecifier();
    onSpecifier(parser, parsed);
  }
  onText(std::u16string_view(format).substr(parser.Cursor()));
}

struct Slot {
  bool filled = false;
  TFormatArgKind kind = fakInteger;
  WideString specifier;
};

[[noreturn]] void TypeMismatch(int slot, const WideString& a, const WideString& b) {
  throw EFormatSpecError("Argument types for index " + std::to_string(slot) + " do not match. (" + U8(a) + " <> " +
                         U8(b) + ")");
}

// The argument slots a format takes: each specifier at its index, or the
// slot behind the previous one. Slots no specifier names stay empty (kind
// integer, no text); only the filled ones are kept, so that an index such as
// 999999 costs nothing.
struct Arguments {
  int count = 0;
  std::map<int, Slot> filled;
  Slot At(int index) const {
    auto it = filled.find(index);
    return it == filled.end() ? Slot() : it->second;
  }
};

Arguments CollectArguments(const WideString& format) {
  TFormatStrParser parser(format);
  std::vector<WideString> specifiers;
  Scan(parser, format, [](std::u16string_view) {},
       [&](TFormatStrParser& p, bool parsed) {
         if (parsed) specifiers.push_back(p.Output());
       });
  // A canonical specifier always reads "%N:...".
  auto indexOf = [](const WideString& s) {
    auto colon = s.find(u':');
    return colon == WideString::npos ? -1 : std::stoi(U8(s.substr(1, colon - 1)));
  };
  Arguments args;
  int slot = -1;
  for (const auto& s : specifiers) {
    int index = indexOf(s);
    slot = index >= 0 ? index : slot + 1;
    args.count = std::max(args.count, slot + 1);
    const TFormatArgKind kind = TFormatStrParser::SpecifierKind(s);
    auto [it, added] = args.filled.try_emplace(slot, Slot{true, kind, s});
    if (!added && it->second.kind != kind) TypeMismatch(slot, it->second.specifier, s);
  }
  return args;
}

// Empty when the formats agree, else the message of the first difference.
std::string Difference(const WideString& format1, const WideString& format2) {
  const Arguments a = CollectArguments(format1);
  const Arguments b = CollectArguments(format2);
  if (a.count != b.count)
    return "Number of format specifiers do not match.\r\n\r\n> " + U8(format1) + "\r\n> " + U8(format2);
  std::vector<int> indices;
  for (const auto& [i, slot] : a.filled) indices.push_back(i);
  for (const auto& [i, slot] : b.filled) indices.push_back(i);
  std::sort(indices.begin(), indices.end());
  for (int i : indices) {
    const Slot x = a.At(i), y = b.At(i);
    if (x.kind != y.kind)
      return "Argument types for index " + std::to_string(i) + " do not match. (" + U8(x.specifier) + " <> " +
             U8(y.specifier) + ")";
  }
  return {};
}

}  // namespace

WideString GetCanonicalFormatStr(const WideString& format) {
  TFormatStrParser parser(format);
  WideString out;
  Scan(parser, format, [&](std::u16string_view text) { out += text; },
       [&](TFormatStrParser& p, bool) { out += p.Output(); });
  const int explicitCount = parser.ExplicitCount(), implicitCount = parser.ImplicitCount();
  if ((explicitCount == 0 && implicitCount == 1) || (explicitCount > 0 && implicitCount == 0)) return format;
  return out;
}

WideString ReplaceFloatingArgumentsInFormatString(const WideString& format, const TWideFormatArgs& args) {
  TFormatStrParser parser(format);
  WideString out;
  Scan(parser, format, [&](std::u16string_view text) { out += text; },
       [&](TFormatStrParser& p, bool parsed) {
         if (parsed && TFormatStrParser::SpecifierKind(p.Output()) == fakFloat) out += FormatWide(p.Output(), args, &format);
         else out += p.Output();
       });
  return out;
}

void CompareFormatStrings(const WideString& format1, const WideString& format2) {
  std::string difference = Difference(format1, format2);
  if (!difference.empty()) throw EFormatSpecError(difference);
}

bool FormatStringsAreCompatible(const WideString& format1, const WideString& format2) {
  return Difference(format1, format2).empty();
}

}  // namespace zip
