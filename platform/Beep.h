#pragma once
// The two beeps of the program: the error beep of a failing step and the
// stop beep of a handler's catch-all. A sink makes them observable in tests.
#include <functional>

namespace platform {

enum class BeepKind { Error, Stop };

void Beep(BeepKind kind);

// Replaces where beeps go (nullptr: silence). Returns the previous sink.
using BeepSink = std::function<void(BeepKind)>;
BeepSink SetBeepSink(BeepSink sink);

}  // namespace platform
