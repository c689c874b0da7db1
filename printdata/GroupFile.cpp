#include "printdata/GroupFile.h"

#include <filesystem>
#include <system_error>

#include "platform/Beep.h"
#include "platform/LineFile.h"
#include "platform/NumberText.h"
#include "printdata/DataFileNames.h"
#include "printdata/NoteLines.h"
#include "printdata/PrintTextFiling.h"
#include "printdata/PrintTextFormat.h"
#include "printdata/VersionNotice.h"

namespace printdata {
namespace {

namespace fs = std::filesystem;
using platform::Status;

constexpr std::uint32_t kNewestReadableVersion = kRecordVersion;

bool CountFits(int count) { return count >= 0 && count <= kMaxPrintTexts; }

Status CountError(long long count) {
  return Status::Fail("the number of print texts " + std::to_string(count) + " is outside 0 to " +
                      std::to_string(kMaxPrintTexts));
}

// Deletes a file; one that is not there is no error, a folder is.
Status DeleteFile(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (!fs::exists(status)) return Status::Ok();
  if (fs::is_directory(status)) return Status::Fail("\"" + path + "\" is a folder");
  if (!fs::remove(path, error) && error)
    return Status::Fail("cannot delete \"" + path + "\": " + error.message());
  return Status::Ok();
}

Status Save(PrintGroup& group, int count, const std::string& path) {
  if (!CountFits(count)) return CountError(count);
  auto names = SplitDataPath(path);
  if (!names) return names.status();
  if (group.Protection.find_first_of("\r\n") != std::string::npos)
    return Status::Fail("the protection value holds a line break");
  // Everything that can refuse the group is checked before the first file
  // is deleted.
  std::vector<std::vector<std::string>> texts;
  texts.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    auto lines = PrintTextToLines(group.Texts[i]);
    if (!lines) return Status::Fail("print text " + std::to_string(i + 1) + ": " + lines.error());
    texts.push_back(std::move(*lines));
  }

  std::error_code error;
  fs::create_directories(names->Folder, error);
  if (error) return Status::Fail("cannot create \"" + names->Folder + "\": " + error.message());
  if (Status deleted = DeleteFile(names->Path); !deleted) return deleted;
  for (int i = 0; i < kMaxPrintTexts; ++i)
    if (Status deleted = DeleteFile(PrintTextFilePath(*names, i)); !deleted) return deleted;

  for (int i = 0; i < count; ++i)
    if (Status written = platform::WriteLines(PrintTextFilePath(*names, i), texts[i]); !written)
      return written;

  std::vector<std::string> lines = {platform::Hex8(kRecordVersion), group.Protection, std::to_string(count)};
  for (auto& line : NoteToLines(group.Note)) lines.push_back(std::move(line));
  return platform::WriteLines(GroupFilePath(*names), lines);
}

platform::Result<GroupLoadReport> Load(const std::string& path, PrintGroup& group, int& count) {
  auto names = SplitDataPath(path);
  if (!names) return names.status();
  std::error_code error;
  if (!fs::exists(names->Path, error)) return Status::Fail("\"" + names->Path + "\" does not exist");
  const std::string groupPath = GroupFilePath(*names);
  auto lines = platform::ReadLines(groupPath);
  if (!lines) return lines.status();
  const std::string where = groupPath + ": ";
  if (lines->empty()) return Status::Fail(where + "the file is empty");
  const auto version = platform::ParseHex((*lines)[0]);
  if (!version) return Status::Fail(where + "line 1 is not a version");
  if (*version < kOldestReadableVersion || *version > kNewestReadableVersion) {
    ShowVersionNotice();
    return Status::Fail(where + "version " + std::to_string(*version) + " cannot be read");
  }
  if (lines->size() < 3) return Status::Fail(where + "the file ends early");
  const auto newCount = platform::ParseDecimal((*lines)[2]);
  if (!newCount) return Status::Fail(where + "line 3 is not a number");
  if (!CountFits(*newCount)) return Status::Fail(where + CountError(*newCount).error());

  group.Protection = (*lines)[1];
  count = *newCount;
  group.Note = NoteFromLines(*lines, 3);
  GroupLoadReport report;
  for (int i = 0; i < count; ++i) {
    Status read = ReadPrintTextFile(PrintTextFilePath(*names, i), group.Texts[i]);
    if (read) continue;
    platform::Beep(platform::BeepKind::Error);
    report.FailedTexts.push_back({i, read.error()});
  }
  return report;
}

}  // namespace

Status GroupSave(PrintGroup& group, int count, const std::string& path) {
  Status saved = Save(group, count, path);
  if (!saved) platform::Beep(platform::BeepKind::Error);
  return saved;
}

platform::Result<GroupLoadReport> GroupLoad(const std::string& path, PrintGroup& group, int& count) {
  auto loaded = Load(path, group, count);
  if (!loaded) platform::Beep(platform::BeepKind::Error);
  return loaded;
}

}  // namespace printdata
