#pragma once
// Writing one file of the printer file set. The set is scratch: it is built
// into an emptied folder and emptied again when any part fails, so its files
// are written straight, without the flush-and-rename of the PC's own files
// (which would cost a disk flush for each of hundreds of small files).
#include <string>
#include <string_view>

#include "platform/FileIO.h"

namespace printdata {

inline platform::Status WritePrinterFile(const std::string& path, std::string_view bytes) {
  return platform::WriteFileDirect(path, bytes);
}

}  // namespace printdata
