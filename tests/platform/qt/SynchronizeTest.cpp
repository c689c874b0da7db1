#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/Synchronize.h"
#include "platform/WorkerThread.h"

using namespace platform;

namespace {

class CountingWorker : public WorkerThread {
 public:
  CountingWorker() : WorkerThread("Test") {}
  std::atomic<int> stepsOnGui{0};
  std::atomic<int> cycles{0};

 protected:
  void Execute() override {
    while (!Terminated()) {
      Synchronize([this] {
        if (IsGuiThread()) ++stepsOnGui;
      });
      ++cycles;
    }
  }
};

}  // namespace

TEST(Synchronize, StepsRunOnTheGuiThreadThroughTheEventLoop) {
  ASSERT_TRUE(IsGuiThread());
  std::atomic<bool> ran{false};
  std::thread worker([&] { Synchronize([&] { ran = IsGuiThread(); }); });
  while (!ran) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker.join();
  EXPECT_TRUE(ran);
}

TEST(Synchronize, OnTheGuiThreadRunsAtOnce) {
  int n = 0;
  Synchronize([&] { ++n; });
  EXPECT_EQ(n, 1);
}

TEST(Synchronize, ExceptionsReachTheWaitingWorker) {
  std::atomic<bool> caught{false};
  std::thread worker([&] {
    try {
      Synchronize([] { throw std::runtime_error("x"); });
    } catch (const std::runtime_error&) {
      caught = true;
    }
  });
  WaitWhilePumping([&] { return caught.load(); });
  worker.join();
  EXPECT_TRUE(caught);
}

TEST(WorkerThread, WaitingOnTheGuiThreadDoesNotDeadlockASynchronisingWorker) {
  // The worker synchronises in a tight loop; the GUI thread terminates it
  // and waits without returning to the event loop, as shutdown does.
  CountingWorker worker;
  worker.Start();
  WaitWhilePumping([&] { return worker.cycles.load() > 3; });
  worker.Terminate();
  worker.WaitFor();
  EXPECT_TRUE(worker.Finished());
  EXPECT_GT(worker.stepsOnGui.load(), 0);
}

TEST(Synchronize, QueuedStepsDoNotWaitAndRunInOrder) {
  std::vector<int> order;
  std::atomic<bool> queued{false};
  std::thread worker([&] {
    for (int i = 0; i < 3; ++i) Queue([&order, i] { order.push_back(i); });
    queued = true;  // without the GUI thread having run anything
  });
  worker.join();
  EXPECT_TRUE(queued);
  EXPECT_TRUE(order.empty());
  WaitWhilePumping([&] { return order.size() == 3; });
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  Queue([&] { order.push_back(3); });  // on the GUI thread: at once
  EXPECT_EQ(order.size(), 4u);
}
