#pragma once
// The one place where a line framing becomes termios settings.
#include <termios.h>

#include "platform/Result.h"
#include "platform/SerialTransport.h"

namespace platform {

// Sets `settings` to raw mode with the framing's speed, character size,
// parity and stop bits; software flow control only when the framing asks
// for it; modem lines ignored, no hardware flow control. Fails for a speed
// or character size the system has no setting for.
Status ApplyFraming(termios& settings, const LineFraming& framing);

// The framing that `settings` describes (speed, size, parity, stop bits,
// software flow control).
LineFraming FramingOf(const termios& settings);

}  // namespace platform
