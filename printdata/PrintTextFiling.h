#pragma once
// The print-text file operations without their beep, for the group file,
// which reports a failing print text itself.
#include <string>

#include "platform/Result.h"
#include "printdata/PrintText.h"

namespace printdata {

platform::Status WritePrintTextFile(PrintText& text, const std::string& path);
platform::Status ReadPrintTextFile(const std::string& path, PrintText& text);

}  // namespace printdata
