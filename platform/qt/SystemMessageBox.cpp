#include "platform/qt/SystemMessageBox.h"

#include <QMessageBox>

#include "platform/Sink.h"
#include "platform/qt/DialogFlags.h"

namespace platform {
namespace {
Sink<void(const QString&, const QString&, SystemBoxIcon)> g_sink;

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
  if (SystemBoxSink sink = g_sink.Current()) {
    sink(title, text, icon);
    return;
  }
  QMessageBox box(ToQt(icon), title, text, QMessageBox::Ok, nullptr, FixedDialogFlags(true));
  box.exec();
}

SystemBoxSink SetSystemBoxSink(SystemBoxSink sink) { return g_sink.Replace(std::move(sink)); }

}  // namespace platform
