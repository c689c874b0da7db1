#include "platform/WorkerThread.h"

#include <pthread.h>

#include <algorithm>

#include "platform/Clock.h"
#include "platform/Synchronize.h"

namespace platform {

WorkerThread::WorkerThread(std::string name) : name_(std::move(name)) {}

WorkerThread::~WorkerThread() {
  // Derived parts are gone by now; owners must WaitFor before destroying.
  Terminate();
  if (thread_.joinable()) {
    WaitFor();
  }
}

void WorkerThread::Start() {
  if (thread_.joinable()) return;
  thread_ = std::thread([this] {
    // Names the thread for debuggers, nothing else depends on it.
    pthread_setname_np(pthread_self(), name_.substr(0, 15).c_str());
    try {
      Execute();
    } catch (...) {
      // A worker never takes the process down; its loop reports its own errors.
    }
    finished_.store(true);
  });
}

void WorkerThread::WaitFor() {
  if (!thread_.joinable()) return;
  WaitWhilePumping([this] { return finished_.load(); });
  thread_.join();
}

void WorkerThread::SleepUnlessTerminated(unsigned ms) {
  while (ms > 0 && !Terminated()) {
    unsigned step = std::min(ms, 100u);
    SleepMs(step);
    ms -= step;
  }
}

void WorkerThread::Synchronize(const std::function<void()>& step) { platform::Synchronize(step); }

}  // namespace platform
