#pragma once
// While an InputBlocker exists, the user's input to the program's windows is
// dropped: keys, mouse buttons, the wheel, touch, drops and the window
// manager's close requests. Painting, timers and the program's own calls go
// on, so a long operation behind a busy message can let pending messages run
// without anything changing the data under it. One window (the message
// itself) may be left out, a dialog that opens modally meanwhile takes its
// input as usual, and so do the windows marked with KeepInput (the
// printer's remote control, whose clicks only leave requests for the
// printer thread).
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform {

// Marks `window` as one whose input no blocker holds.
void KeepInput(QWidget* window);

// Blockers hold input through one application event filter, installed once
// and never removed while the program runs. Qt walks the application's
// filters by position while it delivers an event, so a filter added during
// a delivery (a busy message shown from a key's handler) would make the
// filter before it see the same key once more. The main window installs the
// gate right after its own filter, so that the gate runs first (installed
// again, the gate moves before the filters installed since); otherwise the
// first blocker installs it.
void InstallInputGate();

class InputBlocker {
 public:
  explicit InputBlocker(QWidget* exempt = nullptr);
  ~InputBlocker();
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

  // Whether this blocker drops `event` on its way to `watched`.
  bool Holds(QObject* watched, QEvent* event) const;

 private:
  QPointer<QWidget> exempt_;
};

}  // namespace platform
