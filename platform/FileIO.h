#pragma once
// Whole-file reads and writes. A write goes to a temporary file beside the
// target, is flushed to disk and then renamed over the target, so a crash or
// a full disk never leaves half a file behind.
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace platform {

Result<std::string> ReadWholeFile(const std::string& path);
Status WriteFileAtomic(const std::string& path, std::string_view bytes);

}  // namespace platform
