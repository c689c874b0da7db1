#pragma once
// A printer on a pseudo-terminal, for tests and benchmarks of the printer
// link. It speaks the printer's side of the protocol: commands ended by CR,
// replies between STX and ETX, the printer states with "STATUS n ZAMFI",
// a settings store that answers the poll schedule, "KONFIG.SAVE", "RESET",
// a file store behind "DOWNLOADS", "UPLOADS", "CRC", "TYPE", "DEL", "REN",
// "MAXDT", "DT", and after "RESET.BOOTLOADER" (at state 70) the controller's
// STM32 boot loader until its Go. Its clock runs, its counter counts while it
// prints, and its display unit's second line shows the state. It keeps a
// transcript, shows faults on request, and can go silent like a printer
// that was switched off or unplugged, and come back.
//
//   printeremu::PrinterEmulator printer;          // options as needed
//   ASSERT_TRUE(printer.Start().ok());
//   ... the link opens printer.DevicePath() ...
//   printer.AddFault(printeremu::ReplyFault("DOWNLOADS", FaultPoint::BlockReply, "Fehler 7"));
//   printer.Commands();                            // every command line so far
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "BootLoader.h"
#include "Faults.h"
#include "PrinterClock.h"
#include "Pty.h"
#include "SettingsStore.h"
#include "Transcript.h"
#include "platform/Result.h"

namespace printeremu {

struct EmulatorOptions {
  unsigned pacedBaud = 0;     // 0: unpaced; 115200: the real line's rate (8N1, the boot loader 8E1)
  int systemId = 23;          // the answer to "INFO.SYSTEM"
  int cliWord = 8058;         // the answer to "INFO.CLI"
  int state = 40;             // the printer state at start
  // "STATUS n ZAMFI" reaches state n after this time, or after this many
  // "STATUS" questions (for tests whose own clock is fake); 0 and 0: at once.
  int levelDelayMs = 0;
  int levelDelayPolls = 0;
  // "ENABLE" and "STANDBY" reach their level after this time, as a printer
  // that changes its level only after a delay of its own; 0: at once. A
  // command meanwhile acts on the level the printer is heading for.
  int commandLevelDelayMs = 0;
  int resetMs = 0;            // "RESET": state 20 this long, then the power-on state
  int eraseMs = 0;            // the boot loader's erase time
  bool startInBootLoader = false;
  // Drop what the PC sends while its port framing is not the one the
  // printer listens with (115200 8N1 for commands, 8E1 for the boot loader).
  bool checkFraming = false;
  // A symbolic link to the terminal under this name (a serial device's
  // name, "/dev/ttyUSB42" or one in a test's folder), made by Start and
  // removed when the line goes dead, as a USB adapter's device comes and
  // goes with the adapter. A link of that name left behind is replaced.
  std::string linkPath;
};

class PrinterEmulator {
 public:
  explicit PrinterEmulator(EmulatorOptions options = {});
  ~PrinterEmulator();
  PrinterEmulator(const PrinterEmulator&) = delete;
  PrinterEmulator& operator=(const PrinterEmulator&) = delete;

  // Opens the pseudo-terminal and starts answering.
  platform::Status Start();
  void Stop();
  // Pulls the plug: the emulator stops answering, its link goes and the
  // pseudo-terminal closes, so the PC's open port gets a hang-up. The
  // emulator cannot be started again.
  void Unplug();
  // The line went dead (Unplug, or a HangUp fault struck).
  bool Unplugged() const { return unplugged_; }
  const std::string& DevicePath() const { return pty_.SlavePath(); }
  // The framing the PC's side of the line is set to now.
  platform::LineFraming PcFraming() const { return pty_.SlaveFraming(); }

  // Files, by printer name (upper-cased, as the printer's file system).
  void PutFile(const std::string& name, const std::string& bytes);
  std::optional<std::string> File(const std::string& name) const;
  void RemoveFile(const std::string& name);
  std::vector<std::string> FileNames() const;

  // Settings, by query word ("MASCHINE", "DPI.MODUS 3", ...). Setting "RTC"
  // or "OPTION.D0216.ZEILE 1" fixes the reply that otherwise follows the
  // clock or the state.
  void SetSetting(const std::string& key, const std::string& value);
  std::optional<std::string> Setting(const std::string& key) const;

  int State() const;
  // A level asked for and not reached yet.
  bool LevelPending() const;
  void SetState(int state, int errorCode = 0);
  bool InBootLoader() const { return inBootLoader_; }

  // A silent printer takes every line and answers none, until it answers
  // again.
  void SetSilent(bool silent) { silent_ = silent; }
  bool Silent() const { return silent_; }

  void AddFault(const Fault& fault);
  void AddBootFault(const BootFault& fault);
  void ClearFaults();

  std::vector<std::uint8_t> Flash() const { return boot_.Flash(); }
  void SetFlash(const std::vector<std::uint8_t>& image) { boot_.SetFlash(image); }

  std::vector<TranscriptEntry> Transcript() const;
  std::vector<std::string> Commands() const;  // the command lines only
  void ClearTranscript();

  // Polls `condition` until it holds or `timeoutMs` pass; for what the
  // emulator does after the PC has moved on (an EOT, a late line).
  static bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 2000);

 private:
  struct Staged {  // a download in progress
    std::string name;
    std::string data;
    std::optional<std::string> before;
  };
  struct PendingLevel {
    int target;
    std::chrono::steady_clock::time_point due;
    int polls;
  };

  void Run();
  // Removes the link (when it still names this terminal) and closes the
  // pseudo-terminal.
  void HangUp();
  std::optional<std::string> ReadLine(Channel& line);
  void Handle(Channel& line, const std::string& command);
  void HandleDownload(Channel& line, const std::string& command);
  void HandleUpload(Channel& line, const std::string& command);
  // The reply to an ordinary command; says whether the boot loader follows.
  std::string Execute(const std::string& command, bool& enterBootLoader);
  void SendReply(Channel& line, const std::string& text, const std::optional<Fault>& fault, bool blank = false);
  std::optional<Fault> TakeFault(const std::string& command, FaultPoint point);
  std::optional<BootFaultKind> TakeBootFault(std::uint8_t command, int ack);
  void Record(EntryKind kind, std::string text);
  void AbortDownload();
  void ApplyPendingLevel(bool poll);
  // The level an "ENABLE" or "STANDBY" moves to from the level the printer
  // is heading for, reached at once or after commandLevelDelayMs.
  void MoveLevel(int (*next)(int level));
  void AdvanceCounter();
  std::string DisplayLine1() const;
  // A display-line file stored: its set-up becomes "OPTION.D0216.FORMAT.ID".
  void NoteDisplayLineFile(const std::string& name, const std::string& data);

  EmulatorOptions options_;
  Pty pty_;
  int wake_[2] = {-1, -1};
  std::thread thread_;
  std::atomic<bool> inBootLoader_{false};
  std::atomic<bool> silent_{false};
  std::atomic<bool> unplugged_{false};
  BootLoader boot_;

  mutable std::mutex mutex_;
  std::map<std::string, std::string> files_;
  SettingsStore settings_;
  int state_;
  int errorCode_ = 0;
  std::optional<PendingLevel> pending_;
  std::vector<Fault> faults_;
  std::vector<BootFault> bootFaults_;
  std::vector<TranscriptEntry> transcript_;
  std::optional<Staged> staged_;
  PrinterClock clock_;
  bool clockFixed_ = false;
  bool line1Fixed_ = false;
  std::chrono::steady_clock::time_point counted_ = std::chrono::steady_clock::now();
};

}  // namespace printeremu
