#pragma once
// CRC-16 with the reflected polynomial 0xA001, no final complement.
#include <cstddef>
#include <cstdint>

namespace zip {

std::uint16_t CRC16(std::uint16_t start, const void* data, std::size_t length);

}  // namespace zip
