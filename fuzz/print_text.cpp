// Libraries: printdata
// The print-text file (j23) reader on any lines, versions 6 to 9: it refuses
// them or fills a print text, and the file written from that print text
// reads back into one that writes the same file again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/LineFile.h"
#include "printdata/Init.h"
#include "printdata/PrintTextFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      platform::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  auto text = std::make_unique<printdata::PrintText>();
  printdata::PrintTextInit(*text);
  if (!printdata::PrintTextFromLines(lines, *text)) return 0;

  auto written = printdata::PrintTextToLines(*text);
  if (!written) return 0;  // a field the file format cannot hold (a line break in a one-line field)
  auto again = std::make_unique<printdata::PrintText>();
  printdata::PrintTextInit(*again);
  if (!printdata::PrintTextFromLines(*written, *again)) std::abort();
  auto rewritten = printdata::PrintTextToLines(*again);
  if (!rewritten || *rewritten != *written) std::abort();
  return 0;
}
