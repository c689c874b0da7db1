#pragma once
// Helpers of the archive tests: files, trees and the peer programs.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "support/Command.h"

namespace ziptest {

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// Every regular file below `root`, by relative path, with its content.
std::map<std::string, std::string> ReadTree(const std::string& root);
// Both trees hold the same names with the same contents (reports names only).
void ExpectSameTree(const std::map<std::string, std::string>& actual,
                    const std::map<std::string, std::string>& expected);
// Deterministic bytes that compress somewhat, like real files.
std::string MixedBytes(std::size_t size, unsigned seed);

using testsupport::HavePeer;
using testsupport::Quote;
using testsupport::Run;
using testsupport::RunResult;
// What the peers make of one of our archives: 7-Zip's test of every entry
// ("" when it finds everything right, else its output) and the names
// bsdtar lists, in archive order.
std::string SevenZipTestFailure(const std::string& zipFile, const std::string& password = std::string());
std::vector<std::string> BsdtarNames(const std::string& zipFile);

// A hand-made archive for cases that our writer never produces: stored or
// deflated entries with any name, flags, sizes and CRC.
struct RawEntry {
  std::string name;  // bytes as stored
  std::string data;  // uncompressed content
  std::uint16_t method = 0;  // 0 stored, 8 deflate
  std::uint16_t flags = 0;
  std::uint32_t externalAttributes = 0x20;
  bool fixCrc = true;  // false: use `crc`
  std::uint32_t crc = 0;
  bool fixSize = true;  // false: declare `size` as the uncompressed size
  std::uint32_t size = 0;
};
std::string BuildZip(const std::vector<RawEntry>& entries, const std::string& comment = std::string(),
                     const std::string& prefix = std::string());
std::string RawDeflate(const std::string& data, int level = 9);

// The records of an archive as they lie in the file (no Zip64), for checks
// of what our writer produced.
struct ParsedEntry {
  std::uint16_t versionMadeBy, versionNeeded, flags, method, localFlags, localMethod;
  std::uint32_t crc, compressedSize, uncompressedSize, externalAttributes, localOffset;
  std::uint32_t localCrc, localCompressedSize, localUncompressedSize;
  std::string name, localName, extra, localExtra, data;
};
std::vector<ParsedEntry> ParseZip(const std::string& bytes);
std::string Hex(const std::string& bytes);

}  // namespace ziptest
