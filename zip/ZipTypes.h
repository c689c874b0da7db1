#pragma once
// Basic types and enumerations of the archive library. The numeric values
// are the ones stored in component settings and passed to event handlers.
#include <cstdint>
#include <string>

namespace zip {

// Entry names, masks and other texts of the archive side are UTF-16; local
// paths are UTF-8 byte strings; passwords and comments are byte strings.
using WideString = std::u16string;
using ByteString = std::string;

enum TZipStorePathMode : std::uint8_t { spNoPath, spRelativePath, spFullPath, spFullPathWithDrive };
enum TZipFileShareMode : std::uint8_t {
  smShareCompat, smShareExclusive, smShareDenyWrite, smShareDenyRead, smShareDenyNone
};
enum TZipOverwriteMode : std::uint8_t { omPrompt, omAlways, omNever, omIfNewer, omIfOlder };
enum TZipCompressionLevel : std::uint8_t { clNone, clFastest, clNormal, clMax };
enum TZipSpanningMode : std::uint8_t { smNone, smSpanning, smSplitting };
enum TZipVolumeSize : std::uint8_t {
  vsAutoDetect, vsCustom, vs1_44MB, vs100MB, vs200MB, vs250MB, vs600MB, vs650MB, vs700MB, vs4700MB
};
enum TZip64Mode : std::uint8_t { zmDisabled, zmAuto, zmAlways };
enum TZipCryptoAlgorithm : std::uint8_t { caPkzipClassic, caAES_128, caAES_192, caAES_256 };
enum TZipProcessOperation : std::uint8_t {
  poAdd, poMove, poDelete, poUpdate, poExtract, poTest, poRename, poChangeAttr, poChangeComment,
  poMakeSFX, poMerge
};
enum TZipProgressPhase : std::uint8_t { ppStart, ppProcess, ppEnd };
enum TZipAction : std::uint8_t { fxaRetry, fxaIgnore, fxaAbort };

// Windows file attributes, as stored in the external attributes of an entry.
constexpr std::uint32_t faReadOnly = 0x01;
constexpr std::uint32_t faHidden = 0x02;
constexpr std::uint32_t faSysFile = 0x04;
constexpr std::uint32_t faVolumeID = 0x08;
constexpr std::uint32_t faDirectory = 0x10;
constexpr std::uint32_t faArchive = 0x20;
constexpr std::uint32_t faNormal = 0x80;
constexpr std::uint32_t faAnyFile = 0x3F;

// File modes of archives and streams: the low two bits select the access,
// bits 4 to 7 the sharing; 0xFFFF creates.
constexpr std::uint16_t fmCreate = 0xFFFF;
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

// The default attribute filter of searches (read-only, hidden, system,
// volume, folder, archive, normal, compressed, not content-indexed).
constexpr std::int32_t kDefaultSearchAttr = 10431;

}  // namespace zip
