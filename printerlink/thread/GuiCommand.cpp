#include "printerlink/thread/GuiCommand.h"

#include "printerlink/CommandExchange.h"
#include "printerlink/PortState.h"

namespace printerthread {

int GuiSendCommand(std::string_view command, std::string& reply, std::uint32_t t) {
  reply.clear();
  if (!printerlink::ComTryLock()) return kPortBusy;
  struct Release {
    ~Release() { printerlink::ComUnlock(); }
  } release;
  return printerlink::ComSendCommand(printerlink::ComPortHandle, command, reply, t,
                                     printerlink::kLargeReplyBufferSize);
}

}  // namespace printerthread
