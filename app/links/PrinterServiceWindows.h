#pragma once
// The printer's service windows (remote control, diagnosis, communication)
// reach the settings view's tiles and the printer menu's "Fernsteuerung"
// through printersettings::ui::OtherPrinterWindows(). While the remote
// control or the diagnosis shows, its tile is dark blue with white bold
// text (and the menu's entry lit); once it is closed the tile is back in
// its lit colour with purple plain text and the entry in the window
// background.
namespace app {

// Connects whichever of the three windows exist; after the main window.
void ConnectPrinterServiceWindows();

}  // namespace app
