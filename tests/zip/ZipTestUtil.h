#pragma once
// Helpers of the archive tests: files, trees and the peer programs.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ziptest {

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// Every regular file below `root`, by relative path, with its content.
std::map<std::string, std::string> ReadTree(const std::string& root);
// Deterministic bytes that compress somewhat, like real files.
std::string MixedBytes(std::size_t size, unsigned seed);

struct RunResult {
  int exitCode = -1;
  std::string output;
};
// Runs a shell command (stdout and stderr captured).
RunResult Run(const std::string& command);
// Peers come from scripts/install-deps.sh; a missing one fails the test.
bool HavePeer(const std::string& program);
std::string Quote(const std::string& s);

}  // namespace ziptest
