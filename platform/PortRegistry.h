#pragma once
// Which serial devices stand behind the printer link's port numbers 1..256
// ("COM%u"), and what kind each is. Numbers follow from device names only,
// so a port keeps its number whatever else is plugged in:
//   ttyS0..31    -> 1..32     RS-232 (only ports whose driver reports hardware)
//   ttyUSB0..63  -> 33..96    USB serial
//   ttyACM0..63  -> 97..160   USB serial
//   rfcomm0..63  -> 161..224  Bluetooth serial
// Tests install a registry of their own devices.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

inline constexpr int kPortKindNone = 0;
inline constexpr int kPortKindRs232 = 1;
inline constexpr int kPortKindUsb = 2;
inline constexpr int kPortKindBluetooth = 3;
inline constexpr int kPortKindOther = 99;

struct PortEntry {
  unsigned number = 0;  // 1..256
  std::string device;   // the device path, for example "/dev/ttyUSB0"
  int kind = kPortKindNone;
};

struct PortSlot {
  unsigned number;
  int kind;
};

// The number and kind a device name ("ttyUSB3") gets; nothing for a name
// that is no serial port of the kinds above.
std::optional<PortSlot> SlotForDevice(std::string_view name);

// The serial ports in `devDir`, sorted by number. A ttyS port counts only
// when `sysTtyDir`/ttySn/type names a port type other than 0: the kernel
// creates ttyS devices for absent ports too, and searching those would only
// cost time.
std::vector<PortEntry> ScanSerialDevices(const std::string& devDir = "/dev",
                                         const std::string& sysTtyDir = "/sys/class/tty");

class PortRegistry {
 public:
  virtual ~PortRegistry() = default;
  virtual std::vector<PortEntry> List() = 0;
};

// This machine's ports (a scan at most every half second).
PortRegistry& SystemPorts();

// A fixed list, for tests and tools.
class FixedPortRegistry final : public PortRegistry {
 public:
  explicit FixedPortRegistry(std::vector<PortEntry> ports = {}) : ports_(std::move(ports)) {}
  std::vector<PortEntry> List() override { return ports_; }

 private:
  std::vector<PortEntry> ports_;
};

// The registry every caller uses: the system's unless one was installed.
PortRegistry& Ports();
void SetPortRegistry(PortRegistry* registry);  // nullptr restores the system's

// The entry for port `number` in `ports`, if there is one.
std::optional<PortEntry> FindPort(const std::vector<PortEntry>& ports, unsigned number);

}  // namespace platform
