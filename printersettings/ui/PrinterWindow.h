#pragma once
// What the printer's service windows share (the diagnosis and communication
// windows, the remote control): they show what the printer thread's display
// steps write into them, so each registers as a display of the thread for
// its whole life; Esc closes them, Ctrl+P prints them, F1 opens the user
// guide, and Enter does nothing. Each takes its page of the
// printer-settings hard copy (platform::RegisterSettingsPage).
//
// The main window's place they centre on is the setting forms'
// (FormServices); the hard copy and the user guide are every window's
// (platform/qt/Hardcopy.h, UserGuide.h).
//
// A modeless one (`modeless` true) also tells the printer thread while it
// is shown (so the thread polls its values fast), stays usable while the
// program holds the user's input back (a transfer), stays above the main
// window, returns to the place where it was last closed (the window
// configuration file keeps that place between runs), and lets the windows
// that light a tile or a menu entry for it know when it shows and hides.
//
// The places kept are those of the window's frame, as the window manager
// draws it. Every window is kept whole on its screen when its size changes.
#include <QDialog>
#include <QPoint>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "printerlink/thread/PrinterDisplay.h"

namespace printersettings::ui {

class PrinterWindow : public QDialog, public printerthread::PrinterDisplay {
 public:
  // `name`: the class name without the T; `caption` with its leading
  // blank; `shownFlag`: the printer thread's flag of this window (modeless
  // windows only).
  PrinterWindow(QWidget* owner, const char* name, const QString& caption, bool modeless,
                std::atomic<bool>* shownFlag = nullptr);
  ~PrinterWindow() override;

  // A modeless window: shown when hidden, closed when shown (the tiles and
  // the menu entry that open it).
  void Toggle();

  // Where the window was last closed; nothing before its first close.
  const std::optional<QPoint>& KeptPlace() const { return keptPlace_; }
  void SetKeptPlace(const QPoint& place) { keptPlace_ = place; }
  // The place to store for the next run: where it is while shown, else
  // where it was closed, else where it would first show.
  QPoint PlaceToStore();

  // Called with true when the window shows and false when it hides.
  std::vector<std::function<void(bool shown)>> ShownChanged;

  void FormKeyDown(QKeyEvent* event);

  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The first showing of a window with no kept place centres it on the
  // main window; a modal window centres at every show.
  void Centre();

 private:
  bool modeless_;
  std::atomic<bool>* shownFlag_;
  std::optional<QPoint> keptPlace_;
};

}  // namespace printersettings::ui
