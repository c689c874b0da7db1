#include "printersettings/ui/PrinterSettingForms.h"

#include "printersettings/ui/TFormPrinterAuslaufModus.h"
#include "printersettings/ui/TFormPrinterGeraetAufstarten.h"
#include "printersettings/ui/TFormPrinterGeraetAusrichtung.h"
#include "printersettings/ui/TFormPrinterGeraetDPI.h"
#include "printersettings/ui/TFormPrinterGeraetSleep.h"
#include "printersettings/ui/TFormPrinterGeraetTyp.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitFaktor.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitTaktquelle.h"
#include "printersettings/ui/TFormPrinterStartInterface.h"
#include "printersettings/ui/TFormPrinterStartModus.h"
#include "printersettings/ui/TFormPrinterStartVerschieben.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungModus.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungVerschieben.h"

namespace printersettings::ui {

void CreateSettingForms() {
  new TFormPrinterGeraetTyp(nullptr);
  new TFormPrinterGeraetAusrichtung(nullptr);
  new TFormPrinterGeraetAufstarten(nullptr);
  new TFormPrinterGeraetSleep(nullptr);
  new TFormPrinterGeraetDPI(nullptr);
  new TFormPrinterStartModus(nullptr);
  new TFormPrinterStartVerschieben(nullptr);
  new TFormPrinterStartInterface(nullptr);
  new TFormPrinterUnterdrueckungModus(nullptr);
  new TFormPrinterUnterdrueckungVerschieben(nullptr);
  new TFormPrinterAuslaufModus(nullptr);
  new TFormPrinterGeschwindigkeitTaktquelle(nullptr);
  new TFormPrinterGeschwindigkeitFaktor(nullptr);
}

void DeleteSettingForms() {
  delete FormPrinterGeschwindigkeitFaktor;
  delete FormPrinterGeschwindigkeitTaktquelle;
  delete FormPrinterAuslaufModus;
  delete FormPrinterUnterdrueckungVerschieben;
  delete FormPrinterUnterdrueckungModus;
  delete FormPrinterStartInterface;
  delete FormPrinterStartVerschieben;
  delete FormPrinterStartModus;
  delete FormPrinterGeraetDPI;
  delete FormPrinterGeraetSleep;
  delete FormPrinterGeraetAufstarten;
  delete FormPrinterGeraetAusrichtung;
  delete FormPrinterGeraetTyp;
}

}  // namespace printersettings::ui
