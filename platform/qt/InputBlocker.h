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

class InputBlocker : public QObject {
 public:
  explicit InputBlocker(QWidget* exempt = nullptr);
  ~InputBlocker() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> exempt_;
};

}  // namespace platform
