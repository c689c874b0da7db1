#include "app/ComPortClose.h"

#include "platform/Synchronize.h"
#include "printerlink/PortControl.h"
#include "printerlink/PortState.h"

namespace app {

void CloseComPortFromGui() {
  platform::WaitWhilePumping([] { return printerlink::ComTryLock(); });
  try {
    (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
  } catch (...) {
  }
  printerlink::ComUnlock();
}

}  // namespace app
