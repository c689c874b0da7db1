#pragma once
// The displays the printer thread writes to. Windows register once they
// exist and leave before they go; both happen in the GUI thread, as do the
// calls.
#include <algorithm>
#include <functional>
#include <mutex>
#include <vector>

#include "printerlink/thread/PrinterDisplay.h"

namespace printerthread {

class DisplayRegistry {
 public:
  void Add(PrinterDisplay* display) {
    std::lock_guard lock(mutex_);
    if (std::find(displays_.begin(), displays_.end(), display) == displays_.end()) displays_.push_back(display);
  }
  void Remove(PrinterDisplay* display) {
    std::lock_guard lock(mutex_);
    displays_.erase(std::remove(displays_.begin(), displays_.end(), display), displays_.end());
  }
  // Calls `step` for each display. Displays only set what they show and
  // do not throw.
  void ForEach(const std::function<void(PrinterDisplay&)>& step) const {
    std::vector<PrinterDisplay*> displays;
    {
      std::lock_guard lock(mutex_);
      displays = displays_;
    }
    for (PrinterDisplay* d : displays) step(*d);
  }

 private:
  mutable std::mutex mutex_;
  std::vector<PrinterDisplay*> displays_;
};

// The program's one registry.
DisplayRegistry& PrinterDisplays();

}  // namespace printerthread
