#pragma once
// Running a step in the GUI thread while a worker waits for it.
//
// The GUI thread registers itself once (SetGuiThread); a wake hook tells its
// event loop that steps are pending, and the loop runs them with
// CheckSynchronize. While the GUI thread itself waits for a worker (shutdown)
// it must use WaitWhilePumping so that a worker blocked in Synchronize can
// finish instead of deadlocking.
#include <chrono>
#include <functional>

namespace platform {

// Runs `step` in the GUI thread and returns when it has run. Called on the
// GUI thread, or before any GUI thread is registered (plain tests), it runs
// the step at once. An exception thrown by the step is rethrown here.
void Synchronize(const std::function<void()>& step);

// Runs `step` in the GUI thread later and returns at once: for progress a
// worker reports while it holds something the GUI thread may want (the port
// lock), so it never waits for the GUI. Steps run in the order queued,
// together with the synchronised ones. On the GUI thread, or with no GUI
// thread registered, it runs at once. An exception thrown by the step is
// dropped.
void Queue(std::function<void()> step);

void SetGuiThread();  // the calling thread becomes the GUI thread
bool IsGuiThread();
bool HasGuiThread();

// Called (from any thread) whenever a step is queued; the GUI layer installs
// a hook that schedules CheckSynchronize on its event loop.
void SetSynchronizeWakeHook(std::function<void()> hook);

// Runs every queued step; only on the GUI thread.
void CheckSynchronize();

// Waits until `done` returns true, running queued steps meanwhile when
// called on the GUI thread. `done` is polled at least every `poll`.
void WaitWhilePumping(const std::function<bool()>& done,
                      std::chrono::milliseconds poll = std::chrono::milliseconds(5));

}  // namespace platform
