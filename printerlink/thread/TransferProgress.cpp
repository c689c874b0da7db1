#include "printerlink/thread/TransferProgress.h"

#include <string>

namespace printerthread {

MessageText ProgressText(int done, int total) {
  const long long percent = total > 0 ? static_cast<long long>(done) * 100 / total : 0;
  return MessageText::Of(CatalogueText::Running, " " + std::to_string(percent) + " %");
}

}  // namespace printerthread
