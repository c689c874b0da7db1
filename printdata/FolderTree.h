#pragma once
// Whole folders as the data sets' storage moves them: copied and checked
// against their source, and put in place of an old folder in one step, so
// that a failure or a crash at any moment leaves either the old folder or the
// new one, never a mixture and never nothing.
#include <string>

#include "platform/Result.h"

namespace printdata {

// A new, empty folder in `parent` named `prefix` followed by six random
// characters; its path without a final "/".
platform::Result<std::string> MakeUniqueFolder(const std::string& parent, const std::string& prefix);

// Removes every entry of `parent` whose name begins with `prefix` (work
// folders a crashed run left behind). Failures are ignored.
void RemoveEntriesStartingWith(const std::string& parent, const std::string& prefix);

// Copies everything in `from` (files, sub-folders, links) into the folder
// `to`, which is created when missing. Each file is on disk when it returns.
platform::Status CopyFolderContent(const std::string& from, const std::string& to);

// Whether the two folders hold the same names, the same kinds and the same
// bytes, all the way down.
bool SameFolderContent(const std::string& a, const std::string& b);

// Puts the folder `staged` in the place of `target` (which may be missing):
// the two are exchanged in one step where the file system can, else `target`
// moves aside first and comes back when `staged` cannot take its place.
// Afterwards `staged` no longer exists: the old content is removed. Both
// must lie in the same file system.
platform::Status ReplaceFolder(const std::string& staged, const std::string& target);

// Removes everything inside `folder`; the folder itself stays.
platform::Status EmptyFolder(const std::string& folder);

// Removes `path` with everything in it; nothing there is no error.
platform::Status RemoveAll(const std::string& path);

}  // namespace printdata
