#pragma once
// The few exchanges the GUI thread makes itself (the remote control's
// "DPI.INDEX %d"). The GUI thread never waits for the port lock: while the
// printer thread holds it, the command is not sent.
#include <cstdint>
#include <string>
#include <string_view>

namespace printerthread {

inline constexpr int kPortBusy = -10;

// One exchange under the port lock when it is free at once (100,000-byte
// reply): the exchange's result, or kPortBusy when the printer thread is
// using the port.
int GuiSendCommand(std::string_view command, std::string& reply, std::uint32_t t);

}  // namespace printerthread
