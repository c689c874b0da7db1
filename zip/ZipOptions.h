#pragma once
// The archiver's option objects and the tables that tie the compression
// level to the deflate level and to the work block size.
#include <cstdint>
#include <functional>

#include "zip/ZipTypes.h"

namespace zip {

struct TZipOptions {
  TZipStorePathMode StorePath = spRelativePath;
  bool Recurse = true;
  TZipFileShareMode ShareMode = smShareDenyNone;
  TZipOverwriteMode OverwriteMode = omAlways;
  bool CreateDirs = true;
  bool ReplaceReadOnly = true;
  bool SetAttributes = true;
  std::int32_t SearchAttr = kDefaultSearchAttr;
  bool FlushBuffers = true;
  bool OEMFileNames = true;

  void Assign(const TZipOptions& other) { *this = other; }
};

// Whether an item of DOS date-time `incoming` takes the place of one of
// `existing` by `mode`; omPrompt asks `prompt`, whose answer starts false.
bool ReplacesByMode(TZipOverwriteMode mode, std::uint32_t incoming, std::uint32_t existing,
                    const std::function<void(bool& replace)>& prompt);

class TZipVolumeNumberInfo {
 public:
  enum Kind : std::uint8_t { First = 0, Last = 1, Numbered = 2, Unknown = 3 };
  TZipVolumeNumberInfo() { Init(); }
  void Init() {
    NumberKind = Unknown;
    Number = -1;
    LastNumber = -1;
  }
  bool GetFirstVolume() const { return Number == 0; }
  void SetFirstVolume(bool value) {
    if (!value) return;
    Number = 0;
    NumberKind = First;
  }
  bool GetLastVolume() const { return LastNumber == -1 ? NumberKind == Last : Number == LastNumber; }
  void SetLastVolume(bool value) {
    if (!value) return;
    Number = LastNumber;
    NumberKind = Last;
  }
  void SetVolumeNumber(std::int32_t n) {
    NumberKind = Numbered;
    Number = n;
  }
  bool IsEqualTo(const TZipVolumeNumberInfo& other) const {
    if (GetLastVolume()) return other.GetLastVolume();
    if (GetFirstVolume()) return other.GetFirstVolume();
    if (Number < 0) return NumberKind == other.NumberKind;
    return Number == other.Number;
  }

  std::uint8_t NumberKind = Unknown;
  std::int32_t Number = -1;
  std::int32_t LastNumber = -1;
};

class TZipSpanningOptions {
 public:
  bool AdvancedNaming = false;
  std::int64_t FirstVolumeSize = 0;
  TZipVolumeSize VolumeSize = vsAutoDetect;

  void Assign(const TZipSpanningOptions& other) { *this = other; }
  std::int64_t GetCustomVolumeSize() const { return CustomVolumeSize; }
  void SetCustomVolumeSize(std::int64_t value) { CustomVolumeSize = value < 65536 ? 65536 : value; }
  // The size limit of a volume in bytes; -1 when the medium decides.
  std::int64_t GetVolumeSize(const TZipVolumeNumberInfo& volume) const;

 private:
  std::int64_t CustomVolumeSize = 0;
};

// Deflate level that a compression level stands for, and back.
std::uint8_t ModeOfLevel(TZipCompressionLevel level);
TZipCompressionLevel LevelOfMode(std::uint8_t mode);
// Source bytes deflated per call for a deflate level.
std::uint32_t BlockSizeOfMode(std::uint8_t mode);

}  // namespace zip
