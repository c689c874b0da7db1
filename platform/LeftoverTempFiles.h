#pragma once
// The temporary files that replace a file whole (AtomicFile, the archive
// writer) lie beside their target as "<target>.~<pid>.<n>.tmp" until they
// are renamed over it. A process killed in between leaves one behind; the
// process id in the name tells whether its writer still runs.
#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform {

// The temporary name for the `serial`-th replacement this process makes:
// "<target>.~<pid>.<serial>.tmp".
std::string TempNameBeside(const std::string& target, unsigned serial);

// The process id in a file name made by TempNameBeside ("report.txt.~4711.3.tmp"
// gives 4711); 0 for every other name.
pid_t TempFileWriter(std::string_view fileName);

// Whether a process of this id exists (also one of another user).
bool ProcessRuns(pid_t pid);

// Deletes the temporary files of writers that no longer run in `folder` and
// every folder below it (links are not followed); the number deleted. A
// folder that cannot be read is passed over.
int RemoveLeftoverTempFiles(const std::string& folder);

}  // namespace platform
