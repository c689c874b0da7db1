#include "printdata/Protection.h"

#include "platform/NumberText.h"

namespace printdata {

std::int32_t ProtectionValue(std::string_view text) { return platform::ParseDecimal(text).value_or(0); }

}  // namespace printdata
