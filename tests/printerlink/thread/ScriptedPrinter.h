#pragma once
// Replies of a whole printer for a scripted link: every query of the poll
// schedule answered (a machine of type 3 with a LAN module, a display unit
// and firmware 8058).
#include "ScriptedLink.h"

namespace threadtest {

inline void ScriptPrinter(ScriptedLink& link) {
  const std::pair<const char*, const char*> replies[] = {
      {"INFO.SYSTEM", "23"}, {"INFO.CLI", "8058"}, {"MASCHINE", "3"}, {"HEAD.CMD", "0"},
      {"STARTUP", "0"}, {"SLEEP", "0 0 0"}, {"DPI.INDEX", "0"}, {"DPI.ANZAHL", "4"}, {"START", "1"},
      {"START.FILTER", "0"}, {"START.VERSCHIEBEN", "0 0 0"}, {"AUX.CMD", "0 0"}, {"UNTERDRUECKUNG", "0"},
      {"UNTERDRUECKUNG.FILTER", "0"}, {"UNTERDRUECKUNG.VERSCHIEBEN", "0 0 0"}, {"AUSLAUF", "0 0"},
      {"SPEED", "0 150"}, {"SPEED.FAKTOR", "0 1000 0"}, {"SPEED.IST", "0 0"}, {"ZPOS.SPEED", "0 0"},
      {"MMI", "1"}, {"MMI.REDADID.MODUS", "0"}, {"OPTION", "3"}, {"OPTION.D0216.FORMAT.ID", "0 0 0 0"},
      {"OPTION.SIGNALUNIT.ALARM", "0 0 0 0 0 0 0 0"}, {"OPTION.SIGNALUNIT.HORN", "0 0 0 0 0 0 0 0"},
      {"OPTION.SIGNALUNIT.SIGNAL", "0 0 0 0 0 0 0 0"}, {"RTC", "08.12.2026 Di 14:05:09"}, {"STATUS", "40 0 0"},
      {"COUNTER", "1 0"}, {"HEAD.PULSDAUER", "50 20 10"}, {"HEAD.HEIZUNG", "5"}, {"HEAD.H600DPI", "0"},
      {"INFO.DEVICE", "Device"}, {"INFO.FIRMWARE", "V1"}, {"ECOM.INFO.KIT", "00000001"},
      {"ECOM.LAN.NAME", "N"}, {"ECOM.LAN.MAC", "M"}, {"ECOM.LAN.IP", "I"}, {"IO.BASIC", "00000000"},
      {"AD", "24130 5020 0 1210 3050 41"}, {"DT", "1 0"}, {"DPI", "8"},
      {"OPTION.D0216.ZEILE 0", "Tarvik23 Printer  "}, {"OPTION.D0216.ZEILE 1", "Stop              "},
  };
  for (const auto& [command, reply] : replies) link.Reply(command, reply);
  link.ReplyPrefix("HEAD.VERSATZ ", "0");
  link.ReplyPrefix("HEAD.AUSRICHTUNG ", "0");
  link.ReplyPrefix("DPI.MODUS ", "0");
  link.ReplyPrefix("AUX.PROG ", "0");
  link.ReplyPrefix("OPTION.", "0");
  link.ReplyPrefix("PROG ", "0 1 150 0");
}

}  // namespace threadtest
