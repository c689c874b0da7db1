#include "support/EndedProcess.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

pid_t EndedProcessId() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  if (child > 0) ::waitpid(child, nullptr, 0);
  return child;
}

}  // namespace testsupport
