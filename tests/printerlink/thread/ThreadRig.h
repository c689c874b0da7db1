#pragma once
// The printer thread against the printer emulator on a pseudo-terminal,
// registered as a USB serial port, with its own request board, captions,
// window state and recording windows. The test's thread is the GUI thread:
// it must pump (Until) for the thread's display steps to run.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "PrinterEmulator.h"
#include "Recorders.h"
#include "platform/PortRegistry.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/Thread_Printer.h"

namespace threadtest {

inline constexpr unsigned kRigPort = 40;

// The real port under the port lock, noting each command with the tick it
// was sent at.
class TimedPortLink final : public printerthread::CommandLink {
 public:
  int Exchange(std::string_view command, std::string& reply, std::uint32_t t, std::size_t capacity) override;
  struct Entry {
    std::uint32_t tick;
    std::string command;
  };
  std::vector<Entry> Entries() const;

 private:
  printerthread::PortCommandLink port_;
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
};

class ThreadRig {
 public:
  explicit ThreadRig(printeremu::EmulatorOptions options = {}, bool withPrinter = true);
  ~ThreadRig();

  void Start();
  void Stop();
  // Pumps the GUI thread until `condition` holds; false after `ms`.
  static bool Until(const std::function<bool()>& condition, int ms = 10000);
  bool Connected() const;  // the last port label shown is ""
  std::vector<std::string> CommandsFrom(std::size_t first) const;

  std::unique_ptr<printeremu::PrinterEmulator> printer;
  platform::FixedPortRegistry registry;
  printerthread::RequestBoard requests;
  printerthread::CaptionTable captions;
  printerthread::PrinterWindowState windows;
  printerthread::DisplayRegistry displays;
  RecordingDisplay display;
  RecordingMessenger messenger;
  TimedPortLink link;
  std::atomic<bool> simulation{false};
  std::atomic<bool> rs232usb{true};
  printerthread::ThreadEnvironment env;
  std::unique_ptr<Thread_Printer> thread;
};

}  // namespace threadtest
