#pragma once
// The moving dot under the printer button while no printer answers: 16
// characters, one of them a dot, sweeping from the ninth character to the
// ends and back.
#include <cstdint>
#include <optional>
#include <string>

namespace printerthread {

class SearchStrip {
 public:
  // The strip to show when at least `interval` ms have passed since the
  // last move (the first call always moves); nothing otherwise.
  std::optional<std::string> Move(std::uint32_t now, std::uint32_t interval);

 private:
  int position_ = 8;
  bool right_ = true;
  bool moved_ = false;
  std::uint32_t last_ = 0;
};

}  // namespace printerthread
