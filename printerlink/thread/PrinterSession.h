#pragma once
// The printer thread's command functions and message steps, which every
// sequence uses: ask with reply, guarded send, quiet send, the wait for a
// printer state, the settings-level bracket, and the boxes of the message
// window. Each exchange holds the port lock alone; no step that waits for
// the GUI thread runs under it (the GUI thread may want the lock).
//
// Sequences that plug into the thread (the print-data transfer, the
// configuration file, the console, the firmware) get this object.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "printerlink/thread/CommandLink.h"
#include "printerlink/thread/PrinterMessenger.h"

namespace printerthread {

// A command longer than this is not sent (the command buffers hold 100
// bytes with the terminator).
inline constexpr std::size_t kMaxThreadCommand = 99;
inline constexpr std::uint32_t kCommandMs = 1000;
inline constexpr std::uint32_t kSaveMs = 5000;  // "KONFIG.SAVE"
inline constexpr const char* kLevelFailedText = "Einstellung nicht erfolgreich \xFC" "bertragen.";
inline constexpr const char* kNoConnectionText = "Keine Verbindung";

// The reply of one query exchange.
struct Reply {
  enum class Kind { Ok, LinkFailure, Refused };
  Kind kind = Kind::LinkFailure;
  std::string text;
  bool ok() const { return kind == Kind::Ok; }
};

// One step of a setting's sequence inside the bracket: a command sent with
// SendChecked, or an action (a file transfer) that fails the sequence as a
// refused command would when it returns false.
struct SettingStep {
  std::string command;
  std::uint32_t t = kCommandMs;
  std::function<bool()> action;

  static SettingStep Send(std::string command, std::uint32_t t = kCommandMs) { return {std::move(command), t, {}}; }
  static SettingStep Save() { return {"KONFIG.SAVE", kSaveMs, {}}; }
  static SettingStep Check(std::function<bool()> action) { return {{}, 0, std::move(action)}; }
};

// How a setting's sequence leaves the settings level.
enum class BracketEnd {
  Stop,         // "STATUS 40 ZAMFI", once every step succeeded
  Reset,        // "RESET" and 2000 ms, once every step succeeded
  ResetAlways,  // the first failing step skips the rest; "RESET" and 2000 ms follow in any case
};

class PrinterSession {
 public:
  PrinterSession(CommandLink& link, PrinterMessenger* messenger, std::function<bool()> terminated);
  ~PrinterSession();
  PrinterSession(const PrinterSession&) = delete;
  PrinterSession& operator=(const PrinterSession&) = delete;

  // The message-box fields the steps show.
  std::string BoxTitle;
  MessageText BoxText;
  MessageText BoxLine2;

  // One exchange (100,000-byte reply): 1 reply received; 0 it begins with
  // "Fehler"; -1 the exchange failed (reply "Keine Verbindung").
  int AskPrinter(std::string_view command, std::string& reply, std::uint32_t t);
  // 1 accepted; 0 refused; -1 the exchange failed. On 0 and -1 it has sent
  // "STATUS 40 ZAMFI" and shown the red box under BoxTitle.
  int SendChecked(std::string_view command, std::uint32_t t);
  // One exchange with 1000 ms; the result and the reply are dropped.
  void SendQuiet(std::string_view command);
  // The end of a transfer that did not complete: the printer back to
  // printing ("STATUS 40 ZAMFI", its answer dropped), then `text` in the red
  // box, or the green one where the end is no fault.
  void EndTransfer(CatalogueText text, bool failed = true);
  // Asks "STATUS" every 100 ms until the printer reports `level`: 1 reached;
  // 0 not within `limit` ms; -1 "STATUS" failed or unreadable. On 0 and -1
  // it has sent "STATUS 40 ZAMFI" and shown the red box.
  int WaitForLevel(int level, std::uint32_t limit);
  // The query exchange: 1000 ms, 10,000-byte reply.
  Reply Query(std::string_view command);

  // "ENABLE 0", "STATUS 30 ZAMFI", state 30 within 5000 ms. True when the
  // level came; otherwise the failing step has sent "STATUS 40 ZAMFI" and
  // shown its red box.
  bool EnterSettingsLevel();
  // The settings-level bracket: busy box under `title`, 1000 ms, then
  // EnterSettingsLevel.
  bool RaiseToSettingsLevel(const std::string& title);
  // A whole setting's sequence: the bracket, the steps, the end, and the
  // busy box closed. Each step runs only when the one before succeeded; a
  // failing action sends "STATUS 40 ZAMFI" and shows the red box, as a
  // failing command does. True when every step and the end succeeded.
  bool RunSettingSequence(const std::string& title, const std::vector<SettingStep>& steps, BracketEnd end);

  // Message steps, run in the GUI thread while the worker waits.
  void ShowBusyMessage();
  void ShowSuccess();
  void ShowFailure();
  void ShowNotSupported();
  void ShowNotice();
  void CloseMessage();

  // Runs `step` in the GUI thread and waits. Not allowed under the port
  // lock (throws std::logic_error). Skipped once the thread is terminated.
  void Synchronize(const std::function<void()>& step);
  // Runs `step` in the GUI thread later without waiting: for progress
  // reported under the port lock. Dropped once the thread has ended.
  void Post(std::function<void()> step);
  // Sleeps, ending early once the thread is terminated.
  void Sleep(std::uint32_t ms);
  bool Terminated() const { return terminated_(); }

  // The thread is gone: posted steps still queued are dropped.
  void Retire() { retired_->store(true); }

 private:
  int Exchange(std::string_view command, std::string& reply, std::uint32_t t, std::size_t capacity);
  // The end of a failed step: "STATUS 40 ZAMFI" and the red box.
  void FailStep(std::uint32_t t);
  void Show(BoxKind kind);

  CommandLink& link_;
  PrinterMessenger* messenger_;
  std::function<bool()> terminated_;
  std::shared_ptr<std::atomic<bool>> retired_;
};

}  // namespace printerthread
