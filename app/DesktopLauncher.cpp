#include "app/DesktopLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <unistd.h>

#include "platform/Sink.h"

namespace app {
namespace {
platform::Sink<bool(LaunchKind, const std::string&, const std::string&)> g_sink;
}  // namespace

bool OpenDocument(const std::string& path) {
  if (LaunchSink sink = g_sink.Current()) return sink(LaunchKind::Document, path, {});
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool OpenWebPage(const QString& url) {
  if (LaunchSink sink = g_sink.Current()) return sink(LaunchKind::WebPage, url.toStdString(), {});
  return QDesktopServices::openUrl(QUrl(url));
}

bool StartProgram(const std::string& path, const std::string& workDir) {
  if (LaunchSink sink = g_sink.Current()) return sink(LaunchKind::Program, path, workDir);
  if (::access(path.c_str(), X_OK) == 0 &&
      QProcess::startDetached(QString::fromStdString(path), {}, QString::fromStdString(workDir)))
    return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

LaunchSink SetLaunchSink(LaunchSink sink) { return g_sink.Replace(std::move(sink)); }

}  // namespace app
