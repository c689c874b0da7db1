#pragma once
// A worker thread in the manner the program's threads expect: created
// suspended, started by its owner, asked to terminate, and waited for.
#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace platform {

class WorkerThread {
 public:
  explicit WorkerThread(std::string name);
  virtual ~WorkerThread();  // terminates and waits if still running
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void Start();  // "Resume" of a suspended thread
  void Terminate() { terminated_.store(true); }
  bool Terminated() const { return terminated_.load(); }
  bool Finished() const { return finished_.load(); }
  // Waits for Execute to return. Safe on the GUI thread: steps the worker
  // synchronises meanwhile still run.
  void WaitFor();

  // Sleeps `ms` in steps of 100 ms, returning early once terminated.
  void SleepUnlessTerminated(unsigned ms);

 protected:
  virtual void Execute() = 0;
  static void Synchronize(const std::function<void()>& step);

 private:
  std::string name_;
  std::thread thread_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
};

}  // namespace platform
