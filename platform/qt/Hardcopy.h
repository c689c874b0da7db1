#pragma once
// Hard copies of windows. Ctrl+P prints a hard copy of the window it is
// pressed in, in every window of the program; the main window installs the
// print action at start-up, so that windows of any library reach it
// without knowing the main window. Dialogs take the key with their other
// keys (platform/qt/DialogKeys.h):
//
//   platform::DialogKeyActions keys;
//   keys.hardcopy = [this] { platform::PrintHardcopy(this); };
//   ...
//   if (platform::HandleDialogKeys(event->key(), event->modifiers(), keys)) return;
//
// (the OK / "Abbrechen" windows of app/ get it through HandleOkCancelKeys,
// the data view's dialogs through their DataSetHost; windows that sort
// their keys in a switch of their own call PrintHardcopy there). Tests
// install an action of their own to see the calls.
//
// The printer-settings hard copy prints, besides the main and info
// windows, the setting and service windows of the printer settings in its
// fixed page order. A window takes its page by registering itself, named
// after its class without the T, once it exists:
//
//   TFormPrinterGeraetDPI::TFormPrinterGeraetDPI(QWidget* owner) : QDialog(owner) {
//     setObjectName("FormPrinterGeraetDPI");
//     ...
//     platform::RegisterSettingsPage(this, {.beforePrint = [this] { SetExpertPanel(1); },
//                                           .changePending = [this] { return SendRequest != 0; }});
//   }
//
// Pages whose window has not registered are left out. The printer's
// setting forms and service windows register in their bases
// (printersettings/ui/SettingForm, PrinterWindow).
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace platform {

// Prints a hard copy of `window`; nothing while no action is installed.
void PrintHardcopy(QWidget* window);

using HardcopyAction = std::function<void(QWidget* window)>;
// Installs the action (empty: none); returns the one it replaces.
HardcopyAction SetHardcopyAction(HardcopyAction action);

// The printer-settings hard copy (the settings view's "Rapport" and
// Ctrl+Q); nothing while no action is installed.
void PrintPrinterSettings();
using PrinterSettingsAction = std::function<void()>;
PrinterSettingsAction SetPrinterSettingsAction(PrinterSettingsAction action);

struct SettingsPageHooks {
  // Run just before the page is printed (a form that prints its expert
  // panel switches it on here).
  std::function<void()> beforePrint;
  // True while the window holds a change the printer has not taken yet. A
  // hidden window is then printed as it stands, without being shown (its
  // show handler would put the printer's values back into it).
  std::function<bool()> changePending;
};

struct SettingsPage {
  QPointer<QWidget> window;
  SettingsPageHooks hooks;
};

// Registers `window` under its object name; a second registration of the
// name replaces the first. The registration ends with the window.
void RegisterSettingsPage(QWidget* window, SettingsPageHooks hooks = {});
// The window registered as `name`; nothing when none is (any more).
SettingsPage FindSettingsPage(const QString& name);

}  // namespace platform
