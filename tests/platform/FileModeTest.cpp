// The permissions of the files the program writes for the operator: a file
// that replaces its target whole (data sets, exports, configuration,
// archives and printed files all do) gets what a plainly created file
// would get, 0666 less the umask, or keeps those of the file it replaces.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "platform/FileIO.h"
#include "platform/LeftoverTempFiles.h"
#include "support/TempDir.h"

using namespace platform;

namespace {

// Sets the process's umask for the lifetime of the object.
class Umask {
 public:
  explicit Umask(mode_t mask) : old_(::umask(mask)) {}
  ~Umask() { ::umask(old_); }

 private:
  mode_t old_;
};

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

struct ModeCase {
  mode_t umask;
  std::optional<mode_t> replaced;  // the mode of the file already there
  mode_t expected;
};

const ModeCase kModeCases[] = {
    {022, std::nullopt, 0644},
    {002, std::nullopt, 0664},
    {077, std::nullopt, 0600},
    {022, 0640, 0640},  // an operator's stricter file stays so
    {077, 0664, 0664},  // and a shared one stays shared
};

TEST(FileMode, AtomicWritesHonourTheUmaskOrKeepTheReplacedFilesMode) {
  for (const ModeCase& c : kModeCases) {
    testsupport::TempDir dir;
    const std::string path = dir / "data.g23";
    if (c.replaced) {
      ASSERT_TRUE(WriteFileDirect(path, "old"));
      ASSERT_EQ(::chmod(path.c_str(), *c.replaced), 0);
    }
    const Umask mask(c.umask);
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    EXPECT_EQ(ModeOf(path), c.expected) << std::oct << "umask " << c.umask;
    EXPECT_EQ(*ReadWholeFile(path), "new");
  }
}

// The temporary file itself has the final mode from the start, for writers
// that fill it by name (the PDF writer).
TEST(FileMode, TheReplacementIsCreatedWithItsFinalMode) {
  for (const ModeCase& c : kModeCases) {
    testsupport::TempDir dir;
    const std::string path = dir / "Tarvik23.pdf";
    if (c.replaced) {
      ASSERT_TRUE(WriteFileDirect(path, "old"));
      ASSERT_EQ(::chmod(path.c_str(), *c.replaced), 0);
    }
    const Umask mask(c.umask);
    Result<ReplacementTemp> temp = CreateReplacementTemp(path);
    ASSERT_TRUE(temp) << temp.error();
    ::close(temp->fd);
    EXPECT_EQ(ModeOf(temp->name), c.expected) << std::oct << "umask " << c.umask;
    // Its name is one the start-up clean-up knows.
    EXPECT_EQ(TempFileWriter(temp->name), ::getpid()) << temp->name;
    EXPECT_EQ(temp->name.rfind(path, 0), 0u) << temp->name;
  }
}

TEST(FileMode, NoReplacementInAMissingFolder) {
  testsupport::TempDir dir;
  const Result<ReplacementTemp> temp = CreateReplacementTemp(dir / "no such folder/a.ini");
  EXPECT_FALSE(temp);
  EXPECT_NE(temp.error().find("cannot create"), std::string::npos) << temp.error();
}

}  // namespace
