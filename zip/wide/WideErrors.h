#pragma once
// Exceptions of the wide-string toolbox. EUniGeneralError (ordinary
// failures such as "Invalid UTF7") lives with the archive library's errors.
#include <stdexcept>

#include "zip/ZipErrors.h"

namespace zip {

// Raised by nothing; kept for callers that report their own misuse.
class EUniUserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A state that means a fault of the toolbox itself.
class EUniInternalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every parse or comparison failure of the format-string checker.
class EFormatSpecError : public EUniGeneralError {
 public:
  using EUniGeneralError::EUniGeneralError;
};

// A text that is no number, or a format that does not fit its arguments.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zip
