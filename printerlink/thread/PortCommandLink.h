#pragma once
// The open printer port, under the port lock for each single exchange.
#include "printerlink/thread/CommandLink.h"

namespace printerthread {

class PortCommandLink final : public CommandLink {
 public:
  int Exchange(std::string_view command, std::string& reply, std::uint32_t t, std::size_t capacity) override;
};

}  // namespace printerthread
