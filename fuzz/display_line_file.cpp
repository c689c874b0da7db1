// Libraries: printersettings
// The display unit's line files, built from whatever content, behaviour and
// pause codes the printer reported (four 32-bit little-endian numbers: line
// 1's content, line 2's content, the behaviour, the pause; missing bytes are
// zero). Every file has its fixed head, a template that ends with a zero
// byte inside its 320 bytes and zeros after it, and an empty template for a
// code the display does not know. (Writing the files is left out: each is
// flushed to disk, which would slow every input down a hundredfold.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "printersettings/DisplayLineFile.h"

namespace {

using namespace printersettings;

void Check(bool condition) {
  if (!condition) std::abort();
}

int Number(const std::uint8_t* data, std::size_t size, std::size_t index) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t at = index * 4 + i;
    if (at < size) value |= static_cast<std::uint32_t>(data[at]) << (8 * i);
  }
  return static_cast<int>(value);
}

bool Known(int content, int behaviour) {
  const bool scrolling = (behaviour >= 1 && behaviour <= 4) || (behaviour >= 11 && behaviour <= 14);
  const bool standing = (behaviour >= 21 && behaviour <= 24) || behaviour == 31;
  return (scrolling || standing) && content >= 0 && content <= 14;
}

std::string_view Bytes(const DisplayLineFile& file) {
  return {reinterpret_cast<const char*>(file.data()), file.size()};
}

void CheckFile(const DisplayLineFile& file, int content, int behaviour, int pause) {
  Check(file[0] == (static_cast<unsigned>(content) & 0xFF) && file[1] == ((static_cast<unsigned>(content) >> 8) & 0xFF));
  Check(file[2] == 1);
  Check(file[3] == (static_cast<unsigned>(behaviour) & 0xFF) && file[4] == (static_cast<unsigned>(pause) & 0xFF));
  Check(Bytes(file).substr(5, 26) == std::string_view("AM\0\0\0\0\0\0\0\0PM\0\0\0\0\0\0\0\0: : : ", 26));
  const std::string_view rest = Bytes(file).substr(kDisplayLineTemplateOffset);
  const std::size_t length = rest.find('\0');
  Check(length != std::string_view::npos && length < rest.size() - 1);
  Check(rest.find_first_not_of('\0', length) == std::string_view::npos);
  if (!Known(content, behaviour)) Check(length == 0);
  else Check(length > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int line1 = Number(data, size, 0), line2 = Number(data, size, 1);
  const int behaviour = Number(data, size, 2), pause = Number(data, size, 3);
  const DisplayLineFile file1 = BuildDisplayLineFile(line1, behaviour, pause);
  const DisplayLineFile file2 = BuildDisplayLineFile(line2, behaviour, pause);
  CheckFile(file1, line1, behaviour, pause);
  CheckFile(file2, line2, behaviour, pause);
  return 0;
}
