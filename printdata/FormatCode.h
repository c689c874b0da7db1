#pragma once
// The part of a date or time code that counts: at most its first 20 bytes,
// and a byte 0 ends it. The printer reads codes the same way, so the PC's
// expansion and the character sets it sends use this one rule.
#include <cstddef>
#include <string_view>

namespace printdata {

inline constexpr std::size_t kFormatCodeLimit = 20;

inline std::string_view EffectiveFormatCode(std::string_view code) {
  code = code.substr(0, kFormatCodeLimit);
  return code.substr(0, code.find('\0'));
}

}  // namespace printdata
