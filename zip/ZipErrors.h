#pragma once
// The library's errors. Every failure it reports itself is an EZipException
// built from a native code; a fixed table maps the code to one of 41 texts,
// and the code itself is appended to every message so that causes sharing a
// text can still be told apart.
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace zip {

// One argument of a formatted message: "%s" takes text (UTF-8), "%d" a number.
using FormatArg = std::variant<std::string, std::int64_t>;

// printf-like substitution of %s and %d (with an optional width such as %5d
// and "%%"), independent of the locale. Missing arguments leave the
// placeholder as it stands.
std::string FormatText(const std::string& format, const std::vector<FormatArg>& args);

constexpr int kZipMessageCount = 41;
constexpr int kZipNativeCodeCount = 68;
extern const char* const ZipErrorMessages[kZipMessageCount];
// Pairs (native code, message index), one per native code 0 to 67.
extern const std::int32_t ZipNativeToErrorCode[kZipNativeCodeCount][2];

// The message index of a native code; 0 ("Unknown error") when it is not in
// the table.
int ZipMessageIndexOf(int nativeCode);

class EZipException : public std::runtime_error {
 public:
  // `component` is the name of the raising component; empty for no prefix.
  explicit EZipException(int nativeCode, const std::string& component = std::string());
  EZipException(int nativeCode, const std::vector<FormatArg>& args,
                const std::string& component = std::string());

  int MessageIndex = 0;
  int NativeCode = 0;

 private:
  static std::string Build(int nativeCode, const std::vector<FormatArg>* args,
                           const std::string& component);
};

// The texts of the default event handlers.
extern const char* const SConfirmOverwrite;
extern const char* const SPasswordTitle;
extern const char* const SPasswordPrompt;
extern const char* const SOnRequestBlankDisk;
extern const char* const SOnRequestFirstDisk;
extern const char* const SOnRequestLastDisk;
extern const char* const SOnRequestMiddleDisk;
extern const char* const SOnDiskFull;
extern const char* const SOnProcessFileFailure;
extern const char* const SWrongDiskRequestLastDisk;

// Stream failures of the class library that the archiver passes on.
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EReadError : public EStreamError {
 public:
  EReadError() : EStreamError("Stream-Lesefehler") {}
};
class EWriteError : public EStreamError {
 public:
  EWriteError() : EStreamError("Stream-Schreibfehler") {}
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// Failures of the file layer that are not results (an empty folder name).
class EUniGeneralError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zip
