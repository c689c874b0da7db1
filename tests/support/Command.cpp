#include "support/Command.h"

#include <cstdio>

#include <sys/wait.h>

namespace testsupport {

RunResult Run(const std::string& command) {
  RunResult r;
  FILE* p = ::popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) r.output.append(buf, n);
  int status = ::pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

bool HavePeer(const std::string& program) {
  return Run("command -v " + program + " >/dev/null").exitCode == 0;
}

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') out += "'\\''";
    else out += c;
  }
  return out + "'";
}

}  // namespace testsupport
