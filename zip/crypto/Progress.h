#pragma once
// The cipher library's progress hook: stream and file work report
// (current, maximum) to one installed callback.
#include <cstdint>

namespace zip {

using TProgressCallback = void (*)(void* user, const void* sender, std::int64_t current, std::int64_t maximum);

// nullptr removes the callback.
void SetProgressCallback(TProgressCallback callback, void* user);
void DoProgress(const void* sender, std::int64_t current, std::int64_t maximum);

}  // namespace zip
