#include "platform/Synchronize.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {
namespace {

struct Pending {
  const std::function<void()>* step;
  std::exception_ptr error;
  bool done = false;
  // A queued step owns its function and its record; nobody waits for it.
  std::function<void()> owned;
  bool queued = false;
};

struct State {
  std::mutex mutex;
  std::condition_variable changed;  // a step was queued or finished
  std::deque<Pending*> queue;
  std::thread::id gui;
  bool hasGui = false;
  std::function<void()> wake;
};

// Never destroyed: a worker may still wait in Synchronize while the process
// ends through exit(), and destroying the condition variable under it would
// hang the exit.
State& S() {
  static State* state = new State;
  return *state;
}

}  // namespace

void SetGuiThread() {
  std::lock_guard lock(S().mutex);
  S().gui = std::this_thread::get_id();
  S().hasGui = true;
}

bool IsGuiThread() {
  std::lock_guard lock(S().mutex);
  return S().hasGui && S().gui == std::this_thread::get_id();
}

bool HasGuiThread() {
  std::lock_guard lock(S().mutex);
  return S().hasGui;
}

void SetSynchronizeWakeHook(std::function<void()> hook) {
  std::lock_guard lock(S().mutex);
  S().wake = std::move(hook);
}

namespace {

// Hands `p` to the GUI thread and wakes it. False, with nothing queued, when
// the caller is the GUI thread or there is none: the caller runs the step.
bool Post(Pending* p) {
  std::function<void()> wake;
  {
    std::lock_guard lock(S().mutex);
    if (!S().hasGui || S().gui == std::this_thread::get_id()) return false;
    S().queue.push_back(p);
    wake = S().wake;
  }
  S().changed.notify_all();
  if (wake) wake();
  return true;
}

}  // namespace

void Synchronize(const std::function<void()>& step) {
  Pending pending{&step, nullptr, false, {}, false};
  if (!Post(&pending)) {
    step();
    return;
  }
  std::unique_lock lock(S().mutex);
  S().changed.wait(lock, [&] { return pending.done; });
  if (pending.error) std::rethrow_exception(pending.error);
}

void Queue(std::function<void()> step) {
  auto pending = std::make_unique<Pending>(Pending{nullptr, nullptr, false, std::move(step), true});
  pending->step = &pending->owned;
  if (Post(pending.get())) {
    pending.release();  // CheckSynchronize deletes it once it has run
    return;
  }
  try {
    pending->owned();
  } catch (...) {
  }
}

void CheckSynchronize() {
  for (;;) {
    Pending* p;
    {
      std::lock_guard lock(S().mutex);
      if (S().queue.empty()) return;
      p = S().queue.front();
      S().queue.pop_front();
    }
    std::exception_ptr error;
    try {
      (*p->step)();
    } catch (...) {
      error = std::current_exception();
    }
    if (p->queued) {
      delete p;
      continue;
    }
    {
      std::lock_guard lock(S().mutex);
      p->error = error;
      p->done = true;
    }
    S().changed.notify_all();
  }
}

void WaitWhilePumping(const std::function<bool()>& done, std::chrono::milliseconds poll) {
  const bool gui = IsGuiThread();
  while (!done()) {
    if (gui) CheckSynchronize();
    std::unique_lock lock(S().mutex);
    S().changed.wait_for(lock, poll, [&] { return gui && !S().queue.empty(); });
  }
}

}  // namespace platform
