#include "app/links/ComPortClose.h"

#include "platform/Synchronize.h"
#include "printerlink/PortControl.h"
#include "printerlink/PortState.h"

namespace app {

void CloseComPortFromGui() {
  platform::WaitWhilePumping([] { return printerlink::ComTryLock(); });
  (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
  printerlink::ComUnlock();
}

}  // namespace app
