#pragma once
// Whole-file reads and writes. WriteFileAtomic goes to a temporary file
// beside the target, flushes it to disk and then renames it over the target,
// so a crash or a full disk never leaves half a file behind.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Result.h"

namespace platform {

// The file that is to replace `target` once it is complete, created empty
// and exclusively beside it under TempNameBeside's name (LeftoverTempFiles.h),
// open for reading and writing. It has the permissions of the file it will
// replace or, for a new target, those of any new file (0666 less the
// umask), so that the rename hands the operator the file a plain write
// would have made. Every writer that replaces a file whole starts here.
struct ReplacementTemp {
  int fd = -1;
  std::string name;
};
Result<ReplacementTemp> CreateReplacementTemp(const std::string& target);

// A file written in parts that replaces its target only when complete: the
// parts go to a temporary file beside the target (CreateReplacementTemp),
// and Commit flushes it and renames it over the target. Until then the
// target is untouched; a file not committed is removed with the object.
class AtomicFile {
 public:
  explicit AtomicFile(std::string target) : target_(std::move(target)) {}
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file.
  Status Open();
  Status Append(std::string_view bytes);
  // Overwrites bytes already appended, at `offset` from the file's start
  // (a header whose content is known only at the end).
  Status WriteAt(std::uint64_t offset, std::string_view bytes);
  Status Commit();

 private:
  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool committed_ = false;
};

Result<std::string> ReadWholeFile(const std::string& path);
// The whole of a plain file of at most `maxBytes`: anything else (a
// folder, a device, a pipe, a larger file, one that grows beyond the bound
// while it is read) fails without more than the bound being taken in.
Result<std::string> ReadFileUpTo(const std::string& path, std::uint64_t maxBytes);
Status WriteFileAtomic(const std::string& path, std::string_view bytes);
// Writes straight into the file, without the temporary file and the flush:
// for scratch files that are rebuilt whole when any of them fails, where a
// disk flush per file would only cost time.
Status WriteFileDirect(const std::string& path, std::string_view bytes);

// Deletes a file, never a folder. False only when something is at `path`
// that could not be removed (a folder among them); nothing there is fine.
bool DeleteFileOnly(const std::string& path);

// Whether a plain file, or a folder, is at `path` (links followed); false
// for "" and whatever cannot be looked at.
bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);

// Makes the names in `folder` ("" is the current folder) durable, so a
// rename or a new file in it survives a power cut. Best effort: a folder
// that cannot be opened is left as it is.
void SyncFolder(const std::string& folder);

}  // namespace platform
