// The locked container: its header and inverted payload, and the result
// of every failing step.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "zip/container/LockContainer.h"

using namespace zip;

namespace {
namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Read(const std::string& path) { return testsupport::FileBytes(path); }

}  // namespace

TEST(LockContainer, Format) {
  testsupport::TempDir dir;
  Write(dir / "abc", "abc");
  ASSERT_EQ(container::Lock(dir / "abc", dir / "abc.lock"), 0);
  EXPECT_EQ(Read(dir / "abc.lock"), "LOCK_V0100 706DE9A8\x9E\x9D\x9C");
  ASSERT_EQ(container::Unlock(dir / "abc.lock", dir / "abc.out"), 0);
  EXPECT_EQ(Read(dir / "abc.out"), "abc");
  Write(dir / "empty", "");
  ASSERT_EQ(container::Lock(dir / "empty", dir / "empty.lock"), 0);
  EXPECT_EQ(Read(dir / "empty.lock"), "LOCK_V0100 FFFFFFFF");
  ASSERT_EQ(container::Unlock(dir / "empty.lock", dir / "empty.out"), 0);
  EXPECT_EQ(Read(dir / "empty.out"), "");

  struct Case {
    const char* name;
    std::string container;
    int code;
  } cases[] = {
      {"lower-case digits", std::string("LOCK_V0100 706de9a8\x9E\x9D\x9C"), 0},
      {"changed byte", std::string("LOCK_V0100 706DE9A8\x9E\x9D\x9D"), -30},
      {"other word", std::string("LOCK_V0200 706DE9A8\x9E\x9D\x9C"), -21},
      {"one field", std::string("LOCK_V0100"), -20},
      {"nothing", std::string(""), -20},
  };
  for (const auto& c : cases) {
    Write(dir / "c.lock", c.container);
    Write(dir / "c.out", "stale");
    EXPECT_EQ(container::Unlock(dir / "c.lock", dir / "c.out"), c.code) << c.name;
    EXPECT_EQ(fs::exists(dir / "c.out"), c.code == 0) << c.name;
  }
  EXPECT_EQ(container::Lock(dir / "missing", dir / "x.lock"), -1);
  EXPECT_EQ(container::Unlock(dir / "missing", dir / "x.out"), -1);
  EXPECT_EQ(container::Lock(dir / "abc", dir / "no/folder/x.lock"), -10);
  EXPECT_EQ(container::Unlock(dir / "abc.lock", dir / "no/folder/x.out"), -10);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 7);  // no temporary files left
}

