#include "ThreadRig.h"

#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Synchronize.h"
#include "printerlink/PortState.h"

namespace threadtest {

int TimedPortLink::Exchange(std::string_view command, std::string& reply, std::uint32_t t,
                            std::size_t capacity) {
  {
    std::lock_guard lock(mutex_);
    entries_.push_back({platform::TickCount(), std::string(command)});
  }
  return port_.Exchange(command, reply, t, capacity);
}

std::vector<TimedPortLink::Entry> TimedPortLink::Entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

ThreadRig::ThreadRig(printeremu::EmulatorOptions options, bool withPrinter) {
  // The test's own thread plays the GUI thread: the printer thread's
  // synchronised steps wait for it to pump.
  platform::SetGuiThread();
  if (withPrinter) {
    printer = std::make_unique<printeremu::PrinterEmulator>(options);
    auto started = printer->Start();
    EXPECT_TRUE(started.ok()) << started.error();
    registry = platform::FixedPortRegistry({{kRigPort, printer->DevicePath(), platform::kPortKindUsb}});
  }
  platform::SetPortRegistry(&registry);
  displays.Add(&display);
  env.useRs232Usb = [this] { return rs232usb.load(); };
  env.useBluetooth = [] { return false; };
  env.simulation = [this] { return simulation.load(); };
  env.link = &link;
  env.messenger = &messenger;
  env.requests = &requests;
  env.captions = &captions;
  env.windows = &windows;
  env.displays = &displays;
  env.tmpDir = "/nonexistent/";
}

ThreadRig::~ThreadRig() {
  Stop();
  platform::SetPortRegistry(nullptr);
  if (printer) printer->Stop();
}

void ThreadRig::Start() {
  thread = std::make_unique<Thread_Printer>(env);
  thread->Start();
}

void ThreadRig::Stop() {
  thread.reset();
  EXPECT_EQ(printerlink::ComPortHandle, printerlink::kNoPort);  // the thread closes the port as it leaves
}

bool ThreadRig::Until(const std::function<bool()>& condition, int ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  bool met = false;
  platform::WaitWhilePumping([&] {
    met = condition();
    return met || std::chrono::steady_clock::now() > until;
  });
  return met;
}

bool ThreadRig::Connected() const { return !display.labels.empty() && display.labels.back().empty(); }

std::vector<std::string> ThreadRig::CommandsFrom(std::size_t first) const {
  auto all = printer->Commands();
  return {all.begin() + static_cast<long>(std::min(first, all.size())), all.end()};
}

}  // namespace threadtest
