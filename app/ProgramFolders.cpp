#include "app/ProgramFolders.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/FileIO.h"
#include "platform/LeftoverTempFiles.h"
#include "platform/PathText.h"

namespace app {
namespace fs = std::filesystem;
using platform::WithTrailingSlash;
namespace {

bool MakeFolder(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return !ec && platform::IsFolder(path);
}

std::string IfFolder(const fs::path& path) { return platform::IsFolder(path.string()) ? path.string() : std::string(); }

}  // namespace

ProgramFolders CreateProgramFolders(const std::string& startDir) {
  ProgramFolders f;
  fs::path start = fs::path(startDir).lexically_normal();
  if (start.has_filename() == false && start != start.root_path()) start = start.parent_path();
  f.start = WithTrailingSlash(start.string());
  f.root = WithTrailingSlash(start.has_parent_path() ? start.parent_path().string() : start.string());

  struct Entry {
    const char* name;
    std::string* member;
    bool dashFolder;
  };
  const Entry entries[] = {
      {"CONFIG", &f.config, false},  {"SOUND", &f.sound, false},
      {"TMP", &f.tmp, false},        {"DATA", &f.data, true},
      {"DATAEASY", &f.dataEasy, false}, {"HELP", &f.help, false},
      {"LANGUAGE", &f.language, false}, {"TEAMVIEWER", &f.teamViewer, false},
      {"SERVICE", &f.service, true}, {"HEX", &f.hex, true},
      {"DRIVER", &f.driver, false},  {"BMP", &f.bmp, true},
      {"UPDATE", &f.update, false},  {"BROWSER", &f.browser, false},
  };
  for (const Entry& e : entries) {
    *e.member = f.root + e.name + "/";
    if (!MakeFolder(*e.member)) {
      f.notCreated.push_back(*e.member);
      continue;
    }
    // Sub-folders are a convenience; a failure shows up where they are used.
    std::error_code ignored;
    if (e.dashFolder) fs::create_directory(*e.member + "-", ignored);
    if (e.member == &f.dataEasy) {
      for (int slot = 1; slot <= 20; ++slot) {
        char name[8];
        std::snprintf(name, sizeof name, "%03d", slot);
        fs::create_directory(*e.member + name, ignored);
      }
    }
  }

  // The maker's programs share one parent folder.
  const fs::path maker = fs::path(f.root).parent_path().parent_path();
  f.tarvikBmp = IfFolder(maker / "Tarvik" / "BMP");
  f.tarvik12Bmp = IfFolder(maker / "Tarvik12" / "BMP");
  f.tarvik20Bmp = IfFolder(maker / "Tarvik20" / "BMP");
  f.quandrix45Bmp = IfFolder(maker / "Quandrix45" / "BMP");
  f.tarvik50Bmp = IfFolder(maker / "Tarvik50" / "BMP");
  return f;
}

int RemoveLeftoverTempFiles(const ProgramFolders& f) {
  int removed = 0;
  for (const std::string* folder : {&f.config, &f.sound, &f.tmp, &f.data, &f.dataEasy, &f.help, &f.language,
                                    &f.teamViewer, &f.service, &f.hex, &f.driver, &f.bmp, &f.update, &f.browser})
    if (!folder->empty()) removed += platform::RemoveLeftoverTempFiles(*folder);
  return removed;
}

}  // namespace app
