#include "printerlink/PortSearch.h"

#include "platform/PortRegistry.h"

namespace printerlink {
namespace {

int KindIn(const std::vector<platform::PortEntry>& ports, unsigned n) {
  if (n < 1 || n > kHighestPort) return platform::kPortKindNone;
  auto entry = platform::FindPort(ports, n);
  return entry ? entry->kind : platform::kPortKindNone;
}

}  // namespace

std::string ComPortDescription(unsigned n) {
  if (n < 1 || n > kHighestPort) return "";
  auto entry = platform::FindPort(platform::Ports().List(), n);
  return entry ? entry->device : "";
}

int ComPortKind(unsigned n) {
  if (n < 1 || n > kHighestPort) return platform::kPortKindNone;
  return KindIn(platform::Ports().List(), n);
}

unsigned ComPortFind(unsigned current, bool useRs232Usb, bool useBluetooth) {
  if (!useRs232Usb && !useBluetooth) return 0;
  // One look at the registry for the whole search.
  const auto ports = platform::Ports().List();
  unsigned candidate = current;
  for (unsigned tries = 0; tries < kHighestPort; ++tries) {
    candidate = candidate >= kHighestPort ? 1 : candidate + 1;
    int kind = KindIn(ports, candidate);
    if ((kind == platform::kPortKindRs232 || kind == platform::kPortKindUsb) && useRs232Usb) return candidate;
    if (kind == platform::kPortKindBluetooth && useBluetooth) return candidate;
  }
  return 0;
}

}  // namespace printerlink
