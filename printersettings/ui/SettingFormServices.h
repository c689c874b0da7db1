#pragma once
// What the setting forms of the printer windows need from the program
// around them, as replaceable steps: the common dialog services (the main
// window's place for centring), the operating mode that gates their OK, and
// the message window for the refusals (their hard copy on Ctrl+P and the
// user guide on F1 are every window's: platform/qt/Hardcopy.h,
// UserGuide.h). One set serves every setting form; start-up installs the
// program's own, tests their own. The defaults work without the program:
// no operating-mode window (every gate open) and no message window.
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/qt/DialogServices.h"

namespace printersettings::ui {

// Catalogue numbers of the message window's texts the printer windows show.
enum class Catalogue {
  BackupNoOverwrite = 3,  // "Sicherung kann von Benutzer nicht überschrieben werden!"
  DeniedUser = 4,         // "Kann von Benutzer nicht ausgeführt werden!"
  DeniedUserAdmin = 5,    // "Kann von Benutzer und Administrator nicht ausgeführt werden!"
  DoneFailed = 10,        // "Nicht erfolgreich beendet."
};

struct SettingFormServices : platform::DialogServices {
  // 0 "Benutzer" to 3; -1 while the operating-mode window does not exist
  // (which binds like any mode but 0). Default: -1.
  std::function<int()> OperatingMode;
  // A catalogue text of the message window in the UI language. Default:
  // the German text.
  std::function<QString(Catalogue)> CatalogueText;
  // The modal notice of the message window in `colour` (0x00BBGGRR), after
  // pending window messages ran. Default: nothing.
  std::function<void(const QString& title, const QString& text, std::uint32_t colour)> ShowNotice;
  // The message window's question with "Ja" and "Nein"; true for "Ja".
  // Default: true (without a window to ask in, nothing is held back).
  std::function<bool(const QString& title, const QString& question)> AskYesNo;

  // The UI language; German while no language step is installed.
  int Language() const { return LanguageId ? LanguageId() : 0; }
  // The operating mode; -1 while no operating-mode step is installed.
  int Mode() const { return OperatingMode ? OperatingMode() : -1; }
  // Whether the operating mode is `minimum` or above, or not known.
  bool ModeReaches(int minimum) const {
    const int mode = Mode();
    return mode < 0 || mode >= minimum;
  }

  static SettingFormServices Defaults();
};

// The set every setting form uses.
SettingFormServices& FormServices();

// The German catalogue texts, the defaults of the message window.
QString GermanCatalogueText(Catalogue c);

}  // namespace printersettings::ui
