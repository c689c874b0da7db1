#include "platform/PortRegistry.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace platform {
namespace {

struct Family {
  std::string_view prefix;
  unsigned first;
  unsigned count;
  int kind;
};

constexpr Family kFamilies[] = {
    {"ttyS", 1, 32, kPortKindRs232},
    {"ttyUSB", 33, 64, kPortKindUsb},
    {"ttyACM", 97, 64, kPortKindUsb},
    {"rfcomm", 161, 64, kPortKindBluetooth},
};

// True when the kernel reports a UART behind the ttyS port.
bool HasHardware(const std::string& sysTtyDir, const std::string& name) {
  std::ifstream in(sysTtyDir + "/" + name + "/type");
  int type = 0;
  return in && (in >> type) && type != 0;
}

class SystemRegistry final : public PortRegistry {
 public:
  std::vector<PortEntry> List() override {
    using namespace std::chrono;
    std::lock_guard<std::mutex> lock(mutex_);
    auto now = steady_clock::now();
    // The printer thread searches every few milliseconds while no printer
    // answers; a fresh scan each time would only load the system.
    if (!scanned_ || now - when_ > milliseconds(500)) {
      cache_ = ScanSerialDevices();
      when_ = now;
      scanned_ = true;
    }
    return cache_;
  }

 private:
  std::mutex mutex_;
  bool scanned_ = false;
  std::chrono::steady_clock::time_point when_{};
  std::vector<PortEntry> cache_;
};

std::atomic<PortRegistry*> g_registry{nullptr};

}  // namespace

std::optional<PortSlot> SlotForDevice(std::string_view name) {
  for (const auto& f : kFamilies) {
    if (name.size() <= f.prefix.size() || name.substr(0, f.prefix.size()) != f.prefix) continue;
    std::string_view digits = name.substr(f.prefix.size());
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    unsigned index = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (index >= f.count) return std::nullopt;
    return PortSlot{f.first + index, f.kind};
  }
  return std::nullopt;
}

std::vector<PortEntry> ScanSerialDevices(const std::string& devDir, const std::string& sysTtyDir) {
  std::vector<PortEntry> ports;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(devDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    auto slot = SlotForDevice(name);
    if (!slot) continue;
    if (slot->kind == kPortKindRs232 && !HasHardware(sysTtyDir, name)) continue;
    ports.push_back({slot->number, it->path().string(), slot->kind});
  }
  std::sort(ports.begin(), ports.end(), [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
  return ports;
}

PortRegistry& SystemPorts() {
  static SystemRegistry system;
  return system;
}

PortRegistry& Ports() {
  PortRegistry* r = g_registry.load(std::memory_order_acquire);
  return r ? *r : SystemPorts();
}

void SetPortRegistry(PortRegistry* registry) { g_registry.store(registry, std::memory_order_release); }

std::optional<PortEntry> FindPort(const std::vector<PortEntry>& ports, unsigned number) {
  for (const auto& p : ports)
    if (p.number == number) return p;
  return std::nullopt;
}

}  // namespace platform
