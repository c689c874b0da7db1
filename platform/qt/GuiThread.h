#pragma once
namespace platform {
// Makes the calling thread (the one running QApplication) the GUI thread and
// lets Qt's event loop run the steps that workers synchronise.
void InstallGuiThread();
}  // namespace platform
