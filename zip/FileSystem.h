#pragma once
// The library's file layer over POSIX. Paths are UTF-8 with "/" separators.
// Windows attributes are synthesised: folders 0x10, regular files 0x20, plus
// 0x01 when nobody may write the file; nothing is hidden or system. FIFOs,
// sockets and devices are invisible to searches, and symbolic links to
// folders are not followed.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace zip {

bool WideFileExists(const std::string& name);
bool WideDirectoryExists(const std::string& name);
// The attributes, or -1 when they cannot be read.
std::int32_t WideFileGetAttr(const std::string& name);
// Only the read-only bit has an effect here.
bool WideFileSetAttr(const std::string& name, std::uint32_t attributes);
// True when the folder exists afterwards; an empty name raises EUniGeneralError.
bool WideForceDirectories(const std::string& folder);
bool WideDeleteFile(const std::string& name);
bool WideRenameFile(const std::string& oldName, const std::string& newName);

struct TSearchRecW {
  std::int32_t Time = 0;  // DOS date (high word) and time (low word), local
  std::int64_t Size = 0;
  std::uint32_t Attr = 0;
  std::string Name;
  std::uint32_t ExcludeAttr = 0;

  struct Found {
    std::string name;
    std::uint32_t attr;
    std::int64_t size;
    std::int32_t time;
  };
  std::vector<Found> found;
  std::size_t next = 0;
};

// Searches `pattern` (folder + "/" + wildcard name; the name part matches
// without regard to case). Entries whose hidden, system, volume or folder
// bits are not asked for by `attributes` are passed over. 0 when an entry was
// found, else a non-zero error (2 not found, 18 no more entries).
int WideFindFirst(const std::string& pattern, std::uint32_t attributes, TSearchRecW& rec);
int WideFindNext(TSearchRecW& rec);
void WideFindClose(TSearchRecW& rec);

// DOS date-time of the local last-write time; -1 for a missing name or a folder.
std::int32_t WideFileAge(const std::string& name);
bool WideFileSetDate(const std::string& name, std::uint32_t dosDateTime);

std::string WideGetCurrentDir();
// The absolute, lexically normal form of a path (symbolic links untouched);
// a trailing "/" is kept.
std::string WideExpandFileName(const std::string& name);
// Up to and including the last "/"; empty when there is none.
std::string WideExtractFilePath(const std::string& name);
std::string WideExtractFileName(const std::string& name);
// The extension with its dot, or empty.
std::string WideExtractFileExt(const std::string& name);

std::uint32_t DateTimeToDos(std::time_t t);
std::time_t DosToDateTime(std::uint32_t dos);

}  // namespace zip
