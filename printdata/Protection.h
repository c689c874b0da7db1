#pragma once
// ProtectionFlags, held in PrintGroup::Protection as decimal text. Binding
// only in the user operating mode; the callers decide when it applies.
#include <cstdint>
#include <string_view>

namespace printdata {

inline constexpr std::int32_t kProtectLayers = 1;
inline constexpr std::int32_t kProtectParameters = 2;
inline constexpr std::int32_t kProtectNotes = 4;

// The value of a protection text: a decimal integer, else 0 ("" included).
std::int32_t ProtectionValue(std::string_view text);

}  // namespace printdata
