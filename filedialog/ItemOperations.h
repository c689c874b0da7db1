#pragma once
// What the dialog's operation buttons do to the items of the current
// folder: delete to the trash, cut and copy into the clipboard folder,
// paste from it, rename and make a new folder. Names given here are real
// names of items in `folder`; answers typed by the user must be single
// names inside that folder.
#include <string>

#include "filedialog/ClipboardIndex.h"
#include "filedialog/ShellEnvironment.h"

namespace filedialog {

enum class OpError {
  None,
  InvalidName,  // an answer that is not a single name inside the folder
  Exists,       // the new name is taken already
  Refused,      // the operation would reach into itself
  Failed,       // the file system refused; `detail` says why
};

struct OpOutcome {
  OpError error = OpError::None;
  std::string name;    // the item's name afterwards (pasted, renamed, made)
  std::string detail;  // for Failed

  bool ok() const { return error == OpError::None; }
};

// True when `path` is `folder` or lies inside it (after resolving links).
bool IsInsideFolder(const std::string& path, const std::string& folder);

OpOutcome DeleteItem(const std::string& folder, const std::string& name, const ShellEnvironment& env);

// Moves (cut) or copies the item into the clipboard folder, replacing an
// older clipboard item of that name, and makes it the newest index line.
// An item that lies in the clipboard folder already only becomes the newest
// line; a folder that holds the clipboard folder is refused.
OpOutcome CutOrCopyItem(ClipboardIndex& index, const std::string& folder, const std::string& name, bool cut);

// The first of name, base(1)ext, base(2)ext, ... that nothing in `folder`
// is called.
std::string FreePasteName(const std::string& folder, const std::string& name);

// Copies the clipboard item `name` into `folder` under a free name; the
// clipboard item stays. Nothing of a failed copy is left behind.
OpOutcome PasteItem(const ClipboardIndex& index, const std::string& folder, const std::string& name);

// Renames `name` to the answer with its own extension kept (the answer's
// extension is dropped): plan.zg23 with the answer neu.txt becomes
// neu.zg23. Never replaces an existing item. An answer equal to the old
// base name changes nothing (ok, name unchanged).
OpOutcome RenameItem(const std::string& folder, const std::string& name, const std::string& answer);

// Makes the folder `answer` in `folder`; an existing folder of that name
// counts as made.
OpOutcome MakeNewFolder(const std::string& folder, const std::string& answer);

}  // namespace filedialog
