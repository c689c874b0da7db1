#include "zip/ZipDialogs.h"

#include <atomic>

namespace zip {
namespace {
std::atomic<TZipDefaultDialogs*> installed{nullptr};
}

TZipDefaultDialogs* SetDefaultDialogs(TZipDefaultDialogs* dialogs) { return installed.exchange(dialogs); }
TZipDefaultDialogs* DefaultDialogs() { return installed.load(); }

}  // namespace zip
