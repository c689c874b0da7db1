#pragma once
// The printer thread against the printer emulator, reaching the printer
// windows as in the program: through the program's display registry and
// window state. The test's thread is the GUI thread; Until pumps it.
#include <functional>

#include "printerlink/thread/ThreadRig.h"

namespace settingstest {

class WindowRig {
 public:
  explicit WindowRig(printeremu::EmulatorOptions options = {});
  ~WindowRig();

  // The thread starts searching; returns once it has shown the printer's
  // values (false when it did not within `ms`).
  bool Connect(int ms = 15000);
  void Start() { rig.Start(); }
  // Pumps until the displays were refreshed once more after now.
  bool NextRefresh(int ms = 15000);
  static bool Until(const std::function<bool()>& condition, int ms = 15000) {
    return threadtest::ThreadRig::Until(condition, ms);
  }
  // The printer's commands since `first` that are no polls of the
  // schedule: what the windows made the thread send.
  std::vector<std::string> SentSince(std::size_t first) const;

  threadtest::ThreadRig rig;
  printeremu::PrinterEmulator& printer() { return *rig.printer; }
};

}  // namespace settingstest
