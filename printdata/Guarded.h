#pragma once
// The record operations never throw to their callers: a failure inside one
// (memory running out while texts are copied) sounds the error beep and
// leaves the record set as far as the operation got.
#include <utility>

#include "platform/Beep.h"

namespace printdata {

template <class Step>
void Guarded(Step&& step) noexcept {
  try {
    std::forward<Step>(step)();
  } catch (...) {
    platform::Beep(platform::BeepKind::Error);
  }
}

}  // namespace printdata
