#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/SingleInstance.h"
#include "support/TempDir.h"

using platform::InstanceLockResult;
using platform::SingleInstanceLock;

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstLetsGo) {
  testsupport::TempDir dir;
  SingleInstanceLock first, second;
  EXPECT_EQ(first.Acquire("Tarvik23", dir.path()), InstanceLockResult::Acquired);
  EXPECT_EQ(second.Acquire("Tarvik23", dir.path()), InstanceLockResult::AlreadyRunning);
  EXPECT_FALSE(second.Held());
  // Another name is another program.
  EXPECT_EQ(second.Acquire("Other", dir.path()), InstanceLockResult::Acquired);
  first.Release();
  EXPECT_EQ(second.Acquire("Tarvik23", dir.path()), InstanceLockResult::Acquired);
}

TEST(SingleInstance, LockDiesWithTheProcessThatHeldIt) {
  testsupport::TempDir dir;
  int ready[2], finish[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(finish), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SingleInstanceLock held;
    char c = held.Acquire("Tarvik23", dir.path()) == InstanceLockResult::Acquired ? 'y' : 'n';
    (void)!write(ready[1], &c, 1);
    (void)!read(finish[0], &c, 1);
    _exit(0);  // no release: the system must drop the lock
  }
  char c = 0;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 'y');
  SingleInstanceLock mine;
  EXPECT_EQ(mine.Acquire("Tarvik23", dir.path()), InstanceLockResult::AlreadyRunning);
  (void)!write(finish[1], "x", 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(mine.Acquire("Tarvik23", dir.path()), InstanceLockResult::Acquired);
}

TEST(SingleInstance, MissingLockFolderIsNoRefusal) {
  SingleInstanceLock lock;
  EXPECT_EQ(lock.Acquire("Tarvik23", "/nonexistent-folder-for-locks"), InstanceLockResult::Unavailable);
}
