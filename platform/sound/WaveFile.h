#pragma once
// Reading RIFF wave files (integer PCM) for the program's sounds.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace platform {

struct WaveSound {
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t bitsPerSample = 0;  // 8, 16, 24 or 32
  std::string samples;              // interleaved frames, as stored
};

// Accepts plain PCM and the extensible format with a PCM sub-format; other
// encodings, truncated headers and missing chunks are refused. A data chunk
// that runs past the end of the file is cut to whole frames.
Result<WaveSound> ParseWave(std::string_view bytes);

}  // namespace platform
