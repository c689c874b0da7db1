#pragma once
// The system's own message box, for the few messages that cannot go through
// the program's message window (before it exists, or where the system box is
// the chosen form). It is modal and stays above every other window. A sink
// makes the boxes observable in tests instead of waiting for a click.
#include <QString>
#include <functional>

namespace platform {

enum class SystemBoxIcon { Stop, Information, Exclamation };

void SystemMessageBox(const QString& title, const QString& text, SystemBoxIcon icon);

using SystemBoxSink = std::function<void(const QString& title, const QString& text, SystemBoxIcon)>;
// Replaces where boxes go (nullptr: the real box). Returns the previous sink.
SystemBoxSink SetSystemBoxSink(SystemBoxSink sink);

}  // namespace platform
