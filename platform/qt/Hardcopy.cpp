#include "platform/qt/Hardcopy.h"

#include <QApplication>
#include <QKeyEvent>
#include <map>

#include "platform/Sink.h"

namespace platform {
namespace {

Sink<void(QWidget*)> g_hardcopy;
Sink<void()> g_settings;

// GUI thread only, like the windows in it.
std::map<QString, SettingsPage>& Pages() {
  static std::map<QString, SettingsPage> pages;
  return pages;
}

}  // namespace

void PrintHardcopy(QWidget* window) {
  if (HardcopyAction action = g_hardcopy.Current()) action(window);
}

bool HandleHardcopyKey(const QKeyEvent* event, QWidget* window) {
  if (event->key() != Qt::Key_P) return false;
  const Qt::KeyboardModifiers held = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (held != Qt::ControlModifier || QApplication::mouseButtons() != Qt::NoButton) return false;
  PrintHardcopy(window);
  return true;
}

HardcopyAction SetHardcopyAction(HardcopyAction action) { return g_hardcopy.Replace(std::move(action)); }

void PrintPrinterSettings() {
  if (PrinterSettingsAction action = g_settings.Current()) action();
}

PrinterSettingsAction SetPrinterSettingsAction(PrinterSettingsAction action) {
  return g_settings.Replace(std::move(action));
}

void RegisterSettingsPage(QWidget* window, SettingsPageHooks hooks) {
  Pages()[window->objectName()] = {window, std::move(hooks)};
}

SettingsPage FindSettingsPage(const QString& name) {
  const auto at = Pages().find(name);
  if (at == Pages().end() || !at->second.window) return {};
  return at->second;
}

}  // namespace platform
