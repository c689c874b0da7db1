#include "printerlink/thread/SearchStrip.h"

namespace printerthread {

std::optional<std::string> SearchStrip::Move(std::uint32_t now, std::uint32_t interval) {
  if (moved_ && now - last_ < interval) return std::nullopt;
  moved_ = true;
  last_ = now;
  std::string strip(16, ' ');
  strip[static_cast<std::size_t>(position_)] = '.';
  if (right_) {
    if (position_ < 15) {
      ++position_;
    } else {
      --position_;
      right_ = false;
    }
  } else {
    if (position_ > 0) {
      --position_;
    } else {
      ++position_;
      right_ = true;
    }
  }
  return strip;
}

}  // namespace printerthread
