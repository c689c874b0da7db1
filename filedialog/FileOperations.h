#pragma once
// The file operations behind the dialog's buttons: move, copy, rename and
// delete of files and whole folders. None of them replaces an existing
// item; a copy or move that fails part-way removes what it had written, so
// the target is either complete or absent.
#include <string>

#include "filedialog/ShellEnvironment.h"
#include "platform/Result.h"

namespace filedialog {

// True when something (a file, a folder, a link) is at `path`.
bool PathExists(const std::string& path);

platform::Status CopyPath(const std::string& from, const std::string& to);
// A rename where it can, else a copy followed by deleting the source.
platform::Status MovePath(const std::string& from, const std::string& to);
// Fails when `to` exists, unless it is `from` itself under another spelling
// (a change of case on a file system that ignores case).
platform::Status RenamePath(const std::string& from, const std::string& to);
// Deletes for good, folders with their contents.
platform::Status DeletePath(const std::string& path);
// Moves the item to the user's trash (the freedesktop.org trash: the home
// trash on the home's file system, else the ".Trash-<uid>" folder at the
// top of the item's file system), from where the desktop can restore it.
// Where there is no trash the item is deleted for good.
platform::Status TrashPath(const std::string& path, const ShellEnvironment& env);

}  // namespace filedialog
