#include "printdata/Protection.h"

#include "printdata/NumberText.h"

namespace printdata {

std::int32_t ProtectionValue(std::string_view text) { return ParseDecimal(text).value_or(0); }

}  // namespace printdata
