#pragma once
// The format-string checker: reads the specifiers of the runtime's format
// syntax (see WideFormatter.h), writes a format in its canonical form where
// every specifier names its argument ("%s and %d" -> "%0:s and %1:d"), and
// tells whether two formats (a text and its translation) take the same
// arguments in the same order and of the same kinds.
#include <cstdint>
#include <string>

#include "zip/ZipTypes.h"
#include "zip/wide/WideFormatter.h"

namespace zip {

// Kinds of arguments by type letter (either case).
enum TFormatArgKind : std::uint8_t { fakInteger, fakFloat, fakPointer, fakString };

// One pass over a format; each call of ParseSpecifier reads one specifier
// at the cursor and appends its canonical text to the output. Failures raise
// EFormatSpecError "Invalid Format Specifier: <output so far><rest>".
class TFormatStrParser {
 public:
  explicit TFormatStrParser(const WideString& format) : format_(format) {}

  // With the cursor on a "%": false for "%%", "% " and a "%" at the end
  // (which stay text), true after a whole specifier.
  bool ParseSpecifier();
  // The argument kind of a canonical specifier by its last character.
  static TFormatArgKind SpecifierKind(const WideString& specifier);

  WideString& Output() { return output_; }
  std::size_t Cursor() const { return cursor_; }
  void SetCursor(std::size_t cursor) { cursor_ = cursor; }
  int ExplicitCount() const { return explicitCount_; }
  int ImplicitCount() const { return implicitCount_; }

 private:
  [[noreturn]] void Invalid() const;
  bool AtEnd() const { return cursor_ >= format_.size(); }
  bool TakeChar(char16_t c);
  void ExpectChar(char16_t c);
  bool TakeDigit();
  bool TakeNumber();
  void TakeType();
  bool PeekIndex(int& index);
  void CountImplicit();

  const WideString& format_;
  WideString output_;
  std::size_t cursor_ = 0;
  int lastIndex_ = -1;
  int explicitCount_ = 0;
  int implicitCount_ = 0;
};

// The format with every specifier carrying its argument index; unchanged
// when it has no explicit index and one implicit specifier, or explicit
// indices and no implicit specifier.
WideString GetCanonicalFormatStr(const WideString& format);

// The canonical format with every floating-point specifier replaced by its
// formatted value.
WideString ReplaceFloatingArgumentsInFormatString(const WideString& format, const TWideFormatArgs& args);

// Returns when both formats take the same arguments; raises
// EFormatSpecError "Number of format specifiers do not match. ..." or
// "Argument types for index N do not match. (a <> b)" otherwise.
void CompareFormatStrings(const WideString& format1, const WideString& format2);
// The same test as a boolean; a format that cannot be parsed still raises.
bool FormatStringsAreCompatible(const WideString& format1, const WideString& format2);

}  // namespace zip
