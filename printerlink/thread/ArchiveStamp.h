#pragma once
// A print text's archive goes first; when the printer already holds it
// unchanged, the print text's other files are skipped without asking. For
// that the archive must come out the same, byte for byte, whenever nothing
// the printer gets for the print text has changed. The print-text file is
// written anew for every download, so its own time would make every
// archive new; instead it is stamped with a time derived from the checksum
// of the print text's printer files. A changed bitmap (a date printed as
// fixed content, a new font) then changes the archive as well, and the
// print text goes again.
#include <string>

#include "platform/Result.h"

namespace printerthread {

// The time (seconds since 1970, even, between 2000 and 2068) for print text
// `number`'s files in `setFolder` (ending in "/").
long long PrintTextStamp(const std::string& setFolder, int number);

// Gives `textFile` that time as its modification time.
platform::Status StampPrintTextFile(const std::string& textFile, const std::string& setFolder, int number);

}  // namespace printerthread
