#pragma once
// The set-up protocol of the file dialog without its window: the places
// menus, the modes and option bits, the initial file name, the state of
// the OK button and the path the dialog returns.
#include <array>
#include <cstdint>
#include <string>

#include "filedialog/ShellNamespace.h"

namespace filedialog {

// One entry of a places menu. Caption "-" is a separator line; the first
// entry with an empty caption ends the menu.
struct PlaceEntry {
  std::string caption;
  std::string path;  // the folder opened when the place is chosen
  std::string root;  // the folder at which Back stops afterwards
};
using PlaceMenu = std::array<PlaceEntry, 20>;

// Special place values: the user's documents and desktop folders.
inline constexpr const char* kPlaceDocuments = "Eigene Dateien";
inline constexpr const char* kPlaceDesktop = "Desktop";

// A place's path or root as the menu stores it: the two special values
// become the user's folders, any other value its parsing name; no trailing
// "/" (but for "/" itself).
std::string ResolvePlacePath(const ShellNamespace& shell, const std::string& value);

// Stores entry `index` of a menu: -1 and nothing stored for an index of 20
// or more, else 0. For the special paths the caption becomes the resolved
// folder's own name and `caption` is not used.
int SetPlaceEntry(PlaceMenu& menu, const ShellNamespace& shell, std::uint32_t index, const std::string& caption,
                  const std::string& path, const std::string& root);

// Number of entries before the first with an empty caption.
int PlaceCount(const PlaceMenu& menu);

enum FileDialogMode : std::uint8_t { kModeOpen = 0, kModeSave = 1, kModeBrowse = 2 };

// Option bits of Setup.
namespace FileDialogOptions {
inline constexpr std::uint32_t kBack = 0x1;
inline constexpr std::uint32_t kHome = 0x2;
inline constexpr std::uint32_t kBrowse = 0x4;
inline constexpr std::uint32_t kRefresh = 0x8;
inline constexpr std::uint32_t kIcons = 0x10;
inline constexpr std::uint32_t kList = 0x20;
inline constexpr std::uint32_t kReport = 0x40;
inline constexpr std::uint32_t kDeleteFile = 0x100;
inline constexpr std::uint32_t kDeleteFolder = 0x200;
inline constexpr std::uint32_t kCutFile = 0x400;
inline constexpr std::uint32_t kCutFolder = 0x800;
inline constexpr std::uint32_t kCopyFile = 0x1000;
inline constexpr std::uint32_t kCopyFolder = 0x2000;
inline constexpr std::uint32_t kPaste = 0x4000;
inline constexpr std::uint32_t kNewFolder = 0x8000;
inline constexpr std::uint32_t kRenameFile = 0x10000;
inline constexpr std::uint32_t kRenameFolder = 0x20000;
inline constexpr std::uint32_t kFileOperations = 0x3FF00;
inline constexpr std::uint32_t kAll = 0xFFFFFFFF;
}  // namespace FileDialogOptions

// The initial file of Setup: its last path component, split.
struct InitialFile {
  std::string fileName, baseName, extension;
};
// An empty name empties all three; a name without extension gets the
// default one.
InitialFile SplitInitialFile(const std::string& initialFile, const std::string& defaultExtension);

std::string WithoutLeadingBlanks(const std::string& text);

// The name field and the OK button after a change of selection.
struct OkState {
  std::string nameField;
  bool okVisible = false;
  bool okEnabled = false;
};
OkState OkStateFor(std::uint8_t mode, const std::string& nameField, bool folderOrNothingSelected);

// The file name chosen at close: in open mode the name as it stands, in
// save mode with its extension replaced by the default extension, in other
// modes "".
std::string ChosenFileName(std::uint8_t mode, const std::string& nameField, const std::string& defaultExtension);

// What the protocol stores between the calls and the close.
struct DialogState {
  std::string title;  // " " and the caller's title
  std::uint8_t mode = kModeOpen;
  std::uint32_t options = FileDialogOptions::kAll;
  std::string entryRoot;
  std::string fileName, baseName, extension;
  std::string result;
  std::string clipboardFolder = "/tmp/";  // with a trailing "/"
  PlaceMenu homeEntries, browseEntries;
};

// Makes `path` the clipboard folder: created with its parents, hidden (named
// in its parent's ".hidden" file) and stored with a trailing "/". Results:
// 0 done; -1 empty path; -2 empty without its trailing "/"; -3 not created;
// -4 not hidden. On a failure the previous folder stays.
int SetClipboardFolder(DialogState& state, const std::string& path);

}  // namespace filedialog
