#pragma once
// The operating modes and the passwords that step up to them.
#include <QString>

#include "app/archive/ArchivePassword.h"

namespace app {

// 0 "Benutzer", 1 "Administrator", 2 "Techniker", 3 "Techniker++".
using OperatingMode = unsigned;
inline constexpr OperatingMode kModeUser = 0;
inline constexpr OperatingMode kModeAdministrator = 1;
inline constexpr OperatingMode kModeTechnician = 2;
inline constexpr OperatingMode kModeTechnicianPlus = 3;

// Stored values above 3 mean mode 0.
inline OperatingMode ValidMode(unsigned mode) { return mode > 3 ? 0 : mode; }

// The passwords, compared exactly (case and blanks count). A password
// followed by one, two or three "*" (for modes 1, 2, 3) also makes the mode
// the start-up mode. Mode 3's password is the archives' password too.
inline const QString kPasswordAdministrator = QStringLiteral("tolmu");
inline const QString kPasswordTechnician = QStringLiteral("voskers Tarvik23");
inline const QString kPasswordTechnicianPlus = QString::fromLatin1(ArchivePassword);

struct LoginCheck {
  bool okEnabled = false;
  bool storeStartupMode = false;
  OperatingMode chosen = 0;
};

// What the login dialog allows for the mode chosen in it, the current mode
// and the typed text.
LoginCheck CheckLogin(unsigned chosen, unsigned current, const QString& typed);

// Whether stepping from `current` to `chosen` needs a password.
bool NeedsPassword(unsigned chosen, unsigned current);

}  // namespace app
