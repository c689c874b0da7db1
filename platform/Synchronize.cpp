#include "platform/Synchronize.h"

#include <condition_variable>
#include <deque>
#include <exception>
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

std::mutex g_mutex;
std::condition_variable g_changed;  // a step was queued or finished
std::deque<Pending*> g_queue;
std::thread::id g_gui;
bool g_hasGui = false;
std::function<void()> g_wake;

}  // namespace

void SetGuiThread() {
  std::lock_guard lock(g_mutex);
  g_gui = std::this_thread::get_id();
  g_hasGui = true;
}

bool IsGuiThread() {
  std::lock_guard lock(g_mutex);
  return g_hasGui && g_gui == std::this_thread::get_id();
}

bool HasGuiThread() {
  std::lock_guard lock(g_mutex);
  return g_hasGui;
}

void SetSynchronizeWakeHook(std::function<void()> hook) {
  std::lock_guard lock(g_mutex);
  g_wake = std::move(hook);
}

void Synchronize(const std::function<void()>& step) {
  std::function<void()> wake;
  Pending pending{&step, nullptr, false, {}, false};
  {
    std::unique_lock lock(g_mutex);
    if (!g_hasGui || g_gui == std::this_thread::get_id()) {
      lock.unlock();
      step();
      return;
    }
    g_queue.push_back(&pending);
    wake = g_wake;
  }
  g_changed.notify_all();
  if (wake) wake();
  std::unique_lock lock(g_mutex);
  g_changed.wait(lock, [&] { return pending.done; });
  if (pending.error) std::rethrow_exception(pending.error);
}

void Queue(std::function<void()> step) {
  std::function<void()> wake;
  {
    std::unique_lock lock(g_mutex);
    if (!g_hasGui || g_gui == std::this_thread::get_id()) {
      lock.unlock();
      try {
        step();
      } catch (...) {
      }
      return;
    }
    auto* pending = new Pending{nullptr, nullptr, false, std::move(step), true};
    pending->step = &pending->owned;
    g_queue.push_back(pending);
    wake = g_wake;
  }
  g_changed.notify_all();
  if (wake) wake();
}

void CheckSynchronize() {
  for (;;) {
    Pending* p;
    {
      std::lock_guard lock(g_mutex);
      if (g_queue.empty()) return;
      p = g_queue.front();
      g_queue.pop_front();
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
      std::lock_guard lock(g_mutex);
      p->error = error;
      p->done = true;
    }
    g_changed.notify_all();
  }
}

void WaitWhilePumping(const std::function<bool()>& done, std::chrono::milliseconds poll) {
  const bool gui = IsGuiThread();
  while (!done()) {
    if (gui) CheckSynchronize();
    std::unique_lock lock(g_mutex);
    g_changed.wait_for(lock, poll, [&] { return gui && !g_queue.empty(); });
  }
}

}  // namespace platform
