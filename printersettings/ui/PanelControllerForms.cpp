#include "printersettings/ui/PanelControllerForms.h"

#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"
#include "printersettings/ui/TFormPrinterBedienteilTyp.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"

namespace printersettings::ui {

void CreatePanelControllerForms(const std::string& tmpDir) {
  PrinterWindowHooks& w = OtherPrinterWindows();
  w.BedienteilTyp = new TFormPrinterBedienteilTyp(nullptr);
  auto* option = new TFormPrinterBedienteilOption(nullptr);
  option->TmpDir = tmpDir;
  w.BedienteilOption = option;
  w.BedienteilProgramme = new TFormPrinterBedienteilProgramme(nullptr);
  w.SteuerungUhr = new TFormPrinterSteuerungUhr(nullptr);
  w.SteuerungCounter = new TFormPrinterSteuerungCounter(nullptr);
  w.SteuerungPulsdauer = new TFormPrinterSteuerungPulsdauer(nullptr);
  w.CounterChangePending = [] { return FormPrinterSteuerungCounter && FormPrinterSteuerungCounter->ChangePending(); };
}

void DeletePanelControllerForms() {
  PrinterWindowHooks& w = OtherPrinterWindows();
  w.CounterChangePending = {};
  delete FormPrinterSteuerungPulsdauer;
  delete FormPrinterSteuerungCounter;
  delete FormPrinterSteuerungUhr;
  delete FormPrinterBedienteilProgramme;
  delete FormPrinterBedienteilOption;
  delete FormPrinterBedienteilTyp;
}

}  // namespace printersettings::ui
