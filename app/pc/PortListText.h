#pragma once
// The PC settings' list of the machine's serial ports: every port with its
// kind, then the port the printer is connected on.
#include <QString>
#include <vector>

#include "platform/PortRegistry.h"

namespace app {

// `language` picks the headings (1 to 4 English, any other German);
// `usedPort` counts only while `printerConnected`.
QString PortListText(int language, const std::vector<platform::PortEntry>& ports, bool printerConnected,
                     int usedPort);

}  // namespace app
