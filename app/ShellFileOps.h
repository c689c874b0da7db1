#pragma once
// Deleting and copying files and folders without questions, for the
// program's own work folders. A path whose last part holds "*" names the
// matching entries of its folder ("*.*" every entry).
//
// Results: 1 done; 0 nothing there; -1 the folder part of the path is
// missing; -2 the operation failed or was refused.
#include <string>
#include <vector>

namespace app {

// Deletes a file or a folder with its contents, or the matching entries of
// a wildcard path (only files when `filesOnly`). Refuses (-2) to delete or
// empty any of `keep` or a folder that contains one of them, so a program
// folder that went astray can never take the program's own files with it.
int ShellDeletePath(const std::string& path, bool filesOnly, const std::vector<std::string>& keep = {});

// Copies a file or folder into the folder `target`, or to the new name
// `target` when no such folder exists; a wildcard source copies its matching
// entries into `target` (only files when `filesOnly`), which is created when
// missing. Existing files are replaced. Equal paths: 1 and nothing done.
int ShellCopyPath(const std::string& source, const std::string& target, bool filesOnly);

}  // namespace app
