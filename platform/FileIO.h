#pragma once
// Whole-file reads and writes. WriteFileAtomic goes to a temporary file
// beside the target, flushes it to disk and then renames it over the target,
// so a crash or a full disk never leaves half a file behind.
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace platform {

Result<std::string> ReadWholeFile(const std::string& path);
Status WriteFileAtomic(const std::string& path, std::string_view bytes);
// Writes straight into the file, without the temporary file and the flush:
// for scratch files that are rebuilt whole when any of them fails, where a
// disk flush per file would only cost time.
Status WriteFileDirect(const std::string& path, std::string_view bytes);

}  // namespace platform
