#include "printing/BmpStream.h"

#include <cstdint>
#include <cstdlib>

#include "platform/ByteOrder.h"
#include "printing/DibHeader.h"

namespace printing {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::int64_t kSmallestImage = 32;

platform::Status Refused(const char* why) { return platform::Status::Fail(std::string("bitmap refused: ") + why); }

}  // namespace

platform::Result<Dib> LoadDibFromBmpStream(std::span<const std::uint8_t> stream) {
  Dib dib;
  if (platform::Status s = LoadDibFromBmpStream(stream, dib); !s) return s;
  return dib;
}

platform::Status LoadDibFromBmpStream(std::span<const std::uint8_t> stream, Dib& dib) {
  dib.header.clear();
  dib.pixels.clear();
  dib.width = dib.height = 0;
  if (stream.size() < kFileHeaderSize) return Refused("shorter than its file header");
  if (platform::LoadLE16(stream.data()) != 0x4D42) return Refused("no \"BM\"");
  const std::int64_t remaining = static_cast<std::int64_t>(stream.size());
  const std::int64_t offBits = platform::LoadLE32(stream.data() + 10);
  const std::int64_t headerLen = offBits - static_cast<std::int64_t>(kFileHeaderSize);
  const std::int64_t pixelLen = remaining - offBits;
  if (headerLen < 4 || pixelLen < 1) return Refused("pixel offset outside the file");

  dib.header.assign(stream.begin() + kFileHeaderSize, stream.begin() + offBits);
  const std::uint8_t* h = dib.header.data();
  const std::uint32_t headerSize = platform::LoadLE32(h);
  std::int64_t width = 0, height = 0, size = 0;
  if (headerSize == kCoreHeaderSize && headerLen >= kCoreHeaderSize) {
    width = platform::LoadLE16(h + 4);
    height = platform::LoadLE16(h + 6);
    size = height * DibStride(width, platform::LoadLE16(h + 10));
  } else if (headerSize == kInfoHeaderSize && headerLen >= kInfoHeaderSize) {
    const InfoHeader info = ReadInfoHeader(dib.header);
    width = info.width;
    height = std::llabs(static_cast<long long>(info.height));
    // Width and bits are at most 2^31 and 2^16, so the stride is small
    // enough to multiply only once the rows are known to be few.
    const std::int64_t stride = DibStride(width, info.bits);
    if (info.sizeImage != 0)
      size = info.sizeImage;
    else if (width >= 1 && height >= 1 && stride <= pixelLen / height)
      size = height * stride;
    else
      size = pixelLen + 1;  // more than there is
  }
  const char* refused = nullptr;
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize)
    refused = "not a core or info header";
  else if (width < 1 || height < 1)
    refused = "no pixels";
  else if (height > INT32_MAX)
    refused = "too many rows";
  else if (size < kSmallestImage)
    refused = "image smaller than 32 bytes";
  else if (size > pixelLen)
    refused = "file ends before the image";
  if (refused) {
    dib.header.clear();
    return Refused(refused);
  }
  const auto from = stream.begin() + offBits;
  dib.pixels.assign(from, from + size);
  dib.width = static_cast<int>(width);
  dib.height = static_cast<int>(height);
  return platform::Status::Ok();
}

}  // namespace printing
