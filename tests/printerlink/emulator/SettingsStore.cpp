#include "SettingsStore.h"

#include <sstream>
#include <vector>

namespace printeremu {
namespace {

std::vector<std::string> Fields(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> fields;
  for (std::string f; in >> f;) fields.push_back(f);
  return fields;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string text;
  for (const auto& f : fields) {
    if (!text.empty()) text += ' ';
    text += f;
  }
  return text;
}

struct Default {
  const char* key;
  const char* value;
  bool writable;
};

// Replies of a machine of type 3 with a display unit and a LAN module, so
// that every query of the poll schedule is asked.
constexpr Default kDefaults[] = {
    {"MASCHINE", "3", true},
    {"AUSRICHTUNG", "0", true},
    {"HEAD.CMD", "0", true},
    {"HEAD.VERSATZ 0", "0", true},
    {"HEAD.VERSATZ 1", "0", true},
    {"HEAD.VERSATZ 2", "0", true},
    {"HEAD.AUSRICHTUNG 0", "0", true},
    {"HEAD.AUSRICHTUNG 1", "0", true},
    {"HEAD.AUSRICHTUNG 2", "0", true},
    {"STARTUP", "0", true},
    {"SLEEP", "0 0 0", true},
    {"DPI.INDEX", "0", true},
    {"DPI.ANZAHL", "4", true},
    {"START", "1", true},
    {"START.FILTER", "0", true},
    {"START.VERSCHIEBEN", "0 0 0", true},
    {"AUX.CMD", "0 0", true},
    {"UNTERDRUECKUNG", "0", true},
    {"UNTERDRUECKUNG.FILTER", "0", true},
    {"UNTERDRUECKUNG.VERSCHIEBEN", "0 0 0", true},
    {"AUSLAUF", "0 0", true},
    {"SPEED", "0 150", true},
    {"SPEED.FAKTOR", "0 1000 0", true},
    {"SPEED.IST", "0 0", false},
    {"ZPOS.SPEED", "0 0", false},
    {"MMI", "1", true},
    {"MMI.REDADID.MODUS", "0", true},
    {"OPTION", "3", true},
    {"OPTION.REDADID.MODUS", "0", true},
    {"OPTION.D0216.MODUS", "0", true},
    {"OPTION.D0216.BUTTON", "0", true},
    {"OPTION.D0216.FORMAT.ID", "0 0 0 0", true},
    {"OPTION.SIGNALUNIT.TYP", "0", true},
    {"OPTION.SIGNALUNIT.ALARM", "0 0 0 0 0 0 0 0", true},
    {"OPTION.SIGNALUNIT.HORN", "0 0 0 0 0 0 0 0", true},
    {"OPTION.SIGNALUNIT.SIGNAL", "0 0 0 0 0 0 0 0", true},
    {"OPTION.D0216.ZEILE 0", "Tarvik23 Printer  ", false},
    {"OPTION.D0216.ZEILE 1", "Stop              ", false},  // follows the state unless set
    {"RTC", "01.01.2026 Do 12:00:00", false},                 // the running clock unless set
    {"COUNTER", "1 0", true},
    {"HEAD.PULSDAUER", "50 20 10", true},
    {"HEAD.HEIZUNG", "5", true},
    {"HEAD.H600DPI", "0", true},
    {"INFO.DEVICE", "ZozaZade23 emulated", false},
    {"INFO.FIRMWARE", "V1.00 emulated", false},
    {"ECOM.INFO.KIT", "00000001", false},
    {"ECOM.LAN.NAME", "TARVIK23", false},
    {"ECOM.LAN.MAC", "02:00:5E:10:00:23", false},
    {"ECOM.LAN.IP", "192.168.1.23", false},
    {"IO.BASIC", "00000000", false},
    {"AD", "24130 5020 0 1210 3050 41", false},
    {"DT", "1 0", true},
    {"DPI", "8", true},
};

}  // namespace

SettingsStore::SettingsStore(int cliWord) {
  for (const auto& d : kDefaults) rows_[d.key] = {d.value, d.writable};
  static const char* kModes[8] = {"0", "3", "4", "11", "0", "0", "0", "0"};
  for (int n = 0; n < 8; ++n) {
    rows_["DPI.MODUS " + std::to_string(n)] = {kModes[n], true};
    rows_["DPI.ANZEIGE " + std::to_string(n)] = {"0", true};
  }
  for (int n = 0; n < 16; ++n) rows_["AUX.PROG " + std::to_string(n)] = {std::to_string(n), true};
  for (int n = 0; n < 3; ++n) rows_["PROG " + std::to_string(n)] = {"0 1 150 0", true};
  rows_["INFO.CLI"] = {std::to_string(cliWord), false};
  saved_ = rows_;
}

std::optional<std::string> SettingsStore::Query(const std::string& line) const {
  auto it = rows_.find(line);
  if (it == rows_.end()) return std::nullopt;
  return it->second.value;
}

SettingsStore::WriteOutcome SettingsStore::Write(const std::string& line) {
  const Row* best = nullptr;
  std::string key;
  for (const auto& [k, row] : rows_)
    if (line.size() > k.size() + 1 && line.compare(0, k.size(), k) == 0 && line[k.size()] == ' ' &&
        k.size() > key.size()) {
      key = k;
      best = &row;
    }
  if (!best) return WriteOutcome::NoSuchSetting;
  if (!best->writable) return WriteOutcome::Refused;
  auto given = Fields(line.substr(key.size() + 1));
  auto fields = Fields(best->value);
  if (given.empty() || given.size() > fields.size()) return WriteOutcome::Refused;
  for (std::size_t i = 0; i < given.size(); ++i) fields[i] = given[i];
  rows_[key].value = Join(fields);
  return WriteOutcome::Written;
}

std::optional<std::string> SettingsStore::Get(const std::string& key) const { return Query(key); }

void SettingsStore::Set(const std::string& key, const std::string& value) { rows_[key].value = value; }

void SettingsStore::SetField(const std::string& key, std::size_t index, const std::string& value) {
  auto fields = Fields(rows_[key].value);
  if (fields.size() <= index) fields.resize(index + 1, "0");
  fields[index] = value;
  rows_[key].value = Join(fields);
}

}  // namespace printeremu
