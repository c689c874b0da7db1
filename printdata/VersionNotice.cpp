#include "printdata/VersionNotice.h"

#include <mutex>
#include <utility>

namespace printdata {
namespace {
std::mutex g_mutex;
VersionNoticeSink g_sink;
}  // namespace

VersionNoticeSink SetVersionNoticeSink(VersionNoticeSink sink) {
  std::lock_guard lock(g_mutex);
  std::swap(g_sink, sink);
  return sink;
}

void ShowVersionNotice() {
  VersionNoticeSink sink;
  {
    std::lock_guard lock(g_mutex);
    sink = g_sink;
  }
  if (sink) sink();
}

}  // namespace printdata
