#pragma once
// The settings view, its forms and the printer thread against the printer
// emulator on a pseudo-terminal: the program's own request board, captions,
// window state and displays, as start-up wires them.
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormFixture.h"
#include "ThreadRig.h"
#include "printersettings/ui/TFramePrinter.h"

namespace settingstest {

class WithPrinter : public FormFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the emulator (after `prepare` set its replies) and the thread;
  // returns once the view shows the printer's values.
  void Connect(const std::function<void(printeremu::PrinterEmulator&)>& prepare = {},
               printeremu::EmulatorOptions options = {});
  // The same without waiting for the values (a printer that never lets a
  // cycle complete).
  void Start(const std::function<void(printeremu::PrinterEmulator&)>& prepare = {},
             printeremu::EmulatorOptions options = {});
  // Stops the thread and the emulator (a test may connect again).
  void Disconnect();
  // The thread with the PC setting "Simulation" on and no printer;
  // returns once the view shows the demo values.
  void Simulate();
  // Pumps until the next display refresh after this call.
  bool NextRefresh(int ms = 10000);
  // The next settings sequence the printer gets from command `from` on:
  // "ENABLE 0" through the command after "KONFIG.SAVE"; waits for it.
  std::vector<std::string> NextSequence(std::size_t& from, int ms = 20000);
  // Clicks `tile` with the mouse and, once `form` is up, runs `step` in it
  // and presses its OK.
  void Confirm(const TFramePrinter::Tile& tile, QWidget* form, const std::function<void()>& step);

  std::unique_ptr<TFramePrinter> view;
  std::unique_ptr<threadtest::ThreadRig> rig;
  // Changes to the thread's environment before Connect starts it (the work
  // folder, the PC's clock).
  std::function<void(printerthread::ThreadEnvironment&)> environment;

 private:
  // Starts the thread of `rig` on the program's board, captions, window
  // state and displays, without waiting.
  void StartThread();
};

// The settings bracket around `commands` with its `end`.
std::vector<std::string> Bracket(const std::vector<std::string>& commands, const std::string& end);

}  // namespace settingstest
