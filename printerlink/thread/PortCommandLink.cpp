#include "printerlink/thread/PortCommandLink.h"

#include "printerlink/CommandExchange.h"
#include "printerlink/PortState.h"

namespace printerthread {

int PortCommandLink::Exchange(std::string_view command, std::string& reply, std::uint32_t t,
                              std::size_t capacity) {
  printerlink::ComLockGuard lock;
  return printerlink::ComSendCommand(printerlink::ComPortHandle, command, reply, t, capacity);
}

}  // namespace printerthread
