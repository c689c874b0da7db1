#pragma once
// One command exchange: a command line out, one framed reply back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "printerlink/PortIo.h"

namespace printerlink {

// The command line buffer holds 2000 bytes: the text, CR and a terminator.
inline constexpr std::size_t kMaxCommandLength = 1998;

// Purges the port, writes `command` and CR, reads the reply (the text
// between STX and ETX, at most capacity - 1 characters) and purges again.
// 0 exchange done (a reply beginning with "Fehler" is the printer's refusal,
// which the caller tests); -1 command not written; -2 no complete reply
// (silence, a missing ETX, or a reply longer than the buffer); -3 the
// command is longer than kMaxCommandLength and was not sent.
int ComSendCommand(int handle, std::string_view command, std::string& reply, std::uint32_t t,
                   std::size_t capacity = kReplyBufferSize);

}  // namespace printerlink
