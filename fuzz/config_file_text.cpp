// Libraries: printersettings
// The printer's configuration file, as fetched from the printer, on any
// bytes: read into the editor's lines and written back. No line holds a
// line end, a line end is CR LF, LF or a lone CR, the written text ends its
// lines with CR LF only and reads back to the same lines, and a file of CR
// LF lines comes back byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "printersettings/ConfigFileText.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace printersettings;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ConfigText text = SplitConfigText(bytes);

  std::size_t ends = 0;
  bool onlyCrLf = true;
  for (std::size_t i = 0; i < size; ++i) {
    if (bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n') {
      ++ends;
      ++i;
    } else if (bytes[i] == '\r' || bytes[i] == '\n') {
      ++ends;
      onlyCrLf = false;
    }
  }
  const bool ended = size > 0 && (bytes.back() == '\r' || bytes.back() == '\n');
  Check(text.endsWithBreak == ended);
  Check(text.lines.size() == ends + (size > 0 && !ended ? 1 : 0));
  std::size_t kept = 0;
  for (const std::string& line : text.lines) {
    Check(line.find_first_of("\r\n") == std::string::npos);
    kept += line.size();
  }
  if (onlyCrLf) Check(kept + 2 * ends == size);

  const std::string written = JoinConfigText(text);
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '\n') Check(i > 0 && written[i - 1] == '\r');
    if (written[i] == '\r') Check(i + 1 < written.size() && written[i + 1] == '\n');
  }
  const ConfigText again = SplitConfigText(written);
  Check(again.lines == text.lines && again.endsWithBreak == text.endsWithBreak);
  if (onlyCrLf) Check(written == bytes);
  return 0;
}
