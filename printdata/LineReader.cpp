#include "printdata/LineReader.h"

#include "platform/NumberText.h"

namespace printdata {

const std::string& LineReader::Text() {
  if (next_ >= lines_.size()) throw Failure{"the file ends early at line " + std::to_string(next_ + 1)};
  return lines_[next_++];
}

std::int32_t LineReader::Integer() {
  const std::string& line = Text();
  if (auto value = platform::ParseDecimal(line)) return *value;
  Fail("\"" + line.substr(0, 40) + (line.size() > 40 ? "...\"" : "\"") + " is not a number");
}

std::string LineReader::Prefix(std::size_t count, const char* what) {
  const std::string& line = Text();
  if (line.size() >= count) return line.substr(0, count);
  Fail(std::string(what) + " is shorter than " + std::to_string(count) + " characters");
}

void LineReader::Fail(const std::string& what) const {
  throw Failure{"line " + std::to_string(next_) + ": " + what};
}

}  // namespace printdata
