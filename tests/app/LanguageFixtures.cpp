#include "LanguageFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/TForm_Main.h"

namespace apptest {

std::string LanguageSourceDir() {
  // The test data folder is tests/app/data; the files live in app/language.
  return (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / ".." / "app" / "language").lexically_normal().string() +
         "/";
}

void InstallLanguageFiles(const std::string& dir) {
  for (const std::string& name : kLanguageFiles) {
    std::error_code ec;
    std::filesystem::copy_file(LanguageSourceDir() + name, dir + name,
                               std::filesystem::copy_options::overwrite_existing, ec);
    ASSERT_FALSE(ec) << name << ": " << ec.message();
  }
}

void LanguageApp::SetUp() {
  AppFixture::SetUp();
  InstallLanguageFiles(Form_Main->LanguageDir);
}

}  // namespace apptest
