#pragma once
// One command exchange with the printer as the printer thread sees it. The
// program's link takes the port lock for the exchange; tests put a script
// in its place.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace printerthread {

class CommandLink {
 public:
  virtual ~CommandLink() = default;
  // Sends `command`, reads the reply (at most capacity - 1 characters);
  // 0 exchange done, negative when the command or the reply failed.
  virtual int Exchange(std::string_view command, std::string& reply, std::uint32_t t, std::size_t capacity) = 0;
};

}  // namespace printerthread
