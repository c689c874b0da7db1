#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/FileIO.h"
#include "platform/LeftoverTempFiles.h"
#include "support/EndedProcess.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using platform::TempFileWriter;

namespace {

bool Exists(const std::string& path) { return fs::exists(fs::symlink_status(path)); }

// The temporary files in `folder` that the process `writer` made.
int FilesOf(pid_t writer, const std::string& folder) {
  int files = 0;
  for (const auto& e : fs::directory_iterator(folder)) files += TempFileWriter(e.path().filename().native()) == writer;
  return files;
}

// Starts a write of `target` in a child process and kills the child before
// the write completes; the child's process id.
pid_t KillWriterMidway(const std::string& target) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    platform::AtomicFile file(target);
    if (file.Open() && file.Append("the first half")) (void)!::write(ready[1], "x", 1);
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char c;
  const bool started = ::read(ready[0], &c, 1) == 1;
  ::close(ready[0]);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  return started ? child : -1;
}

}  // namespace

TEST(LeftoverTempFiles, NamesTellTheirWriter) {
  const std::string mine = platform::TempNameBeside("/data/GP.zg23", 7);
  EXPECT_EQ(mine, "/data/GP.zg23.~" + std::to_string(::getpid()) + ".7.tmp");
  EXPECT_EQ(TempFileWriter(fs::path(mine).filename().native()), ::getpid());
  const struct {
    const char* name;
    pid_t writer;
  } cases[] = {
      {"GP.zg23.~4711.0.tmp", 4711},
      {"a.b.~12.345.tmp", 12},
      {"GP.zg23.~4711.0.TMP", 0},
      {"GP.zg23.~4711.tmp", 0},
      {"GP.zg23.~4711.x.tmp", 0},
      {"GP.zg23.~47a1.0.tmp", 0},
      {"GP.zg23.~.0.tmp", 0},
      {"GP.zg23.~0.0.tmp", 0},
      {"GP.zg23.~-5.0.tmp", 0},
      {"GP.zg23.~99999999999999999999.0.tmp", 0},
      {".~4711.0.tmp", 0},
      {"notes.~1.tmp", 0},
      {"GP.zg23", 0},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TempFileWriter(c.name), c.writer) << c.name;
}

TEST(LeftoverTempFiles, OnlyThoseOfEndedWritersGo) {
  testsupport::TempDir dir;
  fs::create_directories(dir / "DATAEASY/003");
  const std::string target = dir / "DATAEASY/003/GP.zg23";
  ASSERT_TRUE(platform::WriteFileAtomic(target, "the set as it was"));
  const pid_t killed = KillWriterMidway(target);
  ASSERT_GT(killed, 0);
  ASSERT_EQ(FilesOf(killed, dir / "DATAEASY/003"), 1);

  const std::string ended = std::to_string(testsupport::EndedProcessId());
  const std::string deeper = dir / ("DATAEASY/003/sub/x.ini.~" + ended + ".3.tmp");
  fs::create_directories(dir / "DATAEASY/003/sub");
  ASSERT_TRUE(platform::WriteFileDirect(deeper, "x"));
  // A write of this process is still going on.
  platform::AtomicFile running(dir / "DATAEASY/003/running.ini");
  ASSERT_TRUE(running.Open());
  // Names that only look alike, a folder of that name and a link are kept.
  const std::string lookalike = dir / ("notes.~" + ended + ".tmp");
  ASSERT_TRUE(platform::WriteFileDirect(lookalike, "x"));
  const std::string folder = dir / ("folder.~" + ended + ".1.tmp");
  fs::create_directories(folder);
  const std::string link = dir / ("link.~" + ended + ".1.tmp");
  fs::create_symlink(target, link);
  // A link to a folder outside is not followed.
  testsupport::TempDir outside;
  const std::string outsideLeft = outside / ("y.~" + ended + ".0.tmp");
  ASSERT_TRUE(platform::WriteFileDirect(outsideLeft, "x"));
  fs::create_directory_symlink(outside.path(), dir / "elsewhere");

  EXPECT_EQ(platform::RemoveLeftoverTempFiles(dir.path()), 2);
  EXPECT_EQ(FilesOf(killed, dir / "DATAEASY/003"), 0);
  EXPECT_FALSE(Exists(deeper));
  EXPECT_EQ(*platform::ReadWholeFile(target), "the set as it was");
  EXPECT_EQ(FilesOf(::getpid(), dir / "DATAEASY/003"), 1);
  EXPECT_TRUE(Exists(lookalike));
  EXPECT_TRUE(Exists(folder));
  EXPECT_TRUE(Exists(link));
  EXPECT_TRUE(Exists(outsideLeft));
  // The running write goes on and completes.
  ASSERT_TRUE(running.Append("k"));
  ASSERT_TRUE(running.Commit());
  EXPECT_EQ(*platform::ReadWholeFile(dir / "DATAEASY/003/running.ini"), "k");

  EXPECT_EQ(platform::RemoveLeftoverTempFiles(dir / "missing"), 0);
}
