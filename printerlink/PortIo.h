#pragma once
// Bytes, blocks and framed replies on the open port, each with a time limit
// t in milliseconds. The caller holds the port lock.
#include <cstddef>
#include <cstdint>
#include <string>

namespace printerlink {

// Reply buffers of the callers: the link, the transfers and the thread's
// queries use 10,000 bytes, the thread's command functions 100,000. A reply
// holds at most the buffer size minus one characters.
inline constexpr std::size_t kReplyBufferSize = 10000;
inline constexpr std::size_t kLargeReplyBufferSize = 100000;

// At most this many bytes are skipped while waiting for STX; a line that
// carries more noise than that has no reply worth waiting for.
inline constexpr std::size_t kMaxSkippedBeforeStx = 4096;

// Drops every byte not yet sent and every byte received but not yet read.
// False for a handle that names no port.
bool ComPurge(int handle);

// 1 byte read; -1 line errors cannot be cleared (or no such port), -3 the
// read failed, -4 no byte within t ms.
int ComReadByte(int handle, std::uint8_t* byte, std::uint32_t t);

// The text up to ETX (not stored), each byte waiting at most t ms. 0 read;
// -1 a read failed; -2 more than capacity - 1 characters came before ETX
// (what came stays in `text`).
int ComReadUntilEtx(int handle, std::string& text, std::uint32_t t, std::size_t capacity);

// Skips bytes until STX, then reads the reply up to ETX. 0 reply read
// (possibly empty); -1 no STX (a failed read, or more than
// kMaxSkippedBeforeStx bytes of noise); -2 a failed read inside the reply
// (what was stored stays); -3 the reply is longer than the buffer.
int ComReadReply(int handle, std::string& reply, std::uint32_t t, std::size_t capacity = kReplyBufferSize);

// 1 written; -1 line errors cannot be cleared, -3 the write failed, -4
// nothing written within t ms. The port is flushed after a success.
int ComWriteByte(int handle, std::uint8_t byte, std::uint32_t t);

// `count` when all bytes were written (0 for count 0, the port untouched);
// -1 line errors cannot be cleared, -3 a write failed, -4 nothing more was
// written and more than t ms have passed since the start.
int ComWriteBlock(int handle, const void* bytes, std::size_t count, std::uint32_t t);

// Whether a result of ComReadByte, ComWriteByte or ComWriteBlock is the
// port's own failure (-1, -3) rather than a time-out: a line that is gone
// (hung up, the USB adapter pulled out) fails this way at once.
inline bool ComPortFailed(int ioResult) { return ioResult == -1 || ioResult == -3; }

}  // namespace printerlink
