#pragma once
// The frames of the controller's STM32 system boot loader (ST's USART
// protocol, application note AN3155) on the open port. The port runs with
// the boot loader's framing (ComPortSetup with even parity); the caller
// holds the port lock.
//
// Every frame purges the port first and again after a failure. Each byte
// sent or awaited has the time limit t in ms. A frame returns 0 or a
// negative code: the k-th exchange of a frame (k = 0 for the command bytes)
// fails with -(4k + 1) when its bytes were not written within t, -(4k + 2)
// when no acknowledgement came, -(4k + 3) on NACK and -(4k + 4) on any other
// byte. A port that has gone (the line hung up, the USB adapter pulled out)
// fails every frame at once with kBootLineLost, never after a time-out.
#include <cstdint>
#include <vector>

namespace printerlink {

inline constexpr std::uint8_t kBootSyncByte = 0x7F;
inline constexpr std::uint8_t kBootAck = 0x79;
inline constexpr std::uint8_t kBootNack = 0x1F;
inline constexpr std::uint32_t kBootFlashBase = 0x08000000;
// Write Memory and Read Memory move at most this many bytes per frame.
inline constexpr std::size_t kBootBlockSize = 256;
inline constexpr int kBootLineLost = -99;

// Sends 0x7F: 0 ACK; -1 not written, -2 no answer, -3 any other answer.
int BootSync(int handle, std::uint32_t t);
// Get (0x00): the protocol version and the command codes the boot loader
// serves. -1..-4 the command; -5 the reply is incomplete; -6..-8 the final
// acknowledgement missing, NACK, another byte.
int BootGetCommands(int handle, std::uint8_t* version, std::vector<std::uint8_t>& commands, std::uint32_t t);
// Get ID (0x02): the product ID. Codes as BootGetCommands.
int BootGetId(int handle, std::uint16_t* productId, std::uint32_t t);
// Extended Erase (0x44) with the global mass erase 0xFFFF. -1..-4 the
// command, -5..-8 the parameter.
int BootEraseAll(int handle, std::uint32_t t);
// Write Memory (0x31) of one 256-byte block at `address`. -1..-4 the
// command, -5..-8 the address, -9..-12 the data.
int BootWriteBlock(int handle, std::uint32_t address, const std::uint8_t* block, std::uint32_t t);
// Read Memory (0x11) of one 256-byte block at `address` into `block`.
// -1..-4 the command, -5..-8 the address, -9..-12 the length; -13 fewer than
// 256 bytes came.
int BootReadBlock(int handle, std::uint32_t address, std::uint8_t* block, std::uint32_t t);
// Go (0x21) to 0x08000000. -1..-4 the command, -5..-8 the address.
int BootGo(int handle, std::uint32_t t);

}  // namespace printerlink
