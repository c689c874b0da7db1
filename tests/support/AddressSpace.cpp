#include "support/AddressSpace.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace testsupport {

void CapAddressSpaceGrowth(std::size_t bytes) {
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  const rlim_t now = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
  rlimit limit{};
  limit.rlim_cur = limit.rlim_max = now + static_cast<rlim_t>(bytes);
  ::setrlimit(RLIMIT_AS, &limit);
}

}  // namespace testsupport
