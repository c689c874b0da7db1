#include "Channel.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace printeremu {
namespace {

constexpr std::uint8_t kXon = 0x11;
constexpr std::uint8_t kXoff = 0x13;
constexpr std::size_t kChunk = 64;

}  // namespace

Channel::Channel(int masterFd, int wakeFd, unsigned pacedBaud)
    : master_(masterFd), wake_(wakeFd), pacedBaud_(pacedBaud) {
  SetCharacterBits(10);
}

void Channel::SetCharacterBits(int bits) {
  if (pacedBaud_ > 0) charTime_ = std::chrono::nanoseconds(bits * 1'000'000'000LL / pacedBaud_);
}

void Channel::Pump(int timeoutMs) {
  pollfd p[2] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}};
  int r = ::poll(p, 2, timeoutMs);
  if (r < 0 && errno != EINTR) throw StopRequested{};
  if (p[1].revents) throw StopRequested{};
  if (r <= 0 || !(p[0].revents & POLLIN)) {
    // No slave user yet (or a hang-up): nothing to read, but no busy loop.
    if (r > 0 && (p[0].revents & (POLLHUP | POLLERR))) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return;
  }
  std::uint8_t buffer[4096];
  ssize_t n = ::read(master_, buffer, sizeof buffer);
  if (n <= 0) return;
  auto now = Clock::now();
  inFree_ = std::max(inFree_, now) + charTime_ * n;
  if (inputCheck_ && !inputCheck_(static_cast<std::size_t>(n))) return;
  for (ssize_t i = 0; i < n; ++i) {
    std::uint8_t b = buffer[i];
    if (flowControl_ && (b == kXon || b == kXoff)) {
      heldByPc_ = b == kXoff;
      continue;
    }
    input_.push_back(b);
  }
}

std::optional<std::uint8_t> Channel::Read(int timeoutMs) {
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  while (input_.empty()) {
    int wait = -1;
    if (timeoutMs >= 0) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) {
        Pump(0);
        if (input_.empty()) return std::nullopt;
        break;
      }
      wait = static_cast<int>(left);
    }
    Pump(wait);
  }
  std::uint8_t b = input_.front();
  input_.pop_front();
  return b;
}

void Channel::SleepUntil(Clock::time_point when) {
  // A sleep wakes some tens of microseconds late on a busy machine, which a
  // paced line of short exchanges would show as pauses a real line does not
  // have: the last stretch is waited out awake.
  constexpr auto kAwake = std::chrono::microseconds(100);
  for (;;) {
    auto left = when - Clock::now();
    if (left <= Clock::duration::zero()) return;
    if (left <= kAwake) {
      while (Clock::now() < when) std::this_thread::yield();
      return;
    }
    if (left < std::chrono::milliseconds(1)) {
      std::this_thread::sleep_for(left - kAwake);
      continue;
    }
    Pump(static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count()));
  }
}

void Channel::Sleep(int ms) { SleepUntil(Clock::now() + std::chrono::milliseconds(ms)); }

void Channel::Write(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    Pump(0);
    while (flowControl_ && heldByPc_) Pump(50);
    std::size_t chunk = std::min(kChunk, bytes.size() - done);
    if (charTime_ != Clock::duration::zero()) {
      // The line carries one character after the other: an answer starts
      // once its question has fully arrived and the line is free, and its
      // last character arrives a character time per character later. One
      // wait covers both, so the emulator adds no pause of its own.
      outFree_ = std::max({outFree_, inFree_, Clock::now()}) + charTime_ * static_cast<long>(chunk);
      SleepUntil(outFree_);
    }
    std::size_t sent = 0;
    while (sent < chunk) {
      ssize_t n = ::write(master_, bytes.data() + done + sent, chunk - sent);
      if (n > 0) {
        sent += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && errno != EAGAIN && errno != EINTR) throw StopRequested{};
      pollfd p[2] = {{master_, POLLOUT, 0}, {wake_, POLLIN, 0}};
      ::poll(p, 2, 50);
      if (p[1].revents) throw StopRequested{};
    }
    done += chunk;
  }
}

}  // namespace printeremu
