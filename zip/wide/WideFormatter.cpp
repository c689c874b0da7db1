#include "zip/wide/WideFormatter.h"

#include <algorithm>
#include <string>

#include "zip/CodePages.h"
#include "zip/wide/FloatText.h"
#include "zip/wide/FormatStrParser.h"
#include "zip/wide/WideErrors.h"

namespace zip {
namespace {

constexpr int kMaxNumber = 999999;  // six digits, as the checker reads them

class Formatter {
 public:
  Formatter(const WideString& format, const TWideFormatArgs& args, const WideString& shown)
      : format_(format), args_(args), shown_(shown) {}

  WideString Run() {
    WideString out;
    const std::size_t n = format_.size();
    while (pos_ < n) {
      const char16_t c = format_[pos_];
      if (c != u'%') {
        out += c;
        ++pos_;
        continue;
      }
      ++pos_;
      if (pos_ >= n) {
        out += u'%';
      } else if (format_[pos_] == u'%') {
        out += u'%';
        ++pos_;
      } else if (format_[pos_] == u' ') {
        out += u"% ";
        ++pos_;
      } else {
        out += Specifier();
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError("Format '" + U8(shown_) + "' ungültig oder nicht kompatibel mit Argument");
  }

  const TWideFormatArg& NextArg() {
    if (argIndex_ < 0 || argIndex_ >= static_cast<int>(args_.size()))
      throw EConvertError("Kein Argument für Format '" + U8(shown_) + "'");
    return args_[static_cast<std::size_t>(argIndex_++)];
  }

  bool Peek(char16_t c) const { return pos_ < format_.size() && format_[pos_] == c; }

  // Digits (at most six) or "*"; -1 when there are none.
  int Number() {
    if (Peek(u'*')) {
      ++pos_;
      const TWideFormatArg& arg = NextArg();
      std::int64_t v;
      if (auto* i = std::get_if<std::int32_t>(&arg)) v = *i;
      else if (auto* l = std::get_if<std::int64_t>(&arg)) v = *l;
      else Invalid();
      if (v > kMaxNumber) Invalid();
      return static_cast<int>(std::max<std::int64_t>(v, 0));
    }
    int value = -1, digits = 0;
    while (pos_ < format_.size() && format_[pos_] >= u'0' && format_[pos_] <= u'9') {
      if (++digits > 6) Invalid();
      value = (value < 0 ? 0 : value * 10) + (format_[pos_++] - u'0');
    }
    return value;
  }

  WideString Specifier() {
    argIndex_ = next_;
    // An index is digits and ":"; digits without ":" are the width.
    std::size_t digits = pos_;
    while (digits < format_.size() && format_[digits] >= u'0' && format_[digits] <= u'9') ++digits;
    int number = -1;
    if (digits > pos_ && digits < format_.size() && format_[digits] == u':') {
      argIndex_ = Number();
      ++pos_;
    } else {
      const bool star = Peek(u'*');
      number = Number();
      if (Peek(u':')) {
        if (star) Invalid();  // an index must be written out
        ++pos_;
        argIndex_ = number;
        number = -1;
      }
    }
    bool left = false;
    if (Peek(u'-')) {
      left = true;
      ++pos_;
    }
    if (number < 0) number = Number();
    const int width = number;
    int precision = -1;
    if (Peek(u'.')) {
      ++pos_;
      precision = std::max(Number(), 0);
    }
    if (pos_ >= format_.size()) Invalid();
    const char16_t type = WideUpperChar(format_[pos_++]);
    WideString text = Value(type, precision);
    next_ = std::max(next_, argIndex_);
    if (width > static_cast<int>(text.size())) {
      WideString pad(static_cast<std::size_t>(width) - text.size(), u' ');
      text = left ? text + pad : pad + text;
    }
    return text;
  }

  WideString Value(char16_t type, int precision) {
    switch (type) {
      case u'D': case u'U': case u'X': return Integer(type, precision);
      case u'E': case u'F': case u'G': case u'N': case u'M': return Float(type, precision);
      case u'P': {
        const auto* p = std::get_if<const void*>(&NextArg());
        if (!p) Invalid();
        return Hex(reinterpret_cast<std::uintptr_t>(*p), static_cast<int>(2 * sizeof(void*)));
      }
      case u'S': {
        const TWideFormatArg& arg = NextArg();
        WideString text;
        if (auto* s = std::get_if<WideString>(&arg)) text = *s;
        else if (auto* c = std::get_if<char16_t>(&arg)) text = WideString(1, *c);
        else Invalid();
        if (precision >= 0 && precision < static_cast<int>(text.size())) text.resize(static_cast<std::size_t>(precision));
        return text;
      }
      default: Invalid();
    }
  }

  static WideString Hex(std::uint64_t value, int digits) {
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    WideString text;
    do {
      text.insert(text.begin(), kDigits[value & 15]);
      value >>= 4;
    } while (value);
    if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<std::size_t>(digits) - text.size(), u'0');
    return text;
  }

  WideString Integer(char16_t type, int precision) {
    const TWideFormatArg& arg = NextArg();
    bool wide;
    std::int64_t value;
    if (auto* i = std::get_if<std::int32_t>(&arg)) value = *i, wide = false;
    else if (auto* l = std::get_if<std::int64_t>(&arg)) value = *l, wide = true;
    else Invalid();
    // Negative numbers as u or x are their two's complement in the
    // argument's own width.
    const std::uint64_t bits = wide ? static_cast<std::uint64_t>(value)
                                    : static_cast<std::uint64_t>(static_cast<std::uint32_t>(value));
    if (type == u'X') return Hex(bits, precision);
    const bool negative = type == u'D' && value < 0;
    std::uint64_t magnitude = type == u'D' ? (negative ? 0 - static_cast<std::uint64_t>(value)
                                                       : static_cast<std::uint64_t>(value))
                                           : bits;
    WideString digits = W(std::to_string(magnitude));
    if (precision > static_cast<int>(digits.size()))
      digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), u'0');
    return negative ? u"-" + digits : digits;
  }

  WideString Float(char16_t type, int precision) {
    const auto* value = std::get_if<double>(&NextArg());
    if (!value) Invalid();
    switch (type) {
      case u'E': return W(FloatToExponentText(*value, precision < 0 ? 15 : precision));
      case u'G': return W(FloatToGeneralText(*value, precision < 0 ? 15 : precision, 3));
      case u'N':
      case u'M': return W(FloatToFixedText(*value, precision < 0 ? 2 : precision, true));
      default: return W(FloatToFixedText(*value, precision < 0 ? 2 : precision, false));
    }
  }

  const WideString& format_;
  const TWideFormatArgs& args_;
  const WideString& shown_;
  std::size_t pos_ = 0;
  int argIndex_ = 0;  // the next argument this specifier reads
  int next_ = 0;      // where a specifier without index starts: behind the highest argument read
};

}  // namespace

WideString FormatWide(const WideString& format, const TWideFormatArgs& args, const WideString* shownFormat) {
  return Formatter(format, args, shownFormat ? *shownFormat : format).Run();
}

WideString Uni_WideFormat(const WideString& format, const TWideFormatArgs& args) {
  return FormatWide(ReplaceFloatingArgumentsInFormatString(format, args), args, &format);
}

}  // namespace zip
