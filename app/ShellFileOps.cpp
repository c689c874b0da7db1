#include "app/ShellFileOps.h"

#include <filesystem>
#include <system_error>

#include "platform/FileIO.h"
#include "platform/PathText.h"
#include "zip/WildcardMatch.h"

namespace app {
namespace fs = std::filesystem;
using platform::FileNameOf;
using platform::IsFolder;
using platform::ParentFolder;
using platform::WithoutTrailingSlash;
namespace {

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// Wildcards match as on the system the program's data comes from, with the
// archiver's matcher: "*.*" is everything, "[" is an ordinary character,
// names are compared without case and hidden files count.
bool Matches(const std::string& pattern, const std::string& name) {
  return zip::IsStrMatchPattern(name, pattern, true);
}

struct Entry {
  fs::path path;
  bool folder;
};

bool ListMatches(const std::string& folder, const std::string& pattern, bool filesOnly,
                 std::vector<Entry>& out) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!Matches(pattern, name)) continue;
    std::error_code kindEc;
    const bool folder = it->is_directory(kindEc) && !it->is_symlink(kindEc);
    if (filesOnly && folder) continue;
    out.push_back({it->path(), folder});
  }
  return !ec;
}

// True when removing `victim` would remove `kept` (the same folder or one
// that contains it).
bool Contains(const fs::path& victim, const std::string& kept) {
  std::error_code ec;
  const fs::path a = fs::weakly_canonical(victim, ec);
  if (ec) return true;
  const fs::path b = fs::weakly_canonical(kept, ec);
  if (ec) return false;
  auto ai = a.begin();
  auto bi = b.begin();
  for (; ai != a.end(); ++ai, ++bi) {
    if (ai->empty()) continue;  // trailing separator
    if (bi == b.end() || *ai != *bi) return false;
  }
  return true;
}

bool Guarded(const fs::path& victim, const std::vector<std::string>& keep) {
  for (const std::string& k : keep)
    if (Contains(victim, k)) return true;
  return false;
}

bool CopyEntry(const fs::path& from, const fs::path& to, bool folder) {
  std::error_code ec;
  if (folder) {
    // A folder copied into itself would never end.
    if (Contains(from, to.string())) return false;
    fs::create_directories(to, ec);
    if (ec) return false;
    fs::copy(from, to,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing |
                 fs::copy_options::copy_symlinks,
             ec);
    return !ec;
  }
  if (to.has_parent_path()) fs::create_directories(to.parent_path(), ec);
  ec.clear();
  if (fs::is_symlink(from, ec)) {
    fs::remove(to, ec);
    fs::copy_symlink(from, to, ec);
    return !ec;
  }
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  return !ec;
}

}  // namespace

int ShellDeletePath(const std::string& rawPath, bool filesOnly, const std::vector<std::string>& keep) {
  const std::string path = WithoutTrailingSlash(rawPath);
  const std::string folder = ParentFolder(path);
  if (!IsFolder(folder)) return -1;
  const bool wildcard = FileNameOf(path).find('*') != std::string::npos;
  if (!wildcard && !Exists(path)) return 0;

  std::vector<Entry> victims;
  if (wildcard) {
    // Emptying a folder is as dangerous as removing it.
    if (Guarded(folder, keep)) return -2;
    if (!ListMatches(folder, FileNameOf(path), filesOnly, victims)) return -2;
  } else {
    if (Guarded(path, keep)) return -2;
    victims.push_back({path, IsFolder(path)});
  }
  bool ok = true;
  for (const Entry& v : victims) {
    std::error_code ec;
    fs::remove_all(v.path, ec);
    if (ec) ok = false;
  }
  return ok ? 1 : -2;
}

int ShellCopyPath(const std::string& rawSource, const std::string& rawTarget, bool filesOnly) {
  const std::string source = WithoutTrailingSlash(rawSource);
  const std::string target = WithoutTrailingSlash(rawTarget);
  if (source == target) return 1;
  const std::string folder = ParentFolder(source);
  if (!IsFolder(folder)) return -1;
  const bool wildcard = FileNameOf(source).find('*') != std::string::npos;
  if (!wildcard && !Exists(source)) return 0;

  std::vector<Entry> entries;
  fs::path into;
  if (wildcard) {
    if (!ListMatches(folder, FileNameOf(source), filesOnly, entries)) return -2;
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec) return -2;
    into = target;
  } else if (IsFolder(target)) {
    entries.push_back({source, IsFolder(source)});
    into = target;
  } else {
    // No such folder: the target is the copy's own name.
    return CopyEntry(source, target, IsFolder(source)) ? 1 : -2;
  }
  bool ok = true;
  for (const Entry& e : entries)
    if (!CopyEntry(e.path, into / e.path.filename(), e.folder)) ok = false;
  return ok ? 1 : -2;
}

}  // namespace app
