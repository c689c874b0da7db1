#pragma once
// The beeps of the program: the error beep of a failing step, the stop beep
// of a handler's catch-all (both the system's "hand" sound) and the
// exclamation beep of a message that is not a failure. A sink makes them
// observable in tests.
#include <functional>

namespace platform {

enum class BeepKind { Error, Stop, Exclamation };

void Beep(BeepKind kind);

// Replaces where beeps go (nullptr: silence). Returns the previous sink.
using BeepSink = std::function<void(BeepKind)>;
BeepSink SetBeepSink(BeepSink sink);

}  // namespace platform
