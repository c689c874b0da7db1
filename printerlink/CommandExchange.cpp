#include "printerlink/CommandExchange.h"

#include "printerlink/ControlBytes.h"

namespace printerlink {
int ComSendCommand(int handle, std::string_view command, std::string& reply, std::uint32_t t,
                   std::size_t capacity) {
  reply.clear();
  if (command.size() > kMaxCommandLength) return -3;
  ComPurge(handle);
  std::string line(command);
  line.push_back(static_cast<char>(kCr));
  int result = 0;
  if (ComWriteBlock(handle, line.data(), line.size(), t) != static_cast<int>(line.size()))
    result = -1;
  else if (ComReadReply(handle, reply, t, capacity) != 0)
    result = -2;
  ComPurge(handle);
  return result;
}

}  // namespace printerlink
