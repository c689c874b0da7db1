#include "printersettings/ServiceToolTexts.h"

namespace printersettings {

std::string ConsoleLineTooLongText(int languageId) {
  switch (languageId) {
    case 1: return "The command line is too long (at most 99 characters).";
    case 2: return "La ligne de commande est trop longue (99 caract\xE8res au plus).";
    case 3: return "La riga di comando \xE8 troppo lunga (al massimo 99 caratteri).";
    case 4: return "La l\xEDnea de comandos es demasiado larga (99 caracteres como m\xE1ximo).";
    default: return "Die Kommandozeile ist zu lang (h\xF6" "chstens 99 Zeichen).";
  }
}

EditorTexts EditorTextsFor(int languageId) {
  switch (languageId) {
    case 1:
    case 3:
      return {"Editor", "Open", "Save", "Print", "Install", "Cancel", "Open...", "Save...", "Install...",
              "Discard the changes to the configuration?"};
    case 2:
      return {"\xC9" "diteur", "Ouvrir", "Enregistrer", "Impression", "Installer", "Annuler", "Ouvrir...", "Enregistrer...",
              "Installer...", "Abandonner les modifications de la configuration ?"};
    case 4:
      return {"Editor", "Abrir", "Guardar", "Imprimir", "Instalar", "Cancelar", "Abrir...", "Guardar...", "Instalar...",
              "\xBF" "Descartar los cambios de la configuraci\xF3n?"};
    default:
      return {"Editor", "\xD6" "ffnen", "Speichern", "Drucken", "Installieren", "Abbrechen", "\xD6" "ffnen...", "Speichern...",
              "Installieren...", "Die \xC4nderungen an der Konfiguration verwerfen?"};
  }
}

std::string ConfigResultText(ConfigResult result, int languageId) {
  const bool german = languageId == 0;
  switch (result) {
    case ConfigResult::FetchFailed:
      return german ? "Printer-Konfiguration konnte nicht vom Printer geladen werden.\n\n"
                    : "Printer configuration could not be loaded from the Printer.\n\n";
    case ConfigResult::Stored:
      return german ? "Printer-Konfiguration wurde erfolgreich auf dem Printer gespeichert.\n\n"
                    : "Printer configuration was successfully saved on the Printer.\n\n";
    case ConfigResult::StoreFailed:
      return german ? "Printer-Konfiguration konnte nicht auf dem Printer gespeichert werden.\n\n"
                    : "Printer configuration could not be saved on the Printer.\n\n";
  }
  return {};
}

}  // namespace printersettings
