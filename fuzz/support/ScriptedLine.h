#pragma once
// A serial line for the targets that read what a device sends: it takes
// every write and answers with the input, byte by byte. Purging drops
// nothing, so the input is what comes after each purge. Once the input is
// used up the line either stays silent (every read times out) or has gone,
// as a pulled USB adapter does (every read and write fails).
#include <cstddef>
#include <cstdint>

#include "platform/SerialTransport.h"

namespace fuzzsupport {

class ScriptedLine : public platform::SerialTransport {
 public:
  enum class AtEnd { Silent, Lost };
  ScriptedLine(const std::uint8_t* data, std::size_t size, AtEnd atEnd = AtEnd::Silent)
      : data_(data), size_(size), atEnd_(atEnd) {}
  platform::ConfigureOutcome Configure(const platform::LineFraming&) override {
    return platform::ConfigureOutcome::Done;
  }
  bool Purge() override { return !Lost(); }
  bool ClearErrors() override { return !Lost(); }
  platform::ReadOutcome ReadByte(std::uint8_t& byte, std::uint32_t) override {
    if (at_ >= size_) return atEnd_ == AtEnd::Lost ? platform::ReadOutcome::Failed : platform::ReadOutcome::TimedOut;
    byte = data_[at_++];
    return platform::ReadOutcome::Byte;
  }
  long Write(const std::uint8_t*, std::size_t count, std::uint32_t) override {
    return Lost() ? -1 : static_cast<long>(count);
  }
  bool Flush(std::uint32_t) override { return !Lost(); }
  bool Close() override { return true; }

 private:
  bool Lost() const { return atEnd_ == AtEnd::Lost && at_ >= size_; }

  const std::uint8_t* data_;
  std::size_t size_;
  AtEnd atEnd_;
  std::size_t at_ = 0;
};

}  // namespace fuzzsupport
