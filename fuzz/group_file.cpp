// Libraries: printdata platform
// The group file (g23) and the print-text files beside it, read from a
// folder: the input is cut at zero bytes into GP.g23, GP_001.j23,
// GP_002.j23 ... A group either fails to load or loads with a count of 0 to
// 99 and names the print texts it could not read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz/support/Scratch.h"
#include "platform/Beep.h"
#include "printdata/GroupFile.h"
#include "printdata/Init.h"
#include "printdata/VersionNotice.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  platform::SetBeepSink([](platform::BeepKind) {});
  printdata::SetVersionNoticeSink([] {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string folder = fuzzsupport::ScratchDir() + "/group";
  fuzzsupport::Clear(folder);
  std::size_t start = 0;
  for (int part = 0; start <= size && part <= 99; ++part) {
    std::size_t end = start;
    while (end < size && data[end] != 0) ++end;
    char name[32];
    if (part == 0)
      std::snprintf(name, sizeof name, "/GP.g23");
    else
      std::snprintf(name, sizeof name, "/GP_%03d.j23", part);
    fuzzsupport::WriteBytes(folder + name, data + start, end - start);
    start = end + 1;
  }
  static auto group = std::make_unique<printdata::PrintGroup>();
  printdata::GroupInit(*group);
  int count = 0;
  auto report = printdata::GroupLoad(folder + "/GP.g23", *group, count);
  if (report && (count < 0 || count > 99)) std::abort();
  if (report)
    for (const auto& failed : report->FailedTexts)
      if (failed.Index < 0 || failed.Index >= count) std::abort();
  return 0;
}
