#pragma once
// The captions shared between the windows, which set them in the GUI
// thread, and the printer thread, which takes a snapshot per poll cycle.
#include <memory>
#include <mutex>

#include "printerlink/thread/PrinterCaptions.h"

namespace printerthread {

class CaptionTable {
 public:
  CaptionTable() : captions_(std::make_shared<const PrinterCaptions>()) {}

  std::shared_ptr<const PrinterCaptions> Get() const {
    std::lock_guard lock(mutex_);
    return captions_;
  }
  void Set(PrinterCaptions captions) {
    auto next = std::make_shared<const PrinterCaptions>(std::move(captions));
    std::lock_guard lock(mutex_);
    captions_ = std::move(next);
  }
  // Changes some captions: `change` gets a copy of the current ones.
  template <class Change>
  void Update(Change change) {
    std::lock_guard lock(mutex_);
    PrinterCaptions copy = *captions_;
    change(copy);
    captions_ = std::make_shared<const PrinterCaptions>(std::move(copy));
  }

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const PrinterCaptions> captions_;
};

// The program's one table.
CaptionTable& PrinterCaptionTable();

}  // namespace printerthread
