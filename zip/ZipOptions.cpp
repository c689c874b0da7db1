#include "zip/ZipOptions.h"

namespace zip {

bool ReplacesByMode(TZipOverwriteMode mode, std::uint32_t incoming, std::uint32_t existing,
                    const std::function<void(bool&)>& prompt) {
  bool replace = false;
  switch (mode) {
    case omPrompt: prompt(replace); break;
    case omAlways: replace = true; break;
    case omNever: break;
    case omIfNewer: replace = incoming > existing; break;
    case omIfOlder: replace = incoming < existing; break;
  }
  return replace;
}

std::int64_t TZipSpanningOptions::GetVolumeSize(const TZipVolumeNumberInfo& volume) const {
  if (volume.GetFirstVolume() && FirstVolumeSize > 0) return FirstVolumeSize;
  switch (VolumeSize) {
    case vsCustom: return CustomVolumeSize;
    case vs1_44MB: return 1457664;
    case vs100MB: return 104857600;
    case vs200MB: return 209715200;
    case vs250MB: return 262144000;
    case vs600MB: return 629145600;
    case vs650MB: return 681574400;
    case vs700MB: return 734003200;
    case vs4700MB: return 4928307200LL;
    case vsAutoDetect: break;
  }
  return -1;
}

std::uint8_t ModeOfLevel(TZipCompressionLevel level) {
  switch (level) {
    case clNone: return 0;
    case clFastest: return 1;
    case clNormal: return 6;
    case clMax: return 9;
  }
  return 1;
}

TZipCompressionLevel LevelOfMode(std::uint8_t mode) {
  if (mode == 0) return clNone;
  if (mode <= 3) return clFastest;
  if (mode <= 6) return clNormal;
  return clMax;
}

std::uint32_t BlockSizeOfMode(std::uint8_t mode) {
  if (mode >= 1 && mode <= 3) return 0x80000;
  if (mode >= 7 && mode <= 9) return 0x180000;
  return 0x100000;
}

}  // namespace zip
