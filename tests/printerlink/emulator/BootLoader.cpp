#include "BootLoader.h"

#include <algorithm>
#include <cstdio>

#include "platform/NumberText.h"

namespace printeremu {
namespace {

constexpr int kByteMs = 1000;  // the boot loader gives up on a command after a pause this long

constexpr std::uint8_t kCommands[] = {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44};

struct Sector {
  std::uint32_t offset;
  std::uint32_t size;
};
constexpr Sector kSectors[] = {
    {0x00000, 0x4000},  {0x04000, 0x4000},  {0x08000, 0x4000},  {0x0C000, 0x4000},
    {0x10000, 0x10000}, {0x20000, 0x20000}, {0x40000, 0x20000}, {0x60000, 0x20000},
    {0x80000, 0x20000}, {0xA0000, 0x20000}, {0xC0000, 0x20000}, {0xE0000, 0x20000},
};

}  // namespace

BootLoader::BootLoader(int eraseMs) : eraseMs_(eraseMs), flash_(kFlashSize, 0xFF) {}

std::vector<std::uint8_t> BootLoader::Flash() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return flash_;
}

void BootLoader::SetFlash(const std::vector<std::uint8_t>& image) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::fill(flash_.begin(), flash_.end(), 0xFF);
  std::copy_n(image.begin(), std::min<std::size_t>(image.size(), kFlashSize), flash_.begin());
}

bool BootLoader::InFlash(std::uint32_t address, std::uint32_t length) const {
  return address >= kFlashBase && length <= kFlashSize && address - kFlashBase <= kFlashSize - length;
}

bool BootLoader::Ack(Channel& line, const Hooks& hooks, std::uint8_t command, int ack,
                     std::optional<BootFaultKind>* altered) {
  auto fault = hooks.takeFault(command, ack);
  if (!fault) {
    line.Write(kAck);
    return true;
  }
  const char* name = "FAULT SILENCE";
  switch (*fault) {
    case BootFaultKind::Nack: name = "FAULT NACK"; break;
    case BootFaultKind::Silence: break;
    case BootFaultKind::HangUp: name = "FAULT HANG-UP"; break;
    case BootFaultKind::WrongId: name = "FAULT WRONG ID"; break;
    case BootFaultKind::Corrupt: name = "FAULT CORRUPT"; break;
  }
  char text[48];
  std::snprintf(text, sizeof text, "%s %02X/%d", name, command, ack);
  hooks.record(text);
  if (*fault == BootFaultKind::HangUp) throw LineDead{};
  if (*fault == BootFaultKind::WrongId || *fault == BootFaultKind::Corrupt) {
    if (altered) *altered = fault;
    line.Write(kAck);
    return true;
  }
  if (*fault == BootFaultKind::Nack) line.Write(kNack);
  return false;
}

