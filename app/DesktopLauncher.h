#pragma once
// Documents, web pages and programs started the desktop's way: a document
// or page opens in the viewer the desktop chooses for it (xdg-open behind
// QDesktopServices), a program starts on its own and outlives this one. A
// sink stands in for the desktop in tests.
#include <QString>
#include <functional>
#include <string>

namespace app {

enum class LaunchKind { Document, WebPage, Program };

// Each true when the desktop took it.
bool OpenDocument(const std::string& path);
bool OpenWebPage(const QString& url);
// An executable file starts in `workDir`; any other file is opened like a
// document.
bool StartProgram(const std::string& path, const std::string& workDir);

// Receives every launch instead of the desktop (empty: the desktop again);
// returns the previous sink. The sink's answer is the launch's result.
using LaunchSink = std::function<bool(LaunchKind kind, const std::string& target, const std::string& workDir)>;
LaunchSink SetLaunchSink(LaunchSink sink);

}  // namespace app
