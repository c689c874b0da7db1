#pragma once
// Part of the file dialog's implementation, not for its callers.
#include <QApplication>

#include "filedialog/ui/FileDialogLook.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"

// Every step that lists a folder or changes files shows that it works: the
// list turns yellow and the cursor becomes the hourglass until it is done.
class TForm_FileDialog::BusyLook {
 public:
  explicit BusyLook(TForm_FileDialog* dialog) : d_(dialog) {
    if (d_->busyDepth_++ > 0) return;
    d_->lstvwVirtualList->SetColor(filedialogui::look::kBusy);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    d_->repaint();
  }
  ~BusyLook() {
    if (--d_->busyDepth_ > 0) return;
    d_->lstvwVirtualList->SetColor(filedialogui::look::kCream);
    QApplication::restoreOverrideCursor();
    d_->repaint();
  }
  BusyLook(const BusyLook&) = delete;
  BusyLook& operator=(const BusyLook&) = delete;

 private:
  TForm_FileDialog* d_;
};


// The normal cursor while a question waits for the user inside a busy step.
class CursorPause {
 public:
  CursorPause() { QApplication::restoreOverrideCursor(); }
  ~CursorPause() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  CursorPause(const CursorPause&) = delete;
  CursorPause& operator=(const CursorPause&) = delete;
};
