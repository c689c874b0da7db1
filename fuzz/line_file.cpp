// Libraries: platform
// The line-file reader on any bytes: CR LF, LF and CR end lines, a final
// line end adds no line, and the lines written back read the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/support/Scratch.h"
#include "platform/LineFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = platform::SplitLines(text);
  for (const std::string& line : lines)
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
  if (platform::SplitLines(platform::JoinLines(lines)) != lines) std::abort();

  // The same through a file.
  const std::string path = fuzzsupport::ScratchDir() + "/lines.txt";
  fuzzsupport::WriteBytes(path, data, size);
  auto read = platform::ReadLines(path);
  if (!read || *read != lines) std::abort();
  return 0;
}
