// Reading a file from outside with a bound: only plain files up to the
// bound come in, and nothing waits on a pipe.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileIO.h"
#include "support/TempDir.h"

using platform::ReadFileUpTo;

TEST(BoundedRead, PlainFilesUpToTheBound) {
  testsupport::TempDir dir;
  const std::string file = dir / "f.r23";
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(100, 'x')));
  ASSERT_TRUE(platform::WriteFileAtomic(dir / "empty", ""));
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder");

  const struct {
    std::string path;
    std::uint64_t bound;
    bool read;
  } cases[] = {
      {file, 100, true},
      {file, 99, false},
      {dir / "empty", 0, true},
      {dir / "missing", 100, false},
      {dir / "folder", 100, false},
      {dir / "pipe", 100, false},  // refused at once, without a writer
      {"/dev/zero", 100, false},   // a device has no size to trust
  };
  for (const auto& c : cases) {
    auto bytes = ReadFileUpTo(c.path, c.bound);
    EXPECT_EQ(bytes.ok(), c.read) << c.path << " " << c.bound << ": " << bytes.error();
  }
  EXPECT_EQ(*ReadFileUpTo(file, 1000), std::string(100, 'x'));
}

TEST(BoundedRead, ALargeFileIsRefusedByItsSize) {
  testsupport::TempDir dir;
  const std::string file = dir / "big";
  // Sparse: a size far beyond memory costs no disk.
  ASSERT_TRUE(platform::WriteFileAtomic(file, ""));
  std::filesystem::resize_file(file, std::uint64_t{1} << 32);
  auto bytes = ReadFileUpTo(file, 1 << 20);
  ASSERT_FALSE(bytes.ok());
  EXPECT_NE(bytes.error().find("too large"), std::string::npos);
}
