#include "FakeDesk.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/FileIO.h"
#include "platform/PathText.h"
#include "printerlink/thread/PrintDataFiles.h"

namespace threadtest {
namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  (void)platform::WriteFileDirect(path, bytes);
}

}  // namespace

std::string FakeArchive(const std::string& name, const std::string& bytes, long long time) {
  return "FAKEARC\n" + name + "\n" + std::to_string(time) + "\n" + bytes;
}

std::string GroupHeader(unsigned version, int protection, int count) {
  char text[64];
  std::snprintf(text, sizeof text, "%08X\r\n%d\r\n%d\r\n", version, protection, count);
  return text;
}

int FakeDesk::Calls(const std::string& what) const {
  return static_cast<int>(std::count(calls.begin(), calls.end(), what));
}

void FakeDesk::BlockInput(bool on) { calls.push_back(on ? "block" : "unblock"); }

std::string FakeDesk::PrinterCaption() { return Caption; }

printerthread::OpenDataFacts FakeDesk::Facts() {
  calls.push_back("facts");
  return {static_cast<int>(Texts.size()), OperatingMode, Protected, Caption};
}

int FakeDesk::WriteDownloadFiles(int count, const std::string& tmpDir) {
  calls.push_back("write");
  const std::string set = printerthread::DownloadDir(tmpDir);
  const std::string group = printerthread::DownloadGroupDir(tmpDir);
  fs::remove_all(set);
  fs::remove_all(group);
  fs::create_directories(set);
  if (BuildResult == 1) {
    Write(set + "GP.n23", Title + "\n");
    for (int k = 1; k <= count; ++k) {
      const std::string folder = printerthread::Number3(k) + "/";
      const std::string& text = Texts[static_cast<std::size_t>(k - 1)];
      std::map<std::string, std::string> files = {
          {"BS.r23", "raw bitmap of " + text}, {"BS.u23", "0\r\n5\r\n"}, {"DT.pam", "parameters of " + text}};
      if (DatedTexts.count(k)) {
        files["D2.pam"] = "date of " + text;
        files["D2.r23"] = "glyphs of " + text;
      }
      for (const auto& [name, bytes] : files)
        if (!LeaveOut.count(folder + name)) Write(set + folder + name, bytes);
    }
  }
  Write(group + "GP.g23", GroupHeader(9, Protected ? 1 : 0, count));
  for (int k = 1; k <= count; ++k)
    Write(group + "GP_" + printerthread::Number3(k) + ".j23", Texts[static_cast<std::size_t>(k - 1)]);
  return BuildResult;
}

int FakeDesk::PackArchive(const std::string& file, const std::string& archive) {
  calls.push_back("pack");
  if (PackResult != 0) return PackResult;
  auto bytes = platform::ReadWholeFile(file);
  if (!bytes) return -2;
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return -2;
  Write(archive, FakeArchive(fs::path(file).filename().string(), *bytes, st.st_mtime));
  return 0;
}

void FakeDesk::CloseOpenData() {
  calls.push_back("close");
  Texts.clear();
}

void FakeDesk::ShowTitle(const std::string& title) {
  calls.push_back("title");
  titles.push_back(title);
}

int FakeDesk::UnpackArchive(const std::string& archive, const std::string& folder) {
  calls.push_back("unpack");
  auto bytes = platform::ReadWholeFile(archive);
  if (!bytes) return -2;
  const std::string& a = *bytes;
  const std::size_t nameEnd = a.find('\n', 8), timeEnd = a.find('\n', nameEnd + 1);
  if (a.compare(0, 8, "FAKEARC\n") != 0 || nameEnd == std::string::npos || timeEnd == std::string::npos) return -20;
  const std::string name = a.substr(8, nameEnd - 8);
  // As the real extraction: nothing is written outside the folder.
  if (!platform::IsPlainFileName(name)) return -21;
  Write(platform::WithTrailingSlash(folder) + name, a.substr(timeEnd + 1));
  return 0;
}

printerthread::GroupLoadEnd FakeDesk::LoadGroup(const std::string& groupFile, const std::function<void()>& step) {
  calls.push_back("load");
  loadedFrom = groupFile;
  loadedTexts.clear();
  auto header = platform::ReadWholeFile(groupFile);
  if (!header) return printerthread::GroupLoadEnd::Failed;
  const std::size_t second = header->find('\n'), third = header->find('\n', second + 1);
  const int count = std::stoi(header->substr(third + 1));
  const fs::path group(groupFile);
  for (int k = 1; k <= count; ++k) {
    if (step) step();
    if (onLoadStep) onLoadStep();
    auto text = platform::ReadWholeFile(
        (group.parent_path() / (group.stem().string() + "_" + printerthread::Number3(k) + ".j23")).string());
    loadedTexts.push_back(text ? *text : std::string("<missing>"));
  }
  Texts = loadedTexts;
  return loadEnd;
}

}  // namespace threadtest
