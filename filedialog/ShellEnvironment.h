#pragma once
// Where the dialog's namespace finds the user's folders and the mounted
// volumes. The program takes them from the process; tests give their own.
#include <string>
#include <vector>

namespace filedialog {

struct ShellEnvironment {
  std::string home;                            // the user's home folder, no trailing "/"
  std::string mountsFile = "/proc/self/mounts";  // the mount table
  // Block devices mounted below these folders are the volumes a user looks
  // for; the root file system is one always.
  std::vector<std::string> volumeFolders = {"/media", "/run/media", "/mnt"};

  // The home folder of the user the process runs as (from the password
  // database; "/" when it has none).
  static ShellEnvironment OfProcess();

  // The user's documents and desktop folders as the desktop's user-dirs
  // file names them ("$HOME/Documents" and "$HOME/Desktop" when it does
  // not). Neither need exist.
  std::string DocumentsFolder() const;
  std::string DesktopFolder() const;
  // The home trash as freedesktop.org defines it.
  std::string TrashFolder() const { return home + "/.local/share/Trash"; }
};

// The value of `key` ("XDG_DOCUMENTS_DIR") in the text of a user-dirs file,
// "$HOME" replaced by `home`; "" when the file does not set it.
std::string UserDirFromText(const std::string& text, const std::string& key, const std::string& home);

// Mount points of the volumes an operator would look for: the root file
// system and block devices mounted below one of `volumeFolders`, in the
// order of the mount table, each once. `mountTable` is the text of a
// mounts file.
std::vector<std::string> VolumesFromMountTable(const std::string& mountTable,
                                               const std::vector<std::string>& volumeFolders);

}  // namespace filedialog
