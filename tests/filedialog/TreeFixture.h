#pragma once
// A folder tree in a fresh temporary folder, and a namespace whose home and
// volumes lie inside it, so tests never look at the real user's folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "filedialog/ShellNamespace.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

namespace fdtest {

class TreeFixture : public ::testing::Test {
 protected:
  TreeFixture() {
    std::filesystem::create_directories(temp_ / "home");
    Write("mounts", "");
    env_.home = temp_ / "home";
    env_.mountsFile = temp_ / "mounts";
    env_.volumeFolders = {temp_.path() + "/media"};
  }

  std::string Path(const std::string& relative) const { return temp_ / relative; }
  // Writes a file (and its folders) below the temporary folder.
  std::string Write(const std::string& relative, const std::string& bytes) const {
    const std::string path = Path(relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Folder(const std::string& relative) const {
    const std::string path = Path(relative);
    std::filesystem::create_directories(path);
    return path;
  }
  bool Exists(const std::string& relative) const {
    struct stat st {};
    return ::lstat(Path(relative).c_str(), &st) == 0;
  }
  std::string Read(const std::string& relative) const { return testsupport::FileBytes(Path(relative)); }

  testsupport::TempDir temp_;
  filedialog::ShellEnvironment env_;
};

}  // namespace fdtest
