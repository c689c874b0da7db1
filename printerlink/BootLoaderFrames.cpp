#include "printerlink/BootLoaderFrames.h"

#include <array>

#include "printerlink/PortIo.h"

namespace printerlink {
namespace {

// Writes `bytes` as exchange k of a frame: 0 written, else its code.
int Send(int handle, const std::uint8_t* bytes, std::size_t count, std::uint32_t t, int k) {
  const int written = ComWriteBlock(handle, bytes, count, t);
  if (written == static_cast<int>(count)) return 0;
  return ComPortFailed(written) ? kBootLineLost : -(4 * k + 1);
}

// One byte within t: 0 read, kBootLineLost, or `timeoutCode`.
int ReadOne(int handle, std::uint8_t* byte, std::uint32_t t, int timeoutCode) {
  const int r = ComReadByte(handle, byte, t);
  if (r == 1) return 0;
  return ComPortFailed(r) ? kBootLineLost : timeoutCode;
}

// The acknowledgement of exchange k.
int ReadAck(int handle, std::uint32_t t, int k) {
  std::uint8_t b = 0;
  if (int r = ReadOne(handle, &b, t, -(4 * k + 2)); r != 0) return r;
  if (b == kBootAck) return 0;
  return b == kBootNack ? -(4 * k + 3) : -(4 * k + 4);
}

// Exchange k: the bytes, then their acknowledgement.
int Step(int handle, const std::uint8_t* bytes, std::size_t count, std::uint32_t t, int k) {
  if (int r = Send(handle, bytes, count, t, k); r != 0) return r;
  return ReadAck(handle, t, k);
}

int Command(int handle, std::uint8_t code, std::uint32_t t) {
  const std::uint8_t bytes[2] = {code, static_cast<std::uint8_t>(code ^ 0xFF)};
  return Step(handle, bytes, 2, t, 0);
}

std::array<std::uint8_t, 5> AddressBytes(std::uint32_t address) {
  std::array<std::uint8_t, 5> a = {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
                                   static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 0};
  a[4] = a[0] ^ a[1] ^ a[2] ^ a[3];
  return a;
}

// Every frame: purge first; purge again when it failed, so that a late
// answer does not pass for the next frame's.
template <class Exchange>
int Frame(int handle, Exchange exchange) {
  ComPurge(handle);
  const int r = exchange();
  if (r != 0) ComPurge(handle);
  return r;
}

// The bytes of a Get-style reply: a count byte n, then n + 1 bytes, then the
// final acknowledgement (codes -5 and -6..-8).
int ReadCounted(int handle, std::vector<std::uint8_t>& bytes, std::uint32_t t) {
  std::uint8_t n = 0;
  if (int r = ReadOne(handle, &n, t, -5); r != 0) return r;
  bytes.resize(static_cast<std::size_t>(n) + 1);
  for (auto& b : bytes)
    if (int r = ReadOne(handle, &b, t, -5); r != 0) return r;
  return ReadAck(handle, t, 1);
}

}  // namespace

int BootSync(int handle, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Send(handle, &kBootSyncByte, 1, t, 0); r != 0) return r;
    std::uint8_t b = 0;
    if (int r = ReadOne(handle, &b, t, -2); r != 0) return r;
    return b == kBootAck ? 0 : -3;
  });
}

int BootGetCommands(int handle, std::uint8_t* version, std::vector<std::uint8_t>& commands, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Command(handle, 0x00, t); r != 0) return r;
    std::vector<std::uint8_t> bytes;
    if (int r = ReadCounted(handle, bytes, t); r != 0) return r;
    *version = bytes[0];
    commands.assign(bytes.begin() + 1, bytes.end());
    return 0;
  });
}

int BootGetId(int handle, std::uint16_t* productId, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Command(handle, 0x02, t); r != 0) return r;
    std::vector<std::uint8_t> bytes;
    if (int r = ReadCounted(handle, bytes, t); r != 0) return r;
    if (bytes.size() != 2) return -5;
    *productId = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    return 0;
  });
}

int BootEraseAll(int handle, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Command(handle, 0x44, t); r != 0) return r;
    const std::uint8_t massErase[3] = {0xFF, 0xFF, 0x00};
    return Step(handle, massErase, 3, t, 1);
  });
}

int BootWriteBlock(int handle, std::uint32_t address, const std::uint8_t* block, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Command(handle, 0x31, t); r != 0) return r;
    const auto a = AddressBytes(address);
    if (int r = Step(handle, a.data(), a.size(), t, 1); r != 0) return r;
    // One write: the count byte (length minus one), the data, the XOR of both.
    std::array<std::uint8_t, kBootBlockSize + 2> data;
    data[0] = static_cast<std::uint8_t>(kBootBlockSize - 1);
    std::uint8_t sum = data[0];
    for (std::size_t i = 0; i < kBootBlockSize; ++i) {
      data[i + 1] = block[i];
      sum ^= block[i];
    }
    data.back() = sum;
    return Step(handle, data.data(), data.size(), t, 2);
  });
}

int BootReadBlock(int handle, std::uint32_t address, std::uint8_t* block, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Command(handle, 0x11, t); r != 0) return r;
    const auto a = AddressBytes(address);
    if (int r = Step(handle, a.data(), a.size(), t, 1); r != 0) return r;
    const std::uint8_t length[2] = {static_cast<std::uint8_t>(kBootBlockSize - 1),
                                    static_cast<std::uint8_t>((kBootBlockSize - 1) ^ 0xFF)};
    if (int r = Step(handle, length, 2, t, 2); r != 0) return r;
    for (std::size_t i = 0; i < kBootBlockSize; ++i)
      if (int r = ReadOne(handle, &block[i], t, -13); r != 0) return r;
    return 0;
  });
}

int BootGo(int handle, std::uint32_t t) {
  return Frame(handle, [&] {
    if (int r = Command(handle, 0x21, t); r != 0) return r;
    const auto a = AddressBytes(kBootFlashBase);
    return Step(handle, a.data(), a.size(), t, 1);
  });
}

}  // namespace printerlink
