#pragma once
// More of the library's file layer (see zip/FileSystem.h for the functions
// the archiver uses, zip/ZipPaths.h for ExtractRelativePath and the trailing
// "/" helpers). Paths are UTF-8 with "/" separators; there are no drives.
#include <chrono>
#include <cstdint>
#include <string>

namespace zip {

// Copies a file with its permissions and last-write time; the target is
// replaced whole (written beside it, then renamed over it). With
// `failIfExists` an existing target is left alone and the copy fails.
bool WideCopyFile(const std::string& source, const std::string& target, bool failIfExists);

// The last-write time (to the millisecond) of a file; false for a missing
// name or a folder.
bool WideFileAge(const std::string& name, std::chrono::system_clock::time_point& time);

// The read-only attribute (nobody may write the file).
bool WideFileIsReadOnly(const std::string& name);
bool WideFileSetReadOnly(const std::string& name, bool readOnly);

// `name` when it exists, else the first folder of the ";"-separated list
// that holds it (the joined path); "" when none does.
std::string WideFileSearch(const std::string& name, const std::string& folderList);

bool WideCreateDir(const std::string& folder);
bool WideRemoveDir(const std::string& folder);
bool WideSetCurrentDir(const std::string& folder);

// The folder part without its final "/", which stays for the root and
// after another "/".
std::string WideExtractFileDir(const std::string& name);
// The name with its extension (as WideExtractFileExt finds it) replaced by
// `extension`, which carries its own dot.
std::string WideChangeFileExt(const std::string& name, const std::string& extension);
// True when the 1-based `index` lies in the path and holds "/".
bool WideIsPathDelimiter(const std::string& path, int index);

// The system's text for an error number; "Unspecified error (<code>) from
// system." when it has none.
std::string WideSysErrorMessage(int errorCode);

}  // namespace zip
