#include "platform/qt/Hardcopy.h"

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
