// The printer emulator as a program, for trying the link and the program by
// hand:
//   printer_emulator [--paced] [--boot-loader] [--link /dev/ttyUSB42] [--level-delay MS]
// prints the pseudo-terminal's path and answers until it is interrupted.
// --link makes a symbolic link under a serial device name, so the program's
// port search finds the emulator like a USB serial port; the terminal is
// then opened to every user, since making the link needs root but the
// program runs as the operator. SIGUSR1 makes the printer go silent and,
// sent again, answer again; ending the emulator is pulling the plug (the
// program's open port gets a hang-up and the link goes). --level-delay has
// "ENABLE" and "STANDBY" change the level only after MS milliseconds, as some
// printers do.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "PrinterEmulator.h"

namespace {
volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_toggles = 0;
void OnSignal(int) { g_stop = 1; }
void OnToggle(int) { g_toggles = g_toggles + 1; }
}  // namespace

int main(int argc, char** argv) {
  printeremu::EmulatorOptions options;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--paced")) {
      options.pacedBaud = 115200;
    } else if (!std::strcmp(argv[i], "--boot-loader")) {
      options.startInBootLoader = true;
    } else if (!std::strcmp(argv[i], "--link") && i + 1 < argc) {
      options.linkPath = argv[++i];
    } else if (!std::strcmp(argv[i], "--level-delay") && i + 1 < argc) {
      options.commandLevelDelayMs = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--paced] [--boot-loader] [--link PATH] [--level-delay MS]\n", argv[0]);
      return 2;
    }
  }
  printeremu::PrinterEmulator printer(options);
  if (auto started = printer.Start(); !started) {
    std::fprintf(stderr, "%s\n", started.error().c_str());
    return 1;
  }
  if (!options.linkPath.empty()) ::chmod(printer.DevicePath().c_str(), 0666);
  std::printf("%s\n", printer.DevicePath().c_str());
  std::fflush(stdout);
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGUSR1, OnToggle);
  int toggles = 0;
  while (!g_stop) {
    ::pause();
    for (; toggles < g_toggles; ++toggles) {
      printer.SetSilent(!printer.Silent());
      std::printf("%s\n", printer.Silent() ? "silent" : "answering");
      std::fflush(stdout);
    }
  }
  printer.Stop();  // takes its link with it
  return 0;
}
