#include "platform/Beep.h"

#include "platform/Sink.h"

namespace platform {
namespace {
Sink<void(BeepKind)> g_sink;
}  // namespace

void Beep(BeepKind kind) {
  if (BeepSink sink = g_sink.Current()) sink(kind);
}

BeepSink SetBeepSink(BeepSink sink) { return g_sink.Replace(std::move(sink)); }

}  // namespace platform
