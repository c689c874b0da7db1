#pragma once
// String formats: binary data as text and back (copy, hexadecimal, MIME
// Base 64, UU and XX coding) and the registry that finds a format by its
// numeric identifier. A format "class" is its one constant instance.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zip {

constexpr int fmtDEFAULT = -1;
constexpr int fmtNONE = 0;
constexpr int fmtCOPY = 1;
constexpr int fmtHEX = 16;
constexpr int fmtHEXL = 1016;
constexpr int fmtMIME64 = 4196;
constexpr int fmtUU = 21845;
constexpr int fmtXX = 22616;

class EStringFormat : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A length below 0 means: up to the first zero byte.
class TStringFormat {
 public:
  virtual ~TStringFormat() = default;
  static const TStringFormat& Instance();

  // Text in this format -> binary.
  virtual std::string ToStr(const char* text, std::int32_t length) const;
  // Binary -> text in this format.
  virtual std::string StrTo(const char* binary, std::int32_t length) const;
  virtual std::string_view Name() const;
  virtual int Format() const;
  // With isText off every input is valid: any binary can be encoded.
  virtual bool IsValid(const char* data, std::int32_t length, bool isText) const;
};

// Code characters first (their position is their value), then the prefix
// characters X and $, then separators that validation accepts.
class TStringFormat_HEX : public TStringFormat {
 public:
  static const TStringFormat_HEX& Instance();
  std::string ToStr(const char* text, std::int32_t length) const override;
  std::string StrTo(const char* binary, std::int32_t length) const override;
  std::string_view Name() const override;
  int Format() const override;
  bool IsValid(const char* data, std::int32_t length, bool isText) const override;
  virtual std::string_view CharTable() const;
};

class TStringFormat_HEXL : public TStringFormat_HEX {
 public:
  static const TStringFormat_HEXL& Instance();
  std::string_view Name() const override;
  int Format() const override;
  std::string_view CharTable() const override;
};

class TStringFormat_MIME64 : public TStringFormat_HEX {
 public:
  static const TStringFormat_MIME64& Instance();
  std::string ToStr(const char* text, std::int32_t length) const override;
  std::string StrTo(const char* binary, std::int32_t length) const override;
  std::string_view Name() const override;
  int Format() const override;
  std::string_view CharTable() const override;
};

// Lines of at most 45 bytes: a length character, then four code characters
// per three bytes.
class TStringFormat_UU : public TStringFormat {
 public:
  static const TStringFormat_UU& Instance();
  std::string ToStr(const char* text, std::int32_t length) const override;
  std::string StrTo(const char* binary, std::int32_t length) const override;
  std::string_view Name() const override;
  int Format() const override;
  bool IsValid(const char* data, std::int32_t length, bool isText) const override;
  virtual std::string_view CharTable() const;
};

class TStringFormat_XX : public TStringFormat_UU {
 public:
  static const TStringFormat_XX& Instance();
  std::string_view Name() const override;
  int Format() const override;
  std::string_view CharTable() const override;
};

using TStringFormatClass = const TStringFormat*;

// Registers entries 0..lastIndex; a format replaces the one registered with
// the same identifier. The six formats above are registered from the start.
void RegisterStringFormats(const TStringFormatClass* classes, int lastIndex);
// fmtDEFAULT stands for the default; nullptr when not registered.
TStringFormatClass StringFormat(int identifier);
int DefaultStringFormat();
// fmtDEFAULT or an unregistered identifier sets fmtMIME64.
void SetDefaultStringFormat(int identifier);
void GetStringFormats(std::vector<std::pair<std::string, TStringFormatClass>>& strings);

// Throw EStringFormat for an unknown identifier or input the format rejects.
std::string StrToFormat(const char* binary, std::int32_t length, int identifier);
std::string FormatToStr(const char* text, std::int32_t length, int identifier);
std::string ConvertFormat(const char* text, std::int32_t length, int fromIdentifier, int toIdentifier);
bool IsValidFormat(const char* text, std::int32_t length, int identifier);
bool IsValidString(const char* binary, std::int32_t length, int identifier);

inline std::string StrToFormat(std::string_view binary, int identifier) {
  return StrToFormat(binary.data(), static_cast<std::int32_t>(binary.size()), identifier);
}
inline std::string FormatToStr(std::string_view text, int identifier) {
  return FormatToStr(text.data(), static_cast<std::int32_t>(text.size()), identifier);
}

}  // namespace zip
