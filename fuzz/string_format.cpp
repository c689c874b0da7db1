// Libraries: zip
// The text decoders of binary data (hexadecimal, MIME Base 64, UU, XX) on
// any text: they refuse it with EStringFormat or decode it, and what they
// decode comes back unchanged through encoding and decoding again. Any
// bytes encode, and decode back to themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "zip/crypto/StringFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  for (int format : {zip::fmtHEX, zip::fmtHEXL, zip::fmtMIME64, zip::fmtUU, zip::fmtXX}) {
    try {
      (void)zip::IsValidFormat(input.data(), static_cast<std::int32_t>(input.size()), format);
      const std::string binary = zip::FormatToStr(input, format);
      if (zip::FormatToStr(zip::StrToFormat(binary, format), format) != binary) std::abort();
    } catch (const zip::EStringFormat&) {
    }
    const std::string text = zip::StrToFormat(input, format);
    if (zip::FormatToStr(text, format) != input) std::abort();
  }
  return 0;
}
