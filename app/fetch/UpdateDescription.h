#pragma once
// The update description INFO.UPD, as the server announces a release and as
// the UPDATE folder keeps the one whose installer it holds:
//   line 1  "1" (exactly; anything else means there is no update)
//   line 2  release date, yyyymmdd
//   line 3  release time, hhmm
//   line 4  the installer's file name, in the server folder and in UPDATE
// Lines after the fourth are ignored.
#include <cstdint>
#include <string>
#include <vector>

namespace app {

// The work files of the UPDATE folder.
inline constexpr const char* kUpdateInfoName = "INFO.UPD";
inline constexpr const char* kUpdateInfoCopyName = "~INFO.UPD";
inline constexpr const char* kUpdateTempName = "~TODEL.TMP";

struct UpdateDescription {
  // At least four lines, the first exactly "1".
  bool announces = false;
  // Lines 2 and 3 as integers (0 when a line is none); compared as unsigned
  // 32-bit numbers, so a negative value counts as greater than any other.
  std::uint32_t date = 0;
  std::uint32_t time = 0;
  // Line 4 as it stands.
  std::string installer;
};

UpdateDescription ParseUpdateDescription(const std::vector<std::string>& lines);

// Released after the running program (date first, then time).
bool IsNewerRelease(const UpdateDescription& d);

// A name that can stand as a file in the UPDATE folder and nowhere else:
// not empty, at most 255 bytes, no "/" or "\", no control character, not
// "." and no "..", and none of the folder's work files (in any case, as the
// installer may be meant for a system that ignores it).
bool IsPlainInstallerName(const std::string& name);

// Announces a release newer than the running one whose installer name is
// plain: the only descriptions the fetch acts on.
bool OffersUpdate(const UpdateDescription& d);

}  // namespace app
