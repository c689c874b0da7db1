#pragma once
// Shared set-up of the file tests: a temporary folder and a count of the
// error beeps sounded meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/LineFile.h"
#include "support/TempDir.h"

class FileFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = platform::SetBeepSink([this](platform::BeepKind kind) {
      if (kind == platform::BeepKind::Error) ++beeps;
    });
  }
  void TearDown() override { platform::SetBeepSink(previous_); }

  std::string Path(const std::string& name) const { return dir / name; }
  std::string Bytes(const std::string& name) const {
    auto bytes = platform::ReadWholeFile(Path(name));
    return bytes ? *bytes : "<missing>";
  }
  std::vector<std::string> LinesOf(const std::string& name) const {
    return platform::SplitLines(Bytes(name));
  }
  void Write(const std::string& name, const std::vector<std::string>& lines) const {
    ASSERT_TRUE(platform::WriteLines(Path(name), lines));
  }
  static std::string Fixture(const std::string& name) { return std::string(TEST_DATA_DIR) + "/" + name; }

  testsupport::TempDir dir;
  int beeps = 0;

 private:
  platform::BeepSink previous_;
};
