#include "platform/Beep.h"

#include <mutex>

namespace platform {
namespace {
std::mutex g_mutex;
BeepSink g_sink;
}  // namespace

void Beep(BeepKind kind) {
  BeepSink sink;
  {
    std::lock_guard lock(g_mutex);
    sink = g_sink;
  }
  if (sink) sink(kind);
}

BeepSink SetBeepSink(BeepSink sink) {
  std::lock_guard lock(g_mutex);
  std::swap(g_sink, sink);
  return sink;
}

}  // namespace platform
