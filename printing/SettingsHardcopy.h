#pragma once
// The pages of the printer-settings hard copy, in order: the main window,
// the 22 setting and service windows of the printer settings, and the info
// window. Windows are named after their class without the T.
#include <array>

namespace printing {

inline constexpr std::array<const char*, 24> kSettingsHardcopyWindows = {
    "Form_Main",
    "FormPrinterGeraetTyp",
    "FormPrinterGeraetAusrichtung",
    "FormPrinterGeraetAufstarten",
    "FormPrinterGeraetSleep",
    "FormPrinterGeraetDPI",
    "FormPrinterStartModus",
    "FormPrinterStartInterface",
    "FormPrinterStartVerschieben",
    "FormPrinterUnterdrueckungModus",
    "FormPrinterUnterdrueckungVerschieben",
    "FormPrinterAuslaufModus",
    "FormPrinterGeschwindigkeitTaktquelle",
    "FormPrinterGeschwindigkeitFaktor",
    "FormPrinterBedienteilTyp",
    "FormPrinterBedienteilOption",
    "FormPrinterBedienteilProgramme",
    "FormPrinterSteuerungDiagnose",
    "FormPrinterSteuerungUhr",
    "FormPrinterSteuerungCounter",
    "FormPrinterSteuerungVendrel",
    "FormPrinterSteuerungPulsdauer",
    "FormPrinterFernsteuerung",
    "FormInfo",
};

}  // namespace printing
