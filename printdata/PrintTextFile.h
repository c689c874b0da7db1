#pragma once
// One print text in its own file (j23). Both operations sound the error beep
// when they fail and return why.
#include <string>

#include "platform/Result.h"
#include "printdata/PrintText.h"

namespace printdata {

// Writes version 9, replacing the file whole. Layers that are not graphics
// get the graphic size 12 x 24 in `text` itself (see PrintTextToLines), even
// when the write then fails.
platform::Status PrintTextSave(PrintText& text, const std::string& path);

// Reads versions 6 to 9 over `text` without resetting it first: fields the
// file does not carry, and after a failure those not yet read, keep their
// values. Callers reset with PrintTextInit first.
platform::Status PrintTextLoad(const std::string& path, PrintText& text);

}  // namespace printdata
