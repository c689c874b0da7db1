// Libraries: zip_wide
// The UTF-7 decoder on any bytes: it decodes or refuses with "Invalid UTF7",
// and what it decodes, encoded again, decodes to the same text. The encoder
// takes any UTF-16 text (the input read as code units) and writes 7-bit
// bytes that decode back to it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "zip/wide/CodePageText.h"
#include "zip/wide/Utf7.h"
#include "zip/wide/WideErrors.h"

using namespace zip;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void RoundTrip(const WideString& text) {
  const std::string encoded = WideStringToUTF7(text);
  for (char c : encoded) Check(static_cast<unsigned char>(c) < 0x80);
  Check(UTF7ToWideString(encoded) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    RoundTrip(UTF7ToWideString(bytes));
  } catch (const EUniGeneralError&) {
    // refused as invalid UTF-7
  }
  RoundTrip(UCS2ToWideString(bytes));
  return 0;
}
