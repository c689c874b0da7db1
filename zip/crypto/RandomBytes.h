#pragma once
// Unpredictable bytes from the operating system for salts and encryption
// headers. Never derived from the clock: two entries written in the same
// millisecond must not share a key stream.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zip {

// Fills the buffer; every byte value 0..255 can occur. Throws
// std::system_error when the system has no random source to give.
void FillRandom(void* buffer, std::size_t length);
std::vector<std::uint8_t> RandomBytes(std::size_t length);

}  // namespace zip
