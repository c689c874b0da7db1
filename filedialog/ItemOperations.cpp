#include "filedialog/ItemOperations.h"

#include <filesystem>
#include <system_error>

#include "filedialog/Extensions.h"
#include "filedialog/FileOperations.h"
#include "platform/PathText.h"

namespace filedialog {
namespace fs = std::filesystem;

namespace {

OpOutcome Failed(const platform::Status& s) { return {OpError::Failed, {}, s.error()}; }
OpOutcome Done(std::string name) { return {OpError::None, std::move(name), {}}; }
OpOutcome Error(OpError e) { return {e, {}, {}}; }

bool AllBlank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

bool IsInsideFolder(const std::string& path, const std::string& folder) {
  std::error_code ec;
  const fs::path p = fs::weakly_canonical(path, ec);
  if (ec) return false;
  const fs::path f = fs::weakly_canonical(folder, ec);
  if (ec) return false;
  auto pi = p.begin();
  for (auto fi = f.begin(); fi != f.end(); ++fi) {
    if (fi->empty()) continue;  // a trailing separator
    if (pi == p.end() || *pi != *fi) return false;
    ++pi;
  }
  return true;
}

OpOutcome DeleteItem(const std::string& folder, const std::string& name, const ShellEnvironment& env) {
  if (!IsSingleName(name)) return Error(OpError::InvalidName);
  auto s = TrashPath(platform::JoinPath(folder, name), env);
  return s ? Done(name) : Failed(s);
}

OpOutcome CutOrCopyItem(ClipboardIndex& index, const std::string& folder, const std::string& name, bool cut) {
  if (!IsSingleName(name) || name == kClipboardIndexName) return Error(OpError::InvalidName);
  const std::string source = platform::JoinPath(folder, name);
  if (IsInsideFolder(folder, index.Folder()) && IsInsideFolder(index.Folder(), folder)) {
    // Already in the clipboard folder: taking it in again must not delete
    // it as an older copy of itself.
    auto s = index.Add(name);
    return s ? Done(name) : Failed(s);
  }
  const std::string target = index.ItemPath(name);
  // Neither the clipboard folder nor the older copy that makes way may hold
  // the item itself.
  if (IsInsideFolder(index.Folder(), source) || IsInsideFolder(source, target)) return Error(OpError::Refused);
  (void)index.Remove(name);
  auto moved = cut ? MovePath(source, target) : CopyPath(source, target);
  if (!moved) return Failed(moved);
  auto s = index.Add(name);
  return s ? Done(name) : Failed(s);
}

std::string FreePasteName(const std::string& folder, const std::string& name) {
  const std::string base = WithoutExtension(name);
  const std::string ext = ExtensionOf(name);
  std::string candidate = name;
  for (unsigned n = 1; PathExists(platform::JoinPath(folder, candidate)); ++n)
    candidate = base + "(" + std::to_string(n) + ")" + ext;
  return candidate;
}

OpOutcome PasteItem(const ClipboardIndex& index, const std::string& folder, const std::string& name) {
  if (!IsSingleName(name) || name == kClipboardIndexName) return Error(OpError::InvalidName);
  const std::string source = index.ItemPath(name);
  if (IsInsideFolder(folder, source)) return Error(OpError::Refused);
  const std::string pasted = FreePasteName(folder, name);
  auto s = CopyPath(source, platform::JoinPath(folder, pasted));
  return s ? Done(pasted) : Failed(s);
}

OpOutcome RenameItem(const std::string& folder, const std::string& name, const std::string& answer) {
  if (!IsSingleName(name)) return Error(OpError::InvalidName);
  const std::string ext = ExtensionOf(name);
  if (AllBlank(answer) || !IsSingleName(answer)) return Error(OpError::InvalidName);
  const std::string answerBase = WithoutExtension(answer);
  if (answerBase == WithoutExtension(name)) return Done(name);
  const std::string newName = answerBase + ext;
  if (!IsSingleName(newName)) return Error(OpError::InvalidName);
  const std::string target = platform::JoinPath(folder, newName);
  // RenamePath never replaces another item; a taken name is reported as such.
  auto s = RenamePath(platform::JoinPath(folder, name), target);
  if (!s) return PathExists(target) ? Error(OpError::Exists) : Failed(s);
  return Done(newName);
}

OpOutcome MakeNewFolder(const std::string& folder, const std::string& answer) {
  if (AllBlank(answer) || !IsSingleName(answer)) return Error(OpError::InvalidName);
  const std::string path = platform::JoinPath(folder, answer);
  std::error_code ec;
  if (fs::is_directory(path, ec)) return Done(answer);
  if (PathExists(path)) return Error(OpError::Exists);
  fs::create_directory(path, ec);
  if (ec) return {OpError::Failed, {}, "cannot make \"" + path + "\": " + ec.message()};
  return Done(answer);
}

}  // namespace filedialog
