#pragma once
// The open print data: up to 99 print texts. How many are in use is kept
// beside the group (the data view's count), not in it; entries from the count
// on hold whatever the last reset or load left there.
//
// A group is about half a megabyte: keep it on the heap or in a long-lived
// object, not on a thread's stack.
#include <array>
#include <cstdint>
#include <string>

#include "printdata/PrintText.h"

namespace printdata {

inline constexpr int kMaxPrintTexts = 99;

struct PrintGroup {
  std::uint32_t Version = kRecordVersion;
  // ProtectionFlags as decimal text; "" and anything that is not a number
  // mean 0 (see Protection.h).
  std::string Protection;
  std::string Note;
  std::array<PrintText, kMaxPrintTexts> Texts;

  friend bool operator==(const PrintGroup&, const PrintGroup&) = default;
};

}  // namespace printdata
