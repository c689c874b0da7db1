#pragma once
// Windows for the printer thread's tests: a messenger and a display that
// record what the thread shows.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "printerlink/thread/PrinterMessenger.h"
#include "printerlink/thread/PrinterDisplay.h"

namespace threadtest {

class RecordingMessenger final : public printerthread::PrinterMessenger {
 public:
  void ShowMessage(const printerthread::PrinterBox& box) override {
    std::lock_guard lock(mutex_);
    boxes_.push_back(box);
  }
  void CloseMessage() override {
    std::lock_guard lock(mutex_);
    ++closes_;
  }
  std::vector<printerthread::PrinterBox> Boxes() const {
    std::lock_guard lock(mutex_);
    return boxes_;
  }
  int Closes() const {
    std::lock_guard lock(mutex_);
    return closes_;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    boxes_.clear();
    closes_ = 0;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<printerthread::PrinterBox> boxes_;
  int closes_ = 0;
};

// Keeps a copy of the mirror at every reset and refresh, and the port
// labels shown.
class RecordingDisplay final : public printerthread::PrinterDisplay {
 public:
  void ResetDisplay(const printerthread::DisplayView& view) override {
    std::lock_guard lock(mutex_);
    ++resets;
    last = view.mirror;
    events.push_back("reset");
  }
  void RefreshDisplay(const printerthread::DisplayView& view) override {
    {
      std::lock_guard lock(mutex_);
      ++refreshes;
      last = view.mirror;
      events.push_back("refresh");
    }
    if (onRefresh) onRefresh();
  }
  void ShowPortLabel(const std::string& text) override {
    std::lock_guard lock(mutex_);
    labels.push_back(text);
    events.push_back("label " + text);
  }

  // Read these only on the GUI thread (the steps run there).
  int resets = 0;
  int refreshes = 0;
  printerthread::PrinterMirror last;
  std::vector<std::string> labels;
  std::vector<std::string> events;
  // Runs at the end of every refresh, while the printer thread still waits
  // for the step: what it does is in place before the thread's next row.
  std::function<void()> onRefresh;

 private:
  std::mutex mutex_;
};

}  // namespace threadtest
