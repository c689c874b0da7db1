#include "app/fetch/FetchWhole.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/FileIO.h"

namespace app {

platform::Status FetchWhole(FtpClient& client, const std::string& remotePath, const std::string& tempPath,
                            const std::string& localPath, std::int64_t size, std::recursive_mutex* lock) {
  (void)platform::DeleteFileOnly(tempPath);
  platform::Result<std::int64_t> got = client.Get(remotePath, tempPath);
  platform::Status result = platform::Status::Ok();
  if (!got) {
    result = got.status();
  } else if (*got != size) {
    // Cut short, or changed on the server since it told the size.
    result = platform::Status::Fail(remotePath + ": " + std::to_string(*got) + " bytes instead of " +
                                    std::to_string(size));
  } else {
    std::optional<std::lock_guard<std::recursive_mutex>> held;
    if (lock) held.emplace(*lock);
    std::error_code ec;
    std::filesystem::rename(tempPath, localPath, ec);
    if (ec) result = platform::Status::Fail(localPath + ": " + ec.message());
  }
  (void)platform::DeleteFileOnly(tempPath);
  return result;
}

}  // namespace app
