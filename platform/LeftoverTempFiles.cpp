#include "platform/LeftoverTempFiles.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

constexpr std::string_view kMark = ".~";
constexpr std::string_view kEnd = ".tmp";

bool AllDigits(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }

}  // namespace

std::string TempNameBeside(const std::string& target, unsigned serial) {
  return target + std::string(kMark) + std::to_string(::getpid()) + "." + std::to_string(serial) + std::string(kEnd);
}

pid_t TempFileWriter(std::string_view name) {
  if (name.size() <= kEnd.size() || name.substr(name.size() - kEnd.size()) != kEnd) return 0;
  name.remove_suffix(kEnd.size());
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || !AllDigits(name.substr(dot + 1))) return 0;
  name = name.substr(0, dot);
  const std::size_t mark = name.rfind(kMark);
  // A target name in front of the mark: a bare ".~1.2.tmp" is no one's.
  if (mark == std::string_view::npos || mark == 0) return 0;
  const std::string_view digits = name.substr(mark + kMark.size());
  if (!AllDigits(digits)) return 0;
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0) return 0;
  return pid;
}

bool ProcessRuns(pid_t pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM); }

int RemoveLeftoverTempFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  int removed = 0;
  for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
    const pid_t writer = TempFileWriter(it->path().filename().native());
    if (writer == 0 || ProcessRuns(writer)) continue;
    std::error_code removeError;
    if (fs::remove(it->path(), removeError)) ++removed;
  }
  return removed;
}

}  // namespace platform
