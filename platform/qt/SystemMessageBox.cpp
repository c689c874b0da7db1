#include "platform/qt/SystemMessageBox.h"

#include <QMessageBox>
#include <mutex>

namespace platform {
namespace {
std::mutex g_mutex;
SystemBoxSink g_sink;

QMessageBox::Icon ToQt(SystemBoxIcon icon) {
  switch (icon) {
    case SystemBoxIcon::Stop: return QMessageBox::Critical;
    case SystemBoxIcon::Exclamation: return QMessageBox::Warning;
    case SystemBoxIcon::Information: break;
  }
  return QMessageBox::Information;
}
}  // namespace

void SystemMessageBox(const QString& title, const QString& text, SystemBoxIcon icon) {
  SystemBoxSink sink;
  {
    std::lock_guard lock(g_mutex);
    sink = g_sink;
  }
  if (sink) {
    sink(title, text, icon);
    return;
  }
  QMessageBox box(ToQt(icon), title, text, QMessageBox::Ok);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

SystemBoxSink SetSystemBoxSink(SystemBoxSink sink) {
  std::lock_guard lock(g_mutex);
  std::swap(g_sink, sink);
  return sink;
}

}  // namespace platform
