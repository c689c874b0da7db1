#pragma once
// Tests that a piece of work stays within a memory budget: the process's
// address space is capped a little above what it uses now, so that an
// allocation beyond the budget fails (std::bad_alloc) instead of passing
// unseen. Meant for a death test's child, which the cap does not outlive.
#include <cstddef>

namespace testsupport {

// The sanitizers reserve address space far beyond any cap: such a build
// skips the tests that need one.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool kAddressSpaceCapWorks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
inline constexpr bool kAddressSpaceCapWorks = false;
#else
inline constexpr bool kAddressSpaceCapWorks = true;
#endif
#else
inline constexpr bool kAddressSpaceCapWorks = true;
#endif

// Lets the address space grow by `bytes` at most from here on.
void CapAddressSpaceGrowth(std::size_t bytes);

}  // namespace testsupport
