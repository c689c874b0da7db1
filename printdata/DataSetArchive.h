#pragma once
// The data archive (zg23): the locked container around a ZIP, encrypted
// with the archive password, that holds a group file and its print-text
// files at its root. The writer names them GP.g23 and GP_001.j23 ...; the
// reader takes the first "*.g23" it finds, whatever its name.
//
// Work files lie in a folder of their own in the TMP folder, named uniquely
// per operation, and go when the operation ends (a reader keeps its
// extracted files until the next read). An archive is written beside its
// target and replaces it only when complete, so a failed or interrupted
// save leaves the file that was there.
#include <functional>
#include <string>

#include "platform/Result.h"
#include "printdata/ArchiveTools.h"
#include "printdata/GroupFile.h"
#include "printdata/PrintGroup.h"

namespace printdata {

// The archive component's work folder in the TMP folder.
inline constexpr char kDataSetArchiveWorkFolder[] = "ZGxx";
// Prefixes of the per-operation work folders in the TMP folder.
inline constexpr char kSaveWorkPrefix[] = "SPEICHERNZG23.";
inline constexpr char kLoadWorkPrefix[] = "LADENZG23.";

// Points between the steps of a save, where a test can stop it as a crash
// would.
enum class SaveStep { GroupWritten, Zipped, Locked };
using SaveStepHook = std::function<void(SaveStep)>;

// Writes print texts 0 to count - 1 of `group` (and its protection value and
// note) as the data archive `target`. GroupSave may adjust `group` as it
// does for any save (graphic sizes of layers that are not graphics).
platform::Status SaveDataSetArchive(ArchiveTools& tools, const std::string& tmpDir, PrintGroup& group, int count,
                                    const std::string& target, const SaveStepHook& hook = {});

struct LoadedGroup {
  int Count = 0;
  GroupLoadReport Report;  // print texts that could not be read
};

// Resets `group` and reads the group file `path` with its print-text files
// into it; the group may hold no print text.
platform::Result<LoadedGroup> ReadGroupFile(const std::string& path, PrintGroup& group);
// The same, but a group without print texts is a failure.
platform::Result<LoadedGroup> LoadGroupFile(const std::string& path, PrintGroup& group);

// Resets `group` and reads the data archive `path` into it. On a failure
// `group` may hold anything; the caller closes the data.
platform::Result<LoadedGroup> LoadDataSetArchive(ArchiveTools& tools, const std::string& tmpDir,
                                                 const std::string& path, PrintGroup& group);

}  // namespace printdata
