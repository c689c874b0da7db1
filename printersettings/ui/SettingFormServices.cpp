#include "printersettings/ui/SettingFormServices.h"

#include <QCoreApplication>

namespace printersettings::ui {

QString GermanCatalogueText(Catalogue c) {
  switch (c) {
    case Catalogue::BackupNoOverwrite:
      return QStringLiteral("Sicherung kann von Benutzer nicht überschrieben werden!");
    case Catalogue::DeniedUser: return QStringLiteral("Kann von Benutzer nicht ausgeführt werden!");
    case Catalogue::DeniedUserAdmin:
      return QStringLiteral("Kann von Benutzer und Administrator nicht ausgeführt werden!");
    case Catalogue::DoneFailed: return QStringLiteral("Nicht erfolgreich beendet.");
  }
  return QString();
}

SettingFormServices SettingFormServices::Defaults() {
  SettingFormServices s;
  static_cast<platform::DialogServices&>(s) = platform::DialogServices::Defaults();
  s.OperatingMode = [] { return -1; };
  s.CatalogueText = GermanCatalogueText;
  s.ShowNotice = [](const QString&, const QString&, std::uint32_t) {};
  s.AskYesNo = [](const QString&, const QString&) { return true; };
  return s;
}

SettingFormServices& FormServices() {
  static SettingFormServices services = SettingFormServices::Defaults();
  return services;
}

}  // namespace printersettings::ui
