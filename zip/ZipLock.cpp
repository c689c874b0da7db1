#include "zip/ZipLock.h"

namespace zip {

std::recursive_mutex& ZipLibraryLock() {
  static std::recursive_mutex lock;
  return lock;
}

}  // namespace zip
