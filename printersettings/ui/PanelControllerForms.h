#pragma once
// The setting forms of the "Bedienteil" and "Steuerung" sections (panel
// type, option unit, panel programs, clock, print counter, pulse timing),
// each created once at start-up (their global pointers:
// FormPrinterBedienteilTyp ...) and handed to the settings view's tiles
// (OtherPrinterWindows()); deleted at the end, after the main window.
// `tmpDir` is the program's work folder (ending in "/"), where the option
// form writes the display-line files for the printer thread to send.
#include <string>

namespace printersettings::ui {

void CreatePanelControllerForms(const std::string& tmpDir);
void DeletePanelControllerForms();

}  // namespace printersettings::ui
