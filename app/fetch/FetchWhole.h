#pragma once
// One server file into its local place, whole or not at all: it is fetched
// into a temporary file first, and only a copy of exactly the size the
// server gave replaces the local file, in one rename (a reader sees the old
// file or the new one). The temporary file is gone afterwards in any case.
#include <cstdint>
#include <mutex>
#include <string>

#include "app/fetch/FtpClient.h"
#include "platform/Result.h"

namespace app {

// `lock`, when given, is held for the rename: readers of the local file
// take it too.
platform::Status FetchWhole(FtpClient& client, const std::string& remotePath, const std::string& tempPath,
                            const std::string& localPath, std::int64_t size, std::recursive_mutex* lock = nullptr);

}  // namespace app
