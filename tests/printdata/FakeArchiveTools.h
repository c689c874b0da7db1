#pragma once
// An archive service for tests of the data-set files: "packs" the files of a
// folder into one plain file (name, size and bytes of each), "locks" by
// putting a header before it, and fails at the step a test names. Writes
// replace their targets only when complete, as the real service does.
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/FileIO.h"
#include "platform/PathText.h"
#include "printdata/ArchiveTools.h"

namespace datasettest {

class FakeArchiveTools : public printdata::ArchiveTools {
 public:
  // Steps that fail when named here ("zip", "unzip", "lock", "unlock").
  std::map<std::string, int> failures;
  std::vector<std::string> calls;
  std::string workFolder;

  std::string ArchivePassword() const override { return "plivet"; }

  int SetArchiveTempDir(const std::string& folder) override {
    calls.push_back("temp " + folder);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    workFolder = folder;
    return ec ? -3 : 0;
  }

  int ZipToArchive(const std::string& source, const std::string& zipFile, const std::string&,
                   const std::string& password, int) override {
    calls.push_back("zip " + source + " " + zipFile + " " + password);
    if (failures.count("zip")) return failures["zip"];
    const std::string folder = std::filesystem::path(source).parent_path().string();
    std::string packed = "FAKEZIP " + password + "\n";
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
      auto bytes = platform::ReadWholeFile(f.string());
      if (!bytes) return -21;
      packed += f.filename().string() + "\n" + std::to_string(bytes->size()) + "\n" + *bytes;
    }
    return platform::WriteFileAtomic(zipFile, packed) ? 0 : -21;
  }

  int UnzipArchive(const std::string& zipFile, const std::string& folder, const std::string& password) override {
    calls.push_back("unzip " + zipFile + " " + folder);
    if (failures.count("unzip")) return failures["unzip"];
    auto bytes = platform::ReadWholeFile(zipFile);
    if (!bytes) return -2;
    const std::string head = "FAKEZIP " + password + "\n";
    if (bytes->rfind(head, 0) != 0) return -21;
    std::filesystem::create_directories(folder);
    std::size_t at = head.size();
    while (at < bytes->size()) {
      const std::size_t nameEnd = bytes->find('\n', at);
      const std::size_t sizeEnd = bytes->find('\n', nameEnd + 1);
      if (nameEnd == std::string::npos || sizeEnd == std::string::npos) return -21;
      const std::string name = bytes->substr(at, nameEnd - at);
      const std::size_t size = std::stoul(bytes->substr(nameEnd + 1, sizeEnd - nameEnd - 1));
      if (!platform::WriteFileAtomic(platform::WithTrailingSlash(folder) + name, bytes->substr(sizeEnd + 1, size)))
        return -21;
      at = sizeEnd + 1 + size;
    }
    return 0;
  }

  int LockArchive(const std::string& inFile, const std::string& outFile) override {
    calls.push_back("lock " + inFile + " " + outFile);
    if (failures.count("lock")) return failures["lock"];
    auto bytes = platform::ReadWholeFile(inFile);
    if (!bytes) return -1;
    return platform::WriteFileAtomic(outFile, "FAKELOCK\n" + *bytes) ? 0 : -11;
  }

  int UnlockArchive(const std::string& inFile, const std::string& outFile) override {
    calls.push_back("unlock " + inFile + " " + outFile);
    if (failures.count("unlock")) return failures["unlock"];
    auto bytes = platform::ReadWholeFile(inFile);
    if (!bytes) return -1;
    if (bytes->rfind("FAKELOCK\n", 0) != 0) return -21;
    return platform::WriteFileAtomic(outFile, bytes->substr(9)) ? 0 : -11;
  }

  std::string LastErrorText() const override { return "injected"; }
};

}  // namespace datasettest