std::optional<std::uint32_t> BootLoader::ReadAddress(Channel& line) {
  std::uint8_t b[5];
  for (auto& x : b) {
    auto r = line.Read(kByteMs);
    if (!r) return std::nullopt;
    x = *r;
  }
  if ((b[0] ^ b[1] ^ b[2] ^ b[3]) != b[4]) return std::nullopt;
  return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

void BootLoader::Run(Channel& line, const Hooks& hooks) {
  line.SetFlowControl(false);
  line.DiscardInput();
  hooks.record("BOOT LOADER");
  bool synced = false;
  for (;;) {
    auto b = line.Read(-1);
    if (!synced) {
      // Before synchronisation only 0x7F means anything.
      if (*b != 0x7F) continue;
      hooks.record("SYNC");
      synced = Ack(line, hooks, 0x7F, 0);
      continue;
    }
    auto complement = line.Read(kByteMs);
    if (!complement) continue;
    if (*complement != static_cast<std::uint8_t>(*b ^ 0xFF)) {
      line.Write(kNack);
      continue;
    }
    if (Serve(line, hooks, *b)) return;
  }
}

void BootLoader::ServeFixed(Channel& line, const Hooks& hooks, std::uint8_t command, const char* name,
                            const std::string& reply) {
  hooks.record(name);
  if (!Ack(line, hooks, command, 0)) return;
  line.Write(reply);
  Ack(line, hooks, command, 1);
}

bool BootLoader::Serve(Channel& line, const Hooks& hooks, std::uint8_t command) {
  auto nack = [&] { line.Write(kNack); };
  switch (command) {
    case 0x00: {  // Get: the protocol version and the commands served
      std::string reply;
      reply.push_back(static_cast<char>(sizeof kCommands));
      reply.push_back(0x31);
      for (auto c : kCommands) reply.push_back(static_cast<char>(c));
      ServeFixed(line, hooks, command, "GET", reply);
      return false;
    }
    case 0x01:  // Get Version and Read Protection Status
      ServeFixed(line, hooks, command, "GET VERSION", std::string("\x31\x00\x00", 3));
      return false;
    case 0x02: {  // Get ID: the STM32F40x (a wrong one: an STM32F42x)
      hooks.record("GET ID");
      std::optional<BootFaultKind> altered;
      if (!Ack(line, hooks, command, 0, &altered)) return false;
      line.Write(std::string(altered ? "\x01\x04\x19" : "\x01\x04\x13", 3));
      Ack(line, hooks, command, 1);
      return false;
    }
    case 0x11: {  // Read Memory
      if (!Ack(line, hooks, command, 0)) return false;
      auto address = ReadAddress(line);
      if (!address) return nack(), false;
      if (!Ack(line, hooks, command, 1)) return false;
      auto n = line.Read(kByteMs), check = line.Read(kByteMs);
      if (!n || !check || *check != static_cast<std::uint8_t>(*n ^ 0xFF) || !InFlash(*address, *n + 1u))
        return nack(), false;
      hooks.record("READ " + platform::Hex8(*address) + " " + std::to_string(*n + 1));
      std::optional<BootFaultKind> altered;
      if (!Ack(line, hooks, command, 2, &altered)) return false;
      std::string bytes;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        auto first = flash_.begin() + (*address - kFlashBase);
        bytes.assign(first, first + *n + 1);
      }
      if (altered) bytes[0] = static_cast<char>(bytes[0] ^ 0x01);
      line.Write(bytes);
      return false;
    }
    case 0x21: {  // Go
      if (!Ack(line, hooks, command, 0)) return false;
      auto address = ReadAddress(line);
      if (!address || !InFlash(*address, 4)) return nack(), false;
      if (!Ack(line, hooks, command, 1)) return false;
      hooks.record("GO " + platform::Hex8(*address));
      return true;
    }
    case 0x31: {  // Write Memory
      if (!Ack(line, hooks, command, 0)) return false;
      auto address = ReadAddress(line);
      if (!address || !InFlash(*address, 1)) return nack(), false;
      if (!Ack(line, hooks, command, 1)) return false;
      auto n = line.Read(kByteMs);
      if (!n) return false;
      std::string data;
      std::uint8_t sum = *n;
      for (unsigned i = 0; i <= *n; ++i) {
        auto b = line.Read(kByteMs);
        if (!b) return false;
        data.push_back(static_cast<char>(*b));
        sum ^= *b;
      }
      auto check = line.Read(kByteMs);
      if (!check || *check != sum || !InFlash(*address, *n + 1u)) return nack(), false;
      {
        // Flash programming only clears bits: a cell needs an erase first.
        std::lock_guard<std::mutex> lock(mutex_);
        for (std::size_t i = 0; i < data.size(); ++i)
          flash_[*address - kFlashBase + i] &= static_cast<std::uint8_t>(data[i]);
      }
      hooks.record("WRITE " + platform::Hex8(*address) + " " + std::to_string(data.size()));
      Ack(line, hooks, command, 2);
      return false;
    }
    case 0x44: {  // Extended Erase
      if (!Ack(line, hooks, command, 0)) return false;
      auto hi = line.Read(kByteMs), lo = line.Read(kByteMs);
      if (!hi || !lo) return false;
      unsigned count = static_cast<unsigned>(*hi) << 8 | *lo;
      if (count >= 0xFFF0) {
        auto check = line.Read(kByteMs);
        // Only the global mass erase: this controller has one bank.
        if (!check || *check != static_cast<std::uint8_t>(*hi ^ *lo) || count != 0xFFFF) return nack(), false;
        hooks.record("ERASE MASS");
        line.Sleep(eraseMs_);
        {
          std::lock_guard<std::mutex> lock(mutex_);
          std::fill(flash_.begin(), flash_.end(), 0xFF);
        }
        Ack(line, hooks, command, 1);
        return false;
      }
      std::uint8_t sum = *hi ^ *lo;
      std::vector<unsigned> pages;
      for (unsigned i = 0; i <= count; ++i) {
        auto p1 = line.Read(kByteMs), p0 = line.Read(kByteMs);
        if (!p1 || !p0) return false;
        sum ^= *p1 ^ *p0;
        pages.push_back(static_cast<unsigned>(*p1) << 8 | *p0);
      }
      auto check = line.Read(kByteMs);
      bool valid = check && *check == sum;
      for (unsigned p : pages) valid = valid && p < std::size(kSectors);
      if (!valid) return nack(), false;
      std::string text = "ERASE";
      {
        std::lock_guard<std::mutex> lock(mutex_);
        for (unsigned p : pages) {
          std::fill_n(flash_.begin() + kSectors[p].offset, kSectors[p].size, 0xFF);
          text += " " + std::to_string(p);
        }
      }
      hooks.record(text);
      line.Sleep(eraseMs_);
      Ack(line, hooks, command, 1);
      return false;
    }
    default:
      nack();
      return false;
  }
}

}  // namespace printeremu
