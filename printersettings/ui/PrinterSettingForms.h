#pragma once
// The setting forms of the "Gerät", "Start", "Unterdrückung", "Auslauf"
// and "Geschwindigkeit" sections, each created once at start-up (their
// global pointers: FormPrinterGeraetTyp ...) and deleted at the end, after
// the main window.
namespace printersettings::ui {

void CreateSettingForms();
void DeleteSettingForms();

}  // namespace printersettings::ui
