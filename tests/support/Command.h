#pragma once
// Running the peer programs the tests compare with (7-Zip, bsdtar,
// poppler's PDF tools, ...) through the shell.
#include <string>

namespace testsupport {

struct RunResult {
  int exitCode = -1;
  std::string output;
};
// Runs a shell command (stdout and stderr captured).
RunResult Run(const std::string& command);
// Peers come from scripts/install-deps.sh; a missing one fails the test.
bool HavePeer(const std::string& program);
// `s` as one shell word.
std::string Quote(const std::string& s);

}  // namespace testsupport
