#pragma once
// Reading back a file that a test expects to be there.
#include <gtest/gtest.h>

#include <string>

#include "platform/FileIO.h"

namespace testsupport {

// The file's bytes; when it cannot be read, a failed expectation that says
// why, and "".
inline std::string FileBytes(const std::string& path) {
  auto bytes = platform::ReadWholeFile(path);
  EXPECT_TRUE(bytes) << bytes.error();
  return bytes ? *bytes : std::string();
}

}  // namespace testsupport
