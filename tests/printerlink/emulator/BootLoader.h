#pragma once
// The printer controller's STM32 system boot loader (USART protocol of ST's
// application note AN3155) with a 1 MiB flash at 0x08000000, laid out in
// the sectors of an STM32F40x (product ID 0x413): 4 x 16 KiB, 64 KiB,
// 7 x 128 KiB. Commands: Get, Get Version, Get ID, Read Memory, Go, Write
// Memory, Extended Erase (sector list or global mass erase).
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "Channel.h"
#include "Faults.h"

namespace printeremu {

class BootLoader {
 public:
  static constexpr std::uint32_t kFlashBase = 0x08000000;
  static constexpr std::uint32_t kFlashSize = 0x100000;
  static constexpr std::uint8_t kAck = 0x79;
  static constexpr std::uint8_t kNack = 0x1F;

  struct Hooks {
    // The fault for acknowledgement `ack` of `command`, if one is due.
    std::function<std::optional<BootFaultKind>(std::uint8_t command, int ack)> takeFault;
    std::function<void(const std::string&)> record;
  };

  explicit BootLoader(int eraseMs = 0);

  // Serves the host from its synchronisation byte until it starts the
  // firmware with Go; returns then.
  void Run(Channel& line, const Hooks& hooks);

  std::vector<std::uint8_t> Flash() const;
  void SetFlash(const std::vector<std::uint8_t>& image);

 private:
  // The acknowledgement, or the fault due there. A fault that alters what
  // follows (WrongId, Corrupt) is handed to `altered` with the ACK sent;
  // where nothing follows it is ignored.
  bool Ack(Channel& line, const Hooks& hooks, std::uint8_t command, int ack,
           std::optional<BootFaultKind>* altered = nullptr);
  // A command answered with fixed bytes between its two acknowledgements.
  void ServeFixed(Channel& line, const Hooks& hooks, std::uint8_t command, const char* name, const std::string& reply);
  // A whole command after its two command bytes; true when it was Go.
  bool Serve(Channel& line, const Hooks& hooks, std::uint8_t command);
  std::optional<std::uint32_t> ReadAddress(Channel& line);
  bool InFlash(std::uint32_t address, std::uint32_t length) const;

  int eraseMs_;
  mutable std::mutex mutex_;
  std::vector<std::uint8_t> flash_;
};

}  // namespace printeremu
