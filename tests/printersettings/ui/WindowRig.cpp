#include "WindowRig.h"

#include <set>

#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/PrinterWindowState.h"

namespace settingstest {

WindowRig::WindowRig(printeremu::EmulatorOptions options) : rig(options) {
  rig.env.displays = &printerthread::PrinterDisplays();
  rig.env.windows = &printerthread::PrinterWindows();
  printerthread::PrinterDisplays().Add(&rig.display);
}

WindowRig::~WindowRig() {
  rig.Stop();
  printerthread::PrinterDisplays().Remove(&rig.display);
}

bool WindowRig::Connect(int ms) {
  rig.Start();
  return Until([&] { return rig.display.refreshes > 0 && rig.Connected(); }, ms);
}

bool WindowRig::NextRefresh(int ms) {
  const int refreshes = rig.display.refreshes;
  return Until([&] { return rig.display.refreshes > refreshes; }, ms);
}

std::vector<std::string> WindowRig::SentSince(std::size_t first) const {
  // The questions of the poll schedule and the probe.
  static const std::set<std::string> kPolls = {
      "INFO.SYSTEM", "INFO.CLI", "MASCHINE", "AUSRICHTUNG", "HEAD.CMD", "STARTUP", "SLEEP", "DPI.INDEX",
      "DPI.ANZAHL", "START", "START.FILTER", "START.VERSCHIEBEN", "AUX.CMD", "UNTERDRUECKUNG",
      "UNTERDRUECKUNG.FILTER", "UNTERDRUECKUNG.VERSCHIEBEN", "AUSLAUF", "SPEED", "SPEED.FAKTOR", "SPEED.IST",
      "MMI", "MMI.REDADID.MODUS", "OPTION", "OPTION.REDADID.MODUS", "OPTION.D0216.MODUS", "OPTION.D0216.BUTTON",
      "OPTION.D0216.FORMAT.ID", "OPTION.SIGNALUNIT.TYP", "OPTION.SIGNALUNIT.ALARM", "OPTION.SIGNALUNIT.HORN",
      "OPTION.SIGNALUNIT.SIGNAL", "RTC", "STATUS", "COUNTER", "HEAD.PULSDAUER", "HEAD.HEIZUNG", "HEAD.H600DPI",
      "INFO.DEVICE", "INFO.FIRMWARE", "ECOM.INFO.KIT", "ECOM.LAN.NAME", "ECOM.LAN.MAC", "ECOM.LAN.IP", "IO.BASIC",
      "ZPOS.SPEED", "AD", "DT", "DPI"};
  std::vector<std::string> sent;
  for (const std::string& c : rig.CommandsFrom(first)) {
    const bool numbered = c.rfind("HEAD.VERSATZ ", 0) == 0 || c.rfind("HEAD.AUSRICHTUNG ", 0) == 0 ||
                          c.rfind("DPI.MODUS ", 0) == 0 || c.rfind("AUX.PROG ", 0) == 0 ||
                          c.rfind("PROG ", 0) == 0 || c.rfind("OPTION.D0216.ZEILE ", 0) == 0;
    if (!kPolls.count(c) && !numbered) sent.push_back(c);
  }
  return sent;
}

}  // namespace settingstest
