#pragma once
// Closing the printer port from the GUI thread (after the PC settings
// change), so that the printer thread searches for the printer again.
namespace app {

// Takes the port lock, closes the port (swallowing any failure) and
// releases the lock. The GUI thread never blocks on the lock: while the
// printer thread holds it, this waits with the printer thread's
// synchronised steps still running, so a thread that holds the lock and
// waits for the GUI gets on.
void CloseComPortFromGui();

}  // namespace app
