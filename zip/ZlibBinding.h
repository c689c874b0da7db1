#pragma once
// The thin layer between the archiver and zlib: result checks that turn a
// negative zlib result into an exception, and two one-shot buffer helpers.
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zip {

class EZlibError : public std::runtime_error {
 public:
  EZlibError() : std::runtime_error("error") {}
};
class ECompressionError : public EZlibError {};
class EDecompressionError : public EZlibError {};

int CCheck(int result);  // raises ECompressionError for a negative result
int DCheck(int result);  // raises EDecompressionError for a negative result

// A whole buffer as one zlib stream (header and checksum included).
std::vector<std::uint8_t> ZLIBCompressBuf(const void* input, std::size_t size, int level);
// A whole zlib stream; an empty result when it is cut short or corrupt.
// `estimate` is the first guess of the output size (0: the input size).
std::vector<std::uint8_t> ZLIBDecompressBuf(const void* input, std::size_t size, std::size_t estimate);
// True when ZLIBDecompressBuf produced a result (an empty input yields one too).
bool ZLIBDecompressBuf(const void* input, std::size_t size, std::size_t estimate, std::vector<std::uint8_t>& out);

// The two bytes a zlib stream of a deflate level starts with.
void ZlibHeaderOfMode(int mode, std::uint8_t out[2]);

}  // namespace zip
