#include "printdata/SlotStore.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/FileIO.h"
#include "platform/PathText.h"
#include "printdata/DataSetNames.h"
#include "printdata/FolderTree.h"

namespace printdata {
namespace {

namespace fs = std::filesystem;
using platform::IsFolder;
using platform::Status;
using platform::WithoutTrailingSlash;

// Copies `from` into a hidden work folder beside `target`, checks the copy
// and exchanges it with `target`.
Status ReplaceWithCheckedCopy(const std::string& dataEasyDir, const std::string& from, const std::string& target) {
  if (!IsFolder(from)) return Status::Fail("\"" + from + "\" is no folder");
  const std::string name = fs::path(WithoutTrailingSlash(target)).filename().string();
  // What an interrupted run left goes first.
  RemoveEntriesStartingWith(dataEasyDir, "." + name + ".new.");
  auto staged = MakeUniqueFolder(dataEasyDir, "." + name + ".new.");
  if (!staged) return staged.status();
  Status done = CopyFolderContent(from, *staged);
  if (done && !SameFolderContent(from, *staged))
    done = Status::Fail("the copy of \"" + from + "\" differs from it");
  if (done) done = ReplaceFolder(*staged, target);
  if (!done) (void)RemoveAll(*staged);
  return done;
}

}  // namespace

std::string SlotFolderName(int slot) {
  char name[16];
  std::snprintf(name, sizeof name, "%03d", slot);
  return name;
}

std::string SlotFolder(const std::string& dataEasyDir, int slot) {
  return platform::WithTrailingSlash(dataEasyDir) + SlotFolderName(slot) + "/";
}

std::string SlotClipboardFolder(const std::string& dataEasyDir) {
  return platform::WithTrailingSlash(dataEasyDir) + kSlotClipboardName + "/";
}

std::string FindSlotFile(const std::string& folder) {
  std::string file = FindFirstFile(folder, kArchiveExtension);
  if (file.empty()) file = FindFirstFile(folder, kGroupExtension);
  return file;
}

Status EmptySlot(const std::string& slotFolder) { return EmptyFolder(slotFolder); }

Status CopySlotToClipboard(const std::string& dataEasyDir, const std::string& slotFolder) {
  return ReplaceWithCheckedCopy(dataEasyDir, slotFolder, SlotClipboardFolder(dataEasyDir));
}

Status CutSlotToClipboard(const std::string& dataEasyDir, const std::string& slotFolder) {
  if (Status copied = CopySlotToClipboard(dataEasyDir, slotFolder); !copied) return copied;
  // Checked once more right before the slot goes: only what the clipboard
  // holds is deleted.
  if (!SameFolderContent(slotFolder, SlotClipboardFolder(dataEasyDir)))
    return Status::Fail("the clipboard does not hold \"" + slotFolder + "\"");
  return EmptySlot(slotFolder);
}

Status PasteClipboardIntoSlot(const std::string& dataEasyDir, const std::string& slotFolder) {
  if (!IsFolder(slotFolder)) return Status::Fail("the slot \"" + slotFolder + "\" does not exist");
  return ReplaceWithCheckedCopy(dataEasyDir, SlotClipboardFolder(dataEasyDir), slotFolder);
}

Status KeepOnly(const std::string& rawFolder, const std::string& keep) {
  const std::string folder = WithoutTrailingSlash(rawFolder);
  if (!platform::IsFile(folder + "/" + keep)) return Status::Fail("\"" + keep + "\" is not in \"" + folder + "\"");
  std::error_code ec;
  std::vector<fs::path> others;
  for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
    if (ec) break;
    if (it->path().filename() != keep) others.push_back(it->path());
  }
  if (ec) return Status::Fail("cannot list \"" + folder + "\": " + ec.message());
  Status result = Status::Ok();
  for (const fs::path& p : others)
    if (fs::remove_all(p, ec); ec && result) result = Status::Fail("cannot remove \"" + p.string() + "\"");
  return result;
}

}  // namespace printdata
