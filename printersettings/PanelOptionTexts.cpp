#include "printersettings/PanelOptionTexts.h"

#include <array>
#include <cstdint>

namespace printersettings {
namespace {

// Column of the text tables below: German, English, French.
int Column(int language) {
  switch (language) {
    case 1:
    case 3:
    case 4: return 1;
    case 2: return 2;
    default: return 0;
  }
}

template <std::size_t N>
std::string Pick(const std::array<std::array<const char*, 3>, N>& table, int code, int language) {
  if (code < 0 || static_cast<std::size_t>(code) >= N) return "?";
  return table[static_cast<std::size_t>(code)][static_cast<std::size_t>(Column(language))];
}

// (Split literals keep a following letter out of a hex escape.)
constexpr std::array<std::array<const char*, 3>, 3> kKeys = {{
    {"Aus", "Off", "Off"},
    {"ZozaZade23", "ZozaZade23", "ZozaZade23"},
    {"DisplayUnit", "DisplayUnit", "DisplayUnit"},
}};

constexpr std::array<std::array<const char*, 3>, 4> kBehaviourBases = {{
    {"Laufschrift Links", "Scrolling left", "Marque \xE0 gauche"},
    {"Laufschrift Rechts", "Scrolling right", "Marque \xE0 droite"},
    {"Wechselnde Anzeige", "Alternating display", "Affichage alternate"},
    {"Stehende Anzeige", "Fixed display", "Affichage fixe"},
}};
constexpr const char* kBehaviourSuffixes[4] = {"", ", Stop/Start", ", Start(1x)/Stop", ", Start/Stop"};

constexpr std::array<std::array<const char*, 3>, 15> kLineContents = {{
    {"Tagesz\xE4hler", "Day counter", "Compteur de jour"},
    {"Startzeit", "Start time", "Heure de d\xE9" "but"},
    {"Dauer", "Duration", "Dur\xE9" "e"},
    {"Leistung", "Work", "Travail"},
    {"Gesamtleistung", "Total work", "Travail total"},
    {"Geschwindigkeit", "Speed", "Vitesse"},
    {"Zeit, Datum", "Time, Date", "Temps, Date"},
    {"Startzeit, Startdatum", "Start time, Start date", "Heure de d\xE9" "but, Date de d\xE9" "but"},
    {"Startzeit, Dauer", "Start time, Duartion", "Heure de d\xE9" "but, Dur\xE9" "e"},
    {"Leistung, Gesamtleistung", "Work, Total work", "Travail, Travail total"},
    {"Zeit, Datum, Startzeit, Startdatum, Dauer, Leistung, Gesamtleistung, Geschwindigkeit",
     "Time, Date, Start time, Start date, Duration, Work, Total work, Speed",
     "Temps, Date, Heure de d\xE9" "but, Date de d\xE9" "but, Dur\xE9" "e, Travail, Travail total, Vitesse"},
    {"Startzeit, Startdatum, Dauer, Leistung, Gesamtleistung, Geschwindigkeit, Zeit, Datum",
     "Start time, Start date, Duration, Work, Total work, Speed, Time, Date",
     "Heure de d\xE9" "but, Date de d\xE9" "but, Dur\xE9" "e, Travail, Travail total, Vitesse, Time, Date"},
    {"Dauer, Leistung, Gesamtleistung, Geschwindigkeit, Zeit, Datum, Startzeit, Startdatum",
     "Duration, Work, Total work, Speed, Time, Date, Start time, Start date",
     "Dur\xE9" "e, Travail, Travail total, Vitesse, Temps, Date, Heure de d\xE9" "but, Date de d\xE9" "but"},
    {"Leistung, Gesamtleistung, Geschwindigkeit, Zeit, Datum, Startzeit, Startdatum, Dauer",
     "Work, Total work, Speed, Time, Date, Start time, Start date, Duration",
     "Travail, Travail total, Vitesse, Temps, Date, Heure de d\xE9" "but, Date de d\xE9" "but, Dur\xE9" "e"},
    {"Geschwindigkeit, Zeit, Datum, Startzeit, Startdatum, Dauer, Leistung, Gesamtleistung",
     "Speed, Time, Date, Start time, Start date, Duration, Work, Total work",
     "Vitesse, Temps, Date, Heure de d\xE9" "but, Date de d\xE9" "but, Dur\xE9" "e, Travail, Travail total"},
}};

constexpr std::array<std::array<const char*, 3>, 12> kLamps = {{
    {"Aus", "Off", "Off"},
    {"Gr\xFCn", "Green", "Vert"},
    {"Rot", "Red", "Rouge"},
    {"Gr\xFCn+Rot", "Green+Red", "Vert+Rouge"},
    {"Gr\xFCn blinken", "Blinking Green", "Vert clignotant"},
    {"Rot blinken", "Blinking Red", "Rouge clignotant"},
    {"Gr\xFCn+Rot blinken", "Blinking Green+Red", "Vert+Rouge clignotant"},
    {"Gr\xFCn/Rot blinken", "Blinking Green/Red", "Vert/Rouge clignotant"},
    {"Gr\xFCn blitzen", "Flashing Green", "Vert flash"},
    {"Rot blitzen", "Flashing Red", "Rouge flash"},
    {"Gr\xFCn+Rot blitzen", "Flashing Green+Red", "Vert+Rouge flash"},
    {"Gr\xFCn/Rot blitzen", "Flashing Green/Red", "Vert/Rouge flash"},
}};

constexpr std::array<std::array<const char*, 3>, 2> kHorn = {{{"Aus", "Off", "Off"}, {"Ein", "On", "On"}}};

constexpr std::array<std::array<const char*, 3>, 2> kAlarm = {
    {{"Offen", "Open", "Overt"}, {"Geschlossen", "Close", "Fermer"}}};

}  // namespace

std::string KeyText(int code, int language) { return Pick(kKeys, code, language); }

std::string BehaviourText(int code, int language) {
  const int group = code / 10, step = code % 10;
  const bool known = code > 0 && ((group <= 2 && step >= 1 && step <= 4) || code == 31);
  if (!known) return "?";
  return Pick(kBehaviourBases, group, language) + kBehaviourSuffixes[step - 1];
}

std::string PauseText(int code, int language) {
  (void)language;  // the same in every language
  // Wide, so no code from the printer wraps.
  return std::to_string(static_cast<std::int64_t>(code) * 100) + " ms";
}

std::string LineContentText(int code, int language) { return Pick(kLineContents, code, language); }
std::string LampText(int code, int language) { return Pick(kLamps, code, language); }
std::string HornText(int code, int language) { return Pick(kHorn, code, language); }

std::string AlarmText(int code, int signalType, int language) {
  if (signalType != 1) return "-";
  return Pick(kAlarm, code, language);
}

}  // namespace printersettings
