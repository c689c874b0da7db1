#pragma once
// The id of a process that has ended: a child started and reaped here. No
// process has it until the system hands it out again.
#include <sys/types.h>

namespace testsupport {

pid_t EndedProcessId();

}  // namespace testsupport
