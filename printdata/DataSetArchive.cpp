#include "printdata/DataSetArchive.h"

#include "platform/PathText.h"
#include "printdata/DataSetNames.h"
#include "printdata/FolderTree.h"
#include "printdata/Init.h"

namespace printdata {
namespace {

using platform::Status;

Status ToolFailed(const ArchiveTools& tools, const std::string& step, int code) {
  std::string text = step + " failed (" + std::to_string(code) + ")";
  if (const std::string why = tools.LastErrorText(); !why.empty()) text += ": " + why;
  return Status::Fail(text);
}

// The work folder of one operation; removed with the object unless kept.
class WorkFolder {
 public:
  WorkFolder(const std::string& tmpDir, const char* prefix) {
    // What an interrupted run left behind goes first.
    RemoveEntriesStartingWith(tmpDir, prefix);
    auto made = MakeUniqueFolder(tmpDir, prefix);
    if (made) path_ = *made + "/";
    else error_ = made.error();
  }
  ~WorkFolder() {
    if (!keep_ && !path_.empty()) (void)RemoveAll(path_);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  const std::string& error() const { return error_; }
  const std::string& path() const { return path_; }
  void Keep() { keep_ = true; }

 private:
  std::string path_, error_;
  bool keep_ = false;
};

}  // namespace

Status SaveDataSetArchive(ArchiveTools& tools, const std::string& tmpDir, PrintGroup& group, int count,
                          const std::string& target, const SaveStepHook& hook) {
  const std::string tmp = platform::WithTrailingSlash(tmpDir);
  WorkFolder work(tmp, kSaveWorkPrefix);
  if (!work.ok()) return Status::Fail(work.error());
  const std::string staging = work.path() + "GP/";
  const std::string zip = work.path() + "GP.zip";

  if (Status saved = GroupSave(group, count, staging + "GP." + kGroupExtension); !saved) return saved;
  if (hook) hook(SaveStep::GroupWritten);
  (void)tools.SetArchiveTempDir(tmp + kDataSetArchiveWorkFolder);
  if (int r = tools.ZipToArchive(staging + "*.*", zip, "", tools.ArchivePassword(), 0); r != 0)
    return ToolFailed(tools, "packing the data set", r);
  if (hook) hook(SaveStep::Zipped);
  // What a save killed while writing left beside the target goes now.
  RemoveEntriesStartingWith(FolderOf(target), FileNameOf(target) + ".~");
  if (int r = tools.LockArchive(zip, target); r != 0) return ToolFailed(tools, "writing " + target, r);
  if (hook) hook(SaveStep::Locked);
  return Status::Ok();
}

platform::Result<LoadedGroup> ReadGroupFile(const std::string& path, PrintGroup& group) {
  GroupInit(group);
  LoadedGroup loaded;
  auto report = GroupLoad(path, group, loaded.Count);
  if (!report) return report.status();
  loaded.Report = std::move(*report);
  return loaded;
}

platform::Result<LoadedGroup> LoadGroupFile(const std::string& path, PrintGroup& group) {
  auto loaded = ReadGroupFile(path, group);
  if (loaded && loaded->Count < 1) return Status::Fail("\"" + path + "\" holds no print text");
  return loaded;
}

platform::Result<LoadedGroup> LoadDataSetArchive(ArchiveTools& tools, const std::string& tmpDir,
                                                 const std::string& path, PrintGroup& group) {
  const std::string tmp = platform::WithTrailingSlash(tmpDir);
  WorkFolder work(tmp, kLoadWorkPrefix);
  if (!work.ok()) return Status::Fail(work.error());
  const std::string zip = work.path() + "GP.zip";
  const std::string extracted = work.path() + "GP/";

  if (int r = tools.UnlockArchive(path, zip); r != 0) return ToolFailed(tools, "reading " + path, r);
  (void)tools.SetArchiveTempDir(tmp + kDataSetArchiveWorkFolder);
  if (int r = tools.UnzipArchive(zip, extracted, tools.ArchivePassword()); r != 0)
    return ToolFailed(tools, "unpacking " + path, r);
  (void)RemoveAll(zip);
  const std::string name = FindFirstFile(extracted, kGroupExtension);
  if (name.empty()) return Status::Fail(path + " holds no group file");
  auto loaded = LoadGroupFile(extracted + name, group);
  if (!loaded) return loaded;
  // The extracted files stay until the next read.
  work.Keep();
  return loaded;
}

}  // namespace printdata
