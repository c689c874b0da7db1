#include "printdata/VersionNotice.h"

#include <utility>

#include "platform/Sink.h"

namespace printdata {
namespace {
platform::Sink<void()> g_sink;
}  // namespace

VersionNoticeSink SetVersionNoticeSink(VersionNoticeSink sink) { return g_sink.Replace(std::move(sink)); }

void ShowVersionNotice() {
  if (VersionNoticeSink sink = g_sink.Current()) sink();
}

}  // namespace printdata
