#pragma once
// The twenty storage slots: folders "001" to "020" of the program's DATAEASY
// folder, each holding at most one data set (a data archive, else a group
// file with its print-text files), and beside them the slot clipboard
// "COPY", which holds a copy of one slot's whole content.
//
// The clipboard operations never lose a data set: a slot's content is
// deleted only after its copy in the clipboard has been checked against it,
// and the clipboard and a pasted slot are replaced whole (the new content is
// prepared beside them and exchanged in one step). Work folders lie in the
// slot store under hidden names.
#include <string>

#include "platform/Result.h"

namespace printdata {

inline constexpr int kSlotCount = 20;
inline constexpr char kSlotClipboardName[] = "COPY";

// "001" to "020" for slots 1 to 20.
std::string SlotFolderName(int slot);
// The slot's folder in `dataEasyDir`, ending in "/".
std::string SlotFolder(const std::string& dataEasyDir, int slot);
// The clipboard folder in `dataEasyDir`, ending in "/".
std::string SlotClipboardFolder(const std::string& dataEasyDir);

// The data-set file of a slot (or of the clipboard): its first "*.zg23",
// else its first "*.g23"; "" when it holds neither.
std::string FindSlotFile(const std::string& folder);

// Removes everything in the slot; the folder stays.
platform::Status EmptySlot(const std::string& slotFolder);
// The clipboard becomes a checked copy of the slot's whole content.
platform::Status CopySlotToClipboard(const std::string& dataEasyDir, const std::string& slotFolder);
// As CopySlotToClipboard, then the slot is emptied.
platform::Status CutSlotToClipboard(const std::string& dataEasyDir, const std::string& slotFolder);
// The slot (which must exist) becomes a checked copy of the clipboard's
// whole content; the clipboard keeps it.
platform::Status PasteClipboardIntoSlot(const std::string& dataEasyDir, const std::string& slotFolder);
// Removes everything in `folder` but the file `keep` (a data set just saved
// there under a new name replaces what the slot held before).
platform::Status KeepOnly(const std::string& folder, const std::string& keep);

}  // namespace printdata
