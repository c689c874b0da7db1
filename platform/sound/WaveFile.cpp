#include "platform/sound/WaveFile.h"

#include <algorithm>
#include <optional>

#include "platform/ByteOrder.h"

namespace platform {
namespace {

std::uint32_t Le32(std::string_view b, std::size_t at) {
  return LoadLE32(reinterpret_cast<const std::uint8_t*>(b.data() + at));
}

std::uint16_t Le16(std::string_view b, std::size_t at) {
  return LoadLE16(reinterpret_cast<const std::uint8_t*>(b.data() + at));
}

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

Result<WaveSound> ParseWave(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE")
    return Status::Fail("not a RIFF wave file");
  WaveSound sound;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string_view id = b.substr(at, 4);
    const std::uint32_t size = Le32(b, at + 4);
    const std::size_t body = at + 8;
    if (id == "fmt ") {
      if (size < 16 || body + 16 > b.size()) return Status::Fail("short format chunk");
      std::uint16_t format = Le16(b, body);
      if (format == kFormatExtensible) {
        if (size < 40 || body + 40 > b.size()) return Status::Fail("short extensible format chunk");
        format = Le16(b, body + 24);  // first two bytes of the sub-format GUID
      }
      if (format != kFormatPcm) return Status::Fail("wave encoding is not PCM");
      sound.channels = Le16(b, body + 2);
      sound.sampleRate = Le32(b, body + 4);
      sound.bitsPerSample = Le16(b, body + 14);
      const auto bits = sound.bitsPerSample;
      if (sound.channels == 0 || sound.sampleRate == 0 ||
          (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return Status::Fail("unsupported wave layout");
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return Status::Fail("wave data before its format");
      const std::size_t frame = static_cast<std::size_t>(sound.channels) * (sound.bitsPerSample / 8);
      std::size_t n = std::min<std::size_t>(size, b.size() - body);
      n -= n % frame;
      sound.samples.assign(b.substr(body, n));
      return sound;
    }
    // Chunks are padded to even sizes.
    at = body + size + (size & 1);
  }
  return Status::Fail(haveFormat ? "wave file has no data" : "wave file has no format");
}

}  // namespace platform
