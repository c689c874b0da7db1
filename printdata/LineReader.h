#pragma once
// Reads the lines of a print-data file strictly in sequence. A line that is
// missing or malformed throws LineReader::Failure naming the line; the
// file's reader turns it into its result at one place.
#include <cstdint>
#include <string>
#include <vector>

namespace printdata {

class LineReader {
 public:
  struct Failure {
    std::string message;
  };

  LineReader(const std::vector<std::string>& lines, std::size_t next) : lines_(lines), next_(next) {}

  const std::string& Text();
  std::int32_t Integer();
  // The line's first `count` characters; a shorter line fails.
  std::string Prefix(std::size_t count, const char* what);
  // The index of the next unread line.
  std::size_t Next() const { return next_; }

  // Fails naming the line read last.
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_;
};

}  // namespace printdata
