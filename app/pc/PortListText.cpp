#include "app/pc/PortListText.h"

namespace app {

namespace {

const char* KindName(int kind) {
  switch (kind) {
    case platform::kPortKindRs232: return "RS232";
    case platform::kPortKindUsb: return "USB";
    case platform::kPortKindBluetooth: return "Bluetooth";
    case platform::kPortKindOther: return "?";
    default: return nullptr;
  }
}

}  // namespace

QString PortListText(int language, const std::vector<platform::PortEntry>& ports, bool printerConnected,
                     int usedPort) {
  const bool english = language >= 1 && language <= 4;
  const QString all = english ? QStringLiteral("All connections:") : QStringLiteral("Alle Anschlüsse:");
  const QString used = english ? QStringLiteral("Used connection:") : QStringLiteral("Verwendeter Anschluss:");
  QString text = all + "\n";
  QString usedLine = QStringLiteral("-");
  int count = 0;
  for (unsigned n = 1; n <= 256; ++n) {
    const std::optional<platform::PortEntry> port = platform::FindPort(ports, n);
    const char* kind = port ? KindName(port->kind) : nullptr;
    if (!kind) continue;
    ++count;
    const QString line = QStringLiteral("- COM%1   %2  (%3)")
                             .arg(n)
                             .arg(QString::fromStdString(port->device), QString::fromLatin1(kind));
    text += line + "\n";
    if (printerConnected && static_cast<int>(n) == usedPort) usedLine = line;
  }
  text += count > 0 ? QStringLiteral("\n") : QStringLiteral("-\n\n");
  text += used + "\n";
  text += printerConnected && usedPort >= 1 ? usedLine + "\n" : QStringLiteral("-\n");
  return text;
}

}  // namespace app
