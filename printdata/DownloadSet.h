#pragma once
// The printer file set: before the open print data goes to the printer it
// is turned into a folder tree under the temporary folder, DOWNLOAD/, with
// GP.n23 (the data title and LF) and one folder per print text in use,
// "001" to "099", holding BS.r23 (the static layers as a raw bitmap),
// BS.u23 (the dynamic-layer list), DT.pam (the layout) and the date and
// time layer files of its dynamic layers.
#include <functional>
#include <string>

#include "printdata/PrintGroup.h"
#include "printdata/PrintTextRenderer.h"

namespace printdata {

inline constexpr int kBuildDone = 1;
inline constexpr int kBuildCheckFailed = -1;  // a failed check (index, folder, title, count)
inline constexpr int kBuildFailed = -2;       // anything else, a file that cannot be written included

// The set's root for a temporary folder ("/.../TMP/" or without the slash).
std::string DownloadFolder(const std::string& tmpDir);

// Empties (or creates) `folder`, loads print text `index` of `group` through
// the renderer and writes its files there. Returns 1, -1 or -2.
int BuildPrintTextFiles(int index, const std::string& folder, const PrintGroup& group,
                        PrintTextRenderer& renderer);

// Builds the whole set for the first `count` print texts of `group` (1 to
// 99) under the title `title` (not empty). Returns 1, or -1 when any check
// or print text failed and -2 on any other failure; after a failure the
// DOWNLOAD folder is empty. `processMessages` runs at the start, after
// GP.n23 and before every print text, to keep the window responsive.
int BuildDownloadSet(const PrintGroup& group, int count, const std::string& title, const std::string& tmpDir,
                     PrintTextRenderer& renderer, const std::function<void()>& processMessages = {});

}  // namespace printdata
