#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "printerlink/PortState.h"

using namespace printerlink;

TEST(PortLock, SerialisesThreadsAndLetsTheHolderTakeItAgain) {
  ComLockCreate();
  EXPECT_EQ(ComPortHandle, kNoPort);  // no port before the first open, never descriptor 0
  EXPECT_EQ(ComPortNumber, kNoPort);
  ComLock();
  {
    ComLockGuard again;  // the holder may take it again
    std::atomic<bool> other{true};
    std::thread([&] { other = ComTryLock(); }).join();
    EXPECT_FALSE(other);  // another thread may not
  }
  ComUnlock();
  std::atomic<bool> other{false};
  std::thread([&] {
    other = ComTryLock();
    if (other) ComUnlock();
  }).join();
  EXPECT_TRUE(other);
}
